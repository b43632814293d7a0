#include "propertylist/model/property/CProperty.h"

#include "propertylist/library/AttrgridErrors.h"
#include "propertylist/model/OwnerContract.h"
#include "propertylist/model/property/CPropertyListener.h"
#include "propertylist/model/property/CPropertyOwner.h"

#include "platform/base/Rounding.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/convert/Format.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/ole/text/CaseMapping.h"
#include "platform/ole/text/TextEdits.h"

#include <cstdio>

namespace attrgrid {

namespace {

std::string ParamKey(const std::string& sParam) {
    const std::string_view name = ole::Trim(sParam);
    if (name.empty())
        ole::RaiseError(errors::InvalidKey, "Attrgrid");
    return "EDPARAM_" + ole::UCase(name);
}

// "&H" + eight upper-case hex digits + "&" for a value that is a whole number within 32 bits
// (either signedness); nothing otherwise, so paint never raises.
std::optional<std::string> ColorHexText(const ole::Variant& value) {
    if (value.ValueType() == ole::VT_DATE || !ole::IsNumeric(value))
        return std::nullopt;
    double number = 0;
    try {
        number = ole::CDbl(value);
    } catch (const ole::Error&) {
        return std::nullopt;
    }
    const double whole = base::RoundHalfEven(number);
    if (!(whole >= -2147483648.0 && whole <= 4294967295.0))
        return std::nullopt;
    const auto pattern = static_cast<uint32_t>(static_cast<int64_t>(whole));
    char text[16];
    std::snprintf(text, sizeof text, "&H%08X&", pattern);
    return std::string(text);
}

} // namespace

ole::Ptr<CProperty> CProperty::Create() {
    return ole::MakeObject<CProperty>();
}

CProperty::~CProperty() {
    m_owner = 0;
    m_source = 0;
}

void CProperty::Notify() {
    ole::Ptr<CProperty> self(this);
    // The list learns of changes on a best-effort basis; its failure is not the caller's.
    ole::ResumeNext([&] {
        const auto owner = OwnerContract<CPropertyListener>::Of(m_owner);
        if (owner.contract)
            owner.contract->PropertyChanged(*this);
    });
}

ole::Ptr<ole::Object> CProperty::Owner() const {
    return ole::ObjectFromPtr(m_owner);
}

void CProperty::LetBold(bool value) {
    if (value == m_bold)
        return;
    m_bold = value;
    Notify();
}

void CProperty::LetItalic(bool value) {
    if (value == m_italic)
        return;
    m_italic = value;
    Notify();
}

int32_t CProperty::GetBackColor() const {
    if (m_backColor != -1)
        return m_backColor;
    const auto owner = OwnerContract<CPropertyOwner>::Of(m_owner);
    return owner.contract ? owner.contract->PropertyBackColor() : 0;
}

void CProperty::LetBackColor(int32_t value) {
    if (value == m_backColor)
        return;
    m_backColor = value;
    Notify();
}

int32_t CProperty::GetForeColor() const {
    if (m_foreColor != -1)
        return m_foreColor;
    const auto owner = OwnerContract<CPropertyOwner>::Of(m_owner);
    return owner.contract ? owner.contract->PropertyForeColor() : 0;
}

void CProperty::LetForeColor(int32_t value) {
    if (value == m_foreColor)
        return;
    m_foreColor = value;
    Notify();
}

void CProperty::SetPicture(ole::Ptr<ole::Picture> picture) {
    if (picture == m_picture)
        return;
    m_picture = std::move(picture);
    Notify();
}

void CProperty::LetName(const std::string& value) {
    if (value == m_name)
        return;
    m_name = value;
    Notify();
}

void CProperty::LetValue(const ole::Variant& value) {
    const ole::Variant newValue = value.Deref();
    if (newValue.IsObject()) {
        SetValue(newValue);
        return;
    }
    // The source's setter or the listener may release every other reference to this property.
    ole::Ptr<CProperty> self(this);
    const ole::Variant previous = m_value;
    m_value = newValue;
    if (m_autoUpdateSource) {
        if (ole::Ptr<ole::Object> source = GetSourceObject()) {
            const ole::Variant target(source);
            const std::string name = m_name;
            try {
                ole::LetProperty(target, name, m_value);
            } catch (...) {
                m_value = previous;
                throw;
            }
            // A failed read-back keeps the written value: the source did accept it.
            m_value = ole::GetProperty(target, name);
        }
    }
    Notify();
}

void CProperty::SetValue(const ole::Variant& value) {
    const ole::Variant newObject = value.Deref();
    if (!newObject.IsObject())
        ole::RaiseError(ole::ERR_TYPE_MISMATCH);
    ole::Ptr<CProperty> self(this);
    const ole::Variant previous = m_value;
    if (!m_value.IsObject())
        m_value = ole::Variant::Nothing();
    if (ole::Is(m_value, newObject))
        return;
    m_value = newObject;
    if (m_autoUpdateSource) {
        if (ole::Ptr<ole::Object> source = GetSourceObject()) {
            const ole::Variant target(source);
            const std::string name = m_name;
            try {
                ole::SetProperty(target, name, newObject);
            } catch (...) {
                m_value = previous;
                throw;
            }
            m_value = ole::GetObjectProperty(target, name);
        }
    }
    Notify();
}

void CProperty::LetAppearance(int32_t value) {
    if (value == m_appearance)
        return;
    m_appearance = value;
    Notify();
}

int32_t CProperty::GetEditorType() {
    if (m_editorType == shared::ksBooleanEditor) {
        ole::Ptr<CProperty> self(this);
        ole::Ptr<CListItems> items = GetListItems();
        items->Clear();
        items->Add("True", ole::Variant(true));
        items->Add("False", ole::Variant(false));
    }
    return m_editorType;
}

void CProperty::LetHelp(const std::string& value) {
    if (value == Rare().help)
        return;
    RareForWrite().help = value;
    Notify();
}

ole::Ptr<CListItems> CProperty::GetListItems() {
    if (!m_listItems)
        m_listItems = CListItems::Create();
    return m_listItems;
}

void CProperty::LetReadOnly(bool value) {
    if (value == m_readOnly)
        return;
    m_readOnly = value;
    Notify();
}

void CProperty::LetFormat(const std::string& value) {
    if (value == Rare().format)
        return;
    RareForWrite().format = value;
    Notify();
}

void CProperty::LetCustomDraw(bool value) {
    if (value == m_customDraw)
        return;
    m_customDraw = value;
    Notify();
}

ole::Ptr<ole::Object> CProperty::GetSourceObject() const {
    return ole::ObjectFromPtr(m_source);
}

void CProperty::SetEditorParam(const std::string& sParam, const std::string& sValue) {
    const std::string key = ParamKey(sParam);
    auto& params = RareForWrite().params;
    if (!params)
        params = ole::Collection::Create();
    // Not replaced: a second set of the same name fails with 457 and the first value stays.
    params->Append(ole::Variant(sValue), key);
}

std::string CProperty::GetEditorParam(const std::string& sParam) const {
    const std::string key = ParamKey(sParam);
    const auto& params = Rare().params;
    if (!params || !params->ContainsKey(key))
        return {};
    try {
        return ole::CStr(params->ItemByKey(key));
    } catch (const ole::Error&) {
        return {};
    }
}

std::string CProperty::FormatPlainValue() const {
    try {
        return ole::Format(m_value, Rare().format);
    } catch (const ole::Error&) {
        return {};
    }
}

std::string CProperty::FormattedText() const {
    const bool isPicture = m_editorType == shared::ksPictureEditor;
    if (m_value.IsObject()) {
        ole::Ptr<ole::Object> object = m_value.AsObject();
        if (!object)
            return isPicture ? "(none)" : "";
        if (isPicture) {
            int32_t type = 0;
            if (auto picture = ole::PtrCast<ole::Picture>(object)) {
                type = picture->Type();
            } else {
                try {
                    type = ole::CLng(ole::GetProperty(m_value, "Type"));
                } catch (const ole::Error&) {
                }
            }
            return type != 0 ? "(Picture)" : "(none)";
        }
        if (m_editorType == shared::KSListEditor)
            return m_listItems ? m_listItems->TextOfValue(m_value) : "";
        try {
            return ole::CStr(ole::ReduceToValue(m_value));
        } catch (const ole::Error&) {
            return {};
        }
    }

    std::string text = isPicture ? "(none)" : "";
    // Null skips the format step as Empty and Missing do.
    if (!m_value.IsEmpty() && !m_value.IsMissing() && !m_value.IsNull())
        text = FormatPlainValue();
    if (m_editorType == shared::KSColorEditor && Rare().format.empty()) {
        if (!m_value.IsNull()) {
            if (auto hex = ColorHexText(m_value))
                text = *hex;
        }
    } else if (m_editorType == shared::KSListEditor) {
        text = m_listItems ? m_listItems->TextOfValue(m_value) : "";
    }
    return text;
}

void CProperty::InitProperty(const ole::Ptr<ole::Object>& anOwner, std::string sName,
                             const ole::Variant& aValue, const ole::Ptr<ole::Object>& anObject,
                             bool bAutoUpdate, int32_t eEditorType) {
    m_owner = ole::PtrOfObject(anOwner);
    // A fresh, empty list; made on first use, as most properties never have one.
    m_listItems = nullptr;
    m_name = std::move(sName);
    m_editorType = eEditorType;
    const ole::Variant& value = aValue.Deref();
    m_value = value.IsMissing() ? ole::Variant() : value;
    m_source = anObject ? ole::PtrOfObject(anObject) : 0;
    m_autoUpdateSource = bAutoUpdate;
}

void CProperty::ReplaceCategorySeparator(std::string_view sOld, std::string_view sNew) {
    if (sOld.empty())
        return;
    m_category = ole::Replace(m_category, sOld, sNew);
}

ole::Variant CProperty::Invoke(ole::DISPID id, uint16_t kinds, std::span<ole::Variant> args) {
    // A plain put of an object to Value or Tag stores the object itself, as a set does.
    if ((id == IdValue || id == IdTag) && (kinds & ole::DISPATCH_PROPERTYPUT) &&
        !(kinds & ole::DISPATCH_PROPERTYPUTREF) && args.size() == 1 &&
        args.back().Deref().IsObject())
        kinds = ole::DISPATCH_PROPERTYPUTREF;
    return Object::Invoke(id, kinds, args);
}

const ole::ClassInfo& CProperty::Info() {
    using C = CProperty;
    static const ole::ClassInfo info =
        ole::ClassBuilder<C>("CProperty")
            .Library("Attrgrid")
            .ClassId("{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210301}")
            .Interface("_CProperty", "{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210302}", ole::TYPEFLAG_FDUAL)
            .Property("Bold", IdBold, &C::GetBold, &C::LetBold)
            .Property("Italic", IdItalic, &C::GetItalic, &C::LetItalic)
            .Property("BackColor", IdBackColor, &C::GetBackColor, &C::LetBackColor,
                      ole::Typed("OLE_COLOR"))
            .Property("ForeColor", IdForeColor, &C::GetForeColor, &C::LetForeColor,
                      ole::Typed("OLE_COLOR"))
            .Get("Tag", IdTag, &C::GetTag)
            .Set("Tag", IdTag, &C::SetTag)
            .Let("Tag", IdTag, &C::LetTag)
            .Property("Picture", IdPicture, &C::GetPicture, &C::SetPicture, ole::Typed("Picture"))
            .Get("Key", IdKey, &C::GetKey)
            .Property("Name", IdName, &C::GetName, &C::LetName)
            .Get("Value", IdValue, &C::GetValue)
            .Set("Value", IdValue, &C::SetValue)
            .Let("Value", IdValue, &C::LetValue)
            .Property("Appearance", IdAppearance, &C::GetAppearance, &C::LetAppearance,
                      ole::Typed("ksAppearance"))
            .Property("EditorType", IdEditorType, &C::GetEditorType, &C::LetEditorType,
                      ole::Typed("ksEditorType"))
            .Property("Help", IdHelp, &C::GetHelp, &C::LetHelp)
            .Get("ListItems", IdListItems, &C::GetListItems, ole::Typed("CListItems"))
            .Get("Category", IdCategory, &C::GetCategory)
            .Property("ReadOnly", IdReadOnly, &C::GetReadOnly, &C::LetReadOnly)
            .Get("FormattedText", IdFormattedText, &C::FormattedText)
            .Property("Format", IdFormat, &C::GetFormat, &C::LetFormat)
            .Property("EditorKey", IdEditorKey, &C::GetEditorKey, &C::LetEditorKey)
            .Property("CustomDraw", IdCustomDraw, &C::GetCustomDraw, &C::LetCustomDraw)
            .Get("SourceObject", IdSourceObject, &C::GetSourceObject)
            .Property("AutoUpdateSource", IdAutoUpdateSource, &C::GetAutoUpdateSource,
                      &C::LetAutoUpdateSource)
            .Method("SetEditorParam", IdSetEditorParam, &C::SetEditorParam,
                    ole::Params({ole::Arg("sParam"), ole::Arg("sValue")}))
            .Method("GetEditorParam", IdGetEditorParam, &C::GetEditorParam,
                    ole::Params({ole::Arg("sParam")}))
            .Property("HelpFile", IdHelpFile, &C::GetHelpFile, &C::LetHelpFile)
            .Property("HelpContext", IdHelpContext, &C::GetHelpContext, &C::LetHelpContext)
            .Build();
    return info;
}

} // namespace attrgrid

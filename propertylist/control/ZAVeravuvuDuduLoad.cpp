// Loading an object's properties: the members its type information describes, then, for a control
// sited on a form, the properties its extender adds.

#include "propertylist/control/GridGeometry.h"
#include "propertylist/control/ZAVeravuvuDudu.h"
#include "propertylist/control/load/EditorChoice.h"
#include "propertylist/control/load/ExtenderTable.h"
#include "propertylist/control/load/PropertyCategory.h"
#include "propertylist/control/load/WriteBack.h"

#include "platform/forms/host/Extender.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/ole/typeinfo/InterfaceInfo.h"
#include "platform/ole/typeinfo/TypeInfoService.h"
#include "platform/ole/typeinfo/TypeLibInfo.h"

#include <algorithm>

namespace attrgrid {

namespace {

bool OptionalFlag(const ole::Variant& flag) {
    const ole::Variant& value = flag.Deref();
    if (value.IsMissing() || value.IsEmpty())
        return false;
    return ole::CBool(value);
}

bool IsLoadedKind(int32_t kinds) {
    return kinds == (load::kKindGet | load::kKindLet) ||
           kinds == (load::kKindGet | load::kKindSet) ||
           kinds == (load::kKindGet | load::kKindLet | load::kKindSet);
}

// The control inside a form's extender; the extender itself when it holds none.
ole::Ptr<ole::Object> DescribedObject(const ole::Variant& aVBObject) {
    ole::Ptr<ole::Object> object = aVBObject.AsObject();
    if (!dynamic_cast<forms::Extender*>(object.Get()))
        return object;
    try {
        const ole::Variant inner = ole::GetObjectProperty(aVBObject, "object");
        if (inner.IsObject() && !inner.IsNothing())
            return inner.AsObject();
    } catch (const ole::Error&) {
    }
    return object;
}

} // namespace

// LockRefresh is held for the whole load and restored once at the end, so the rows are laid out
// and painted once instead of after every Add.
bool ZAVeravuvuDudu::LoadObjectProperties(ole::Variant& aVBObject, const ole::Variant& bClear,
                                          const ole::Variant& bAutoUpdate) {
    if (m_released)
        return false;
    // A copy: the host's variant is by reference and its handlers may change it during the load.
    const ole::Variant target = aVBObject.Deref();
    if (!target.IsObject() || target.IsNothing())
        return false;
    ole::Ptr<ZAVeravuvuDudu> self(this);
    const bool clear = OptionalFlag(bClear);
    const bool autoUpdate = OptionalFlag(bAutoUpdate);

    const bool lockRefresh = m_settings.lockRefresh;
    LetLockRefresh(true);
    if (clear) {
        if (const ole::Ptr<CEditor> editor = m_ActiveEditor) {
            ole::ResumeNext([&] { editor->LetVisible(false); });
            ole::ResumeNext([&] { editor->Cancel(); });
        }
        ole::ResumeNext([&] {
            if (const ole::Ptr<CProperties> properties = m_CProperties)
                properties->Clear();
        });
    }
    const ole::Ptr<ole::Object> described = DescribedObject(target);
    ole::ResumeNext([&] { AddTypeInfoProperties(target, described, autoUpdate); });
    if (dynamic_cast<forms::Extender*>(target.AsObject().Get()))
        ole::ResumeNext([&] { AddStandardProperties(target, autoUpdate); });
    ole::ResumeNext([&] { LetLockRefresh(lockRefresh); });
    return true;
}

ole::Ptr<ole::Object>
ZAVeravuvuDudu::GetObjectInterfaceInfo(const ole::Ptr<ole::Object>& anObject) {
    ole::Ptr<ole::Object> result;
    try {
        if (!m_TypeInfoApp)
            m_TypeInfoApp = ole::ClassRegistry::Create(ole::CLSID_TypeInfoService);
        const auto service = ole::PtrCast<ole::TypeInfoService>(m_TypeInfoApp);
        if (!service)
            return nullptr;
        result = service->InterfaceInfoFromObject(anObject);
        const auto info = ole::PtrCast<ole::InterfaceInfo>(result);
        if (!info || info->TypeKind() == ole::TKIND_DISPATCH)
            return result;
        // A dual or plain interface: its library's type of the same name gives the dispatch view.
        const auto library = ole::PtrCast<ole::TypeLibInfo>(service->TypeLibInfoFromRegistry(
            info->LibraryGuid(), info->MajorVersion(), info->MinorVersion(),
            static_cast<int32_t>(info->Description().Library().Lcid())));
        if (!library)
            return result;
        if (const auto type = ole::PtrCast<ole::InterfaceInfo>(library->FindType(info->Name()))) {
            if (ole::Ptr<ole::Object> view = type->DispatchView())
                result = std::move(view);
        }
    } catch (const ole::Error&) {
    }
    return result;
}

void ZAVeravuvuDudu::AddTypeInfoProperties(const ole::Variant& aVBObject,
                                           const ole::Ptr<ole::Object>& described,
                                           bool bAutoUpdate) {
    if (!described)
        return;
    const auto info = ole::PtrCast<ole::InterfaceInfo>(GetObjectInterfaceInfo(described));
    if (!info)
        return;
    const ole::InterfaceDescription dispatch = info->TypeKind() == ole::TKIND_DISPATCH
                                                   ? info->Description()
                                                   : info->Description().DispatchView();
    if (dispatch.TypeKind() != ole::TKIND_DISPATCH)
        return;
    // Copies: event handlers below may unregister the library that describes the object.
    const std::vector<ole::MemberDescription> members = dispatch.Members();
    const std::vector<ole::FilteredMember> entries = dispatch.FilteredMembers();
    const uint32_t lcid = dispatch.Library().Lcid();
    const ole::Ptr<ole::Object> source = aVBObject.AsObject();

    for (const ole::FilteredMember& entry : entries) {
        if (m_released)
            return;
        if (entry.skip || !IsLoadedKind(entry.invokeKinds))
            continue;
        const auto getter =
            std::find_if(members.begin(), members.end(), [&](const ole::MemberDescription& m) {
                return m.name == entry.name && m.invokeKind == ole::DISPATCH_PROPERTYGET;
            });
        if (getter == members.end() || getter->returnType.cannotBeShown)
            continue;
        const load::PropertyCategory category =
            load::CategoryNameFromId(*described, getter->memberId, lcid);
        if (category.number == load::kNilCategory)
            continue;
        // A value that cannot be read is not shown, rather than shown with a stale one.
        const std::optional<ole::Variant> value =
            load::ReadByName(aVBObject, entry.name, entry.invokeKinds);
        if (!value)
            continue;
        const ole::Ptr<CProperties> properties = m_CProperties;
        if (!properties)
            return;
        ole::Ptr<CProperty> property;
        try {
            std::string key = entry.name;
            property = properties->Add(entry.name, *value, category.name, key, source, bAutoUpdate,
                                       shared::ksTextEditor);
        } catch (const ole::Error&) {
        }
        // A refused Add (a second load without clearing) shows nothing and writes nothing.
        if (!property)
            continue;
        ole::ResumeNext([&] {
            property->LetReadOnly(load::TestWriteBack(aVBObject, entry.name, entry.invokeKinds));
        });
        ole::ResumeNext([&] {
            property->LetHelpFile(getter->helpFile);
            property->LetHelpContext(getter->helpContext);
            property->LetHelp(getter->helpString);
        });
        ole::ResumeNext([&] {
            const load::EditorChoice choice = load::ChooseEditorForType(getter->returnType);
            if (choice.remove)
                RemoveLoadedProperty(property);
            else
                load::ApplyEditorChoice(choice, *property);
        });
    }
}

void ZAVeravuvuDudu::AddStandardProperties(const ole::Variant& aVBObject, bool bAutoUpdate) {
    for (const load::ExtenderRow& row : load::ExtenderRows()) {
        if (m_released)
            return;
        ole::Ptr<CProperty> property;
        ole::ResumeNext([&] {
            property = AddStandardProperty(aVBObject, row.name, row.category, row.asObject,
                                           row.testWriteBack, bAutoUpdate);
        });
        if (!property)
            continue;
        ole::ResumeNext([&] { property->LetEditorType(row.editorType); });
        if (row.forceReadOnly)
            ole::ResumeNext([&] { property->LetReadOnly(true); });
        if (row.editorType == shared::ksPictureEditor)
            ole::ResumeNext(
                [&] { property->SetEditorParam("Filter", std::string(load::kPictureFilter)); });
        for (const load::ExtenderListItem& item : row.listItems) {
            ole::ResumeNext([&] {
                const ole::Variant value = row.longItemValues
                                               ? ole::Variant(item.value)
                                               : ole::Variant(static_cast<int16_t>(item.value));
                property->GetListItems()->Add(std::string(item.text), value);
            });
        }
        ole::ResumeNext([&] { property->LetHelp(std::string(row.help)); });
    }
}

ole::Ptr<CProperty> ZAVeravuvuDudu::AddStandardProperty(const ole::Variant& aVBObject,
                                                        std::string_view sName,
                                                        std::string_view sCategory, bool bAsObject,
                                                        bool bTestWriteBack, bool bAutoUpdate) {
    const ole::Ptr<CProperties> properties = m_CProperties;
    if (!properties || !aVBObject.IsObject() || aVBObject.IsNothing())
        return nullptr;
    const std::string name(sName);
    if (properties->Item(ole::Variant(name)))
        return nullptr;
    const int32_t kinds = bAsObject ? load::kKindSet : load::kKindLet;
    const std::optional<ole::Variant> value = load::ReadByName(aVBObject, name, kinds);
    if (!value)
        return nullptr;
    std::string noKey;
    ole::Ptr<CProperty> property =
        properties->Add(name, *value, std::string(sCategory), noKey, aVBObject.AsObject(),
                        bAutoUpdate, shared::ksTextEditor);
    if (property && bTestWriteBack)
        property->LetReadOnly(load::TestWriteBack(aVBObject, name, kinds));
    return property;
}

void ZAVeravuvuDudu::RemoveLoadedProperty(const ole::Ptr<CProperty>& aProperty) {
    const ole::Ptr<CProperties> properties = m_CProperties;
    if (!properties || !aProperty)
        return;
    // By position: the collection's keyed look-up tries host keys first. The property was just
    // added, so the search starts at the end.
    for (int32_t position = properties->Count(); position >= 1; --position) {
        if (properties->Item(ole::Variant(position)).Get() == aProperty.Get()) {
            properties->Remove(ole::Variant(position));
            return;
        }
    }
}

} // namespace attrgrid

#pragma once

#include "propertylist/model/LazyPart.h"
#include "propertylist/model/listitems/CListItems.h"

#include "platform/ole/collection/Collection.h"
#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/Object.h"
#include "platform/ole/picture/Picture.h"
#include "shared/util/EditorValue.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace attrgrid {

using shared::ksEditorType;

enum ksAppearance : int32_t { ksFlat = 0, ks3d = 1 };

// One property shown by the list. Owner and source are weak ids, resolved for one operation at a
// time: a dead owner is "no owner", a dead source is "no source".
class CProperty : public ole::Object {
public:
    enum Id : ole::DISPID {
        IdName = ole::DISPID_VALUE,
        IdHelpContext = 0x68030000,
        IdHelpFile = 0x68030001,
        IdAutoUpdateSource = 0x68030004,
        IdSourceObject = 0x68030005,
        IdCustomDraw = 0x68030007,
        IdEditorKey = 0x68030008,
        IdFormat = 0x68030009,
        IdFormattedText = 0x6803000A,
        IdReadOnly = 0x6803000B,
        IdCategory = 0x6803000D,
        IdListItems = 0x6803000E,
        IdHelp = 0x6803000F,
        IdEditorType = 0x68030010,
        IdAppearance = 0x68030011,
        IdValue = 0x68030012,
        IdKey = 0x68030013,
        IdPicture = 0x68030015,
        IdTag = 0x68030016,
        IdForeColor = 0x68030018,
        IdBackColor = 0x6803001A,
        IdItalic = 0x6803001B,
        IdBold = 0x6803001C,
        IdSetEditorParam = 0x60030021,
        IdGetEditorParam = 0x60030022,
    };

    // Only CProperties creates properties; tests may too.
    static ole::Ptr<CProperty> Create();
    ~CProperty() override;

    bool GetBold() const { return m_bold; }
    void LetBold(bool value);
    bool GetItalic() const { return m_italic; }
    void LetItalic(bool value);
    // -1 stored reads as the owner's default colour (0 without a live owner).
    int32_t GetBackColor() const;
    void LetBackColor(int32_t value);
    int32_t GetForeColor() const;
    void LetForeColor(int32_t value);
    ole::Variant GetTag() const { return Rare().tag; }
    void LetTag(const ole::Variant& value) { RareForWrite().tag = value; }
    void SetTag(const ole::Variant& value) { RareForWrite().tag = value; }
    ole::Ptr<ole::Picture> GetPicture() const { return m_picture; }
    void SetPicture(ole::Ptr<ole::Picture> picture);
    std::string GetKey() const { return Rare().key; }
    std::string GetName() const { return m_name; }
    void LetName(const std::string& value);

    ole::Variant GetValue() const { return m_value; }
    // Let of a plain value: store, write back to the source and read back, then notify even
    // when unchanged. A refused write puts the previous value back, notifies nothing and lets the
    // source's error through; a failed read-back keeps the written value and raises.
    void LetValue(const ole::Variant& value);
    // Set of an object (or Nothing): nothing happens for the object already held.
    void SetValue(const ole::Variant& value);

    int32_t GetAppearance() const { return m_appearance; }
    void LetAppearance(int32_t value);
    // The public get: a boolean property rebuilds its "True"/"False" items first.
    int32_t GetEditorType();
    void LetEditorType(int32_t value) { m_editorType = value; }
    // The stored type, without the boolean refill.
    int32_t EditorTypeField() const { return m_editorType; }
    std::string GetHelp() const { return Rare().help; }
    void LetHelp(const std::string& value);
    ole::Ptr<CListItems> GetListItems();
    std::string GetCategory() const { return m_category; }
    bool GetReadOnly() const { return m_readOnly; }
    void LetReadOnly(bool value);
    std::string FormattedText() const;
    std::string GetFormat() const { return Rare().format; }
    void LetFormat(const std::string& value);
    std::string GetEditorKey() const { return Rare().editorKey; }
    void LetEditorKey(std::string value) { RareForWrite().editorKey = std::move(value); }
    bool GetCustomDraw() const { return m_customDraw; }
    void LetCustomDraw(bool value);
    ole::Ptr<ole::Object> GetSourceObject() const;
    bool GetAutoUpdateSource() const { return m_autoUpdateSource; }
    void LetAutoUpdateSource(bool value) { m_autoUpdateSource = value; }
    // Names are trimmed and case-insensitive; an empty name raises 0x80040003 (source "Attrgrid").
    // Setting a name twice raises 457 and keeps the first value.
    void SetEditorParam(const std::string& sParam, const std::string& sValue);
    std::string GetEditorParam(const std::string& sParam) const;
    std::string GetHelpFile() const { return Rare().helpFile; }
    void LetHelpFile(std::string value) { RareForWrite().helpFile = std::move(value); }
    int32_t GetHelpContext() const { return Rare().helpContext; }
    void LetHelpContext(int32_t value) { RareForWrite().helpContext = value; }

    // For the collection and the list.
    void InitProperty(const ole::Ptr<ole::Object>& anOwner, std::string sName,
                      const ole::Variant& aValue, const ole::Ptr<ole::Object>& anObject,
                      bool bAutoUpdate, int32_t eEditorType);
    void SetKey(std::string sKey) { RareForWrite().key = std::move(sKey); }
    void SetCategory(std::string sCategory) { m_category = std::move(sCategory); }
    // Read by the collection's key index and by the property's rows: fixed once the property is
    // stored.
    const std::string& GetInternalKey() const { return m_internalKey; }
    void LetInternalKey(std::string value) { m_internalKey = std::move(value); }
    // Held by a collection now: a row bound to the property shows it only while it is.
    bool Stored() const { return m_stored; }
    void SetStored(bool value) {
        if (m_stored && !value)
            ++s_releases;
        m_stored = value;
    }
    // How many times a collection has let go of a property: while it stays the same, the keys
    // of properties stored since are still unique among the stored ones.
    static uint64_t Releases() { return s_releases; }
    void ReplaceCategorySeparator(std::string_view sOld, std::string_view sNew);
    // The live owner, or null.
    ole::Ptr<ole::Object> Owner() const;
    uint32_t OwnerId() const { return m_owner; }

    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    ole::Variant Invoke(ole::DISPID id, uint16_t kinds, std::span<ole::Variant> args) override;

private:
    CProperty() = default;
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    void Notify();
    std::string FormatPlainValue() const;

    static inline uint64_t s_releases = 0;

    std::string m_internalKey;
    std::string m_category;
    std::string m_name;
    ole::Variant m_value;
    ole::Ptr<ole::Picture> m_picture;
    uint32_t m_owner = 0;
    int32_t m_appearance = ksFlat;
    int32_t m_editorType = shared::ksTextEditor;
    bool m_bold = false;
    bool m_italic = false;
    bool m_readOnly = false;
    bool m_autoUpdateSource = false;
    int32_t m_backColor = -1;
    int32_t m_foreColor = -1;
    bool m_customDraw = false;
    bool m_stored = false;
    uint32_t m_source = 0;
    // What most properties leave at its default, made on first write: a list of thousands of
    // properties stays small.
    struct RareFields {
        std::string key;
        std::string help;
        std::string helpFile;
        int32_t helpContext = 0;
        std::string format;
        std::string editorKey;
        ole::Variant tag;
        ole::Ptr<ole::Collection> params;
    };
    const RareFields& Rare() const { return m_rare.Get(); }
    RareFields& RareForWrite() { return m_rare.Write(); }
    LazyPart<RareFields> m_rare;
    ole::Ptr<CListItems> m_listItems;
};

} // namespace attrgrid

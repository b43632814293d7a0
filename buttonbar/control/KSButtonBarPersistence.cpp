// The control's settings, groups and buttons in the container's bag. The class table names each
// stored property's key and default once; the three orders below are the control's own, because
// a default may name another property (SelectedButtonForeColor defaults to ButtonForeColor), so
// that property has to be given its value first, and the table's declaration order does not do
// that.
//
// Loading, in order:
//   1  set-up
//   2  the control's keys, each through its setter
//   3  LockRefresh and LayoutSuspended on, so the rebuild neither lays out nor repaints
//   4  the groups and their buttons, through the model (GroupAdded, ButtonAdded and
//      ActiveGroupChanged reach the host)
//   5  layout on, LockRefresh off, one Refresh, then LockRefresh as stored
//   6  the group "General" when none was stored
// An error stops the load and reaches the container, but the control is left working: layout and
// repaints back on and at least one active group.

#include "buttonbar/control/KSButtonBar.h"

#include "buttonbar/library/ShelfstripErrors.h"

#include "platform/forms/host/Ambient.h"
#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/ole/picture/PictureType.h"
#include "platform/ole/text/TextEdits.h"

#include <span>
#include <vector>

namespace shelfstrip {

using ole::ResumeNext;

namespace {

using B = KSButtonBar;

constexpr int16_t kPixels = 3;
constexpr float kDefaultCellPixels = 48.0F;

// A new control and a stored one give their properties in different orders up to the colours,
// then the same.
constexpr ole::DISPID kInitFirst[] = {
    B::IdAppearance,
    B::IdButtonBackColor,
    B::IdButtonForeColor,
    B::IdBorderStyle,
    B::IdButtonFlow,
    B::IdButtonLayout,
    B::IdButtonAppearance,
    B::IdButtonSize,
    B::IdButtonHeight,
    B::IdButtonWidth,
    B::IdButtonHighlightZone,
    B::IdButtonPictureMaskColor,
    B::IdCaption,
    B::IdShowCloseButton,
    B::IdGroupAppearance,
    B::IdGroupFlow,
    B::IdFont,
    B::IdSelectedButtonAppearance,
    B::IdShowButtonInfo,
    B::IdShowCaptionBar,
};

constexpr ole::DISPID kReadFirst[] = {
    B::IdAppearance,
    B::IdButtonBackColor,
    B::IdButtonPictureMaskColor,
    B::IdBorderStyle,
    B::IdButtonLayout,
    B::IdButtonSize,
    B::IdCaption,
    B::IdShowCloseButton,
    B::IdButtonForeColor,
    B::IdGroupAppearance,
    B::IdFont,
    B::IdSelectedButtonAppearance,
    B::IdShowCaptionBar,
    B::IdShowButtonInfo,
    B::IdButtonAppearance,
    B::IdButtonHighlightZone,
    B::IdButtonHeight,
    B::IdButtonWidth,
    B::IdButtonFlow,
    B::IdGroupFlow,
};

constexpr ole::DISPID kThenBoth[] = {
    B::IdHighlightedButtonBackColor,
    B::IdHighlightedButtonForeColor,
    B::IdGroupBackColor,
    B::IdGroupForeColor,
    B::IdSelectedButtonBackColor,
    B::IdSelectedButtonForeColor,
    B::IdButtonTextPosition,
    B::IdMousePointer,
    B::IdMouseIcon,
    B::IdGroupGradientType,
    B::IdGroupGradientColor,
    B::IdButtonGradientType,
    B::IdButtonGradientColor,
    B::IdLockRefresh,
};

// The order of the stored form.
constexpr ole::DISPID kWriteOrder[] = {
    B::IdAppearance,
    B::IdBorderStyle,
    B::IdButtonAppearance,
    B::IdButtonBackColor,
    B::IdButtonPictureMaskColor,
    B::IdButtonFlow,
    B::IdButtonForeColor,
    B::IdButtonHeight,
    B::IdButtonHighlightZone,
    B::IdButtonLayout,
    B::IdButtonSize,
    B::IdButtonTextPosition,
    B::IdButtonWidth,
    B::IdCaption,
    B::IdFont,
    B::IdGroupAppearance,
    B::IdGroupBackColor,
    B::IdGroupFlow,
    B::IdGroupForeColor,
    B::IdHighlightedButtonBackColor,
    B::IdHighlightedButtonForeColor,
    B::IdSelectedButtonAppearance,
    B::IdSelectedButtonBackColor,
    B::IdSelectedButtonForeColor,
    B::IdShowButtonInfo,
    B::IdShowCaptionBar,
    B::IdShowCloseButton,
    B::IdMouseIcon,
    B::IdMousePointer,
    B::IdGroupGradientType,
    B::IdGroupGradientColor,
    B::IdButtonGradientType,
    B::IdButtonGradientColor,
    B::IdLockRefresh,
};

const ole::PersistedProperty& StoredProperty(ole::DISPID id) {
    return *KSButtonBar::Info().FindPersisted(id);
}

const ole::Variant& Missing() {
    static const ole::Variant missing = ole::Variant::Missing();
    return missing;
}

ole::Variant Nothing() {
    return ole::Variant(ole::Ptr<ole::Object>());
}

// The stored value converted to the default's type; what does not convert reads as the default.
ole::Variant ReadAs(ole::PropertyBag& bag, const std::string& key, const ole::Variant& def) {
    const ole::Variant value = bag.ReadProperty(key, def);
    try {
        return ole::ChangeType(value, def.Type());
    } catch (const ole::Error&) {
        return def;
    }
}

std::string ReadText(ole::PropertyBag& bag, const std::string& key, const std::string& def = {}) {
    return ReadAs(bag, key, ole::Variant(def)).AsString();
}

int32_t ReadLong(ole::PropertyBag& bag, const std::string& key, int32_t def = 0) {
    return ReadAs(bag, key, ole::Variant(def)).AsI4();
}

// Group and button counts are read back as Integers.
constexpr int32_t kMaxCount = 0x7FFF;

// A stored count: a larger one cannot come from a saved bar, and following it would build groups
// until memory runs out.
int32_t ReadCount(ole::PropertyBag& bag, const std::string& key) {
    const int32_t count = ReadLong(bag, key);
    if (count > kMaxCount)
        ole::RaiseError(errors::InvalidPropertyValue, errors::kTitle);
    return count;
}

// A bar holding more could be saved but never loaded again, so saving it is refused (6).
void CheckCountToStore(int32_t count) {
    if (count > kMaxCount)
        ole::RaiseError(ole::ERR_OVERFLOW);
}

bool ReadBool(ole::PropertyBag& bag, const std::string& key, bool def) {
    return ReadAs(bag, key, ole::Variant(def)).AsBool();
}

// None for anything but a picture that holds one: the bag gives a stored none back as an empty
// picture.
ole::Ptr<ole::Picture> PictureOf(const ole::Variant& value) {
    ole::Ptr<ole::Picture> picture =
        value.IsObject() ? ole::PtrCast<ole::Picture>(value.AsObject()) : nullptr;
    return picture && !picture->IsEmpty() ? picture : nullptr;
}

ole::Ptr<ole::Picture> ReadPicture(ole::PropertyBag& bag, const std::string& key) {
    return PictureOf(bag.ReadProperty(key, Nothing()));
}

bool CanBeButtonPicture(const ole::Ptr<ole::Picture>& picture) {
    return picture &&
           (picture->Type() == ole::PICTYPE_BITMAP || picture->Type() == ole::PICTYPE_ICON);
}

ole::Ptr<ole::Picture> Placeholder() {
    return ole::Picture::FromImage(ole::Image{1, 1, {0xFFFFFFFF}}, ole::PICTYPE_BITMAP);
}

// Add trims a key, Key let keeps it as given: a key with outer spaces, set through Key, is given
// after Add, or it would come back trimmed and might then collide with another.
std::string KeyForAdd(const std::string& key) {
    return ole::Trim(key) == key ? key : std::string();
}

ole::Variant PictureValue(const ole::Ptr<ole::Picture>& picture) {
    return ole::Variant(ole::Ptr<ole::Object>(picture));
}

} // namespace

// ---- Defaults ----

int32_t KSButtonBar::ContainerForeColor() {
    return static_cast<int32_t>(GetAmbient()->ForeColor());
}

ole::Ptr<ole::Font> KSButtonBar::ContainerFont() {
    return GetAmbient()->Font();
}

float KSButtonBar::DefaultButtonHeight() const {
    return ScaleY(kDefaultCellPixels, ole::Variant(kPixels), ole::Variant(ScaleMode()));
}

float KSButtonBar::DefaultButtonWidth() const {
    return ScaleX(kDefaultCellPixels, ole::Variant(kPixels), ole::Variant(ScaleMode()));
}

// ---- The container's three calls ----

void KSButtonBar::OnInitProperties() {
    ole::Ptr<KSButtonBar> self(this);
    InitControlObjects();
    ApplyDefaults();
    EnsureGroup();
    CalcGroupBarHeight();
}

void KSButtonBar::OnReadProperties(ole::PropertyBag& bag) {
    ole::Ptr<KSButtonBar> self(this);
    InitControlObjects();
    if (m_released)
        return;
    try {
        ReadStored(bag);
        const bool storedLockRefresh = m_LockRefresh;
        LetLockRefresh(true);
        LetLayoutSuspended(true);
        ReadGroups(bag);
        LetLayoutSuspended(false);
        LetLockRefresh(false);
        Refresh();
        LetLockRefresh(storedLockRefresh);
    } catch (...) {
        m_bReading = false;
        ResumeNext([&] { LetLayoutSuspended(false); });
        ResumeNext([&] { LetLockRefresh(false); });
        ResumeNext([&] { EnsureGroup(); });
        throw;
    }
    EnsureGroup();
    CalcGroupBarHeight();
}

void KSButtonBar::OnWriteProperties(ole::PropertyBag& bag) {
    ole::Ptr<KSButtonBar> self(this);
    if (!m_setUp || m_released)
        return;
    const ole::ClassInfo& info = Info();
    for (const ole::DISPID id : kWriteOrder) {
        const ole::PersistedProperty& stored = StoredProperty(id);
        const ole::Variant value = info.FindMember(id, ole::DISPATCH_PROPERTYGET)->call(*this, {});
        bag.WriteProperty(stored.key, value, stored.defaultOf(*this));
    }
    const ole::Ptr<CGroups> groups = m_Groups;
    CheckCountToStore(groups->Count());
    for (int32_t i = 1; i <= groups->Count(); ++i)
        CheckCountToStore(groups->At(i)->GetButtons()->Count());
    bag.WriteProperty("GroupCount", ole::Variant(groups->Count()), Missing());
    for (int32_t i = 1; i <= groups->Count(); ++i)
        WriteGroup(bag, *groups->At(i), "GRP" + std::to_string(i));
}

// ---- Steps ----

void KSButtonBar::ApplyDefaults() {
    for (const auto& order :
         {std::span<const ole::DISPID>(kInitFirst), std::span<const ole::DISPID>(kThenBoth)}) {
        for (const ole::DISPID id : order)
            PutStored(id, StoredProperty(id).defaultOf(*this));
    }
}

void KSButtonBar::EnsureGroup() {
    if (!m_Groups || m_Groups->Count() != 0)
        return;
    const ole::Ptr<CGroup> general = m_Groups->Add("General", "General");
    // The host may have unloaded the bar from GroupAdded.
    if (!m_released)
        SetActiveGroup(general);
}

void KSButtonBar::PutStored(ole::DISPID id, ole::Variant value) {
    const ole::MemberInfo* put = Info().FindMember(id, ole::DISPATCH_PROPERTYPUT);
    if (!put)
        put = Info().FindMember(id, ole::DISPATCH_PROPERTYPUTREF);
    try {
        put->call(*this, std::span<ole::Variant>(&value, 1));
    } catch (const ole::Error& error) {
        const int32_t number = error.Number();
        // A flow or layout outside its enumeration, as older bars stored them, loads as the
        // default instead of ending the load.
        if (number != ole::ERR_TYPE_MISMATCH && number != ole::ERR_INVALID_NULL &&
            number != ole::ERR_OVERFLOW && !IsLayoutEnumeration(id))
            throw;
        ole::Variant def = StoredProperty(id).defaultOf(*this);
        put->call(*this, std::span<ole::Variant>(&def, 1));
    }
}

void KSButtonBar::ReadStored(ole::PropertyBag& bag) {
    for (const auto& order :
         {std::span<const ole::DISPID>(kReadFirst), std::span<const ole::DISPID>(kThenBoth)}) {
        for (const ole::DISPID id : order) {
            const ole::PersistedProperty& stored = StoredProperty(id);
            PutStored(id, bag.ReadProperty(stored.key, stored.defaultOf(*this)));
        }
    }
}

void KSButtonBar::ReadGroups(ole::PropertyBag& bag) {
    m_bReading = true;
    bool skippedCurrent = false;
    const int32_t count = ReadCount(bag, "GroupCount");
    // The host may unload the bar from an event of the rebuild; the rest is not read then.
    for (int32_t i = 1; i <= count && !m_released; ++i)
        ReadGroup(bag, "GRP" + std::to_string(i), skippedCurrent);
    m_bReading = false;
    if (m_released)
        return;
    // At least one group shows once the bar is read, even from a bag that stored every group
    // hidden.
    if (const ole::Ptr<CGroup> first = m_Groups->Count() > 0 ? m_Groups->At(1) : nullptr;
        first && !first->GetVisible() && !OtherGroupVisible(*first))
        first->LetVisible(true);
    // A current group stored hidden is not made active in user mode; the first group that
    // shows stands in for it.
    if (skippedCurrent && !m_ActiveGroup) {
        for (int32_t i = 1; i <= m_Groups->Count(); ++i) {
            if (const ole::Ptr<CGroup> group = m_Groups->At(i); TakesPart(*group)) {
                SetActiveGroup(group);
                break;
            }
        }
    }
}

void KSButtonBar::ReadGroup(ole::PropertyBag& bag, const std::string& prefix,
                            bool& skippedCurrent) {
    const std::string caption = ReadText(bag, prefix + "Caption", "General");
    const std::string key = ReadText(bag, prefix + "Key");
    const std::string tooltip = ReadText(bag, prefix + "Tooltip");
    const bool isCurrent = ReadBool(bag, prefix + "IsCurrent", false);
    const ole::Ptr<CGroup> group = m_Groups->Add(caption, tooltip, KeyForAdd(key));
    if (m_released)
        return;
    group->LetKey(key);
    group->LetButtonBackgroundLayout(ReadLong(bag, prefix + "ButtonBackgroundLayout"));
    group->LetTag(bag.ReadProperty(prefix + "Tag", ole::Variant(std::string())));
    group->SetButtonBackgroundPicture(ReadPicture(bag, prefix + "ButtonBackgroundPicture"));
    group->LetVisible(ReadBool(bag, prefix + "Visible", true));
    if (isCurrent) {
        if (UserMode() && !group->GetVisible())
            skippedCurrent = true;
        else
            SetActiveGroup(group);
    }
    const ole::Ptr<CButtons> buttons = group->GetButtons();
    const int32_t count = ReadCount(bag, prefix + "ButtonCount");
    for (int32_t j = 1; j <= count && !m_released; ++j)
        ReadButton(bag, *buttons, prefix + "BTN" + std::to_string(j));
}

void KSButtonBar::ReadButton(ole::PropertyBag& bag, CButtons& buttons, const std::string& prefix) {
    const std::string caption = ReadText(bag, prefix + "Caption");
    const std::string tooltip = ReadText(bag, prefix + "ToolTip");
    const std::string key = ReadText(bag, prefix + "Key");
    const std::string prompt = ReadText(bag, prefix + "Prompt");
    const ole::Variant stored = bag.ReadProperty(prefix + "Picture", Missing());
    const ole::Ptr<ole::Picture> picture = PictureOf(stored);
    // A picture set after Add may be none or a metafile, which Add refuses: such a button comes
    // back through a stand-in picture, so the bar loads as it was saved. A button without the
    // entry was never saved (a count beyond the stored buttons): Add refuses it and the load
    // stops, so no count builds more buttons than the bag holds.
    const bool addable = CanBeButtonPicture(picture);
    const ole::Ptr<CButton> button =
        buttons.Add(caption, (addable || stored.IsEmpty()) ? picture : Placeholder(), tooltip,
                    prompt, KeyForAdd(key));
    button->LetKey(key);
    if (!addable)
        button->SetPicture(picture);
    button->LetTag(bag.ReadProperty(prefix + "Tag", ole::Variant(std::string())));
    button->LetVisible(ReadBool(bag, prefix + "Visible", true));
}

void KSButtonBar::WriteGroup(ole::PropertyBag& bag, const CGroup& group,
                             const std::string& prefix) {
    bag.WriteProperty(prefix + "Caption", ole::Variant(group.GetCaption()), Missing());
    bag.WriteProperty(prefix + "Tooltip", ole::Variant(group.GetTooltipText()), Missing());
    bag.WriteProperty(prefix + "Key", ole::Variant(group.GetKey()), Missing());
    bag.WriteProperty(prefix + "ButtonBackgroundLayout",
                      ole::Variant(group.GetButtonBackgroundLayout()), Missing());
    bag.WriteProperty(prefix + "ButtonBackgroundPicture",
                      PictureValue(group.GetButtonBackgroundPicture()), Missing());
    bag.WriteProperty(prefix + "Tag", group.GetTag(), Missing());
    bag.WriteProperty(prefix + "Visible", ole::Variant(group.GetVisible()), ole::Variant(true));
    bag.WriteProperty(prefix + "IsCurrent", ole::Variant(&group == m_ActiveGroup.Get()), Missing());
    const ole::Ptr<CButtons> buttons = group.GetButtons();
    bag.WriteProperty(prefix + "ButtonCount", ole::Variant(buttons->Count()), Missing());
    for (int32_t j = 1; j <= buttons->Count(); ++j)
        WriteButton(bag, *buttons->At(j), prefix + "BTN" + std::to_string(j));
}

void KSButtonBar::WriteButton(ole::PropertyBag& bag, const CButton& button,
                              const std::string& prefix) {
    bag.WriteProperty(prefix + "Caption", ole::Variant(button.GetCaption()), Missing());
    bag.WriteProperty(prefix + "Tooltip", ole::Variant(button.GetTooltipText()), Missing());
    bag.WriteProperty(prefix + "Key", ole::Variant(button.GetKey()), Missing());
    bag.WriteProperty(prefix + "Picture", PictureValue(button.GetPicture()), Missing());
    bag.WriteProperty(prefix + "Prompt", ole::Variant(button.GetPrompt()), Missing());
    bag.WriteProperty(prefix + "Tag", button.GetTag(), Missing());
    bag.WriteProperty(prefix + "Visible", ole::Variant(button.GetVisible()), ole::Variant(true));
}

} // namespace shelfstrip

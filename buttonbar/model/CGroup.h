#pragma once

#include "buttonbar/model/CBarItem.h"

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/picture/Picture.h"

#include <cstdint>
#include <string>

namespace shelfstrip {

class CButtons;

// KSBackgroundLayout.
enum KSBackgroundLayout : int32_t {
    ksPictureCentered = 0,
    ksPictureStretched = 1,
    ksPictureTiled = 2
};

// One group of the bar with its own buttons. Made only by CGroups.Add; its setters tell the
// control only when a value really changes (Tag never).
class CGroup : public CBarItem {
public:
    enum Id : ole::DISPID {
        IdTag = 0x68030001,
        IdButtonBackgroundLayout = 0x68030002,
        IdButtonBackgroundPicture = 0x68030003,
        IdKey = 0x68030004,
        IdButtons = 0x68030006,
        IdTooltipText = 0x68030007,
        IdCaption = 0x68030008,
        IdVisible = 0x68030009,
    };

    // The group and its button collection, bound to the control (which may be null).
    static ole::Ptr<CGroup> Create(const ole::Ptr<ole::Object>& aBtnBar);
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    ~CGroup() override;

    void LetCaption(const std::string& sCaption);
    void LetTooltipText(const std::string& sText);
    ole::Ptr<CButtons> GetButtons() const;
    void LetKey(const std::string& sKey);
    ole::Ptr<ole::Picture> GetButtonBackgroundPicture() const { return m_backgroundPicture; }
    void SetButtonBackgroundPicture(const ole::Ptr<ole::Picture>& aPicture);
    int32_t GetButtonBackgroundLayout() const { return m_backgroundLayout; }
    void LetButtonBackgroundLayout(int32_t layout);
    void LetTag(const ole::Variant& value) { StoreTag(value); }
    void SetTag(const ole::Variant& value) { StoreTag(value); }
    void LetVisible(bool bVisible);

    // ---- For the library ----
    void init(const ole::Ptr<ole::Object>& aBtnBar, const std::string& sCaption,
              const std::string& sTooltipText, const std::string& sKey);
    void NotifyPropertyChanged(const std::string& sName);
    // The control's answer; False without a control.
    bool NotifyKeyChanged(const std::string& sNewKey, const std::string& sOldKey);

private:
    CGroup();
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    ole::Ptr<CButtons> m_buttons;
    ole::Ptr<ole::Picture> m_backgroundPicture;
    int32_t m_backgroundLayout = ksPictureCentered;
};

} // namespace shelfstrip

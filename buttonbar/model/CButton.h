#pragma once

#include "buttonbar/model/CBarItem.h"

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/picture/Picture.h"

#include <cstdint>
#include <string>

namespace shelfstrip {

class CGroup;

// One picture button of a group. Made only by CButtons.Add; every change that shows is told to
// the control (Visible only when it changes, the rest on every set).
class CButton : public CBarItem {
public:
    enum Id : ole::DISPID {
        IdPrompt = 0x68030000,
        IdTag = 0x68030002,
        IdParentGroup = 0x68030004,
        IdTooltipText = 0x68030005,
        IdPicture = 0x68030006,
        IdCaption = 0x68030007,
        IdKey = 0x68030008,
        IdVisible = 0x68030009,
    };

    static ole::Ptr<CButton> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    void LetKey(const std::string& sKey);
    void LetCaption(const std::string& sCaption);
    ole::Ptr<ole::Picture> GetPicture() const { return m_picture; }
    void SetPicture(const ole::Ptr<ole::Picture>& aPicture);
    void LetTooltipText(const std::string& sText);
    // None once the group is gone.
    ole::Ptr<CGroup> GetParentGroup() const;
    void LetTag(const ole::Variant& value);
    void SetTag(const ole::Variant& value);
    std::string GetPrompt() const { return m_prompt; }
    void LetPrompt(const std::string& sPrompt);
    void LetVisible(bool bVisible);

    // ---- For the library ----
    void init(const ole::Ptr<ole::Object>& aBtnBar, const ole::Ptr<CGroup>& aGroup,
              const std::string& sCaption, const ole::Ptr<ole::Picture>& aPicture,
              const std::string& sTooltipText, const std::string& sPrompt, const std::string& sKey);
    int16_t LineIndex() const { return m_lineIndex; }
    void LetLineIndex(int16_t index) { m_lineIndex = index; }
    int16_t PositionInLine() const { return m_positionInLine; }
    void LetPositionInLine(int16_t position) { m_positionInLine = position; }
    void NotifyPropertyChanged(const std::string& sName);

private:
    CButton() = default;
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    ole::Ptr<ole::Picture> m_picture;
    std::string m_prompt;
    ole::WeakRef<CGroup> m_parent;
    int16_t m_lineIndex = 0;
    int16_t m_positionInLine = 0;
};

} // namespace shelfstrip

#pragma once

#include "platform/forms/control/OleColor.h"
#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/font/Font.h"
#include "platform/ole/object/Object.h"
#include "platform/ole/object/WeakRef.h"

#include <optional>
#include <string>

namespace forms {

class UserControl;

// A user control's Ambient object: values read from its container at each access. Font is a
// fresh copy of the container's font every time, so a control that keeps it cannot change the
// container. Tests may override values (and then raise AmbientChanged themselves).
class Ambient final : public ole::Object {
public:
    static ole::Ptr<Ambient> Create(const UserControl& control);
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    bool UserMode() const;
    std::string ScaleUnits() const;
    ole::Ptr<ole::Font> Font() const;
    OLE_COLOR ForeColor() const;
    OLE_COLOR BackColor() const;
    // The extender's Name.
    std::string DisplayName() const;

    void OverrideUserMode(std::optional<bool> value) { m_userMode = value; }
    void OverrideScaleUnits(std::optional<std::string> value) { m_scaleUnits = std::move(value); }
    void OverrideFont(ole::Ptr<ole::Font> font) { m_font = std::move(font); }

    explicit Ambient(const UserControl& control);

private:
    ole::WeakRef<UserControl> m_control;
    std::optional<bool> m_userMode;
    std::optional<std::string> m_scaleUnits;
    ole::Ptr<ole::Font> m_font;
};

} // namespace forms

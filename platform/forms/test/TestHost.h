#pragma once

#include "platform/forms/form/Form.h"
#include "platform/forms/host/Extender.h"
#include "platform/forms/host/UserControl.h"
#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/font/Font.h"
#include "platform/win/WinTypes.h"

#include <optional>
#include <string>
#include <string_view>

namespace forms::test {

enum class HostMode { User, Design };

// A test form hosting controls the way a program or the design-mode host would. The form is
// loaded at once; Show makes it visible. Destroying the host unloads the form.
class TestHost {
public:
    explicit TestHost(HostMode mode = HostMode::User, const win::RECT& frame = {40, 40, 440, 340});
    ~TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    Form& GetForm() { return *m_form; }
    const ole::Ptr<Form>& FormObject() const { return m_form; }

    // Sites a user control: a new instance (InitProperties) without `stored`, else a stored one
    // (ReadProperties from it). Bounds in the form's client pixels.
    ole::Ptr<Extender> Host(ole::Ptr<UserControl> control, std::string name,
                            const win::RECT& bounds, ole::PropertyBag* stored = nullptr,
                            bool visible = true);
    ole::Ptr<Extender> Host(std::string_view progId, std::string name, const win::RECT& bounds,
                            ole::PropertyBag* stored = nullptr, bool visible = true);

    // Shows the form modelessly and pumps until idle.
    void Show();
    void Unload();

    // WriteProperties into a new container bag.
    static ole::Ptr<ole::PropertyBag> Save(Extender& control);

    // Ambient overrides; each raises AmbientChanged with the member's name.
    static void SetAmbientUserMode(Extender& control, bool userMode);
    static void SetAmbientScaleUnits(Extender& control, std::string scaleUnits);
    static void SetAmbientFont(Extender& control, ole::Ptr<ole::Font> font);

    // Input on a control by name, through the hardware queue, then pumped. Points are in the
    // control's client pixels (default: its centre).
    win::POINT ScreenPointOf(std::string_view name, std::optional<win::POINT> clientPt = {}) const;
    void Click(std::string_view name, std::optional<win::POINT> clientPt = {});
    void DoubleClick(std::string_view name, std::optional<win::POINT> clientPt = {});
    void Drag(std::string_view name, win::POINT fromClient, win::POINT toClient);
    // Focuses the control and types the text.
    void Type(std::string_view name, std::string_view text);

private:
    ole::Ptr<Control> Find(std::string_view name) const;

    ole::Ptr<Form> m_form;
};

} // namespace forms::test

#pragma once

#include "platform/forms/control/Control.h"
#include "platform/forms/host/UserControl.h"
#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/dispatch/ClassInfo.h"

#include <functional>
#include <string>
#include <string_view>

namespace forms {

class ControlContainer;

// The site of a user control and its one automation identity on the form: what Controls,
// Container and event arguments hold. Its own members (Name, Visible 0x80010007, Left, Top,
// Width, Height, Move 0x80011002, Container, Parent, Tag, object, ...) answer first, by name and
// by id; everything else goes to the inner control (ScaleMode, MousePointer, the control's own
// members) and fails there with 438 when it has no such member. "Refresh" by name is the inner
// control's own when it declares one. Its window is the user control's surface; the surface's
// messages become the inner control's events.
class Extender final : public Control {
public:
    // The extender's own members.
    static const ole::ClassInfo& Info();
    // The inner control's class (TypeName, type information and interface queries see the
    // control); the extender's own table once the control terminated.
    const ole::ClassInfo& GetClassInfo() const override;

    ole::DISPID GetIDsOfNames(std::string_view name) const override;
    bool HasMember(ole::DISPID id) const override;
    ole::Variant Invoke(ole::DISPID id, uint16_t kinds, std::span<ole::Variant> args) override;
    // The inner control's events are the extender's: hosts connect here.
    ole::ConnectionPoint& Events() override;

    // The hosting sequence: creates the extender, raises Initialize, lets `site` place it (a
    // form's AddControl or a user control's AddConstituent), then InitProperties (stored null)
    // or ReadProperties(stored), the first Resize, and Show when visible on a shown container.
    using SiteFunction = std::function<void(const ole::Ptr<Extender>&)>;
    static ole::Ptr<Extender> Host(ole::Ptr<UserControl> inner, const SiteFunction& site,
                                   ole::PropertyBag* stored);

    // The inner control; null once it terminated.
    ole::Ptr<UserControl> Inner() const { return m_inner; }
    // "object"
    ole::Ptr<ole::Object> Object() const;

    // WriteProperties into the container's bag (only values differing from their defaults are
    // kept by the bag).
    void SaveProperties(ole::PropertyBag& bag);
    // PropertyChanged marks the site dirty until the container saves.
    bool Dirty() const { return m_dirty; }
    void MarkDirty() { m_dirty = true; }

    // Raises AmbientChanged(name) on every user control sited directly in `container`.
    static void NotifyAmbientChanged(ControlContainer& container, std::string_view name);
    // Re-evaluates Show/Hide after the container was shown or hidden.
    void ContainerVisibilityChanged();
    // The focus entered or left the control or one of its constituents (EnterFocus/ExitFocus).
    void FocusEntered();
    void FocusLeft();

    // Extender-only members, stored for the host.
    const std::string& ToolTipText() const { return m_toolTipText; }
    void SetToolTipText(std::string text) { m_toolTipText = std::move(text); }
    int32_t HelpContextID() const { return m_helpContextId; }
    void SetHelpContextID(int32_t id) { m_helpContextId = id; }
    int32_t WhatsThisHelpID() const { return m_whatsThisHelpId; }
    void SetWhatsThisHelpID(int32_t id) { m_whatsThisHelpId = id; }
    ole::Ptr<ole::Picture> DragIcon() const { return m_dragIcon; }
    void SetDragIcon(ole::Ptr<ole::Picture> icon) { m_dragIcon = std::move(icon); }
    int16_t DragMode() const { return m_dragMode; }
    void SetDragMode(int16_t mode);
    bool CausesValidation() const { return m_causesValidation; }
    void SetCausesValidation(bool value) { m_causesValidation = value; }
    int16_t Align() const { return m_align; }
    void SetAlign(int16_t align);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool value) { m_cancel = value; }
    bool Default() const { return m_default; }
    void SetDefault(bool value) { m_default = value; }

    bool CanTakeFocus() const override;
    const ScaleSpace* OwnScale() const override;
    ControlContainer* AsControlContainer() override;
    bool DeclaresEvent(ole::DISPID eventId) const override;

    explicit Extender(ole::Ptr<UserControl> inner);
    ~Extender() override;

protected:
    std::string_view WindowClassName() const override;
    win::DWORD WindowStyle() const override;
    void OnWindowCreated() override;
    void OnWindowDestroying() override;
    void OnVisibilityChanged() override;
    void OnUnsited() override;
    bool WantsTab() const override { return false; }
    win::LRESULT WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;
    void DeliverEvent(ole::DISPID eventId, std::span<ole::Variant> args) override;

private:
    void Terminate();
    // An aligned control's change re-lays the MDI form it sits on.
    void RearrangeAligned();

    ole::Ptr<UserControl> m_inner;
    bool m_dirty = false;
    bool m_focusInside = false;
    bool m_forwardingFocus = false;
    std::string m_toolTipText;
    int32_t m_helpContextId = 0;
    int32_t m_whatsThisHelpId = 0;
    ole::Ptr<ole::Picture> m_dragIcon;
    int16_t m_dragMode = 0;
    bool m_causesValidation = true;
    int16_t m_align = 0;
    bool m_cancel = false;
    bool m_default = false;
};

} // namespace forms

#pragma once

#include "platform/forms/control/Control.h"
#include "platform/forms/menu/Menu.h"
#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/Object.h"

#include <functional>
#include <string>
#include <vector>

namespace forms {

// A live view of a set of controls (a form's Controls, a user control's ContainedControls or
// Controls): Count, zero-based Item by position or by name, and enumeration over a snapshot.
// A form's menu items follow its controls.
class ControlCollection final : public ole::Object {
public:
    // A set made on demand; Count and Item make it again on every call.
    using Source = std::function<std::vector<ole::Ptr<Control>>()>;
    // A set its owner keeps: Count and Item by position read it in place, in constant time.
    using Listing = std::function<const std::vector<ole::Ptr<Control>>&()>;
    // Controls.Add(ProgID, Name[, Container]) and Controls.Remove of a form; a collection without
    // them raises 438 for both.
    using Adder = std::function<ole::Ptr<Control>(
        const std::string& progId, const std::string& name, ole::Ptr<ole::Object> container)>;
    using Remover = std::function<void(const ole::Ptr<Control>& control)>;
    using MenuSource = std::function<std::vector<ole::Ptr<Menu>>()>;

    static ole::Ptr<ControlCollection> Create(Source source);
    static ole::Ptr<ControlCollection> CreateLive(Listing listing, Adder adder = {},
                                                  Remover remover = {});
    void SetMenus(MenuSource menus) { m_menus = std::move(menus); }
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    int32_t Count() const;
    // A number is a zero-based position, a string a control's name; 9 when there is none.
    ole::Ptr<ole::Object> Item(const ole::Variant& index) const;
    ole::Ptr<ole::Object> NewEnum() const;
    ole::Ptr<ole::Object> Add(const std::string& progId, const std::string& name,
                              const ole::Variant& container);
    // By zero-based position, name or the control itself; 5 for a name or object not here.
    void Remove(const ole::Variant& index);

    ControlCollection(Listing listing, Adder adder, Remover remover)
        : m_listing(std::move(listing)), m_adder(std::move(adder)), m_remover(std::move(remover)) {}

private:
    // The controls, then the menu items.
    std::vector<ole::Ptr<ole::Object>> Members() const;
    std::vector<ole::Ptr<Menu>> Menus() const;

    Listing m_listing;
    MenuSource m_menus;
    Adder m_adder;
    Remover m_remover;
};

} // namespace forms

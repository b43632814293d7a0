#pragma once

#include "platform/forms/description/FormDescription.h"
#include "platform/forms/form/Form.h"
#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/picture/Picture.h"

#include <functional>
#include <span>

namespace forms {

// The program's pictures by resource id (null when there is none).
using PictureResolver = std::function<ole::Ptr<ole::Picture>(int resourceId)>;

// Realises form descriptions. The form gets the description's settings and menus at once; its
// controls are sited at every load, after the window exists and before Load, in the
// description's order (which is the tab order), each user control through its own persistence:
// ReadProperties from an in-memory container bag built from its literal, in user mode.
class FormLoader {
public:
    // Describes `form` (when null a new Form named after the description, an MdiForm for an MDI
    // frame) and returns it, not yet loaded. Errors while siting (711 for an unknown class, 5 for a container that
    // cannot hold controls) end the load that met them.
    static ole::Ptr<Form> Realise(const FormDescription& description, PictureResolver pictures = {},
                                  ole::Ptr<Form> form = {});

    // A container bag holding exactly the literal's entries (fonts become Font objects,
    // pictures the resolver's). 380 for a picture id the resolver does not know.
    static ole::Ptr<ole::PropertyBag> BuildBag(std::span<const PropertyLiteral> literal,
                                               const PictureResolver& pictures);
    static ole::Variant ValueOf(const LiteralValue& value, const PictureResolver& pictures);

    // The description marked as the start-up form (the first when several are), else null.
    static const FormDescription* StartUp(std::span<const FormDescription> descriptions);

private:
    static void SiteControls(Form& form, const FormDescription& description,
                             const PictureResolver& pictures);
};

} // namespace forms

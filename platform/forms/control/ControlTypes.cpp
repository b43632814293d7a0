#include "platform/forms/control/ControlTypes.h"

#include "platform/forms/control/Control.h"
#include "platform/forms/controls/shapes/Line.h"
#include "platform/forms/form/Form.h"
#include "platform/forms/host/Extender.h"
#include "platform/forms/menu/Menu.h"

namespace forms {

bool IsForm(const ole::Object* object) {
    return dynamic_cast<const Form*>(object) != nullptr;
}

bool IsFormControl(const ole::Object* object) {
    return dynamic_cast<const Control*>(object) != nullptr;
}

bool IsControlExtender(const ole::Object* object) {
    return dynamic_cast<const Extender*>(object) != nullptr;
}

bool IsLine(const ole::Object* object) {
    return dynamic_cast<const Line*>(object) != nullptr;
}

bool IsMenu(const ole::Object* object) {
    return dynamic_cast<const Menu*>(object) != nullptr;
}

} // namespace forms

#pragma once

#include "platform/ole/object/Object.h"

namespace forms {

// The type tests a host makes on what it holds. A form control is any control of any form,
// standard or user control, dead or alive; forms, plain objects and Nothing are not. Only the
// extender of a user control is a control extender: standard controls carry the extender-like
// members themselves.
bool IsForm(const ole::Object* object);
bool IsFormControl(const ole::Object* object);
bool IsControlExtender(const ole::Object* object);
bool IsLine(const ole::Object* object);
// A menu item of a form's menu bar (they are in the form's Controls too).
bool IsMenu(const ole::Object* object);

} // namespace forms

#pragma once

// The form runtime's hosting side in one include: forms, the control base, user-control hosting,
// scale modes and the test helpers' public parts.

#include "platform/forms/control/ContainerMessages.h"
#include "platform/forms/control/Control.h"
#include "platform/forms/control/ControlContainer.h"
#include "platform/forms/control/ControlIds.h"
#include "platform/forms/control/ControlMembers.h"
#include "platform/forms/control/MousePointer.h"
#include "platform/forms/control/OleColor.h"
#include "platform/forms/form/ControlCollection.h"
#include "platform/forms/form/Form.h"
#include "platform/forms/form/FormRef.h"
#include "platform/forms/form/FormSettings.h"
#include "platform/forms/host/Ambient.h"
#include "platform/forms/host/Extender.h"
#include "platform/forms/host/FocusTracker.h"
#include "platform/forms/host/UserControl.h"
#include "platform/forms/pages/PropertyPage.h"
#include "platform/forms/pages/PropertyPageFrame.h"
#include "platform/forms/scale/ScaleMode.h"
#include "platform/forms/scale/ScaleSpace.h"

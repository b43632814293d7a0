#pragma once

// The window manager's public API in one include.

#include "platform/win/window/Activation.h"
#include "platform/win/window/Classes.h"
#include "platform/win/window/Geometry.h"
#include "platform/win/window/Lifetime.h"
#include "platform/win/window/Messages.h"
#include "platform/win/window/Tree.h"
#include "platform/win/window/Visibility.h"
#include "platform/win/window/WindowLong.h"

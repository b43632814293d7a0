#pragma once

// The drawing and editing helpers every control shares, in one include.

#include "shared/util/ColorUtils.h"
#include "shared/util/EditorValue.h"
#include "shared/util/FontUtils.h"
#include "shared/util/Geometry.h"
#include "shared/util/LoWord.h"
#include "shared/util/SystemInfo.h"
#include "shared/util/TextUtils.h"

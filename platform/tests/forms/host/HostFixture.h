#pragma once

#include "ProbeControl.h"

#include "platform/forms/test/EventRecorder.h"
#include "platform/forms/test/TestHost.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/TestApi.h"

#include "testsupport/CleanPlatform.h"
#include "testsupport/ErrorOf.h"

#include <gtest/gtest.h>

namespace hosttest {

using Log = std::vector<std::string>;
using testsupport::ErrorOf;

// A clean platform per test; forms and controls are counted with the other objects.
class HostTest : public testsupport::CleanPlatform {};

} // namespace hosttest

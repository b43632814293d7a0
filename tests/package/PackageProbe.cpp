// Links the platform and the property list's core, and makes the control by ProgID from the
// installed libAttrgrid.so.
#include "propertylist/model/property/CProperties.h"

#include "platform/forms/library/ControlLibraries.h"

#include <cstdio>

int main() {
    const auto grid = forms::ControlLibraries::CreateObject("Attrgrid.ZAVeravuvuDudu");
    const auto properties = attrgrid::CProperties::Create();
    std::printf("control %s, %d properties\n", grid ? "made" : "missing", properties->Count());
    return grid ? 0 : 1;
}

#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace layoutdesk {

class CPropertyBag;

// The designer's keys of one control's entry in a layout file, each converted to the type the
// designer writes it as. The host's keys are not read here.
struct StoredControl {
    bool indexed = false;
    bool container = false;
    // -1 for a control that is no element of an array.
    int16_t index = -1;
    std::string type = "none";
    std::string name = "none";
    // X1, Y1, X2, Y2 of a Line.
    std::array<float, 4> ends{};
    // Left, Top, Width, Height of any other control.
    std::array<float, 4> place{};
    bool visible = true;

    // A value that does not convert (a Boolean "maybe", a Top of 1e300) is no entry the designer
    // wrote: the whole entry is corrupt, 458.
    static StoredControl Read(CPropertyBag& bag);
};

} // namespace layoutdesk

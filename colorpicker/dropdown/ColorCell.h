#pragma once

#include "platform/win/WinTypes.h"

#include <cstdint>
#include <string>

namespace huechooser {

// One palette cell, custom cell or system row of the drop-down: its colour and its rectangle in
// pixels of the cell surface.
struct ColorCell {
    int32_t color = 0;
    win::RECT rect{};
    std::string name;
};

} // namespace huechooser

#pragma once

#include <cstdint>
#include <string>

namespace huechooser {

// What the drop-down colour window reports to the control that opened it. The window holds the
// control weakly and calls these only while it is alive.
class DropDownOwner {
public:
    virtual void DropDownTabChanged() = 0;
    virtual void DropDownSelectedColorChanged(int32_t color) = 0;
    virtual void DropDownOpened() = 0;
    virtual void DropDownClosed() = 0;
    virtual void DropDownCustomColorChanged(int16_t index, int32_t color) = 0;
    // The name the system tab shows for row `index` (0 to 24).
    virtual std::string SystemColorNameOf(int32_t index) const = 0;

protected:
    ~DropDownOwner() = default;
};

} // namespace huechooser

#pragma once

#include <stdexcept>

namespace ole {

// Thrown by the byte-level readers when stored bytes are cut short or malformed. The public
// loaders turn it into the run-time error their caller expects (458 for bags, 481 for pictures),
// so the primitives stay independent of which error a format reports.
class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace ole

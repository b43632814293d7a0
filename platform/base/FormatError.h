#pragma once

#include <stdexcept>

namespace base {

// Thrown by the byte-level readers and decoders when stored bytes are cut short or malformed. The
// public loaders turn it into the result their caller expects (458 for bags and layout files, an
// empty image and so 481 for pictures), so the primitives stay independent of which error a
// format reports.
class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace base

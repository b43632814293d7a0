// Category paths as the property list splits them: pieces are trimmed and non-empty, and a blank
// category gives none.
#include "FuzzInput.h"

#include "propertylist/model/rows/CategoryPath.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput in({data, size});
    const std::string separator = in.Text();
    const std::string category(in.Rest());
    const auto pieces = attrgrid::SplitCategoryPath(category, separator);
    for (const std::string& piece : pieces) {
        if (piece.empty() || piece.front() == ' ' || piece.back() == ' ') {
            std::abort();
        }
    }
    if (attrgrid::IsBlankCategory(category, separator) && !pieces.empty()) {
        std::abort();
    }
    return 0;
}

#include "platform/ole/text/TextCompare.h"

#include "platform/base/UnicodeCase.h"

namespace ole {

int StrComp(std::string_view a, std::string_view b, CompareMethod method) {
    const int c = method == CompareMethod::Binary ? a.compare(b) : base::CompareFolded(a, b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

} // namespace ole

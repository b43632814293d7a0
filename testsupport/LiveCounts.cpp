#include "testsupport/LiveCounts.h"

#include "platform/ole/object/ObjectProbes.h"
#include "platform/win/icon/Icons.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/TestApi.h"

namespace testsupport {

LiveCounts LiveCounts::Now() {
    return {win::test::LiveWindowCount(),    win::test::LiveDcCount(),
            win::test::LiveGdiObjectCount(), win::test::liveHookCount(),
            win::test::liveTimerCount(),     win::test::LiveIconCount(),
            ole::LiveObjectCount()};
}

void PrintTo(const LiveCounts& c, std::ostream* os) {
    *os << "{windows " << c.windows << ", dcs " << c.dcs << ", gdi " << c.gdiObjects << ", hooks "
        << c.hooks << ", timers " << c.timers << ", icons " << c.icons << ", objects " << c.objects
        << "}";
}

} // namespace testsupport

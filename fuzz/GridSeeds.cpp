// Seeds for the property list's ReadProperties: the bag a new control saves, and one with every
// kind of stored value it keeps (text, colours, numbers, a font).
#include "FuzzSeeds.h"

#include "platform/forms/test/TestHost.h"
#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/win/test/TestApi.h"
#include "propertylist/control/ZAVeravuvuDudu.h"

namespace fuzz {

std::vector<std::vector<uint8_t>> Seeds() {
    win::test::resetPlatform();
    attrgrid::ZAVeravuvuDudu::Register();
    std::vector<std::vector<uint8_t>> seeds;
    {
        forms::test::TestHost host;
        const auto grid = ole::PtrCast<attrgrid::ZAVeravuvuDudu>(
            ole::ClassRegistry::Create(attrgrid::ZAVeravuvuDudu::kProgId));
        const auto site = host.Host(grid, "Grid1", {10, 10, 310, 250});
        seeds.push_back(forms::test::TestHost::Save(*site)->ToBytes());
        grid->LetAlphabeticTabCaption("Abc");
        grid->LetBackColor(0x00102030);
        grid->LetIndentation(12.5F);
        grid->GetFont()->SetItalic(true);
        seeds.push_back(forms::test::TestHost::Save(*site)->ToBytes());
    }
    win::test::resetPlatform();
    return seeds;
}

} // namespace fuzz

// Seeds for the button bar's ReadProperties: the bag a new bar saves, one with settings changed,
// a second group holding a tagged button with a picture and a hidden third group, and one holding
// a flow and a layout no enumeration holds; each behind the two size bytes of a normal, a
// zero-height and a zero-width control.
#include "FuzzSeeds.h"
#include "StoredControl.h"

#include "buttonbar/control/KSButtonBar.h"

#include "platform/ole/picture/PictureType.h"

namespace fuzz {

std::vector<std::vector<uint8_t>> Seeds() {
    using shelfstrip::KSButtonBar;
    std::vector<std::vector<uint8_t>> bags = SavedControls(
        KSButtonBar::kProgId, &KSButtonBar::Register, {10, 10, 190, 290}, {[](ole::Object& object) {
            auto& bar = static_cast<KSButtonBar&>(object);
            bar.LetCaption("Tools");
            bar.LetShowCaptionBar(true);
            bar.LetButtonLayout(shelfstrip::ksTiled);
            const auto groups = bar.GetGroups();
            const auto second = groups->Add("Second", "Tip", "second");
            groups->Add("Third")->LetVisible(false);
            const auto picture = ole::Picture::FromImage(
                ole::Image{4, 4, std::vector<uint32_t>(16, 0xFF102030)}, ole::PICTYPE_BITMAP);
            second->GetButtons()
                ->Add("Go", picture, "Go on", "Goes", "go")
                ->LetTag(ole::Variant(7));
            bar.SetActiveGroup(second);
        }});
    // A flow and a layout outside their enumerations, as no bar saves them now.
    const ole::Ptr<ole::PropertyBag> outside = ole::PropertyBag::Create();
    outside->WriteProperty("ButtonFlow", ole::Variant(2), ole::Variant::Missing());
    outside->WriteProperty("ButtonLayout", ole::Variant(2), ole::Variant::Missing());
    bags.push_back(outside->ToBytes());
    std::vector<std::vector<uint8_t>> seeds;
    for (const auto& [width, height] :
         {std::pair<uint8_t, uint8_t>{180, 250}, {180, 0}, {0, 250}}) {
        for (const std::vector<uint8_t>& bag : bags) {
            std::vector<uint8_t> seed{width, height};
            seed.insert(seed.end(), bag.begin(), bag.end());
            seeds.push_back(std::move(seed));
        }
    }
    return seeds;
}

} // namespace fuzz

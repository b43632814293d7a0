// Seeds for the button bar's ReadProperties: the bag a new bar saves, and one with settings
// changed, a second group holding a tagged button with a picture, and a hidden third group.
#include "FuzzSeeds.h"
#include "StoredControl.h"

#include "buttonbar/control/KSButtonBar.h"

#include "platform/ole/picture/PictureType.h"

namespace fuzz {

std::vector<std::vector<uint8_t>> Seeds() {
    using shelfstrip::KSButtonBar;
    return SavedControls(
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
}

} // namespace fuzz

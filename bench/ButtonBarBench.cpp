// The button bar with 100 and 1,000 buttons in its active group, of which a few dozen show: a
// layout pass, a full repaint of the button area, and the pointer moved across the buttons that
// show. Layout follows the button count; repaint and hover should follow the visible cells. The
// second argument gives short captions, which all fit one line, so no caption ends the search
// for a wide one.

#include "buttonbar/control/KSButtonBar.h"

#include "platform/forms/host/Extender.h"
#include "platform/forms/test/TestHost.h"
#include "platform/ole/picture/PictureType.h"
#include "platform/win/Win.h"
#include "platform/win/test/TestApi.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using shelfstrip::KSButtonBar;

struct Surface {
    std::unique_ptr<forms::test::TestHost> host;
    ole::Ptr<forms::Extender> extender;
    ole::Ptr<KSButtonBar> bar;

    explicit Surface(int64_t buttons, bool shortCaptions = false) {
        win::test::resetPlatform();
        KSButtonBar::Register();
        host = std::make_unique<forms::test::TestHost>(forms::test::HostMode::User,
                                                       win::RECT{0, 0, 400, 700});
        extender = host->Host(KSButtonBar::kProgId, "Bar1", {0, 0, 300, 600});
        bar = ole::PtrCast<KSButtonBar>(extender->Inner());
        host->Show();
        bar->LetButtonLayout(shelfstrip::ksTiled);
        std::vector<uint32_t> pixels(24 * 24, 0xFFFFFFFF);
        for (size_t i = 0; i < pixels.size(); i += 3)
            pixels[i] = 0xFF2040C0;
        const auto picture =
            ole::Picture::FromImage(ole::Image{24, 24, pixels}, ole::PICTYPE_BITMAP);
        bar->LetLayoutSuspended(true);
        const ole::Ptr<shelfstrip::CButtons> collection = bar->GetActiveGroup()->GetButtons();
        for (int64_t i = 1; i <= buttons; ++i)
            collection->Add(shortCaptions ? "B" + std::to_string(i % 10)
                                          : "Button " + std::to_string(i),
                            picture, "Tip");
        bar->LetLayoutSuspended(false);
        win::test::pump();
    }
    ~Surface() {
        bar = nullptr;
        extender = nullptr;
        host.reset();
        win::test::resetPlatform();
    }
};

void BM_Layout(benchmark::State& state) {
    Surface surface(state.range(0));
    for (auto _ : state)
        surface.bar->LayoutButtons();
    state.counters["lines"] = surface.bar->Layout().GridLines();
}
BENCHMARK(BM_Layout)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_FullRepaint(benchmark::State& state) {
    Surface surface(state.range(0), state.range(1) != 0);
    for (auto _ : state)
        surface.bar->ButtonsBox()->Refresh();
}
BENCHMARK(BM_FullRepaint)->ArgsProduct({{100, 1000}, {0, 1}})->Unit(benchmark::kMicrosecond);

// One move onto the centre of every visible cell, each highlighting its button.
void HoverAcrossVisibleButtons(benchmark::State& state, Surface& surface) {
    const win::HWND area = surface.bar->ButtonsBox()->Window();
    win::RECT client{};
    win::GetClientRect(area, &client);
    std::vector<win::POINT> centres;
    const ole::Ptr<shelfstrip::CButtons> buttons = surface.bar->GetActiveGroup()->GetButtons();
    for (int32_t i = 1; i <= buttons->Count(); ++i) {
        const win::RECT r = buttons->At(i)->Bounds();
        if (r.bottom <= client.bottom)
            centres.push_back({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
    for (auto _ : state) {
        for (const win::POINT& pt : centres) {
            win::test::mouseMove(area, pt);
            win::test::pump();
        }
    }
    state.counters["cells"] = static_cast<double>(centres.size());
}

void BM_HoverAcrossVisibleButtons(benchmark::State& state) {
    Surface surface(state.range(0), state.range(1) != 0);
    HoverAcrossVisibleButtons(state, surface);
}
BENCHMARK(BM_HoverAcrossVisibleButtons)
    ->ArgsProduct({{100, 1000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// The hover below over the plain back colour, to hold the tiled one against.
void BM_HoverOverPlainBackground(benchmark::State& state) {
    Surface surface(100);
    HoverAcrossVisibleButtons(state, surface);
}
BENCHMARK(BM_HoverOverPlainBackground)->Unit(benchmark::kMillisecond);

// The same over a background of 1 x 1 tiles: each highlight should cost the tiles of the two
// cells it repaints, not those of the whole area.
void BM_HoverOverTiledBackground(benchmark::State& state) {
    Surface surface(100);
    const ole::Ptr<shelfstrip::CGroup> group = surface.bar->GetActiveGroup();
    group->SetButtonBackgroundPicture(
        ole::Picture::FromImage(ole::Image{1, 1, {0xFF808080}}, ole::PICTYPE_BITMAP));
    group->LetButtonBackgroundLayout(shelfstrip::ksPictureTiled);
    HoverAcrossVisibleButtons(state, surface);
}
BENCHMARK(BM_HoverOverTiledBackground)->Unit(benchmark::kMillisecond);

// A group bar turned upwards whose caption is cut to fit it: finding the cut as the caption grows.
void BM_TurnedCaptionCut(benchmark::State& state) {
    Surface surface(0);
    surface.bar->LetGroupFlow(shelfstrip::ksHorizontal);
    surface.bar->GetActiveGroup()->LetCaption(
        std::string(static_cast<size_t>(state.range(0)), 'W'));
    for (auto _ : state)
        surface.bar->UpperGroupsBox()->Refresh();
}
BENCHMARK(BM_TurnedCaptionCut)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

} // namespace

// The rectangle index is derived state: after random adds, removes, moves, resizes, restacks and
// moves between containers, hit tests and bands answer as a plain walk over the form's controls.

#include "DesignerFixture.h"

#include "platform/forms/form/Form.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/win/Win.h"
#include "platform/win/test/Spy.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace layoutdesk::test {
namespace {

class RectIndexTest : public DesignerFixture {
protected:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    std::mt19937 m_random;

    // The first control of the form in `within` that the point hits, searching inside a
    // container whose body is hit, as the designer is asked to.
    ole::Ptr<ole::Object> Walk(float x, float y, bool bodyOnly, const ole::Ptr<ole::Object>& within,
                               int32_t& code) {
        for (const auto& control : GetForm().ControlList()) {
            if (!control->IsAlive() || control->Container().Get() != within.Get())
                continue;
            const ole::Ptr<ole::Object> object(control);
            code = Designer().HitTestHandles(object, x, y, bodyOnly);
            if (code == HitNone)
                continue;
            int32_t inner = HitNone;
            if (code == HitBody && Designer().IsContainer(ole::Variant(object)))
                if (auto child = Walk(x, y, bodyOnly, object, inner)) {
                    code = inner;
                    return child;
                }
            return object;
        }
        code = HitNone;
        return {};
    }
    std::vector<ole::Object*> WalkBand(const win::RECT& pixels, const ole::Ptr<ole::Object>& in) {
        std::vector<ole::Object*> found;
        for (const auto& control : GetForm().ControlList())
            if (control->IsAlive() && control->Container().Get() == in.Get() &&
                Designer().ControlIntersectsRect(ole::Ptr<ole::Object>(control), pixels))
                found.push_back(control.Get());
        return found;
    }
    std::vector<ole::Object*> Band(const win::RECT& pixels, const ole::Ptr<ole::Object>& in) {
        Designer().DeselectAllControl();
        Designer().SelectControlsInRect(pixels, in);
        std::vector<ole::Object*> found;
        for (const ole::Variant& item : Designer().GetSelectedControls()->Snapshot())
            found.push_back(item.AsObject().Get());
        return found;
    }
};

TEST_F(RectIndexTest, AnswersAsAPlainWalkAfterRandomChanges) {
    m_random.seed(7);
    const ole::Ptr<ole::Object> designer(DesignerExtender());
    const ole::Ptr<ole::Object> frame(Add("VB.Frame", "Frame1", {1500, 600, 3600, 2400}));
    const std::array<ole::Ptr<ole::Object>, 2> containers{designer, frame};
    std::vector<ole::Ptr<forms::Control>> added;
    for (int step = 0; step < 300; ++step) {
        const int op = added.empty() ? 0 : Pick(0, 5);
        const win::RECT place{Pick(-300, 4000), Pick(-300, 3000), 0, 0};
        const win::RECT twips{place.left, place.top, place.left + Pick(0, 1500),
                              place.top + Pick(0, 900)};
        const size_t which =
            added.empty() ? 0 : static_cast<size_t>(Pick(0, int(added.size()) - 1));
        switch (op) {
        case 0:
            if (Pick(0, 3) == 0)
                added.push_back(AddLine("Line" + std::to_string(step), twips,
                                        containers[static_cast<size_t>(Pick(0, 1))]));
            else
                added.push_back(Add(Pick(0, 1) ? "VB.Label" : "VB.CommandButton",
                                    "Control" + std::to_string(step), twips,
                                    containers[static_cast<size_t>(Pick(0, 1))]));
            break;
        case 1:
            GetForm().RemoveAdded(added[which]);
            added.erase(added.begin() + static_cast<std::ptrdiff_t>(which));
            break;
        case 2:
        case 3: {
            // A Line has ends instead of a place and a size.
            const bool line = Designer().IsLineControl(ole::Ptr<ole::Object>(added[which]));
            const char* member = op == 2 ? (line ? "X1" : "Left") : (line ? "Y2" : "Width");
            ole::LetProperty(ole::Variant(added[which]), member,
                             ole::Variant(float(op == 2 ? place.left : twips.right - twips.left)));
            break;
        }
        case 4: {
            std::array<ole::Variant, 1> toBack{ole::Variant(int16_t{1})};
            ole::CallMethod(ole::Variant(added[which]), "ZOrder", toBack);
            break;
        }
        default:
            ole::SetProperty(ole::Variant(added[which]), "Container",
                             ole::Variant(containers[static_cast<size_t>(Pick(0, 1))]));
            break;
        }
        for (int probe = 0; probe < 4; ++probe) {
            const auto x = static_cast<float>(Pick(0, 300) * 15);
            const auto y = static_cast<float>(Pick(0, 200) * 15);
            const bool bodyOnly = Pick(0, 1) == 1;
            int32_t code = HitNone;
            int32_t expectedCode = HitNone;
            const auto& in = containers[static_cast<size_t>(Pick(0, 1))];
            const auto hit = Designer().ControlFromPoint(x, y, false, code, bodyOnly, in);
            const auto expected = Walk(x, y, bodyOnly, in, expectedCode);
            ASSERT_EQ(hit.Get(), expected.Get()) << "step " << step << " at " << x << "," << y;
            ASSERT_EQ(code, expectedCode) << "step " << step;
        }
        const win::RECT band{Pick(0, 300), Pick(0, 200), Pick(0, 300), Pick(0, 200)};
        const win::RECT normal{std::min(band.left, band.right), std::min(band.top, band.bottom),
                               std::max(band.left, band.right), std::max(band.top, band.bottom)};
        const auto& in = containers[static_cast<size_t>(Pick(0, 1))];
        ASSERT_EQ(Band(normal, in), WalkBand(normal, in)) << "step " << step;
    }
}

// A band, and the repaint after it, take a control that surely meets their area by its bounds
// alone: what they select, and which buttons they redraw, is still what a plain walk finds, in
// bordered containers and other scale modes too.
TEST_F(RectIndexTest, BandsAndRepaintsMeetWhatAPlainWalkMeets) {
    m_random.seed(11);
    const ole::Ptr<ole::Object> designer(DesignerExtender());
    const ole::Ptr<ole::Object> frame(Add("VB.Frame", "Frame1", {1500, 600, 3600, 2400}));
    const ole::Ptr<ole::Object> picture(Add("VB.PictureBox", "Picture1", {300, 300, 1800, 2700}));
    ole::LetProperty(ole::Variant(picture), "ScaleMode", ole::Variant(int16_t{3}));
    // Twips, except in the picture box.
    const std::array<std::pair<ole::Ptr<ole::Object>, int>, 3> containers{
        {{designer, 15}, {frame, 15}, {picture, 1}}};
    for (int i = 0; i < 120; ++i) {
        const auto& [in, unit] = containers[static_cast<size_t>(i % 3)];
        const int left = Pick(-20, 280) * unit;
        const int top = Pick(-20, 180) * unit;
        const win::RECT place{left, top, left + Pick(0, 60) * unit, top + Pick(0, 40) * unit};
        if (i % 7 == 0)
            AddLine("Line" + std::to_string(i), place, in);
        else
            Add(i % 2 ? "VB.Label" : "VB.CommandButton", "Control" + std::to_string(i), place, in);
    }
    win::test::Spy spy;
    spy.WatchAll();
    for (int probe = 0; probe < 90; ++probe) {
        const auto& in = containers[static_cast<size_t>(probe % 3)].first;
        const win::RECT band{Pick(0, 150), Pick(0, 100), Pick(150, 300), Pick(100, 200)};
        ASSERT_EQ(Band(band, in), WalkBand(band, in)) << "probe " << probe;
        const win::RECT dirty = Designer().DirtyRect();
        std::vector<win::HWND> expected;
        for (const auto& control : GetForm().ControlList()) {
            win::RECT rect{};
            win::RECT meet{};
            if (control->Container().Get() == designer.Get() && control->IsAlive() &&
                !control->IsWindowless() &&
                Designer().GetControlRect(ole::Ptr<ole::Object>(control), rect, true) &&
                win::IntersectRect(&meet, &rect, &dirty))
                expected.push_back(control->Window());
        }
        spy.Clear();
        Designer().FlushDirtyRect();
        std::vector<win::HWND> hidden;
        for (const win::test::SpiedMessage& message : spy.Messages())
            if (message.msg == win::WM_SHOWWINDOW && message.wParam == win::FALSE)
                hidden.push_back(message.hwnd);
        ASSERT_EQ(hidden, expected) << "probe " << probe;
    }
}

} // namespace
} // namespace layoutdesk::test

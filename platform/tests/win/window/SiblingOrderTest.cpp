#include "WindowFixture.h"

#include "platform/win/detail/SiblingOrder.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace wmtest {
namespace {

using detail::SiblingOrder;

std::vector<HWND> Listed(const SiblingOrder& order) {
    return {order.begin(), order.end()};
}

// Insertions and removals at random places, mostly near the ends where the room kept there is
// used, checked against a plain list after every step.
TEST(SiblingOrderTest, RandomInsertsAndRemovalsMatchAPlainList) {
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        uint32_t state = seed;
        auto next = [&](uint32_t bound) {
            state = state * 1664525u + 1013904223u;
            return (state >> 8) % bound;
        };
        SiblingOrder kept;
        std::vector<HWND> plain;
        uint32_t fresh = 1;
        for (int step = 0; step < 3000; ++step) {
            const auto size = static_cast<uint32_t>(plain.size());
            const uint32_t op = next(8);
            if (op <= 3 || plain.empty()) {
                const uint32_t position = op == 0 ? 0 : op == 1 ? size : next(size + 1);
                const HWND hwnd = HWND::FromValue(fresh++);
                kept.Insert(position, hwnd);
                plain.insert(plain.begin() + position, hwnd);
            } else if (op <= 5) {
                const HWND hwnd = plain[op == 4 ? next(std::min(size, 3u)) : size - 1];
                ASSERT_TRUE(kept.Remove(hwnd));
                std::erase(plain, hwnd);
            } else if (op == 6) {
                const uint32_t position = next(size);
                kept.Erase(position);
                plain.erase(plain.begin() + position);
            } else {
                EXPECT_FALSE(kept.Remove(HWND::FromValue(fresh + 1)));
            }
            ASSERT_EQ(Listed(kept), plain) << "seed " << seed << " step " << step;
            if (!plain.empty()) {
                const HWND probe = plain[next(static_cast<uint32_t>(plain.size()))];
                ASSERT_EQ(*kept.Find(probe), probe);
                ASSERT_EQ(kept.front(), plain.front());
                ASSERT_EQ(kept.back(), plain.back());
            }
        }
    }
}

class RestackTest : public WindowTest {};

// Every child moved to the top, the bottom, after each sibling and after a window that is no
// sibling, against the order a plain list gives.
TEST_F(RestackTest, EveryMoveGivesTheOrderOfAPlainList) {
    const HWND parent = TopLevel(0, 0, 200, 200);
    const HWND stranger = TopLevel(0, 0, 50, 50);
    std::vector<HWND> initial;
    for (int i = 0; i < 5; ++i)
        initial.push_back(Child(parent, i * 10, 0, 10, 10));
    const auto childOrder = [&] {
        std::vector<HWND> order;
        for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
            order.push_back(h);
        return order;
    };
    std::vector<HWND> targets{HWND_TOP, HWND_BOTTOM, stranger};
    targets.insert(targets.end(), initial.begin(), initial.end());
    for (HWND moved : initial) {
        for (HWND after : targets) {
            if (after == moved)
                continue;
            for (auto it = initial.rbegin(); it != initial.rend(); ++it)
                SetWindowPos(*it, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            ASSERT_EQ(childOrder(), initial);
            std::vector<HWND> expected = initial;
            std::erase(expected, moved);
            const auto sibling = std::find(expected.begin(), expected.end(), after);
            if (after == HWND_BOTTOM)
                expected.push_back(moved);
            else if (sibling == expected.end())
                expected.insert(expected.begin(), moved);
            else
                expected.insert(sibling + 1, moved);
            SetWindowPos(moved, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            EXPECT_EQ(childOrder(), expected);
            EXPECT_EQ(GetWindow(moved, GW_HWNDLAST), expected.back());
        }
    }
}

} // namespace
} // namespace wmtest

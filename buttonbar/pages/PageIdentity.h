#pragma once

#include "buttonbar/library/ShelfstripIds.h"

namespace shelfstrip {

// What the frame and the registry know of a page: its class, its tab caption and its size.
struct PageIdentity {
    const char* progId;
    const char* className;
    const char* classId;
    const char* caption;
    float widthTwips;
    float heightTwips;
};

namespace pages {
inline constexpr PageIdentity kPosition{
    "Shelfstrip.Position", "Position", ids::kPositionPage, "Position", 5265, 3000};
inline constexpr PageIdentity kAppearance{
    "Shelfstrip.Appearance", "Appearance", ids::kAppearancePage, "Appearance", 5040, 4500};
inline constexpr PageIdentity kButtons{
    "Shelfstrip.Buttons", "Buttons", ids::kButtonsPage, "Buttons", 5790, 4140};
inline constexpr PageIdentity kGroups{
    "Shelfstrip.Groups", "Groups", ids::kGroupsPage, "Groups", 6225, 4215};
} // namespace pages

} // namespace shelfstrip

#pragma once

// The identity of the button bar library's classes and interfaces: hosts bind by these.

namespace shelfstrip {

inline constexpr const char* kLibraryName = "Shelfstrip";

namespace ids {
inline constexpr const char* kLibrary = "{4C7B9E21-3A5D-4E8F-B612-0D9A5C3E0000}";
inline constexpr const char* kButtonClass = "{4C7B9E21-3A5D-4E8F-B612-0D9A5C3E0101}";
inline constexpr const char* kButtonInterface = "{4C7B9E21-3A5D-4E8F-B612-0D9A5C3E0102}";
inline constexpr const char* kButtonsClass = "{4C7B9E21-3A5D-4E8F-B612-0D9A5C3E0201}";
inline constexpr const char* kButtonsInterface = "{4C7B9E21-3A5D-4E8F-B612-0D9A5C3E0202}";
inline constexpr const char* kGroupClass = "{4C7B9E21-3A5D-4E8F-B612-0D9A5C3E0301}";
inline constexpr const char* kGroupInterface = "{4C7B9E21-3A5D-4E8F-B612-0D9A5C3E0302}";
inline constexpr const char* kGroupsClass = "{4C7B9E21-3A5D-4E8F-B612-0D9A5C3E0401}";
inline constexpr const char* kGroupsInterface = "{4C7B9E21-3A5D-4E8F-B612-0D9A5C3E0402}";
inline constexpr const char* kButtonBarClass = "{4C7B9E21-3A5D-4E8F-B612-0D9A5C3E0501}";
inline constexpr const char* kButtonBarInterface = "{4C7B9E21-3A5D-4E8F-B612-0D9A5C3E0502}";
inline constexpr const char* kButtonBarEvents = "{4C7B9E21-3A5D-4E8F-B612-0D9A5C3E0503}";
// The property pages.
inline constexpr const char* kPositionPage = "{B4C06643-1597-40FC-BFD6-92940A7D7C9E}";
inline constexpr const char* kAppearancePage = "{4CF34D1A-3584-4CF5-B7AA-A04ED09AF5DE}";
inline constexpr const char* kButtonsPage = "{B7BD074D-B737-47E0-8A9A-2E5197485DB5}";
inline constexpr const char* kGroupsPage = "{A7517928-9B77-437A-8BF6-C37F415C76D4}";
} // namespace ids

} // namespace shelfstrip

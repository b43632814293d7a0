#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace forms {

struct FolderEntry {
    std::string name;
    bool folder = false;

    bool operator==(const FolderEntry&) const = default;
};

// True when `name` matches one of the ";"-separated globs of `patterns` ("*" any run, "?" one
// character), compared without regard to case. "*.*" matches every name, with a dot or not; an
// empty pattern list matches everything.
bool MatchesFilePatterns(std::string_view name, std::string_view patterns);

// What a dialog lists of `folder`: its sub-folders first, then its files that match `patterns`,
// each group in case-insensitive order. Names starting with "." are hidden; an unreadable folder
// lists nothing. With `includeFiles` false only folders are listed.
std::vector<FolderEntry> ListFolder(const std::string& folder, std::string_view patterns,
                                    bool includeFiles = true);

} // namespace forms

#include "platform/forms/dialogs/file/FolderListing.h"

#include "platform/base/TextCase.h"
#include "platform/base/Utf8.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace forms {

namespace {

// Glob match over case-folded UTF-8; "?" takes one whole code point.
bool Glob(std::string_view name, std::string_view pattern) {
    size_t n = 0;
    size_t p = 0;
    size_t starPattern = std::string_view::npos;
    size_t starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starPattern = p++;
            starName = n;
        } else if (p < pattern.size() && pattern[p] == '?') {
            n += base::DecodeUtf8(name, n).length;
            ++p;
        } else if (p < pattern.size() && pattern[p] == name[n]) {
            ++n;
            ++p;
        } else if (starPattern != std::string_view::npos) {
            p = starPattern + 1;
            starName += base::DecodeUtf8(name, starName).length;
            n = starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

bool MatchesFilePatterns(std::string_view name, std::string_view patterns) {
    if (Trimmed(patterns).empty()) {
        return true;
    }
    const std::string folded = base::FoldCase(name);
    size_t start = 0;
    while (start <= patterns.size()) {
        size_t end = patterns.find(';', start);
        if (end == std::string_view::npos) {
            end = patterns.size();
        }
        const std::string_view glob = Trimmed(patterns.substr(start, end - start));
        if (glob == "*.*" || (!glob.empty() && Glob(folded, base::FoldCase(glob)))) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

std::vector<FolderEntry> ListFolder(const std::string& folder, std::string_view patterns,
                                    bool includeFiles) {
    namespace fs = std::filesystem;
    std::vector<FolderEntry> folders;
    std::vector<FolderEntry> files;
    std::error_code error;
    for (fs::directory_iterator it(fs::path(folder), error), end; !error && it != end;
         it.increment(error)) {
        std::string name = it->path().filename().string();
        if (name.empty() || name.front() == '.') {
            continue;
        }
        std::error_code statError;
        if (it->is_directory(statError)) {
            folders.push_back({std::move(name), true});
        } else if (includeFiles && MatchesFilePatterns(name, patterns)) {
            files.push_back({std::move(name), false});
        }
    }
    const auto byName = [](const FolderEntry& a, const FolderEntry& b) {
        return base::LessNoCase{}(a.name, b.name);
    };
    std::sort(folders.begin(), folders.end(), byName);
    std::sort(files.begin(), files.end(), byName);
    folders.insert(folders.end(), std::make_move_iterator(files.begin()),
                   std::make_move_iterator(files.end()));
    return folders;
}

} // namespace forms

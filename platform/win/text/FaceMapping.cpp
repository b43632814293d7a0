#include "platform/win/text/FaceMapping.h"

#include "platform/base/TextCase.h"

#include <algorithm>
#include <array>

namespace win::text {

namespace {

struct FaceEntry {
    std::string_view name;
    FontFamily family;
};

constexpr std::array kFaces{
    FaceEntry{"MS Sans Serif", FontFamily::Sans},
    FaceEntry{"Microsoft Sans Serif", FontFamily::Sans},
    FaceEntry{"MS Shell Dlg", FontFamily::Sans},
    FaceEntry{"MS Shell Dlg 2", FontFamily::Sans},
    FaceEntry{"Arial", FontFamily::Sans},
    FaceEntry{"Helvetica", FontFamily::Sans},
    FaceEntry{"Tahoma", FontFamily::Sans},
    FaceEntry{"Verdana", FontFamily::Sans},
    FaceEntry{"Segoe UI", FontFamily::Sans},
    FaceEntry{"System", FontFamily::Sans},
    FaceEntry{"Small Fonts", FontFamily::Sans},
    FaceEntry{"Times New Roman", FontFamily::Serif},
    FaceEntry{"Times", FontFamily::Serif},
    FaceEntry{"MS Serif", FontFamily::Serif},
    FaceEntry{"Georgia", FontFamily::Serif},
    FaceEntry{"Courier New", FontFamily::SansMono},
    FaceEntry{"Courier", FontFamily::SansMono},
    FaceEntry{"Lucida Console", FontFamily::SansMono},
    FaceEntry{"Consolas", FontFamily::SansMono},
    FaceEntry{"Fixedsys", FontFamily::SansMono},
    FaceEntry{"Terminal", FontFamily::SansMono},
    // The families themselves, so a face chosen from the font list maps back onto itself.
    FaceEntry{"DejaVu Sans", FontFamily::Sans},
    FaceEntry{"DejaVu Serif", FontFamily::Serif},
    FaceEntry{"DejaVu Sans Mono", FontFamily::SansMono},
};

constexpr auto kNames = [] {
    std::array<std::string_view, kFaces.size() - 3> names{};
    for (size_t i = 0; i < names.size(); ++i) {
        names[i] = kFaces[i].name;
    }
    return names;
}();

} // namespace

FontFamily MapFaceName(std::string_view faceName) {
    const auto it = std::find_if(kFaces.begin(), kFaces.end(), [&](const FaceEntry& entry) {
        return base::EqualsNoCase(entry.name, faceName);
    });
    return it == kFaces.end() ? FontFamily::Sans : it->family;
}

std::string_view FamilyName(FontFamily family) {
    switch (family) {
    case FontFamily::Serif:
        return "DejaVu Serif";
    case FontFamily::SansMono:
        return "DejaVu Sans Mono";
    case FontFamily::Sans:
        break;
    }
    return "DejaVu Sans";
}

std::span<const std::string_view> MappedFaceNames() {
    return kNames;
}

} // namespace win::text

#include "platform/win/text/FontFiles.h"

#include "platform/base/TextCase.h"

#include <fontconfig/fontconfig.h>

#include <array>
#include <filesystem>
#include <memory>

namespace win::text {

namespace {

constexpr std::string_view kPackageFolder = "/usr/share/fonts/truetype/dejavu/";

struct StyleFiles {
    std::string_view regular, bold, italic, boldItalic;
};

StyleFiles PackageFiles(FontFamily family) {
    switch (family) {
    case FontFamily::Serif:
        return {"DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf", "DejaVuSerif-Italic.ttf",
                "DejaVuSerif-BoldItalic.ttf"};
    case FontFamily::SansMono:
        return {"DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf", "DejaVuSansMono-Oblique.ttf",
                "DejaVuSansMono-BoldOblique.ttf"};
    case FontFamily::Sans:
        break;
    }
    return {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans-Oblique.ttf",
            "DejaVuSans-BoldOblique.ttf"};
}

bool Exists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

// The package's own file of the nearest style: the exact one, else one that drops italic, then
// bold, then both (which FreeType then synthesises).
FontFile FromPackage(FontFamily family, bool bold, bool italic) {
    const StyleFiles files = PackageFiles(family);
    const auto file = [&](bool b, bool i) {
        return std::string(kPackageFolder) + std::string(b ? (i ? files.boldItalic : files.bold)
                                                           : (i ? files.italic : files.regular));
    };
    for (const auto& [b, i] : {std::pair{bold, italic}, std::pair{bold, false},
                               std::pair{false, italic}, std::pair{false, false}}) {
        if (std::string path = file(b, i); Exists(path)) {
            return {std::move(path), bold && !b, italic && !i};
        }
    }
    return {};
}

struct ConfigDeleter {
    void operator()(FcConfig* config) const { FcConfigDestroy(config); }
};
struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

// fontconfig's best match, accepted only when it is the family asked for (fontconfig happily
// substitutes any installed font).
FontFile FromFontconfig(FcConfig* config, FontFamily family, bool bold, bool italic) {
    const std::string familyName(FamilyName(family));
    PatternPtr pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(familyName.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddInteger(pattern.get(), FC_WIDTH, FC_WIDTH_NORMAL);
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(config, pattern.get(), &result));
    if (!match || result != FcResultMatch) {
        return {};
    }
    FcChar8* file = nullptr;
    FcChar8* matchedFamily = nullptr;
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
    int width = FC_WIDTH_NORMAL;
    if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch ||
        FcPatternGetString(match.get(), FC_FAMILY, 0, &matchedFamily) != FcResultMatch) {
        return {};
    }
    FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(match.get(), FC_SLANT, 0, &slant);
    FcPatternGetInteger(match.get(), FC_WIDTH, 0, &width);
    const std::string path(reinterpret_cast<const char*>(file));
    if (!base::EqualsNoCase(reinterpret_cast<const char*>(matchedFamily), familyName) ||
        width != FC_WIDTH_NORMAL || !Exists(path)) {
        return {};
    }
    const bool hasBold = weight >= FC_WEIGHT_DEMIBOLD;
    const bool hasItalic = slant != FC_SLANT_ROMAN;
    // A bold or slanted file where a plain one was asked for is no substitute.
    if (hasBold != bold && hasBold) {
        return {};
    }
    if (hasItalic != italic && hasItalic) {
        return {};
    }
    return {path, bold && !hasBold, italic && !hasItalic};
}

using Files = std::array<FontFile, 12>;

size_t Index(FontFamily family, bool bold, bool italic) {
    return static_cast<size_t>(family) * 4 + (bold ? 2 : 0) + (italic ? 1 : 0);
}

Files LookUpAll() {
    Files files;
    std::unique_ptr<FcConfig, ConfigDeleter> config(FcInitLoadConfigAndFonts());
    for (const FontFamily family : {FontFamily::Sans, FontFamily::Serif, FontFamily::SansMono}) {
        for (const bool bold : {false, true}) {
            for (const bool italic : {false, true}) {
                FontFile file;
                if (config) {
                    file = FromFontconfig(config.get(), family, bold, italic);
                }
                if (file.path.empty()) {
                    file = FromPackage(family, bold, italic);
                }
                files[Index(family, bold, italic)] = std::move(file);
            }
        }
    }
    return files;
}

} // namespace

const FontFile& FindFontFile(FontFamily family, bool bold, bool italic) {
    static const Files files = LookUpAll();
    return files[Index(family, bold, italic)];
}

} // namespace win::text

#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace win::image {

enum class MetafileKind { Placeable, Enhanced };

// What a metafile header says; metafiles are recognised, never rendered.
struct MetafileInfo {
    MetafileKind kind = MetafileKind::Placeable;
    int32_t width = 0; // pixels at 96 dpi
    int32_t height = 0;
    int32_t himetricWidth = 0; // 0.01 mm
    int32_t himetricHeight = 0;
};

// Placeable metafiles (key 0x9AC6CDD7; bounding box in units of `inch` per inch) and enhanced
// metafiles (first record of type 1 with " EMF" at offset 40; size from its frame in 0.01 mm).
// Nullopt for anything else, a cut-short header or an empty or inverted box.
std::optional<MetafileInfo> ReadMetafileHeader(std::span<const uint8_t> bytes);

} // namespace win::image

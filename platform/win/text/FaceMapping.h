#pragma once

#include <span>
#include <string_view>

namespace win::text {

enum class FontFamily { Sans, Serif, SansMono };

// The bundled family that stands in for a requested face name (case-insensitive; unknown
// names get Sans).
FontFamily MapFaceName(std::string_view faceName);

// The family's own name, as fontconfig knows it ("DejaVu Sans").
std::string_view FamilyName(FontFamily family);

// The classic names the table maps, in table order.
std::span<const std::string_view> MappedFaceNames();

} // namespace win::text

#pragma once

// Exact captures of what the platform drew, PNG output and bitwise comparison for tests. Captures
// are opaque RGB (alpha 255) so they compare equal whatever a framebuffer's fourth byte holds.

#include "platform/win/WinTypes.h"
#include "platform/win/image/Image.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace win::test {

using Snapshot = image::Image;

// A window's client area, its whole window (non-client included), the framebuffer of a
// top-level window, or the screen composite. Empty for an invalid or hidden window.
Snapshot CaptureClient(HWND hwnd);
Snapshot CaptureWindow(HWND hwnd);
Snapshot CaptureFramebuffer(HWND topLevel);
Snapshot CaptureScreen();
// A bitmap's pixels (what a memory DC drew); empty for an invalid handle.
Snapshot CaptureBitmap(HBITMAP bitmap);

// Where PNG output goes: $SNAPSHOT_DIR when set, else the system temporary directory.
std::string SnapshotDirectory();
// Writes <directory>/<name>.png (name sanitised to letters, digits, '-', '_' and '.');
// returns the path, empty on failure.
std::string WriteSnapshot(const Snapshot& snapshot, std::string_view name);
// A reference image stored as PNG; nullopt when missing or unreadable.
std::optional<Snapshot> ReadSnapshot(const std::string& path);

struct SnapshotDiff {
    bool identical = false;
    bool sameSize = false;
    size_t differing = 0; // pixels, when the sizes match
    RECT bounds;          // bounding box of the differing pixels
    std::string Describe() const;
};

// Bitwise comparison. On a mismatch writes <name>.actual.png, <name>.expected.png and
// <name>.diff.png (differing pixels red, equal ones a faded copy of the expected image).
SnapshotDiff CompareSnapshots(const Snapshot& actual, const Snapshot& expected,
                              std::string_view name);

// Pixel helpers; colours are COLORREF (0x00BBGGRR), CLR_INVALID outside the image.
COLORREF PixelOf(const Snapshot& snapshot, int x, int y);
bool IsUniform(const Snapshot& snapshot, const RECT& rect, COLORREF color);
size_t CountPixels(const Snapshot& snapshot, COLORREF color);

// Calls draw twice and reports whether the first call changed the screen and the second
// restored every pixel: the check for XOR drawings that must be self-inverse.
bool DrawsReversibly(const std::function<void()>& draw);

} // namespace win::test

#include "platform/win/test/Snapshot.h"

#include "platform/win/WinConstants.h"
#include "platform/win/detail/WindowTable.h"
#include "platform/win/gdi/detail/Bitmap.h"
#include "platform/win/gdi/raster/Screen.h"
#include "platform/win/gdi/raster/Surface.h"
#include "platform/win/image/PngCodec.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace win::test {

namespace {

Snapshot Crop(const gdi::Surface& surface, const RECT& rect) {
    const RECT r{std::max<LONG>(rect.left, 0), std::max<LONG>(rect.top, 0),
                 std::min<LONG>(rect.right, surface.Width()),
                 std::min<LONG>(rect.bottom, surface.Height())};
    Snapshot snapshot;
    if (r.left >= r.right || r.top >= r.bottom) {
        return snapshot;
    }
    snapshot.width = r.right - r.left;
    snapshot.height = r.bottom - r.top;
    snapshot.pixels.reserve(static_cast<size_t>(snapshot.width) * snapshot.height);
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            snapshot.pixels.push_back(surface.Pixel(x, y) | image::kOpaque);
        }
    }
    return snapshot;
}

// The top-level record holding hwnd's pixels, and hwnd's own record.
std::pair<detail::WindowRecord*, detail::WindowRecord*> Records(HWND hwnd) {
    detail::WindowRecord* own = detail::LookupWindow(hwnd);
    detail::WindowRecord* root = own;
    while (root && root->parent) {
        root = detail::LookupWindow(root->parent);
    }
    if (!root || !root->surface) {
        return {nullptr, nullptr};
    }
    return {root, own};
}

Snapshot CaptureRect(HWND hwnd, bool client) {
    const auto [root, own] = Records(hwnd);
    if (!root) {
        return {};
    }
    const RECT screen = client ? own->clientRect : own->windowRect;
    const RECT inRoot{screen.left - root->windowRect.left, screen.top - root->windowRect.top,
                      screen.right - root->windowRect.left, screen.bottom - root->windowRect.top};
    return Crop(*root->surface, inRoot);
}

std::string Sanitised(std::string_view name) {
    std::string out;
    for (char c : name) {
        const bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
        out.push_back(keep ? c : '_');
    }
    return out.empty() ? "snapshot" : out;
}

} // namespace

Snapshot CaptureClient(HWND hwnd) {
    return CaptureRect(hwnd, true);
}

Snapshot CaptureWindow(HWND hwnd) {
    return CaptureRect(hwnd, false);
}

Snapshot CaptureFramebuffer(HWND topLevel) {
    detail::WindowRecord* record = detail::LookupWindow(topLevel);
    if (!record || !record->surface) {
        return {};
    }
    return Crop(*record->surface, record->surface->Bounds());
}

Snapshot CaptureScreen() {
    const gdi::Surface composite = gdi::Screen::Compose();
    return Crop(composite, composite.Bounds());
}

Snapshot CaptureBitmap(HBITMAP bitmap) {
    const gdi::Bitmap* found = gdi::LookupBitmap(bitmap);
    return found ? Crop(found->Pixels(), found->Pixels().Bounds()) : Snapshot{};
}

std::string SnapshotDirectory() {
    if (const char* dir = std::getenv("SNAPSHOT_DIR"); dir && *dir) {
        return dir;
    }
    return std::filesystem::temp_directory_path().string();
}

std::string WriteSnapshot(const Snapshot& snapshot, std::string_view name) {
    std::error_code error;
    const std::filesystem::path dir = SnapshotDirectory();
    std::filesystem::create_directories(dir, error);
    const std::string path = (dir / (Sanitised(name) + ".png")).string();
    return image::PngCodec::WriteFile(path, snapshot, false) ? path : std::string();
}

std::optional<Snapshot> ReadSnapshot(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    return image::PngCodec::Decode(bytes);
}

std::string SnapshotDiff::Describe() const {
    if (identical) {
        return "identical";
    }
    if (!sameSize) {
        return "sizes differ";
    }
    return std::to_string(differing) + " pixels differ within [" + std::to_string(bounds.left) +
           ", " + std::to_string(bounds.top) + ") - (" + std::to_string(bounds.right) + ", " +
           std::to_string(bounds.bottom) + ")";
}

SnapshotDiff CompareSnapshots(const Snapshot& actual, const Snapshot& expected,
                              std::string_view name) {
    SnapshotDiff diff;
    diff.sameSize = actual.width == expected.width && actual.height == expected.height;
    if (diff.sameSize) {
        Snapshot marked = expected;
        for (int y = 0; y < actual.height; ++y) {
            for (int x = 0; x < actual.width; ++x) {
                const size_t i = static_cast<size_t>(y) * actual.width + x;
                if ((actual.pixels[i] & 0xFFFFFFu) == (expected.pixels[i] & 0xFFFFFFu)) {
                    // Faded towards white so the red marks stand out.
                    const uint32_t p = expected.pixels[i];
                    marked.pixels[i] = image::kOpaque | (((p >> 1) & 0x7F7F7Fu) + 0x808080u);
                    continue;
                }
                marked.pixels[i] = 0xFFFF0000u;
                if (diff.differing++ == 0) {
                    diff.bounds = {x, y, x + 1, y + 1};
                } else {
                    diff.bounds = {std::min<LONG>(diff.bounds.left, x),
                                   std::min<LONG>(diff.bounds.top, y),
                                   std::max<LONG>(diff.bounds.right, x + 1),
                                   std::max<LONG>(diff.bounds.bottom, y + 1)};
                }
            }
        }
        diff.identical = diff.differing == 0;
        if (diff.identical) {
            return diff;
        }
        WriteSnapshot(marked, std::string(name) + ".diff");
    }
    WriteSnapshot(actual, std::string(name) + ".actual");
    WriteSnapshot(expected, std::string(name) + ".expected");
    return diff;
}

COLORREF PixelOf(const Snapshot& snapshot, int x, int y) {
    if (x < 0 || y < 0 || x >= snapshot.width || y >= snapshot.height) {
        return CLR_INVALID;
    }
    return gdi::PixelToColor(snapshot.At(x, y));
}

bool IsUniform(const Snapshot& snapshot, const RECT& rect, COLORREF color) {
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            if (PixelOf(snapshot, x, y) != color) {
                return false;
            }
        }
    }
    return true;
}

size_t CountPixels(const Snapshot& snapshot, COLORREF color) {
    return static_cast<size_t>(
        std::count_if(snapshot.pixels.begin(), snapshot.pixels.end(),
                      [&](uint32_t pixel) { return gdi::PixelToColor(pixel) == color; }));
}

bool DrawsReversibly(const std::function<void()>& draw) {
    const Snapshot before = CaptureScreen();
    draw();
    const Snapshot between = CaptureScreen();
    draw();
    return before == CaptureScreen() && !(before == between);
}

} // namespace win::test

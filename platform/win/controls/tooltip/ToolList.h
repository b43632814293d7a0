#pragma once

#include "platform/win/controls/ControlConstants.h"

#include <optional>
#include <string>
#include <vector>

namespace win::controls {

// One tool: an area of a window (or the whole window, TTF_IDISHWND) with its tip text.
struct Tool {
    UINT flags = 0;
    HWND hwnd;
    UINT_PTR id = 0;
    RECT rect;
    HINSTANCE instance;
    std::string text;
    LPARAM lParam = 0;

    // The window whose mouse messages show this tool's tip.
    HWND Window() const;
    bool Covers(HWND window, POINT clientPt) const;
};

struct ToolKey {
    HWND hwnd;
    UINT_PTR id = 0;
    friend bool operator==(const ToolKey&, const ToolKey&) = default;
};

// The tools of one tooltip control, identified by (hwnd, uId), in the order they were added.
class ToolList {
public:
    // False for a duplicate key.
    bool Add(Tool tool);
    bool Remove(ToolKey key);
    Tool* Find(ToolKey key);
    const Tool* At(size_t index) const;
    size_t Count() const { return m_tools.size(); }
    // The first tool covering clientPt of window.
    const Tool* FindAt(HWND window, POINT clientPt) const;
    // Whether a TTF_SUBCLASS tool watches window.
    bool Watches(HWND window) const;

private:
    std::vector<Tool> m_tools;
};

// TOOLINFOA as a caller passes it: cbSize 44 (the 32-bit size) or the native size.
bool ValidToolInfo(const TOOLINFOA* info);
// The tool described by info; text pointers that are not strings (null, a callback marker, a
// resource number) give an empty text.
Tool ToolFromInfo(const TOOLINFOA& info);
// Fills info from tool; the text only when info->lpszText is not null (bounded by capacity).
void FillToolInfo(const Tool& tool, TOOLINFOA& info, size_t capacity);

} // namespace win::controls

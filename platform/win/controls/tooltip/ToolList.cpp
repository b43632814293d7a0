#include "platform/win/controls/tooltip/ToolList.h"
#include "platform/base/Utf8.h"

#include "platform/win/rect/RectHelpers.h"
#include "platform/win/window/Geometry.h"

#include <algorithm>
#include <cstring>

namespace win::controls {

HWND Tool::Window() const {
    return flags & TTF_IDISHWND ? HWND::FromValue(static_cast<uint32_t>(id)) : hwnd;
}

bool Tool::Covers(HWND window, POINT clientPt) const {
    if (Window() != window) {
        return false;
    }
    if (flags & TTF_IDISHWND) {
        RECT client;
        return GetClientRect(window, &client) && PtInRect(&client, clientPt);
    }
    return PtInRect(&rect, clientPt) != FALSE;
}

bool ToolList::Add(Tool tool) {
    if (Find({tool.hwnd, tool.id})) {
        return false;
    }
    m_tools.push_back(std::move(tool));
    return true;
}

bool ToolList::Remove(ToolKey key) {
    return std::erase_if(m_tools, [&](const Tool& t) { return ToolKey{t.hwnd, t.id} == key; }) > 0;
}

Tool* ToolList::Find(ToolKey key) {
    const auto it = std::find_if(m_tools.begin(), m_tools.end(), [&](const Tool& t) {
        return ToolKey{t.hwnd, t.id} == key;
    });
    return it == m_tools.end() ? nullptr : &*it;
}

const Tool* ToolList::At(size_t index) const {
    return index < m_tools.size() ? &m_tools[index] : nullptr;
}

const Tool* ToolList::FindAt(HWND window, POINT clientPt) const {
    for (const Tool& tool : m_tools) {
        if (tool.Covers(window, clientPt)) {
            return &tool;
        }
    }
    return nullptr;
}

bool ToolList::Watches(HWND window) const {
    return std::any_of(m_tools.begin(), m_tools.end(), [&](const Tool& t) {
        return (t.flags & TTF_SUBCLASS) && t.Window() == window;
    });
}

bool ValidToolInfo(const TOOLINFOA* info) {
    return info && (info->cbSize == TTTOOLINFOA_V2_SIZE || info->cbSize == sizeof(TOOLINFOA));
}

Tool ToolFromInfo(const TOOLINFOA& info) {
    Tool tool;
    tool.flags = info.uFlags;
    tool.hwnd = info.hwnd;
    tool.id = info.uId;
    tool.rect = info.rect;
    tool.instance = info.hinst;
    tool.lParam = info.lParam;
    const auto address = reinterpret_cast<uintptr_t>(info.lpszText);
    if (address > 0xFFFF && address != UINTPTR_MAX) {
        tool.text = info.lpszText;
    }
    return tool;
}

void FillToolInfo(const Tool& tool, TOOLINFOA& info, size_t capacity) {
    info.uFlags = tool.flags;
    info.hwnd = tool.hwnd;
    info.uId = tool.id;
    info.rect = tool.rect;
    info.hinst = tool.instance;
    info.lParam = tool.lParam;
    if (info.lpszText) {
        base::CopyUtf8ToBuffer(tool.text, info.lpszText, capacity);
    }
}

} // namespace win::controls

#include "platform/win/input/Cursors.h"

#include "platform/display/Backend.h"
#include "platform/win/WinConstants.h"

#include <algorithm>
#include <array>
#include <map>

namespace win {

namespace {

constexpr std::array kStockCursors{
    IDC_ARROW,  IDC_IBEAM,  IDC_WAIT,    IDC_CROSS, IDC_UPARROW,     IDC_SIZENWSE, IDC_SIZENESW,
    IDC_SIZEWE, IDC_SIZENS, IDC_SIZEALL, IDC_NO,    IDC_APPSTARTING, IDC_HELP};

struct CursorTable {
    std::map<int, HCURSOR> stock;   // IDC id -> handle, kept for the process
    std::map<uint32_t, int> shapes; // handle value -> shape id
    HCURSOR current;
};

CursorTable& Table() {
    thread_local CursorTable table;
    return table;
}

int ShapeOf(HCURSOR cursor) {
    const auto& shapes = Table().shapes;
    const auto it = shapes.find(cursor.Value());
    return it == shapes.end() ? 0 : it->second;
}

} // namespace

HCURSOR LoadCursorA(HINSTANCE hInstance, int cursorId) {
    if (hInstance ||
        std::find(kStockCursors.begin(), kStockCursors.end(), cursorId) == kStockCursors.end()) {
        return nullptr;
    }
    CursorTable& table = Table();
    HCURSOR& cursor = table.stock[cursorId];
    if (!cursor) {
        cursor = HCURSOR::New();
        table.shapes[cursor.Value()] = cursorId;
    }
    return cursor;
}

HCURSOR SetCursor(HCURSOR cursor) {
    CursorTable& table = Table();
    if (cursor && !table.shapes.contains(cursor.Value())) {
        return table.current;
    }
    const HCURSOR previous = table.current;
    table.current = cursor;
    if (previous != cursor) {
        display::CurrentBackend().SetCursorShape(ShapeOf(cursor));
    }
    return previous;
}

HCURSOR GetCursor() {
    return Table().current;
}

namespace detail {

HCURSOR CreateCustomCursor(int shapeId) {
    const HCURSOR cursor = HCURSOR::New();
    Table().shapes[cursor.Value()] = shapeId;
    return cursor;
}

int CurrentCursorId() {
    return ShapeOf(Table().current);
}

void ResetCursor() {
    Table().current = LoadCursorA(nullptr, IDC_ARROW);
    display::CurrentBackend().SetCursorShape(IDC_ARROW);
}

} // namespace detail

} // namespace win

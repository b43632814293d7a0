#pragma once

// What the list's layout and editing tests reach inside the control: opening an editor the way
// the in-place edit does once its editors exist, and the row height.

#include "propertylist/control/ZAVeravuvuDudu.h"

namespace attrgrid {

struct GridTestAccess {
    // Opens `editor` over `row`, as starting an edit does (value, then shown, then open).
    static void OpenEditor(ZAVeravuvuDudu& grid, const ole::Ptr<CEditor>& editor,
                           const ole::Ptr<CNode>& row) {
        editor->Reset(ole::PtrCast<CProperty>(row->Property()), grid.m_editListener);
        editor->LetValue(row->Value());
        editor->LetVisible(true);
        grid.m_EditNode = row;
        grid.m_ActiveEditor = editor;
    }
    static void SetRowHeight(ZAVeravuvuDudu& grid, int32_t height) { grid.m_RowHeight = height; }
    static ole::Ptr<CEditorListener> Listener(const ZAVeravuvuDudu& grid) {
        return grid.m_editListener;
    }
    static ole::Ptr<CNode> EditNode(const ZAVeravuvuDudu& grid) { return grid.m_EditNode; }
    static ole::Ptr<ole::Collection> Editors(const ZAVeravuvuDudu& grid) { return grid.m_Editors; }
};

} // namespace attrgrid

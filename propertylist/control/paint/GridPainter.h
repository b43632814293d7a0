#pragma once

#include "propertylist/control/GridSettings.h"
#include "propertylist/model/property/CProperty.h"
#include "propertylist/model/rows/CNode.h"
#include "propertylist/model/rows/CNodes.h"

#include "shared/gdi/CResourceMgr.h"

#include "platform/ole/font/Font.h"
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace attrgrid {

// The stages of a custom-drawn value cell, as the PropertyDraw event reports them.
enum ksDrawStage : int32_t { ksPreErase = 0, ksPostErase = 1, ksPostDraw = 2 };

// Raises PropertyDraw to the host; bDoDefault is read back.
using PropertyDrawRaiser =
    std::function<void(win::HDC hdc, const ole::Ptr<CProperty>& property, int32_t cx, int32_t cy,
                       ksDrawStage stage, bool& bDoDefault)>;

// What one paint pass reads of the control. Built by the control for each pass.
struct GridPaintContext {
    const GridSettings& settings;
    // The control's Font, and the working font copied from it for bold or italic rows.
    const ole::Font& controlFont;
    ole::Font& drawFont;
    shared::CResourceMgr& resources;
    ole::Ptr<CNodes> activeNodes;
    // The rows the last layout placed where the grid can show them, top to bottom; a copy, as a
    // PropertyDraw handler may lay the rows out again mid-pass.
    std::vector<ole::Ptr<CNode>> laidOutRows;
    ole::Ptr<CNode> selectedNode;
    // The grid window's client rectangle, the header band's height in pixels (0 without
    // headers) and whether the scroll bar shows: the background picture's area.
    win::RECT clientRect{};
    int32_t headerPixels = 0;
    bool scrollBarVisible = false;
    PropertyDrawRaiser raisePropertyDraw;
};

// Paints the grid's rows straight onto a device context, only those meeting the update
// rectangle. Everything selected into the DC is restored before a call returns.
class GridPainter {
public:
    explicit GridPainter(const GridPaintContext& context) : m_context(context) {}

    // "Ag" in the font plus 4, made even; `previous` when the DC cannot be had.
    static int32_t CalcRowHeight(win::HWND gridWnd, win::HFONT treeFont, int32_t previous);

    void PaintGridArea(win::HDC hdc, const win::RECT& update);
    void DrawNodeRow(win::HDC hdc, const ole::Ptr<CNode>& node);

private:
    const GridPaintContext& m_context;
};

} // namespace attrgrid

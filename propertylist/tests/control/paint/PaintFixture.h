#pragma once

// Paints row trees built by CRowTrees onto a small memory surface with GridPainter, with the list
// stand-in in place of the control and rows placed by the grid's own rule.

#include "propertylist/control/RowPlacement.h"
#include "propertylist/control/paint/GridPainter.h"
#include "propertylist/model/property/CProperties.h"
#include "propertylist/model/property/CPropertyOwner.h"
#include "propertylist/model/rows/CRowTrees.h"
#include "propertylist/tests/support/ListStandIn.h"

#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/object/ObjectProbes.h"
#include "platform/win/Win.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/TestApi.h"
#include "testsupport/CleanPlatform.h"
#include "testsupport/MemoryCanvas.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace painttest {

using namespace attrgrid;

constexpr win::COLORREF kWhite = win::RGB(255, 255, 255);
constexpr win::COLORREF kBlack = win::RGB(0, 0, 0);
constexpr win::COLORREF kRed = win::RGB(255, 0, 0);
constexpr win::COLORREF kGreen = win::RGB(0, 255, 0);
constexpr win::COLORREF kBlue = win::RGB(0, 0, 255);
constexpr win::COLORREF kCream = win::RGB(255, 255, 200);
constexpr win::COLORREF kSky = win::RGB(170, 200, 255);
constexpr win::COLORREF kGrey = win::RGB(128, 128, 128);
constexpr win::COLORREF kNavy = win::RGB(0, 0, 128);
constexpr win::COLORREF kMagenta = win::RGB(255, 0, 255);

// A clean platform, an owner with both trees, fonts, a resource cache and a white 32-bit surface.
// The grid is kWidth pixels wide; the name column ends at kSplit; rows are kRowHeight high.
class PaintTest : public testsupport::CleanPlatform {
protected:
    static constexpr int kWidth = 160;
    static constexpr int kSplit = 80;
    static constexpr int kRowHeight = 20;
    static constexpr int kIndent = 12;

    void SetUp() override {
        CleanPlatform::SetUp();
        m_owner = test::ListStandIn::Create();
        GridSettings& s = m_owner->settings;
        s.propertyBackColor = static_cast<int32_t>(kCream);
        s.propertyForeColor = static_cast<int32_t>(kBlack);
        s.categoryBackColor = static_cast<int32_t>(kSky);
        s.categoryForeColor = static_cast<int32_t>(kNavy);
        s.highlightBackColor = static_cast<int32_t>(kBlue);
        s.highlightForeColor = static_cast<int32_t>(kWhite);
        s.lineColor = static_cast<int32_t>(kGrey);
        s.indentation = kIndent;
        s.activeView = 1;
        m_controlFont->SetName("Arial");
        m_controlFont->SetSize(ole::Currency{90000});
        m_resources = std::make_unique<shared::CResourceMgr>();
    }

    void TearDown() override {
        m_canvas.reset();
        m_resources.reset();
        m_selected.Reset();
        m_owner->trees.Clear();
        m_owner->properties->Clear();
        m_owner.Reset();
        CleanPlatform::TearDown();
    }

    GridSettings& Settings() { return m_owner->settings; }

    ole::Ptr<CProperty> Add(const std::string& name, const ole::Variant& value,
                            const std::string& category = "Misc",
                            int32_t editorType = shared::ksTextEditor) {
        return m_owner->Add(name, value, category, editorType, m_owner->SettingsLook());
    }

    ole::Ptr<CNodes> Active() const {
        return m_owner->settings.Categorized() ? m_owner->trees.Categorized()
                                               : m_owner->trees.Alphabetic();
    }

    // The visible rows in display order.
    std::vector<ole::Ptr<CNode>> Rows() const {
        std::vector<ole::Ptr<CNode>> rows;
        for (auto row = Active()->ItemByPosition("P0_I1"); row; row = row->NextVisibleNode())
            rows.push_back(row);
        return rows;
    }

    // Rows one under another across the surface, placed the grid's own way.
    void Layout(int scrolledRows = 0) {
        const RowPlacement placement{kWidth, kSplit, kWidth - 1, kRowHeight};
        int64_t y = -scrolledRows * kRowHeight;
        for (const auto& row : Rows()) {
            placement.Place(*row, y, Settings());
            y += kRowHeight;
        }
    }

    GridPaintContext Context() {
        return GridPaintContext{.settings = Settings(),
                                .controlFont = *m_controlFont,
                                .drawFont = *m_drawFont,
                                .resources = *m_resources,
                                .activeNodes = Active(),
                                .laidOutRows = Rows(),
                                .selectedNode = m_selected,
                                .clientRect = {0, 0, kWidth, m_height},
                                .headerPixels = 0,
                                .scrollBarVisible = false,
                                .raisePropertyDraw = m_raiser};
    }

    // A white surface as wide as the grid.
    win::HDC Surface(int height = 100) {
        m_canvas.reset();
        m_height = height;
        m_dc = m_canvas.emplace(kWidth, height).Dc();
        return m_dc;
    }

    // Lays the rows out and paints the whole surface in one pass.
    void Paint(int height = 100) {
        Surface(height);
        Layout();
        const auto context = Context();
        GridPainter(context).PaintGridArea(m_dc, {0, 0, kWidth, height});
    }

    win::COLORREF At(int x, int y) const { return m_canvas->At(x, y); }
    int Count(const win::RECT& rect, win::COLORREF color) const {
        return m_canvas->Count(rect, color);
    }
    int Ink(const win::RECT& rect, win::COLORREF background) const {
        return m_canvas->Ink(rect, background);
    }
    // The leftmost column in `rect` holding a pixel other than `background`, or nullopt.
    std::optional<int> FirstInkColumn(const win::RECT& rect, win::COLORREF background) const {
        if (const auto ink = m_canvas->InkBounds(rect, background))
            return ink->left;
        return std::nullopt;
    }

    ole::Ptr<test::ListStandIn> m_owner;
    ole::Ptr<ole::Font> m_controlFont = ole::Font::Create();
    ole::Ptr<ole::Font> m_drawFont = ole::Font::Create();
    std::unique_ptr<shared::CResourceMgr> m_resources;
    ole::Ptr<CNode> m_selected;
    PropertyDrawRaiser m_raiser;
    std::optional<testsupport::MemoryCanvas> m_canvas;
    win::HDC m_dc;
    int m_height = 0;
};

} // namespace painttest

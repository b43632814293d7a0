#pragma once

#include "platform/forms/controls/StandardControls.h"
#include "platform/forms/controls/picturebox/PictureBox.h"
#include "platform/forms/form/Form.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/UnhandledError.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/object/ObjectProbes.h"
#include "platform/win/Win.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/TestApi.h"
#include "propertylist/control/splitter/CSplitter.h"
#include "testsupport/CleanPlatform.h"

#include <gtest/gtest.h>

namespace attrgrid::splittertest {

// A shown form with a border-less container picture box split between two border-less picture
// boxes, its mouse, double-click and resize events forwarded to a CSplitter the way the property
// list forwards them, on a clean platform.
class SplitterTest : public testsupport::CleanPlatform {
protected:
    // The container's top-left in the form's client area, in pixels.
    static constexpr win::POINT kOrigin{10, 10};

    void SetUp() override {
        CleanPlatform::SetUp();
        forms::RegisterStandardControls();
        m_form = forms::Form::Create("frmSplit");
        m_form->LoadForm();
        m_form->Show(ole::Variant::Missing(), ole::Variant::Missing());
        win::test::pump();
    }

    void TearDown() override {
        if (m_splitter)
            ole::DisconnectEvents(m_splitter, m_locationCookie);
        if (m_container)
            ole::DisconnectEvents(m_container, m_containerCookie);
        m_splitter = nullptr;
        m_pane1 = m_pane2 = nullptr;
        m_container = nullptr;
        m_form->UnloadForm();
        m_form = nullptr;
        CleanPlatform::TearDown();
    }

    // Builds container and panes (sizes in pixels) and a splitter initialised on them.
    void Build(int32_t orientation, int width = 400, int height = 300, int16_t scaleMode = 1) {
        // Room for the container and the frame (15 twips per pixel).
        m_form->Move(0, ole::Variant(0.0f), ole::Variant((width + 60) * 15.0f),
                     ole::Variant((height + 80) * 15.0f));
        m_container = forms::PictureBox::Create();
        m_container->SetBorderStyle(0);
        m_form->AddControl(m_container, "picContainer", {},
                           {kOrigin.x, kOrigin.y, kOrigin.x + width, kOrigin.y + height});
        m_container->SetScaleMode(scaleMode);
        m_pane1 = MakePane("picFirst");
        m_pane2 = MakePane("picSecond");
        m_splitter = CSplitter::Create();
        ForwardContainerEvents();
        m_splitter->init(m_container, m_pane1, m_pane2, orientation);
        win::test::pump();
    }

    ole::Ptr<forms::PictureBox> MakePane(std::string name) {
        auto pane = forms::PictureBox::Create();
        pane->SetBorderStyle(0);
        m_form->AddControl(pane, std::move(name), m_container, {0, 0, 10, 10});
        return pane;
    }

    void ForwardContainerEvents() {
        namespace ev = forms::eventid;
        auto sink = ole::EventSink::Create();
        const ole::WeakRef<CSplitter> weak(m_splitter);
        using MouseMethod = void (CSplitter::*)(int16_t, int16_t, float, float);
        auto mouse = [weak](MouseMethod method) {
            return [weak, method](std::span<ole::Variant> a) {
                if (auto splitter = weak.Lock())
                    (splitter.Get()->*method)(ole::CInt(a[0]), ole::CInt(a[1]), ole::CSng(a[2]),
                                              ole::CSng(a[3]));
            };
        };
        auto plain = [weak](void (CSplitter::*method)()) {
            return [weak, method](std::span<ole::Variant>) {
                if (auto splitter = weak.Lock())
                    (splitter.Get()->*method)();
            };
        };
        sink->On(ev::MouseDown, mouse(&CSplitter::ContainerMouseDown))
            .On(ev::MouseMove, mouse(&CSplitter::ContainerMouseMove))
            .On(ev::MouseUp, mouse(&CSplitter::ContainerMouseUp))
            .On(ev::DblClick, plain(&CSplitter::ContainerDblClick))
            .On(ev::Resize, plain(&CSplitter::ContainerResize));
        m_containerCookie = ole::ConnectEvents(m_container, sink);

        auto counter = ole::EventSink::Create();
        counter->On(CSplitter::LocationChanged, [this](std::span<ole::Variant>) { ++m_moves; })
            .On(CSplitter::SplitterDblClick, [this](std::span<ole::Variant>) { ++m_dblClicks; });
        m_locationCookie = ole::ConnectEvents(m_splitter, counter);
    }

    // A point of the container's client area in screen pixels.
    static win::POINT Screen(const forms::Control& control, win::POINT client) {
        win::ClientToScreen(control.Window(), &client);
        return client;
    }
    win::POINT OnContainer(int x, int y) const { return Screen(*m_container, {x, y}); }

    static win::RECT Bounds(const forms::Control& pane) { return pane.PixelBounds(); }

    ole::Ptr<forms::Form> m_form;
    ole::Ptr<forms::PictureBox> m_container;
    ole::Ptr<forms::PictureBox> m_pane1;
    ole::Ptr<forms::PictureBox> m_pane2;
    ole::Ptr<CSplitter> m_splitter;
    int m_moves = 0;
    int m_dblClicks = 0;

private:
    uint32_t m_containerCookie = 0;
    uint32_t m_locationCookie = 0;
};

} // namespace attrgrid::splittertest

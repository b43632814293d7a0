#include "propertylist/control/ZAVeravuvuDudu.h"

#include "propertylist/control/GridGeometry.h"
#include "propertylist/editors/CCusDialogListener.h"

#include "propertylist/library/AttrgridTypes.h"
#include "propertylist/library/LibraryObjects.h"

#include "platform/forms/app/App.h"
#include "platform/forms/control/ControlIds.h"
#include "platform/forms/host/Ambient.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/win/Win.h"
#include "platform/win/controls/common/CommonControls.h"

#include <algorithm>
#include <array>

namespace attrgrid {

using ole::ResumeNext;

namespace {

constexpr int16_t kTwips = 1;
// Size of the background panel before the first Resize: any non-zero extent keeps the
// description pane's share when the splitter scales its panes on that Resize.
constexpr int32_t kInitialWidth = 240;
constexpr int32_t kInitialHeight = 200;

} // namespace

ZAVeravuvuDudu::ZAVeravuvuDudu() = default;

ZAVeravuvuDudu::~ZAVeravuvuDudu() {
    // A control dropped without Terminate still leaves its children's connection points clean;
    // the members let go of the rest. No setter runs here: the object is already dying.
    for (auto& connection : m_connections)
        ResumeNext([&] { ole::DisconnectEvents(connection.first, connection.second); });
}

ole::Ptr<ZAVeravuvuDudu> ZAVeravuvuDudu::Create() {
    return ole::MakeObject<ZAVeravuvuDudu>();
}

void ZAVeravuvuDudu::Register() {
    AttrgridTypes::RegisterOnce();
    ole::ClassFlags flags;
    flags.control = true;
    ole::RegisterClass(
        kProgId, Info().ClassId(), [] { return ole::Ptr<ole::Object>(Create()); }, &Info(), flags);
}

// ---- Life-cycle notifications ----

void ZAVeravuvuDudu::OnInitialize() {
    m_ResourceMgr = std::make_shared<shared::CResourceMgr>();
    m_Font = ole::Font::Create();
    m_DrawFont = ole::Font::Create();
    m_editListener = CEditorListener::Create();
    m_CusDlgListener = CCusDialogListener::Create();
    m_Tooltip = std::make_unique<shared::CTooltip>();
    m_CProperties = CProperties::Create();
    m_Rows = std::make_unique<CRowTrees>();
    LibraryObjects::Track(m_CProperties.Get());
    LibraryObjects::Track(m_editListener.Get());
    m_settings.categorySeparator = "|";
    m_settings.defaultCategory = "Misc";
    const win::INITCOMMONCONTROLSEX init{.dwSize = sizeof(win::INITCOMMONCONTROLSEX),
                                         .dwICC = 0xFF};
    win::InitCommonControlsEx(&init);
    m_settings.showDescription = true;
    m_settings.showTabs = true;
    m_settings.showToolTip = true;
    m_settings.sortOnHeaderClick = true;
}

void ZAVeravuvuDudu::OnResize() {
    if (m_released)
        return;
    ole::Ptr<ZAVeravuvuDudu> self(this);
    ResumeNext([&] {
        if (m_picBG)
            m_picBG->Move(0, ole::Variant(0.0F), ole::Variant(ScaleWidth()),
                          ole::Variant(ScaleHeight()));
    });
    ResumeNext([&] {
        if (m_ActiveEditor)
            CommitActiveEditor();
    });
    ResumeNext([&] {
        if (m_runtimeReady)
            LayoutControls();
    });
}

void ZAVeravuvuDudu::OnAmbientChanged(const std::string& name) {
    // The container names the member exactly; other spellings are not the ScaleUnits change.
    if (m_released || !m_runtimeReady || name != "ScaleUnits")
        return;
    ResumeNext([&] { ApplyScaleUnits(GetAmbient()->ScaleUnits()); });
}

void ZAVeravuvuDudu::OnTerminate() {
    ReleaseResources();
}

// ---- Run-time set-up ----

void ZAVeravuvuDudu::InitRuntime() {
    if (m_runtimeReady || m_released)
        return;
    m_runtimeReady = true;
    const bool userMode = GetAmbient()->UserMode();
    CreateChildren();
    m_GridWnd = m_picTreeContainer->Window();
    if (userMode)
        InstallGridSubclass();
    m_HeaderHeight = 19;
    m_CProperties->SetOwner(ole::Ptr<ole::Object>(this));
    m_Rows->InitTrees(ole::PtrOfObject(this));
    m_ActiveNodes = m_Rows->Alphabetic();
    CreateBuiltinEditors();
    ResumeNext([&] { CalcRowHeight(); });
    ResumeNext([&] {
        m_Tooltip->init(m_GridWnd);
        m_Tooltip->AddTool(static_cast<win::UINT_PTR>(m_GridWnd.Value()), false, 0, 0, 0, 0, "");
    });

    m_HeaderSplitter = CSplitter::Create();
    m_HeaderSplitter->init(m_picHeaderContainer, m_picNameHeader, m_picValueHeader,
                           CSplitter::Vertical);
    const float onePixel = m_picHeaderContainer->DoScaleX(
        1.0F, ole::Variant(forms::ModeValue(forms::ScaleMode::Pixels)),
        ole::Variant(m_picHeaderContainer->GetScaleMode()));
    m_HeaderSplitter->LetSplitterbarSize(grid::ToBarSize(onePixel));
    m_HeaderSplitter->LetSplitterLocation(m_picHeaderContainer->GetScaleWidth() / 2);

    m_ContainerSplitter = CSplitter::Create();
    m_ContainerSplitter->init(m_picBG, m_picTabContainer, m_picDescPane, CSplitter::Horizontal);
    const float backgroundHeight = m_picBG->GetScaleHeight();
    m_ContainerSplitter->LetSplitterLocation(backgroundHeight - backgroundHeight / 5);

    ConnectChildEvents();
    if (userMode)
        forms::App::Component(kLibraryName).SetHelpFile("");
}

// The panels nest as the layout expects: background > tab strip > grid > header strip > headers,
// and background > description pane. Every panel keeps twips and has no border.
void ZAVeravuvuDudu::CreateChildren() {
    win::RECT client{};
    win::GetClientRect(hWnd(), &client);
    const int32_t width = std::max<int32_t>(client.right, kInitialWidth);
    const int32_t height = std::max<int32_t>(client.bottom, kInitialHeight);

    auto addPanel = [&](ole::Ptr<forms::PictureBox>& panel, const char* name,
                        const ole::Ptr<forms::PictureBox>& container, const win::RECT& bounds) {
        panel = forms::PictureBox::Create();
        AddConstituent(panel, name, bounds, true);
        panel->SetBorderStyle(0);
        panel->SetScaleMode(kTwips);
        if (container)
            panel->SetContainer(ole::Ptr<ole::Object>(container));
        panel->SetPixelBounds(bounds);
    };
    const int32_t descTop = height - height / 5;
    addPanel(m_picBG, "m_picBG", nullptr, {0, 0, width, height});
    addPanel(m_picTabContainer, "m_picTabContainer", m_picBG, {0, 0, width, descTop - 4});
    addPanel(m_picDescPane, "m_picDescPane", m_picBG, {0, descTop, width, height});
    addPanel(m_picTreeContainer, "m_picTreeContainer", m_picTabContainer,
             {0, 0, width, descTop - 4});
    addPanel(m_picHeaderContainer, "m_picHeaderContainer", m_picTreeContainer, {0, 0, width, 19});
    addPanel(m_picNameHeader, "m_picNameHeader", m_picHeaderContainer, {0, 0, width / 2, 19});
    addPanel(m_picValueHeader, "m_picValueHeader", m_picHeaderContainer,
             {width / 2 + 1, 0, width, 19});

    const int32_t barWidth = win::GetSystemMetrics(win::SM_CXVSCROLL);
    m_VScroll = forms::VScrollBar::Create();
    AddConstituent(m_VScroll, "m_VScroll", {width - barWidth, 19, width, descTop - 4}, false);
    m_VScroll->SetContainer(ole::Ptr<ole::Object>(m_picTreeContainer));

    m_lblDummy = forms::Label::Create();
    AddConstituent(m_lblDummy, "m_lblDummy", {0, 0, 10, 10}, false);
    m_lblDummy->SetContainer(ole::Ptr<ole::Object>(m_picTabContainer));
    m_lblDummy->SetAutoSize(true);

    m_TextEditor = forms::TextBox::Create();
    AddConstituent(m_TextEditor, "m_TextEditor", {0, 0, 10, 10}, false);
    m_TextEditor->SetBorderStyle(0);
    m_TextEditor->SetContainer(ole::Ptr<ole::Object>(m_picTreeContainer));

    // The list box and colour picker come from their own libraries; without them the list and
    // colour editors have no control to show.
    auto addHosted = [&](ole::Ptr<ole::Object>& member, std::string_view progId, const char* name) {
        ResumeNext([&] {
            ole::Ptr<forms::Control> control = AddConstituent(progId, name, {0, 0, 10, 10}, false);
            member = control;
        });
    };
    addHosted(m_ListEditor, "Rowbox.KSListBox", "m_ListEditor");
    addHosted(m_ColorEditor, "Huechooser.KSColorPicker", "m_ColorEditor");
}

ole::EventSink::Handler ZAVeravuvuDudu::ChildHandler(ChildEventHandler handler) {
    ole::WeakRef<ZAVeravuvuDudu> weak(this);
    // Each handler holds the control for the length of the call: a handler may drop the host's
    // last reference. Failures stay inside the handler.
    return [weak, handler = std::move(handler)](std::span<ole::Variant> args) {
        ole::Ptr<ZAVeravuvuDudu> self = weak.Lock();
        if (!self || self->m_released)
            return;
        ResumeNext([&] { handler(*self, args); });
    };
}

void ZAVeravuvuDudu::ConnectChild(const ole::Ptr<ole::Object>& source,
                                  const ole::Ptr<ole::EventSink>& sink) {
    if (!source)
        return;
    m_connections.emplace_back(source, ole::ConnectEvents(source, sink));
}

void ZAVeravuvuDudu::ConnectChildEvents() {
    auto on = [this](ChildEventHandler handler) { return ChildHandler(std::move(handler)); };
    auto connect = [this](const ole::Ptr<ole::Object>& source,
                          const ole::Ptr<ole::EventSink>& sink) { ConnectChild(source, sink); };
    using Args = std::span<ole::Variant>;
    auto mouse = [](void (CSplitter::*method)(int16_t, int16_t, float, float),
                    ole::Ptr<CSplitter> ZAVeravuvuDudu::*splitter) {
        return [method, splitter](ZAVeravuvuDudu& self, Args args) {
            if (self.*splitter && args.size() >= 4)
                ((*(self.*splitter)).*method)(ole::CInt(args[0]), ole::CInt(args[1]),
                                              ole::CSng(args[2]), ole::CSng(args[3]));
        };
    };
    // A splitter's container forwards its mouse, double-click and resize events to it.
    auto splitterContainer = [&](ole::Ptr<CSplitter> ZAVeravuvuDudu::*splitter) {
        ole::Ptr<ole::EventSink> sink = ole::EventSink::Create();
        sink->On(forms::eventid::MouseDown, on(mouse(&CSplitter::ContainerMouseDown, splitter)))
            .On(forms::eventid::MouseMove, on(mouse(&CSplitter::ContainerMouseMove, splitter)))
            .On(forms::eventid::MouseUp, on(mouse(&CSplitter::ContainerMouseUp, splitter)))
            .On(forms::eventid::DblClick, on([splitter](ZAVeravuvuDudu& self, Args) {
                    if (self.*splitter)
                        (self.*splitter)->ContainerDblClick();
                }))
            .On(forms::eventid::Resize, on([splitter](ZAVeravuvuDudu& self, Args) {
                    if (self.*splitter)
                        (self.*splitter)->ContainerResize();
                }));
        return sink;
    };
    connect(m_picBG, splitterContainer(&ZAVeravuvuDudu::m_ContainerSplitter));
    connect(m_picHeaderContainer, splitterContainer(&ZAVeravuvuDudu::m_HeaderSplitter));

    ole::Ptr<ole::EventSink> tabs = ole::EventSink::Create();
    tabs->On(forms::eventid::Resize,
             on([](ZAVeravuvuDudu& self, Args) { self.OnTabContainerResize(); }));
    connect(m_picTabContainer, tabs);

    ole::Ptr<ole::EventSink> grid = ole::EventSink::Create();
    grid->On(forms::eventid::Paint,
             on([](ZAVeravuvuDudu& self, Args) { self.OnTreeContainerPaint(); }));
    connect(m_picTreeContainer, grid);

    ole::Ptr<ole::EventSink> headerSplitter = ole::EventSink::Create();
    headerSplitter->On(CSplitter::LocationChanged, on([](ZAVeravuvuDudu& self, Args) {
                           self.OnHeaderSplitterLocationChanged();
                       }));
    connect(m_HeaderSplitter, headerSplitter);

    ole::Ptr<ole::EventSink> containerSplitter = ole::EventSink::Create();
    containerSplitter->On(CSplitter::LocationChanged, on([](ZAVeravuvuDudu& self, Args) {
                              self.OnContainerSplitterLocationChanged();
                          }));
    connect(m_ContainerSplitter, containerSplitter);

    ole::Ptr<ole::EventSink> properties = ole::EventSink::Create();
    auto propertyOf = [](Args args) {
        return args.empty() ? ole::Ptr<CProperty>() : ole::PtrCast<CProperty>(args[0].AsObject());
    };
    properties
        ->On(CProperties::PropertyAdded, on([propertyOf](ZAVeravuvuDudu& self, Args args) {
                 const ole::Ptr<CProperty> property = propertyOf(args);
                 LibraryObjects::Track(property.Get());
                 self.OnPropertyAdded(property);
             }))
        .On(CProperties::PropertyDeleted, on([propertyOf](ZAVeravuvuDudu& self, Args args) {
                self.OnPropertyDeleted(propertyOf(args));
            }))
        .On(CProperties::PropertiesCleared,
            on([](ZAVeravuvuDudu& self, Args) { self.OnPropertiesCleared(); }));
    connect(m_CProperties, properties);

    ole::Ptr<ole::EventSink> editListener = ole::EventSink::Create();
    auto editorOf = [](Args args) {
        return args.empty() ? ole::Ptr<ole::Object>() : args[0].AsObject();
    };
    editListener
        ->On(CEditorListener::CommitEdit, on([editorOf](ZAVeravuvuDudu& self, Args args) {
                 self.OnEditorCommitEdit(editorOf(args));
             }))
        .On(CEditorListener::CancelEdit, on([editorOf](ZAVeravuvuDudu& self, Args args) {
                self.OnEditorCancelEdit(editorOf(args));
            }));
    connect(m_editListener, editListener);

    ole::Ptr<ole::EventSink> font = ole::EventSink::Create();
    font->On(ole::Font::DISPID_FONTCHANGED,
             on([](ZAVeravuvuDudu& self, Args) { self.OnFontChanged(); }));
    connect(m_Font, font);

    ConnectInputEvents();
    ConnectHeaderEvents();
    ConnectPaneEvents();
    ConnectEditorEvents();
}

// Runs once per attribute that changed. The strip and the measuring label take the font first so
// the tabs are measured in it; the layout then resizes the tabs, which a bold or a new face
// changes without changing the header height (the one case ApplyFonts lays out for).
void ZAVeravuvuDudu::OnFontChanged() {
    if (m_released || !m_Font)
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    if (m_picTabContainer)
        ResumeNext([&] { m_picTabContainer->SetFont(m_Font); });
    if (m_lblDummy)
        ResumeNext([&] { m_lblDummy->SetFont(m_Font); });
    ResumeNext([&] { ApplyFonts(); });
    if (m_settings.showTabs)
        ResumeNext([&] { LayoutControls(); });
    ResumeNext([&] { Refresh(); });
}

// ---- Teardown ----

// Runs from the grid's WM_DESTROY and again from Terminate; the second run finds nothing left.
// Plain fields stay, so a WriteProperties in between still writes them.
void ZAVeravuvuDudu::ReleaseResources() {
    if (m_released)
        return;
    ole::Ptr<ZAVeravuvuDudu> self(this);
    ResumeNext([&] {
        m_EditNode = nullptr;
        m_SelectedNode = nullptr;
        m_ActiveEditor = nullptr;
        m_settings.picture = nullptr;
    });
    ResumeNext([&] { LetLockRefresh(true); });
    ResumeNext([&] { LetSorted(false); });
    ResumeNext([&] {
        if (m_CProperties)
            m_CProperties->Clear();
    });
    for (auto& connection : m_connections)
        ResumeNext([&] { ole::DisconnectEvents(connection.first, connection.second); });
    m_connections.clear();
    m_CProperties = nullptr;
    m_ActiveNodes = nullptr;
    m_LaidOut.clear();
    m_Rows.reset();
    ResumeNext([&] {
        if (m_Editors) {
            while (m_Editors->Count() > 0)
                m_Editors->RemoveAt(1);
        }
    });
    m_Editors = nullptr;
    m_Tooltip.reset();
    m_editListener = nullptr;
    m_CusDlgListener = nullptr;
    m_Font = nullptr;
    m_DrawFont = nullptr;
    m_TypeInfoApp = nullptr;
    m_HeaderSplitter = nullptr;
    m_ContainerSplitter = nullptr;
    ResumeNext([&] { RemoveGridSubclass(); });
    m_GridSubclassed = false;
    m_ResourceMgr.reset();

    // The surface keeps its constituents until the site goes; the control lets go of its own.
    m_picBG = nullptr;
    m_picTabContainer = nullptr;
    m_picTreeContainer = nullptr;
    m_picHeaderContainer = nullptr;
    m_picNameHeader = nullptr;
    m_picValueHeader = nullptr;
    m_picDescPane = nullptr;
    m_VScroll = nullptr;
    m_lblDummy = nullptr;
    m_TextEditor = nullptr;
    m_ListEditor = nullptr;
    m_ColorEditor = nullptr;
    m_GridWnd = {};
    m_released = true;
}

// ---- Helpers for the rest of the control ----

void ZAVeravuvuDudu::Raise(EventId id, std::span<ole::Variant> args) {
    ole::Ptr<ZAVeravuvuDudu> self(this);
    RaiseEvent(id, args);
}

forms::PictureBox* ZAVeravuvuDudu::Panel(std::string_view name) const {
    const std::array<std::pair<std::string_view, const ole::Ptr<forms::PictureBox>*>, 7> panels{{
        {"m_picBG", &m_picBG},
        {"m_picTabContainer", &m_picTabContainer},
        {"m_picTreeContainer", &m_picTreeContainer},
        {"m_picHeaderContainer", &m_picHeaderContainer},
        {"m_picNameHeader", &m_picNameHeader},
        {"m_picValueHeader", &m_picValueHeader},
        {"m_picDescPane", &m_picDescPane},
    }};
    for (const auto& [panelName, panel] : panels) {
        if (panelName == name)
            return panel->Get();
    }
    return nullptr;
}

ole::Ptr<CNodes> ZAVeravuvuDudu::AlphabeticNodes() const {
    return m_Rows ? m_Rows->Alphabetic() : nullptr;
}

ole::Ptr<CNodes> ZAVeravuvuDudu::CategorizedNodes() const {
    return m_Rows ? m_Rows->Categorized() : nullptr;
}

ole::Ptr<CProperty> ZAVeravuvuDudu::NodeProperty(std::string_view internalKey) {
    if (!m_CProperties)
        return nullptr;
    try {
        return m_CProperties->ItemByInternalKey(internalKey);
    } catch (const ole::Error&) {
        return nullptr;
    }
}

} // namespace attrgrid

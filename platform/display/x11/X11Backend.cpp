#include "platform/display/x11/X11Backend.h"

#include "platform/base/Clock.h"
#include "platform/base/Utf8.h"
#include "platform/display/x11/CursorGlyphs.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

namespace display {

namespace {

constexpr long kSurfaceEvents = ExposureMask | StructureNotifyMask | FocusChangeMask |
                                PropertyChangeMask | KeyPressMask | KeyReleaseMask |
                                ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                                EnterWindowMask | LeaveWindowMask | KeymapStateMask;
constexpr unsigned kGrabEvents = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
constexpr long kNetWmStateAdd = 1;
constexpr long kNetWmStateRemove = 0;
// Tells a window manager that a request comes from an application, not a pager.
constexpr long kFromApplication = 1;

bool IsTrueColourBgra(Display* d, int screen) {
    const Visual* visual = DefaultVisual(d, screen);
    const int depth = DefaultDepth(d, screen);
    if (visual->c_class != TrueColor || visual->red_mask != 0xFF0000 ||
        visual->green_mask != 0xFF00 || visual->blue_mask != 0xFF || (depth != 24 && depth != 32)) {
        return false;
    }
    int count = 0;
    XPixmapFormatValues* formats = XListPixmapFormats(d, &count);
    bool fits = false;
    for (int i = 0; i < count; ++i) {
        fits = fits || (formats[i].depth == depth && formats[i].bits_per_pixel == 32);
    }
    XFree(formats);
    return fits;
}

// Serials grow by one per request and wrap; a is older than b when the difference is negative.
bool OlderThan(unsigned long a, unsigned long b) {
    return static_cast<long>(a - b) < 0;
}

bool SameRect(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Latin1(std::string_view utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        const base::Utf8Step step = base::DecodeUtf8(utf8, i);
        out += step.code <= 0xFF && step.code != 0 ? static_cast<char>(step.code) : '?';
        i += step.length;
    }
    return out;
}

unsigned Extent(int from, int to) {
    return static_cast<unsigned>(std::max(to - from, 1));
}

// The frame a window manager reports is plausible thickness, not garbage or a hostile value.
bool PlausibleExtents(const std::vector<long>& e) {
    constexpr long kMostPixels = 1024;
    return e.size() == 4 &&
           std::all_of(e.begin(), e.end(), [](long v) { return v >= 0 && v <= kMostPixels; }) &&
           std::any_of(e.begin(), e.end(), [](long v) { return v > 0; });
}

} // namespace

std::unique_ptr<X11Backend> X11Backend::Open(const char* displayName, std::string* error) {
    std::unique_ptr<X11Connection> connection = X11Connection::Open(displayName, error);
    if (!connection) {
        return nullptr;
    }
    if (!IsTrueColourBgra(connection->Get(), connection->Screen())) {
        if (error) {
            *error = "the display's visual is not 24-bit true colour";
        }
        return nullptr;
    }
    return std::make_unique<X11Backend>(std::move(connection));
}

X11Backend* X11Backend::Install(const char* displayName, std::string* error) {
    std::unique_ptr<X11Backend> backend = Open(displayName, error);
    X11Backend* installed = backend.get();
    if (installed) {
        InstallBackend(std::move(backend));
        base::Clock::UseRealTime(true);
    }
    return installed;
}

X11Backend::X11Backend(std::unique_ptr<X11Connection> connection)
    : m_x(std::move(connection)), m_input(*m_x) {
    // Held keys repeat as presses without releases in between, as the platform's key messages do.
    XkbSetDetectableAutoRepeat(m_x->Get(), True, nullptr);
}

X11Backend::~X11Backend() {
    ReleaseGrab();
    while (!m_surfaces.empty()) {
        DestroySurface(m_surfaces.begin()->first);
    }
    ReleaseCursorsWhenIdle();
    XSync(m_x->Get(), False);
}

void X11Backend::CreateSurface(uint32_t id, Rect r, const SurfaceTraits& traits) {
    DestroySurface(id);
    Display* d = m_x->Get();
    XSetWindowAttributes attrs{};
    attrs.background_pixmap = None;
    attrs.bit_gravity = NorthWestGravity;
    // Tooltips, drop-down lists and menus must appear where the platform puts them, unframed and
    // without ever taking the focus.
    attrs.override_redirect = traits.mayActivate ? False : True;
    attrs.event_mask = kSurfaceEvents;
    unsigned long mask = CWBackPixmap | CWBitGravity | CWOverrideRedirect | CWEventMask;
    if (m_cursorShape) {
        attrs.cursor = CursorFor(*m_cursorShape);
        mask |= CWCursor;
    }
    const Window window = XCreateWindow(d, m_x->Root(), r.left, r.top, Extent(r.left, r.right),
                                        Extent(r.top, r.bottom), 0, CopyFromParent, InputOutput,
                                        static_cast<Visual*>(CopyFromParent), mask, &attrs);
    DescribeToWindowManager(window, r, traits);
    Surface& s = m_surfaces[id];
    s.window = window;
    s.gc = XCreateGC(d, window, 0, nullptr);
    s.rect = r;
    s.framed = traits.mayActivate && !traits.borderless;
    m_ids[window] = id;
}

void X11Backend::DescribeToWindowManager(unsigned long window, Rect r,
                                         const SurfaceTraits& traits) {
    Display* d = m_x->Get();
    const X11Connection::Atoms& atoms = m_x->Atom();
    Atom deleteWindow = atoms.wmDeleteWindow;
    XSetWMProtocols(d, window, &deleteWindow, 1);
    XSizeHints size{};
    // Static gravity: a framing window manager keeps the window itself where the platform put
    // it and builds its frame around it, so geometry reports do not shift it by the frame.
    size.flags = USPosition | USSize | PPosition | PSize | PWinGravity;
    size.win_gravity = StaticGravity;
    size.x = r.left;
    size.y = r.top;
    size.width = static_cast<int>(Extent(r.left, r.right));
    size.height = static_cast<int>(Extent(r.top, r.bottom));
    XSetWMNormalHints(d, window, &size);
    XWMHints hints{};
    hints.flags = InputHint | StateHint;
    hints.input = traits.mayActivate ? True : False;
    hints.initial_state = NormalState;
    XSetWMHints(d, window, &hints);
    if (const Surface* owner = Find(traits.ownerId)) {
        XSetTransientForHint(d, window, owner->window);
    }
    if (traits.mayActivate && traits.borderless) {
        // A borderless window that takes the focus (a drop-down form) is a utility window the
        // window manager neither titles nor frames.
        Atom utility = atoms.netWmWindowTypeUtility;
        XChangeProperty(d, window, atoms.netWmWindowType, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&utility), 1);
        constexpr long kDecorationsFlag = 2;
        const std::array<long, 5> motif{kDecorationsFlag, 0, 0, 0, 0};
        XChangeProperty(d, window, atoms.motifWmHints, atoms.motifWmHints, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(motif.data()),
                        static_cast<int>(motif.size()));
    }
}

void X11Backend::DestroySurface(uint32_t id) {
    const auto it = m_surfaces.find(id);
    if (it == m_surfaces.end()) {
        return;
    }
    Display* d = m_x->Get();
    XFreeGC(d, it->second.gc);
    XDestroyWindow(d, it->second.window);
    m_ids.erase(it->second.window);
    m_surfaces.erase(it);
    if (m_activeId == id) {
        m_activeId = 0;
    }
    ReleaseCursorsWhenIdle();
}

void X11Backend::Present(uint32_t id, Rect damage, std::span<const uint32_t> bgra, int width,
                         int height) {
    // An unmapped window shows nothing; it is sent whole when the server exposes it.
    Surface* s = Find(id);
    if (!s || !s->mapped || width <= 0 || height <= 0 ||
        bgra.size() < static_cast<size_t>(width) * static_cast<size_t>(height)) {
        return;
    }
    // Under a window manager's frame only the inside of the extents shows.
    const Insets e = s->extents.value_or(Insets{});
    const int left = std::max(damage.left, e.left);
    const int top = std::max(damage.top, e.top);
    const int right = std::min(damage.right, width - e.right);
    const int bottom = std::min(damage.bottom, height - e.bottom);
    if (left >= right || top >= bottom) {
        return;
    }
    // The framebuffer's words are 0xAARRGGBB in host order; the server ignores the top byte.
    XImage image{};
    image.width = width;
    image.height = height;
    image.format = ZPixmap;
    image.data = const_cast<char*>(reinterpret_cast<const char*>(bgra.data()));
    image.byte_order = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
    image.bitmap_unit = 32;
    image.bitmap_bit_order = image.byte_order;
    image.bitmap_pad = 32;
    image.depth = DefaultDepth(m_x->Get(), m_x->Screen());
    image.bytes_per_line = width * 4;
    image.bits_per_pixel = 32;
    image.red_mask = 0xFF0000;
    image.green_mask = 0xFF00;
    image.blue_mask = 0xFF;
    if (!XInitImage(&image)) {
        return;
    }
    XPutImage(m_x->Get(), s->window, s->gc, &image, left, top, left - e.left, top - e.top,
              static_cast<unsigned>(right - left), static_cast<unsigned>(bottom - top));
}

void X11Backend::MoveResize(uint32_t id, Rect r) {
    Surface* s = Find(id);
    if (!s || SameRect(s->rect, r)) {
        return;
    }
    s->rect = r;
    PlaceWindow(*s);
}

// The X window shows the surface less the window manager's frame.
void X11Backend::PlaceWindow(Surface& s) {
    const Insets e = s.extents.value_or(Insets{});
    const Rect shown{s.rect.left + e.left, s.rect.top + e.top, s.rect.right - e.right,
                     s.rect.bottom - e.bottom};
    s.configureSerial = NextRequest(m_x->Get());
    XMoveResizeWindow(m_x->Get(), s.window, shown.left, shown.top, Extent(shown.left, shown.right),
                      Extent(shown.top, shown.bottom));
}

void X11Backend::Show(uint32_t id, bool show) {
    if (Surface* s = Find(id)) {
        s->visible = show;
        ApplyMapping(id, *s);
    }
}

void X11Backend::Restack(std::span<const uint32_t> topToBottom) {
    std::vector<Window> windows;
    for (uint32_t id : topToBottom) {
        if (const Surface* s = Find(id)) {
            windows.push_back(s->window);
        }
    }
    if (windows.size() > 1) {
        XRestackWindows(m_x->Get(), windows.data(), static_cast<int>(windows.size()));
    }
}

void X11Backend::SetMinimized(uint32_t id, bool minimized) {
    Surface* s = Find(id);
    if (!s || s->minimized == minimized) {
        return;
    }
    s->minimized = minimized;
    ApplyMapping(id, *s);
}

void X11Backend::SetTitle(uint32_t id, std::string_view title) {
    const Surface* s = Find(id);
    if (!s) {
        return;
    }
    Display* d = m_x->Get();
    // WM_NAME is Latin-1 for window managers that know no better; _NET_WM_NAME has it all.
    const std::string latin1 = Latin1(title);
    XStoreName(d, s->window, latin1.c_str());
    XChangeProperty(d, s->window, m_x->Atom().netWmName, m_x->Atom().utf8String, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.data()),
                    static_cast<int>(title.size()));
}

void X11Backend::SetTopmost(uint32_t id, bool topmost) {
    Surface* s = Find(id);
    if (!s || s->topmost == topmost) {
        return;
    }
    s->topmost = topmost;
    Display* d = m_x->Get();
    const X11Connection::Atoms& atoms = m_x->Atom();
    // A window manager reads the property when the window is mapped and owns it afterwards; a
    // mapped window asks it instead.
    if (s->mapped && HasWindowManager()) {
        AskWindowManager(s->window, atoms.netWmState,
                         {topmost ? kNetWmStateAdd : kNetWmStateRemove,
                          static_cast<long>(atoms.netWmStateAbove), 0, kFromApplication});
    } else if (topmost) {
        Atom above = atoms.netWmStateAbove;
        XChangeProperty(d, s->window, atoms.netWmState, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&above), 1);
    } else {
        XDeleteProperty(d, s->window, atoms.netWmState);
    }
}

void X11Backend::AskWindowManager(unsigned long window, unsigned long messageType,
                                  std::array<long, 4> data) {
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = window;
    request.xclient.message_type = messageType;
    request.xclient.format = 32;
    std::copy(data.begin(), data.end(), request.xclient.data.l);
    XSendEvent(m_x->Get(), m_x->Root(), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &request);
}

void X11Backend::Activate(uint32_t id) {
    if (id == m_activeId) {
        return;
    }
    m_activeId = id;
    if (const Surface* s = Find(id); s && s->mapped) {
        FocusSurface(*s);
    }
}

void X11Backend::FocusSurface(const Surface& s) {
    Display* d = m_x->Get();
    if (!HasWindowManager()) {
        XSetInputFocus(d, s.window, RevertToParent, CurrentTime);
        return;
    }
    AskWindowManager(s.window, m_x->Atom().netActiveWindow, {kFromApplication, CurrentTime, 0, 0});
}

void X11Backend::SetCursorShape(int cursorId) {
    // The platform sets the shape as the pointer moves over its windows; defining it on every
    // surface shows it on whichever one the pointer is in.
    m_cursorShape = cursorId;
    if (m_surfaces.empty()) {
        return; // cursors are made when a surface needs one
    }
    const Cursor cursor = CursorFor(cursorId);
    for (const auto& [id, s] : m_surfaces) {
        XDefineCursor(m_x->Get(), s.window, cursor);
    }
}

void X11Backend::GrabPointer(bool grab, const Rect* confine) {
    ReleaseGrab();
    if (!grab) {
        return;
    }
    Display* d = m_x->Get();
    if (confine && confine->right > confine->left && confine->bottom > confine->top) {
        // An input-only window at the bottom of the stack: viewable, so the grab can confine to
        // it, yet below every surface so that it takes no input of its own.
        XSetWindowAttributes attrs{};
        attrs.override_redirect = True;
        m_confineWindow = XCreateWindow(
            d, m_x->Root(), confine->left, confine->top, Extent(confine->left, confine->right),
            Extent(confine->top, confine->bottom), 0, 0, InputOnly,
            static_cast<Visual*>(CopyFromParent), CWOverrideRedirect, &attrs);
        XLowerWindow(d, m_confineWindow);
        XMapWindow(d, m_confineWindow);
    }
    // Grabbing on the root with owner events keeps pointer events reaching our surfaces as usual
    // while those outside them still come to us.
    const int result = XGrabPointer(d, m_x->Root(), True, kGrabEvents, GrabModeAsync, GrabModeAsync,
                                    m_confineWindow, None, CurrentTime);
    m_grabbed = result == GrabSuccess;
    // Another client holds the pointer: keep it inside by warping it back on every move.
    if (!m_grabbed && m_confineWindow) {
        m_input.WarpInto(confine);
    }
}

void X11Backend::ReleaseGrab() {
    Display* d = m_x->Get();
    if (m_grabbed) {
        XUngrabPointer(d, CurrentTime);
        m_grabbed = false;
    }
    if (m_confineWindow) {
        XDestroyWindow(d, m_confineWindow);
        m_confineWindow = 0;
    }
    m_input.WarpInto(nullptr);
    ReleaseCursorsWhenIdle();
}

int X11Backend::ScreenWidth() const {
    return DisplayWidth(m_x->Get(), m_x->Screen());
}

int X11Backend::ScreenHeight() const {
    return DisplayHeight(m_x->Get(), m_x->Screen());
}

void X11Backend::WaitForEvents(int timeoutMs) {
    Display* d = m_x->Get();
    if (XPending(d) == 0) {
        pollfd fd{ConnectionNumber(d), POLLIN, 0};
        poll(&fd, 1, timeoutMs < 0 ? -1 : timeoutMs);
    }
    while (XPending(d) > 0) {
        XEvent event;
        XNextEvent(d, &event);
        HandleEvent(event);
    }
    XFlush(d);
}

unsigned long X11Backend::WindowOf(uint32_t id) const {
    const auto it = m_surfaces.find(id);
    return it == m_surfaces.end() ? 0 : it->second.window;
}

unsigned long X11Backend::CursorFor(int cursorId) {
    const auto it = m_cursors.find(cursorId);
    if (it != m_cursors.end()) {
        return it->second;
    }
    Display* d = m_x->Get();
    Cursor cursor = None;
    if (cursorId == 0) {
        // No pointer: a cursor whose one pixel is masked out.
        const Pixmap blank = XCreatePixmap(d, m_x->Root(), 1, 1, 1);
        XColor black{};
        cursor = XCreatePixmapCursor(d, blank, blank, &black, &black, 0, 0);
        XFreePixmap(d, blank);
    } else {
        cursor = XCreateFontCursor(d, CursorFontGlyph(cursorId));
    }
    m_cursors[cursorId] = cursor;
    return cursor;
}

void X11Backend::Sync() {
    XSync(m_x->Get(), False);
}

X11Backend::Surface* X11Backend::Find(uint32_t id) {
    const auto it = m_surfaces.find(id);
    return it == m_surfaces.end() ? nullptr : &it->second;
}

uint32_t X11Backend::IdOf(unsigned long window) const {
    const auto it = m_ids.find(window);
    return it == m_ids.end() ? 0 : it->second;
}

bool X11Backend::HasWindowManager() {
    return XGetSelectionOwner(m_x->Get(), m_x->Atom().wmScreenSelection) != None;
}

// Hidden surfaces are withdrawn. A minimised one is handed to the window manager to iconify, or,
// with none running, simply unmapped; mapping it again restores it either way.
void X11Backend::ApplyMapping(uint32_t id, Surface& s) {
    Display* d = m_x->Get();
    if (!s.visible || s.minimized) {
        if (s.mapped) {
            if (s.visible && HasWindowManager()) {
                XIconifyWindow(d, s.window, m_x->Screen());
            } else {
                XWithdrawWindow(d, s.window, m_x->Screen());
            }
            s.mapped = false;
        }
        return;
    }
    if (!s.mapped) {
        XMapWindow(d, s.window);
        s.mapped = true;
        if (m_activeId == id) {
            FocusSurface(s);
        }
    }
}

void X11Backend::ReleaseCursorsWhenIdle() {
    if (!m_surfaces.empty() || m_confineWindow) {
        return;
    }
    for (const auto& [shape, cursor] : m_cursors) {
        XFreeCursor(m_x->Get(), cursor);
    }
    m_cursors.clear();
}

void X11Backend::HandleEvent(XEvent& event) {
    EventSink* sink = CurrentEventSink();
    if (!sink) {
        return;
    }
    const uint32_t id = IdOf(event.xany.window);
    if (m_input.Translate(event, *sink)) {
        return;
    }
    switch (event.type) {
    case Expose:
        if (const Surface* s = Find(id)) {
            const XExposeEvent& e = event.xexpose;
            const Insets frame = s->extents.value_or(Insets{});
            const int x = e.x + frame.left;
            const int y = e.y + frame.top;
            sink->Exposed(id, {x, y, x + e.width, y + e.height});
        }
        break;
    case ConfigureNotify:
        if (id) {
            OnConfigure(id, event);
        }
        break;
    case ReparentNotify:
        if (Surface* s = Find(id)) {
            s->reparented = event.xreparent.parent != m_x->Root();
        }
        break;
    case PropertyNotify:
        if (id && event.xproperty.atom == m_x->Atom().wmState &&
            event.xproperty.state == PropertyNewValue) {
            OnWmState(id);
        } else if (id && event.xproperty.atom == m_x->Atom().netWmState) {
            OnNetWmState(id);
        } else if (id && event.xproperty.atom == m_x->Atom().netFrameExtents) {
            OnFrameExtents(id);
        }
        break;
    case ClientMessage:
        if (id && event.xclient.message_type == m_x->Atom().wmProtocols &&
            static_cast<unsigned long>(event.xclient.data.l[0]) == m_x->Atom().wmDeleteWindow) {
            sink->CloseRequested(id);
        }
        break;
    case FocusIn:
    case FocusOut:
        OnFocusChange();
        break;
    default:
        break;
    }
}

void X11Backend::OnConfigure(uint32_t id, const XEvent& event) {
    Surface* s = Find(id);
    const XConfigureEvent& c = event.xconfigure;
    if (!s || OlderThan(c.serial, s->configureSerial)) {
        return;
    }
    int x = c.x;
    int y = c.y;
    // A window manager's frame puts real reports in frame coordinates; its synthetic ones and
    // unframed windows give root coordinates.
    if (!c.send_event && s->reparented) {
        Window child = None;
        XTranslateCoordinates(m_x->Get(), s->window, m_x->Root(), 0, 0, &x, &y, &child);
    }
    const Insets e = s->extents.value_or(Insets{});
    const Rect r{x - e.left, y - e.top, x + c.width + e.right, y + c.height + e.bottom};
    if (SameRect(r, s->rect)) {
        return;
    }
    s->rect = r;
    CurrentEventSink()->MovedOrResized(id, r);
}

void X11Backend::OnWmState(uint32_t id) {
    const Surface* s = Find(id);
    if (!s) {
        return;
    }
    const std::vector<long> state =
        m_x->Property32(s->window, m_x->Atom().wmState, m_x->Atom().wmState);
    if (state.empty() || (state[0] != IconicState && state[0] != NormalState)) {
        return;
    }
    const bool minimized = state[0] == IconicState;
    if (minimized != s->minimized) {
        CurrentEventSink()->Minimized(id, minimized);
    }
}

// Reads the property as it is now, so our own writes and any burst of changes settle on the
// current state.
void X11Backend::OnNetWmState(uint32_t id) {
    Surface* s = Find(id);
    if (!s) {
        return;
    }
    const std::vector<long> states = m_x->Property32(s->window, m_x->Atom().netWmState, XA_ATOM);
    const bool above = std::any_of(states.begin(), states.end(), [&](long atom) {
        return static_cast<Atom>(atom) == m_x->Atom().netWmStateAbove;
    });
    if (above != s->topmost) {
        s->topmost = above;
        CurrentEventSink()->TopmostChanged(id, above);
    }
}

// _NET_FRAME_EXTENTS is left, right, top, bottom. The surface keeps its outer rectangle, so the X
// window moves inside the frame and the window layer narrows its non-client area to match.
void X11Backend::OnFrameExtents(uint32_t id) {
    Surface* s = Find(id);
    if (!s || !s->framed) {
        return;
    }
    const std::vector<long> v =
        m_x->Property32(s->window, m_x->Atom().netFrameExtents, XA_CARDINAL);
    std::optional<Insets> extents;
    if (PlausibleExtents(v)) {
        extents = Insets{static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]),
                         static_cast<int>(v[3])};
    }
    if (extents == s->extents) {
        return;
    }
    s->extents = extents;
    PlaceWindow(*s);
    CurrentEventSink()->FrameExtentsChanged(id, extents);
}

// Focus events only say that something changed; where the focus is now decides, so a burst of
// them (or ones overtaken by our own requests) settles on the current state.
void X11Backend::OnFocusChange() {
    Window focus = None;
    int revert = 0;
    XGetInputFocus(m_x->Get(), &focus, &revert);
    const uint32_t id = IdOf(focus);
    if (id == m_activeId) {
        return;
    }
    const uint32_t previous = m_activeId;
    m_activeId = id;
    if (id) {
        CurrentEventSink()->SurfaceFocusChanged(id, true);
    } else {
        CurrentEventSink()->SurfaceFocusChanged(previous, false);
    }
}

} // namespace display

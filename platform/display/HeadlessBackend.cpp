#include "platform/display/HeadlessBackend.h"

#include <algorithm>

namespace display {

void HeadlessBackend::CreateSurface(uint32_t id, Rect screenRect, const SurfaceTraits& traits) {
    Surface& s = m_surfaces[id];
    s = Surface{};
    s.rect = screenRect;
    s.ownerId = traits.ownerId;
    s.mayActivate = traits.mayActivate;
    s.borderless = traits.borderless;
    if (std::find(m_stacking.begin(), m_stacking.end(), id) == m_stacking.end()) {
        m_stacking.insert(m_stacking.begin(), id);
    }
    m_compositeDirty = true;
}

void HeadlessBackend::DestroySurface(uint32_t id) {
    m_surfaces.erase(id);
    std::erase(m_stacking, id);
    m_compositeDirty = true;
}

void HeadlessBackend::Present(uint32_t id, Rect, std::span<const uint32_t>, int, int) {
    if (Surface* s = Find(id)) {
        ++s->presentCount;
        m_compositeDirty = true;
    }
}

void HeadlessBackend::MoveResize(uint32_t id, Rect screenRect) {
    if (Surface* s = Find(id)) {
        s->rect = screenRect;
        m_compositeDirty = true;
    }
}

void HeadlessBackend::Show(uint32_t id, bool show) {
    if (Surface* s = Find(id)) {
        s->visible = show;
        m_compositeDirty = true;
    }
}

void HeadlessBackend::Restack(std::span<const uint32_t> topToBottom) {
    m_stacking.assign(topToBottom.begin(), topToBottom.end());
    std::erase_if(m_stacking, [this](uint32_t id) { return !m_surfaces.contains(id); });
    m_compositeDirty = true;
}

void HeadlessBackend::SetMinimized(uint32_t id, bool minimized) {
    if (Surface* s = Find(id)) {
        s->minimized = minimized;
        m_compositeDirty = true;
    }
}

void HeadlessBackend::SetTitle(uint32_t id, std::string_view title) {
    if (Surface* s = Find(id)) {
        s->title = title;
    }
}

void HeadlessBackend::SetCursorShape(int cursorId) {
    m_cursorShape = cursorId;
}

void HeadlessBackend::GrabPointer(bool grab, const Rect* confine) {
    m_grabbed = grab;
    m_confined = grab && confine != nullptr;
    m_confine = m_confined ? *confine : Rect{};
}

void HeadlessBackend::WaitForEvents(int) {}

void HeadlessBackend::SetScreenSize(int width, int height) {
    m_width = std::max(width, 1);
    m_height = std::max(height, 1);
    m_compositeDirty = true;
}

const HeadlessBackend::Surface* HeadlessBackend::FindSurface(uint32_t id) const {
    const auto it = m_surfaces.find(id);
    return it == m_surfaces.end() ? nullptr : &it->second;
}

HeadlessBackend::Surface* HeadlessBackend::Find(uint32_t id) {
    const auto it = m_surfaces.find(id);
    return it == m_surfaces.end() ? nullptr : &it->second;
}

} // namespace display

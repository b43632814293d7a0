#pragma once

#include "buttonbar/model/LiveModelObjects.h"
#include "platform/ole/object/Object.h"
#include "platform/ole/object/WeakRef.h"
#include "platform/ole/variant/Variant.h"
#include "platform/win/WinTypes.h"

#include <functional>
#include <string>

namespace shelfstrip {

// What a group and a button have alike: texts, keys, host data, visibility, the rectangle the
// layout gives it, and a weak pointer to the control that owns it. The control may be gone while
// a host still holds the object; it then reads as none and nothing is told.
class CBarItem : public ole::Object {
public:
    std::string GetCaption() const { return m_caption; }
    std::string GetTooltipText() const { return m_tooltipText; }
    std::string GetKey() const { return m_key; }
    ole::Variant GetTag() const { return m_tag; }
    bool GetVisible() const { return m_visible; }

    // ---- For the library ----
    const std::string& InternalKey() const { return m_internalKey; }
    void LetInternalKey(std::string internalKey) { m_internalKey = std::move(internalKey); }
    const win::RECT& Bounds() const { return m_bounds; }
    void LetBounds(const win::RECT& bounds) { m_bounds = bounds; }
    // The owning control while it lives, else null.
    ole::Ptr<ole::Object> ButtonBar() const { return m_control.Lock(); }

protected:
    CBarItem() = default;

    // Stores a new user key when `accept` takes it; "Duplicate key specified." from the title
    // otherwise. An exactly equal key does nothing.
    void ChangeKey(const std::string& sKey, const std::function<bool()>& accept);
    void StoreTag(const ole::Variant& value) { m_tag = value.Deref(); }

    std::string m_caption;
    std::string m_tooltipText;
    std::string m_key;
    std::string m_internalKey;
    win::RECT m_bounds{};
    ole::Variant m_tag;
    bool m_visible = true;
    ole::WeakRef<ole::Object> m_control;
    LiveModelObjects::Token m_live;
};

} // namespace shelfstrip

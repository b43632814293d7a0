// The selection and the locked set, keyed by ControlKey, and the repaint step every change of
// them ends with. Loops walk snapshots of weak ids: the host's handlers run inside them.

#include "formdesigner/control/ZORudeRuduvozu.h"

#include "formdesigner/control/LateReads.h"
#include "formdesigner/control/RefreshHold.h"
#include "formdesigner/library/LayoutdeskErrors.h"

#include "platform/base/Rounding.h"
#include "platform/forms/control/Control.h"
#include "platform/forms/control/ControlContainer.h"
#include "platform/forms/form/Form.h"
#include "platform/forms/menu/Menu.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/ole/object/TypeName.h"
#include "platform/win/Win.h"

#include <algorithm>
#include <array>
#include <utility>

namespace layoutdesk {

namespace {

bool IsFormOrMenu(const ole::Ptr<ole::Object>& object) {
    return dynamic_cast<forms::Form*>(object.Get()) || dynamic_cast<forms::Menu*>(object.Get());
}

std::vector<uint32_t> IdsOf(const ole::Ptr<ole::Collection>& collection) {
    std::vector<uint32_t> ids;
    if (!collection)
        return ids;
    for (const ole::Variant& item : collection->Snapshot())
        if (const ole::Ptr<ole::Object> object = ControlIn(item))
            ids.push_back(ole::PtrOfObject(object.Get()));
    return ids;
}

} // namespace

std::vector<uint32_t> ZORudeRuduvozu::SelectedSnapshot() const {
    return IdsOf(m_SelectedControls);
}

// A control on a form carries the runtime's control base (the extender of a user control too).
bool ZORudeRuduvozu::IsFormControl(const ole::Ptr<ole::Object>& object) const {
    return dynamic_cast<forms::Control*>(object.Get()) != nullptr;
}

ole::Ptr<ole::Object> ZORudeRuduvozu::RequireControl(const ole::Variant& aControl) const {
    ole::Ptr<ole::Object> control;
    if (aControl.Deref().IsObject())
        control = aControl.Deref().AsObject();
    if (!IsFormControl(control))
        ole::RaiseError(errors::NotAControl, errors::kSource);
    return control;
}

// A control sits under its ControlKey, or, when another live control already held that key as it
// joined (a same-named control of another form), under that key made unique by its identity.
// The entry found is the control itself, not a removed control that had the same Name and Index;
// such a dead entry is dropped on the way.
std::optional<std::string> ZORudeRuduvozu::HeldKey(const ole::Ptr<ole::Collection>& collection,
                                                   const ole::Ptr<ole::Object>& control) {
    if (!collection)
        return std::nullopt;
    const std::string key = ControlKey(control);
    if (collection->ContainsKey(key)) {
        const ole::Ptr<ole::Object> entry = ControlIn(collection->ItemByKey(key));
        if (entry.Get() == control.Get())
            return key;
        if (!TryRead(entry, "Name")) {
            collection->RemoveByKey(key);
            if (collection == m_SelectedControls)
                AddDirtyRect({});
        }
    }
    // The control that held the key may have left since.
    const std::string own = IdentityKey(key, control);
    if (collection->ContainsKey(own))
        return own;
    return std::nullopt;
}

bool ZORudeRuduvozu::Holds(const ole::Ptr<ole::Collection>& collection,
                           const ole::Ptr<ole::Object>& control) {
    return HeldKey(collection, control).has_value();
}

// '#' never occurs in a Name, so no control's own key looks like this.
std::string ZORudeRuduvozu::IdentityKey(const std::string& key,
                                        const ole::Ptr<ole::Object>& control) {
    return key + "#" + std::to_string(ole::PtrOfObject(control.Get()));
}

// For a control not in the collection yet (after Holds, which drops a dead entry under its key).
void ZORudeRuduvozu::Enter(const ole::Ptr<ole::Collection>& collection,
                           const ole::Ptr<ole::Object>& control) {
    const std::string key = ControlKey(control);
    collection->Append(ole::Variant(control),
                       collection->ContainsKey(key) ? IdentityKey(key, control) : key);
}

void ZORudeRuduvozu::Leave(const ole::Ptr<ole::Collection>& collection,
                           const ole::Ptr<ole::Object>& control) {
    if (const std::optional<std::string> key = HeldKey(collection, control))
        collection->RemoveByKey(*key);
}

bool ZORudeRuduvozu::IsSelected(const ole::Variant& aControl) {
    return Holds(m_SelectedControls, RequireControl(aControl));
}

bool ZORudeRuduvozu::IsLocked(const ole::Variant& aControl) {
    if (m_AllLocked)
        return true;
    return Holds(m_LockedControls, RequireControl(aControl));
}

void ZORudeRuduvozu::SelectControl(const ole::Variant& aControl) {
    const ole::Ptr<ole::Object> control = RequireControl(aControl);
    if (!m_SelectedControls || IsSelected(aControl))
        return;
    ole::Ptr<ZORudeRuduvozu> self(this);
    // A removed first entry has no container to compare with: asking for its name drops it, and
    // every other dead entry with it.
    if (m_SelectedControls->Count() > 0)
        HasNameProperty(ControlIn(m_SelectedControls->ItemAt(1)));
    if (m_SelectedControls->Count() > 0) {
        const ole::Ptr<ole::Object> first = ControlIn(m_SelectedControls->ItemAt(1));
        if (TryReadObject(control, "Container").Get() != TryReadObject(first, "Container").Get())
            return;
    }
    Enter(m_SelectedControls, control);
    AddDirtyRect(control);
    FlushDirtyRect();
    RaiseWithControl(EvControlSelected, control);
}

void ZORudeRuduvozu::DeselectControl(const ole::Variant& aControl) {
    if (!IsSelected(aControl))
        return;
    ole::Ptr<ZORudeRuduvozu> self(this);
    const ole::Ptr<ole::Object> control = aControl.Deref().AsObject();
    Leave(m_SelectedControls, control);
    AddDirtyRect(control);
    FlushDirtyRect();
    RaiseWithControl(EvControlDeselected, control);
}

// Dead entries go first, without events; then each control selected at the start that is still
// selected is deselected once, so a handler that selects another control cannot keep it going.
// Controls a handler removes meanwhile are dropped at the end.
void ZORudeRuduvozu::DeselectAllControl() {
    ole::Ptr<ZORudeRuduvozu> self(this);
    PurgeDeadControls();
    WithOneFlush([&] {
        for (const uint32_t id : SelectedSnapshot())
            if (const ole::Ptr<ole::Object> control = ole::ObjectFromPtr(id))
                DeselectControl(ole::Variant(control));
        PurgeDeadControls();
    });
}

// Each change's own flush would walk every hosted control again, once per control changed.
void ZORudeRuduvozu::WithOneFlush(const std::function<void()>& changes) {
    {
        RefreshHold hold(*this);
        changes();
    }
    FlushDirtyRect();
}

// Every selected control showed as locked; after a lock-all its handles change, not only those of
// the control a call names.
bool ZORudeRuduvozu::EndLockAll() {
    if (!std::exchange(m_AllLocked, false))
        return false;
    AddSelectionDirtyRect();
    return true;
}

void ZORudeRuduvozu::LockControls(int32_t eScope, const ole::Variant& aControl) {
    ole::Ptr<ZORudeRuduvozu> self(this);
    switch (eScope) {
    case ksScopeThis: {
        if (EndLockAll())
            FlushDirtyRect();
        const ole::Ptr<ole::Object> control = RequireControl(aControl);
        if (!m_LockedControls || IsLocked(aControl))
            return;
        Enter(m_LockedControls, control);
        AddDirtyRect(control);
        FlushDirtyRect();
        break;
    }
    case ksScopeSelected:
        WithOneFlush([&] {
            EndLockAll();
            for (const uint32_t id : SelectedSnapshot()) {
                const ole::Ptr<ole::Object> control = ole::ObjectFromPtr(id);
                if (control && HasNameProperty(control))
                    LockControls(ksScopeThis, ole::Variant(control));
            }
        });
        break;
    case ksScopeAll:
        m_AllLocked = true;
        Refresh();
        break;
    default:
        break;
    }
}

bool ZORudeRuduvozu::UnlockControls(int32_t eScope, const ole::Variant& aControl) {
    ole::Ptr<ZORudeRuduvozu> self(this);
    // Ending a lock-all keeps every other control of the designer locked, at any depth.
    const auto lockEach = [&](const auto& skip) {
        WithOneFlush([&] {
            EndLockAll();
            for (const ole::Ptr<ole::Object>& control : FormControls(FindForm()))
                if (BelongsToDesigner(control) && HasNameProperty(control) && !skip(control))
                    LockControls(ksScopeThis, ole::Variant(control));
        });
    };
    switch (eScope) {
    case ksScopeThis: {
        const ole::Ptr<ole::Object> control = RequireControl(aControl);
        if (m_AllLocked) {
            lockEach([&](const ole::Ptr<ole::Object>& c) { return c.Get() == control.Get(); });
            return false;
        }
        if (!IsLocked(aControl))
            return false;
        Leave(m_LockedControls, control);
        AddDirtyRect(control);
        FlushDirtyRect();
        return true;
    }
    case ksScopeSelected:
        if (m_AllLocked) {
            lockEach([&](const ole::Ptr<ole::Object>& c) { return IsSelected(ole::Variant(c)); });
            return false;
        }
        WithOneFlush([&] {
            for (const uint32_t id : SelectedSnapshot()) {
                const ole::Ptr<ole::Object> control = ole::ObjectFromPtr(id);
                if (control && HasNameProperty(control))
                    UnlockControls(ksScopeThis, ole::Variant(control));
            }
        });
        return false;
    case ksScopeAll:
        m_AllLocked = false;
        // Every entry goes, dead ones included, so the loop ends.
        WithOneFlush([&] {
            for (const uint32_t id : IdsOf(m_LockedControls)) {
                const ole::Ptr<ole::Object> control = ole::ObjectFromPtr(id);
                if (control && IsFormControl(control) && TryRead(control, "Name"))
                    ole::ResumeNext([&] { UnlockControls(ksScopeThis, ole::Variant(control)); });
            }
            if (m_LockedControls)
                m_LockedControls->Clear();
        });
        Refresh();
        return false;
    default:
        return false;
    }
}

// The runtime's own rule for what Controls.Add accepts as a container; the form is not touched.
bool ZORudeRuduvozu::IsContainer(const ole::Variant& aControl) {
    const ole::Variant& value = aControl.Deref();
    if (!value.IsObject())
        return false;
    const ole::Ptr<ole::Object> control = value.AsObject();
    return IsFormControl(control) && forms::IsContainer(control.Get());
}

// ---- Walks ----

// Climbs Container and compares each step with this designer's extender by identity.
bool ZORudeRuduvozu::BelongsToDesigner(const ole::Ptr<ole::Object>& control) {
    if (!control || ole::TypeName(control.Get()) == "ZORudeRuduvozu" || IsFormOrMenu(control) ||
        !HasVisibleProperty(control))
        return false;
    ole::Ptr<ole::Object> container = TryReadObject(control, "Container");
    for (int depth = 0; container && depth < 64 && !IsFormOrMenu(container); ++depth) {
        if (IsThisDesigner(container))
            return true;
        container = TryReadObject(container, "Container");
    }
    return false;
}

void ZORudeRuduvozu::SelectNextControl() {
    StepSelection(true);
}

void ZORudeRuduvozu::SelectPreviousControl() {
    StepSelection(false);
}

// Walks the parent's Controls from the most recently selected control (or from the far end when
// nothing is selected) to the next eligible one, wrapping around; one full cycle at most.
void ZORudeRuduvozu::StepSelection(bool forward) {
    ole::Ptr<ZORudeRuduvozu> self(this);
    const ole::Ptr<ole::Object> form = TryReadObject(ExtenderObject(), "Parent");
    const std::vector<ole::Ptr<ole::Object>> controls = FormControls(form);
    const int32_t count = static_cast<int32_t>(controls.size());
    if (count == 0)
        return;
    int32_t position = forward ? count - 1 : 0;
    if (m_SelectedControls && m_SelectedControls->Count() > 0) {
        const ole::Ptr<ole::Object> last =
            ControlIn(m_SelectedControls->ItemAt(m_SelectedControls->Count()));
        DeselectAllControl();
        const auto it = std::find_if(controls.begin(), controls.end(),
                                     [&](const auto& c) { return c.Get() == last.Get(); });
        if (it == controls.end())
            return;
        position = static_cast<int32_t>(it - controls.begin());
    }
    for (int32_t step = 0; step < count; ++step) {
        position = (position + (forward ? 1 : count - 1)) % count;
        const ole::Ptr<ole::Object>& control = controls[static_cast<size_t>(position)];
        if (BelongsToDesigner(control)) {
            SelectControl(ole::Variant(control));
            return;
        }
    }
}

void ZORudeRuduvozu::SelectControlsInRect(const win::RECT& pixels,
                                          const ole::Ptr<ole::Object>& container) {
    const ole::Ptr<ole::Object> form = FindForm();
    if (!form)
        return;
    ole::Ptr<ZORudeRuduvozu> self(this);
    RefreshHold hold(*this);
    const BoundsEstimate estimate = EstimateIn(container);
    std::optional<std::vector<ole::Ptr<ole::Object>>> near = ControlsNear(container, pixels, 0);
    for (const ole::Ptr<ole::Object>& control : near ? *near : FormControls(form)) {
        if (!HasVisibleProperty(control) || IsFormOrMenu(control))
            continue;
        if (TryReadObject(control, "Container").Get() != container.Get())
            continue;
        if (estimate.SurelyMeets(control, pixels) || ControlIntersectsRect(control, pixels))
            ole::ResumeNext([&] { SelectControl(ole::Variant(control)); });
    }
}

void ZORudeRuduvozu::FlushDirtyRect() {
    if (m_LockRefresh)
        return;
    ole::Ptr<ZORudeRuduvozu> self(this);
    // A handler inside the batch (a release's events) changed what the whole surface shows.
    if (m_refreshWaiting)
        Refresh();
    // The area goes into the update region first: each control's own invalidation below then
    // falls inside it instead of adding one more piece per control.
    if (const win::HWND hwnd = hWnd())
        win::InvalidateRect(hwnd, &m_DirtyRect, false);
    std::optional<std::vector<ole::Ptr<ole::Object>>> near =
        ControlsNear(ExtenderObject(), m_DirtyRect, 0);
    const BoundsEstimate estimate = EstimateIn(ExtenderObject());
    for (const ole::Ptr<ole::Object>& control : near ? *near : ContainedSnapshot()) {
        ole::ResumeNext([&] {
            win::RECT rect{};
            win::RECT meet{};
            if (!estimate.SurelyMeets(control, m_DirtyRect) &&
                (!GetControlRect(control, rect, true) ||
                 !win::IntersectRect(&meet, &rect, &m_DirtyRect)))
                return;
            if (!ole::CBool(ReadMember(control, "Visible")))
                return;
            WriteMember(control, "Visible", ole::Variant(false));
            WriteMember(control, "Visible", ole::Variant(true));
        });
    }
    win::SetRectEmpty(&m_DirtyRect);
}

} // namespace layoutdesk

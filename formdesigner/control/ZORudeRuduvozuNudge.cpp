// Arrow keys on the selection: Ctrl moves every unlocked selected control by one step, Shift
// makes it one step narrower, wider, shorter or taller. The step is NudgeStep, converted into
// the units of the selection's container.

#include "formdesigner/control/ZORudeRuduvozu.h"

#include "formdesigner/control/LateReads.h"

#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/Error.h"
#include "platform/win/Win.h"

#include <array>

namespace layoutdesk {

namespace {

ole::Variant Single(float value) {
    return ole::Variant(value);
}

} // namespace

bool ZORudeRuduvozu::NudgeOffsets(int16_t keyCode, float& dx, float& dy) {
    dx = 0;
    dy = 0;
    switch (keyCode) {
    case win::VK_LEFT:
        dx = -m_NudgeStep;
        break;
    case win::VK_UP:
        dy = -m_NudgeStep;
        break;
    case win::VK_RIGHT:
        dx = m_NudgeStep;
        break;
    case win::VK_DOWN:
        dy = m_NudgeStep;
        break;
    default:
        return false;
    }
    // A removed first entry would leave the step without a container.
    PurgeDeadControls();
    if (!m_SelectedControls || m_SelectedControls->Count() == 0)
        return false;
    const ole::Ptr<ole::Object> container =
        TryReadObject(ControlIn(m_SelectedControls->ItemAt(1)), "Container");
    const int32_t mode = ContainerScaleMode(container);
    if (mode != ScaleMode()) {
        dx = ToContainerUnits(container, mode, dx, ScaleMode(), false, false);
        dy = ToContainerUnits(container, mode, dy, ScaleMode(), true, false);
    }
    return true;
}

// Errors are not trapped: a control that refuses the move stops the command, and the host hears
// of it.
void ZORudeRuduvozu::NudgeSelection(int16_t keyCode) {
    float dx = 0;
    float dy = 0;
    if (!NudgeOffsets(keyCode, dx, dy))
        return;
    ChangeEachEligible([&](const ole::Ptr<ole::Object>& control) {
        if (IsLineControl(control)) {
            const float x1 = ReadSingle(control, "X1");
            const float y1 = ReadSingle(control, "Y1");
            const float x2 = ReadSingle(control, "X2");
            const float y2 = ReadSingle(control, "Y2");
            // A Line reports its signed extents where other controls give their size.
            std::array<ole::Variant, 5> moving{ole::Variant(control), Single(x1 + dx),
                                               Single(y1 + dy), Single(x2 - x1), Single(y2 - y1)};
            RaiseEvent(EvControlMoving, moving);
            for (const auto& [name, offset] : {std::pair{"X1", dx}, std::pair{"Y1", dy},
                                               std::pair{"X2", dx}, std::pair{"Y2", dy}})
                WriteMember(control, name, Single(ReadSingle(control, name) + offset));
        } else {
            std::array<ole::Variant, 5> moving{
                ole::Variant(control), Single(ReadSingle(control, "Left") + dx),
                Single(ReadSingle(control, "Top") + dy), Single(ReadSingle(control, "Width")),
                Single(ReadSingle(control, "Height"))};
            RaiseEvent(EvControlMoving, moving);
            std::array<ole::Variant, 2> move{Single(ReadSingle(control, "Left") + dx),
                                             Single(ReadSingle(control, "Top") + dy)};
            ole::CallMethod(ole::Variant(control), "Move", move);
        }
        RaiseWithControl(EvControlMoved, control);
    });
}

// A control that refuses its new size is skipped; a size that would reach 0 is not applied, and
// the control is still reported.
void ZORudeRuduvozu::NudgeResizeSelection(int16_t keyCode) {
    float dx = 0;
    float dy = 0;
    if (!NudgeOffsets(keyCode, dx, dy))
        return;
    ChangeEachEligible([&](const ole::Ptr<ole::Object>& control) {
        try {
            if (IsLineControl(control)) {
                WriteMember(control, "X2", Single(ReadSingle(control, "X2") + dx));
                WriteMember(control, "Y2", Single(ReadSingle(control, "Y2") + dy));
            } else {
                const float width = ReadSingle(control, "Width") + dx;
                const float height = ReadSingle(control, "Height") + dy;
                if (width > 0)
                    WriteMember(control, "Width", Single(width));
                if (height > 0)
                    WriteMember(control, "Height", Single(height));
            }
            RaiseWithControl(EvControlResized, control);
        } catch (const ole::Error&) {
        }
    });
}

} // namespace layoutdesk

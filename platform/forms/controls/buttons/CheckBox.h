#pragma once

#include "platform/forms/controls/buttons/ButtonBase.h"
#include "platform/ole/dispatch/ClassInfo.h"

#include <cstdint>

namespace forms {

// A check box: Value 0 unchecked, 1 checked, 2 grayed. A click toggles between 0 and 1 and
// raises Click; a Value let that changes the value raises Click too, at once, so a let inside
// the handler raises it again.
class CheckBox : public ButtonBase {
public:
    enum Id : ole::DISPID { Value = 0 };

    static ole::Ptr<CheckBox> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    int16_t GetValue() const;
    // 0..2; others raise 380.
    void SetValue(int16_t value);

    CheckBox();

protected:
    win::DWORD ButtonStyle() const override;
    void OnClicked() override;
    void OnWindowCreated() override;
    win::LRESULT WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;

private:
    // Kept while there is no window.
    int16_t m_value = 0;
};

} // namespace forms

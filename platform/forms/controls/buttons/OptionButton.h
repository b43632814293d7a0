#pragma once

#include "platform/forms/controls/buttons/ButtonBase.h"
#include "platform/ole/dispatch/ClassInfo.h"

namespace forms {

// An option button. The option buttons of one container are one group: choosing one, by a
// click or by Value = True, clears the others. Click follows a click and a Value let to True
// that changes the value; clearing by a let or by a sibling raises nothing.
class OptionButton : public ButtonBase {
public:
    enum Id : ole::DISPID { Value = 0 };

    static ole::Ptr<OptionButton> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    bool GetValue() const;
    void SetValue(bool value);

    OptionButton();

protected:
    win::DWORD ButtonStyle() const override;
    void OnWindowCreated() override;
    win::LRESULT WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;

private:
    void Check(bool value);

    // Kept while there is no window.
    bool m_value = false;
};

} // namespace forms

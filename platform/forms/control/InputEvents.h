#pragma once

#include "platform/forms/scale/ScaleSpace.h"
#include "platform/ole/object/Object.h"
#include "platform/ole/variant/Variant.h"
#include "platform/win/WinTypes.h"

#include <functional>
#include <span>

namespace forms {

// The key and mouse event arguments of every object that raises them - forms, standard controls,
// user controls through their extender, windowless controls - computed in one place.

// Hands an event with its arguments to the object's own raise (by-reference arguments are read
// back from the span afterwards).
using EventRaise = std::function<void(ole::DISPID id, std::span<ole::Variant> args)>;

// The Shift argument: 1 Shift, 2 Ctrl, 4 Alt, from the key state when the message was retrieved.
int16_t ShiftState();

// Mouse X/Y in a coordinate system's units, from a point in its client pixels.
struct MousePoint {
    float x = 0;
    float y = 0;
};
MousePoint MousePointIn(const ScaleSpace& scale, win::POINT clientPt);

// WM_KEYDOWN and WM_KEYUP raise KeyDown/KeyUp(KeyCode byref, Shift), WM_CHAR KeyPress(KeyAscii
// byref). Returns the code the handlers left: 0 swallows the key, another value replaces it.
int32_t RaiseKeyEvent(win::UINT msg, win::WPARAM code, const EventRaise& raise);

// Mouse messages to MouseDown, MouseMove, MouseUp, Click and DblClick, keeping what a double
// click changes between messages:
//   WM_xBUTTONDOWN   MouseDown(button, Shift, X, Y)
//   WM_xBUTTONUP     MouseUp, then Click for the left button unless the press was a double click
//   WM_xBUTTONDBLCLK DblClick for the left button (no MouseDown) - so a double click gives
//                    MouseDown, MouseUp, Click, DblClick, MouseUp
//   WM_MOUSEMOVE     MouseMove(mask of the buttons held, Shift, X, Y)
// Button values: 1 left, 2 right, 4 middle.
class MouseEvents {
public:
    static bool IsMouseMessage(win::UINT msg);
    static bool IsButtonDown(win::UINT msg);
    static bool IsButtonUp(win::UINT msg);
    static bool IsDoubleClick(win::UINT msg);

    // clickOnUp false leaves Click to the object itself (a button raises it when pressed).
    void Raise(win::UINT msg, win::WPARAM wParam, MousePoint point, const EventRaise& raise,
               bool clickOnUp = true);

private:
    bool m_suppressClick = false;
};

} // namespace forms

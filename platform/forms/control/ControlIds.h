#pragma once

#include "platform/ole/object/Object.h"

namespace forms {

// Member ids shared by every control on a form and by the extender of a user control, so a host
// reaches Visible or Move by the same id whichever kind of control it holds. Visible and Move
// are contract; the rest are this platform's choice inside 0x80010000-0x80011FFF.
namespace dispid {
inline constexpr ole::DISPID Name = static_cast<ole::DISPID>(0x80010000);
inline constexpr ole::DISPID Index = static_cast<ole::DISPID>(0x80010001);
inline constexpr ole::DISPID Visible = static_cast<ole::DISPID>(0x80010007);
inline constexpr ole::DISPID Parent = static_cast<ole::DISPID>(0x80010008);
inline constexpr ole::DISPID Container = static_cast<ole::DISPID>(0x80010009);
inline constexpr ole::DISPID Tag = static_cast<ole::DISPID>(0x8001000A);
inline constexpr ole::DISPID TabIndex = static_cast<ole::DISPID>(0x8001000B);
inline constexpr ole::DISPID TabStop = static_cast<ole::DISPID>(0x8001000C);
inline constexpr ole::DISPID Enabled = static_cast<ole::DISPID>(0x8001000D);
inline constexpr ole::DISPID ToolTipText = static_cast<ole::DISPID>(0x8001000E);
inline constexpr ole::DISPID HelpContextID = static_cast<ole::DISPID>(0x8001000F);
inline constexpr ole::DISPID WhatsThisHelpID = static_cast<ole::DISPID>(0x80010010);
inline constexpr ole::DISPID DragIcon = static_cast<ole::DISPID>(0x80010011);
inline constexpr ole::DISPID DragMode = static_cast<ole::DISPID>(0x80010012);
inline constexpr ole::DISPID CausesValidation = static_cast<ole::DISPID>(0x80010013);
inline constexpr ole::DISPID Align = static_cast<ole::DISPID>(0x80010014);
inline constexpr ole::DISPID Cancel = static_cast<ole::DISPID>(0x80010015);
inline constexpr ole::DISPID Default = static_cast<ole::DISPID>(0x80010016);
inline constexpr ole::DISPID Object = static_cast<ole::DISPID>(0x80010017);
inline constexpr ole::DISPID Left = static_cast<ole::DISPID>(0x80010100);
inline constexpr ole::DISPID Top = static_cast<ole::DISPID>(0x80010101);
inline constexpr ole::DISPID Width = static_cast<ole::DISPID>(0x80010102);
inline constexpr ole::DISPID Height = static_cast<ole::DISPID>(0x80010103);
inline constexpr ole::DISPID Move = static_cast<ole::DISPID>(0x80011002);
inline constexpr ole::DISPID ZOrder = static_cast<ole::DISPID>(0x80011003);
inline constexpr ole::DISPID SetFocus = static_cast<ole::DISPID>(0x80011004);

// The standard ids of the stock properties and methods.
inline constexpr ole::DISPID BackColor = -501;
inline constexpr ole::DISPID BorderStyle = -504;
inline constexpr ole::DISPID Font = -512;
inline constexpr ole::DISPID ForeColor = -513;
inline constexpr ole::DISPID HWnd = -515;
inline constexpr ole::DISPID Text = -517;
inline constexpr ole::DISPID Caption = -518;
inline constexpr ole::DISPID Appearance = -520;
inline constexpr ole::DISPID MousePointer = -521;
inline constexpr ole::DISPID MouseIcon = -522;
inline constexpr ole::DISPID Refresh = -550;
} // namespace dispid

// Event ids the runtime raises from its window procedures. A control raises an event only when
// its class declares it, so the base translates messages for every class alike.
namespace eventid {
inline constexpr ole::DISPID Click = -600;
inline constexpr ole::DISPID DblClick = -601;
inline constexpr ole::DISPID KeyDown = -602;
inline constexpr ole::DISPID KeyPress = -603;
inline constexpr ole::DISPID KeyUp = -604;
inline constexpr ole::DISPID MouseDown = -605;
inline constexpr ole::DISPID MouseMove = -606;
inline constexpr ole::DISPID MouseUp = -607;
inline constexpr ole::DISPID Change = 1;
inline constexpr ole::DISPID Scroll = 2;
inline constexpr ole::DISPID Resize = 3;
inline constexpr ole::DISPID Paint = 4;
inline constexpr ole::DISPID GotFocus = 5;
inline constexpr ole::DISPID LostFocus = 6;
} // namespace eventid

} // namespace forms

#pragma once

// The colour dialog: the platform call and its test responder.

#include "platform/forms/dialogs/DialogResponder.h"
#include "platform/forms/dialogs/color/ColorDialogRequest.h"

namespace win {

inline constexpr DWORD CC_RGBINIT = 0x0001;
inline constexpr DWORD CC_FULLOPEN = 0x0002;
inline constexpr DWORD CC_PREVENTFULLOPEN = 0x0004;

struct CHOOSECOLORA {
    DWORD lStructSize = 0;
    HWND hwndOwner;
    HINSTANCE hInstance;
    COLORREF rgbResult = 0;
    COLORREF* lpCustColors = nullptr; // 16 entries
    DWORD Flags = 0;
    LPARAM lCustData = 0;
    void* lpfnHook = nullptr;
    LPCSTR lpTemplateName = nullptr;
};
// The size a 32-bit caller writes; the native size is accepted too.
inline constexpr DWORD CHOOSECOLORA_V1_SIZE = 36;

// Non-zero on OK with rgbResult and lpCustColors written back; 0 on Cancel (nothing written,
// CommDlgExtendedError 0) or on a bad structure size (CDERR_STRUCTSIZE). The dialog is modal
// over the top-level ancestor of hwndOwner. Headless without a responder it is cancelled.
BOOL ChooseColorA(CHOOSECOLORA* cc);

} // namespace win

namespace forms {

using ColorDialogResponderType = DialogResponder<ColorDialogRequest, ColorDialogAnswer>;
ColorDialogResponderType& ColorDialogResponder();

} // namespace forms

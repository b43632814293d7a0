#include "platform/forms/dialogs/color/ColorDialog.h"

#include "platform/forms/dialogs/CommonDialogError.h"
#include "platform/forms/dialogs/DialogWindow.h"
#include "platform/forms/dialogs/ModalDialog.h"
#include "platform/forms/dialogs/color/ColorDialogWindow.h"

#include <algorithm>

namespace forms {

ColorDialogResponderType& ColorDialogResponder() {
    return ResponderInstance<ColorDialogResponderType>();
}

} // namespace forms

namespace win {

BOOL ChooseColorA(CHOOSECOLORA* cc) {
    if (cc == nullptr ||
        (cc->lStructSize != CHOOSECOLORA_V1_SIZE && cc->lStructSize != sizeof(CHOOSECOLORA))) {
        forms::SetCommDlgError(CDERR_STRUCTSIZE);
        return FALSE;
    }
    forms::ColorDialogRequest request;
    request.owner = forms::DialogOwnerOf(cc->hwndOwner);
    request.flags = cc->Flags;
    request.initial = (cc->Flags & CC_RGBINIT) != 0 ? cc->rgbResult & 0x00FFFFFFu : 0;
    request.customColors.fill(RGB(255, 255, 255));
    if (cc->lpCustColors != nullptr) {
        std::copy_n(cc->lpCustColors, request.customColors.size(), request.customColors.begin());
    }
    request.canFullOpen = (cc->Flags & CC_PREVENTFULLOPEN) == 0;
    request.fullOpen = (cc->Flags & CC_FULLOPEN) != 0 && request.canFullOpen;

    forms::ColorDialogWindow dialog(request);
    const std::optional<forms::ColorDialogAnswer> answer = forms::RunCommonDialog(
        dialog, request.owner, forms::ColorDialogResponder(), "colour dialog responder");
    forms::SetCommDlgError(0);
    if (!answer || !answer->ok) {
        return FALSE;
    }
    cc->rgbResult = answer->color & 0x00FFFFFFu;
    if (answer->customColors && cc->lpCustColors != nullptr) {
        std::copy(answer->customColors->begin(), answer->customColors->end(), cc->lpCustColors);
    }
    return TRUE;
}

} // namespace win

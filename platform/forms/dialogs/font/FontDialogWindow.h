#pragma once

#include "platform/forms/dialogs/DialogWindow.h"
#include "platform/forms/dialogs/font/FontDialogRequest.h"

#include <string>
#include <vector>

namespace forms {

// The font dialog on screen: face, style and size lists each under an editable box, the effects
// group (strike-out, underline, colour) with CF_EFFECTS, the script list and a sample drawn in the
// chosen font.
//
//   a list row        fills its box
//   typing in a box   chooses the matching row (a size may be any number)
//   Enter / OK        the font; a size that is no number, or outside CF_LIMITSIZE, warns and
//                     keeps the dialog open
//   Esc / Cancel      cancels
class FontDialogWindow : public AnsweredDialog<FontDialogRequest, FontDialogAnswer> {
public:
    enum : int {
        kFaceEdit = 1152,
        kFaceList = 1136,
        kStyleEdit = 1153,
        kStyleList = 1137,
        kSizeEdit = 1154,
        kSizeList = 1138,
        kStrikeOut = 1040,
        kUnderline = 1041,
        kColor = 1139,
        kScript = 1140,
    };

    explicit FontDialogWindow(FontDialogRequest request);

    const FontChoice& Font() const { return m_font; }
    static const std::vector<std::string>& Faces();

protected:
    void Build() override;
    void OnCommand(int id, int code) override;
    void OnPaint(win::HDC dc) override;

private:
    void AddEditList(const char* label, int x, int width, int editId, int listId,
                     const std::vector<std::string>& rows);
    // Shows `text` in a box without reading it back as typing.
    void ShowInBox(int editId, const std::string& text);
    void OnListRow(int listId, int editId);
    void OnBoxTyped(int editId, int listId);
    void ApplyStyle(const std::string& style);
    void OnOk();

    FontChoice m_font;
    std::string m_sizeText;
    bool m_updating = false;
};

} // namespace forms

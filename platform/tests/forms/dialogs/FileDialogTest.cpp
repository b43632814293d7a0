#include "DialogFixture.h"

#include "platform/forms/dialogs/file/FileDialog.h"
#include "platform/forms/dialogs/file/FileDialogWindow.h"
#include "platform/forms/dialogs/file/FolderListing.h"

#include <filesystem>

using namespace dialogtest;
using forms::FileDialogAnswer;
using forms::FileDialogKind;
using forms::FileDialogRequest;
using forms::FileDialogWindow;
using forms::FolderEntry;
namespace fs = std::filesystem;

namespace {

constexpr char kPictures[] = "Pictures(*.bmp,*.ico)\0*.bmp;*.ico\0All Files (*.*)\0*.*\0";

// A real folder to list: three folders and files of several kinds, names with spaces and UTF-8.
class FileDialogTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        m_buffer.fill('\0');
    }

    static forms::FileDialogResponderType& Responder() { return forms::FileDialogResponder(); }

    OPENFILENAMEA Call(const char* filter = kPictures, DWORD flags = OFN_NOCHANGEDIR) {
        OPENFILENAMEA ofn;
        ofn.lStructSize = OPENFILENAMEA_V1_SIZE;
        ofn.lpstrFilter = filter;
        ofn.nFilterIndex = 1;
        ofn.lpstrFile = m_buffer.data();
        ofn.nMaxFile = 254;
        ofn.lpstrInitialDir = m_folder.c_str();
        ofn.Flags = flags;
        return ofn;
    }

    static FileDialogWindow& Open() {
        return *static_cast<FileDialogWindow*>(forms::DialogWindow::FromHwnd(OpenDialog()));
    }

    // The rows of the open dialog's list box, as shown.
    static std::vector<std::string> Rows() {
        const HWND list = GetDlgItem(OpenDialog(), FileDialogWindow::kList);
        std::vector<std::string> rows;
        for (LRESULT i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
            rows.push_back(forms::ListBoxText(list, static_cast<int>(i)));
        }
        return rows;
    }

    static bool Shows(const std::string& row) {
        const std::vector<std::string> rows = Rows();
        return std::find(rows.begin(), rows.end(), row) != rows.end();
    }

    // Clicks (or double-clicks) a visible list row, checking the list puts that row there.
    static void ClickRow(int row, bool twice = false) {
        const HWND list = GetDlgItem(OpenDialog(), FileDialogWindow::kList);
        const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        const int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
        const POINT point{20, (row - top) * height + height / 2};
        ASSERT_EQ(SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y)), row);
        if (twice) {
            test::doubleClick(list, point);
        } else {
            test::click(list, point);
        }
        test::pump();
    }

    std::string NameBox() const {
        char text[260] = {};
        GetWindowTextA(GetDlgItem(OpenDialog(), FileDialogWindow::kName), text, sizeof text);
        return text;
    }

    ScratchFolder m_scratch{{"alpha", "Beta Folder", "\xC3\x9Cnicode dir"},
                            {"b.bmp", "A.ICO", "notes.txt", "my picture.BMP",
                             "r\xC3\xA9sum\xC3\xA9.bmp", ".hidden.bmp", "alpha/inner.bmp"}};
    fs::path m_root = m_scratch.Path();
    std::string m_folder;
    std::array<char, 300> m_buffer{};
};

TEST_F(FileDialogTest, ListingPutsFoldersFirstAndAppliesTheFilter) {
    const std::vector<FolderEntry> pictures = forms::ListFolder(m_root.string(), "*.bmp;*.ico");
    const std::vector<FolderEntry> expected{{"alpha", true},
                                            {"Beta Folder", true},
                                            {"\xC3\x9Cnicode dir", true},
                                            {"A.ICO", false},
                                            {"b.bmp", false},
                                            {"my picture.BMP", false},
                                            {"r\xC3\xA9sum\xC3\xA9.bmp", false}};
    EXPECT_EQ(pictures, expected);
    EXPECT_EQ(forms::ListFolder(m_root.string(), "*.*").size(), 8u);
    EXPECT_EQ(forms::ListFolder(m_root.string(), "*.*", false).size(), 3u);
    EXPECT_TRUE(forms::ListFolder((m_root / "missing").string(), "").empty());

    struct Row {
        const char* name;
        const char* patterns;
        bool matches;
    };
    const Row rows[] = {
        {"README", "*.*", true},
        {"a.txt", "", true},
        {"a.txt", "*.bmp; *.TXT", true},
        {"a.txt.bak", "*.txt", false},
        {"r\xC3\xA9s.bmp", "r?s.BMP", true},
        {"\xC3\x89T\xC3\x89.bmp", "\xC3\xA9t\xC3\xA9*", true},
        {"ab", "a?b", false},
        {"abc", "*b*c", true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(forms::MatchesFilePatterns(row.name, row.patterns), row.matches)
            << row.name << " ~ " << row.patterns;
    }
}

TEST_F(FileDialogTest, ResponderSeesTheDecodedCallAndItsAnswerIsWrittenBack) {
    const HWND main = TopLevel();
    const std::string initial = (m_root / "alpha" / "start name.bmp").string();
    std::copy(initial.begin(), initial.end(), m_buffer.begin());
    char title[16];
    OPENFILENAMEA ofn = Call(kPictures, OFN_NOCHANGEDIR | OFN_READONLY);
    ofn.hwndOwner = Child(main);
    ofn.nFilterIndex = 2;
    ofn.lpstrFileTitle = title;
    ofn.nMaxFileTitle = sizeof title;
    ofn.lpstrDefExt = "bmp";
    const std::string chosen = (m_root / "r\xC3\xA9sum\xC3\xA9 and more.bmp").string();
    Responder().SetFunction([&](const FileDialogRequest& request) {
        EXPECT_EQ(request.kind, FileDialogKind::Save);
        EXPECT_EQ(request.owner, main);
        EXPECT_FALSE(IsWindowEnabled(main));
        EXPECT_EQ(request.title, "Save As");
        EXPECT_EQ(request.filters,
                  (std::vector<forms::FileFilter>{{"Pictures(*.bmp,*.ico)", "*.bmp;*.ico"},
                                                  {"All Files (*.*)", "*.*"}}));
        EXPECT_EQ(request.filterIndex, 2);
        EXPECT_EQ(request.folder, (m_root / "alpha").string());
        EXPECT_EQ(request.name, "start name.bmp");
        EXPECT_EQ(request.defaultExtension, "bmp");
        // The window shows the same.
        EXPECT_EQ(Open().Folder(), request.folder);
        EXPECT_EQ(NameBox(), "start name.bmp");
        return std::optional(FileDialogAnswer{true, {chosen}, false, 1});
    });
    ASSERT_TRUE(GetSaveFileNameA(&ofn));
    EXPECT_EQ(std::string(m_buffer.data()), chosen);
    EXPECT_EQ(ofn.nFileOffset, m_root.string().size() + 1);
    EXPECT_EQ(std::string(m_buffer.data() + ofn.nFileExtension), "bmp");
    // The title is cut to its buffer on a whole character.
    EXPECT_STREQ(title, "r\xC3\xA9sum\xC3\xA9 and mo");
    EXPECT_EQ(ofn.Flags & OFN_READONLY, 0u);
    EXPECT_EQ(ofn.nFilterIndex, 1u);
    EXPECT_TRUE(IsWindowEnabled(main));

    // A result that does not fit leaves the size it needs in the first two bytes.
    OPENFILENAMEA small = Call();
    small.nMaxFile = static_cast<DWORD>(chosen.size());
    Responder().SetFunction([&](const FileDialogRequest& request) {
        EXPECT_EQ(request.title, "Open");
        return std::optional(FileDialogAnswer{true, {chosen}, false, 0});
    });
    EXPECT_FALSE(GetOpenFileNameA(&small));
    EXPECT_EQ(CommDlgExtendedError(), FNERR_BUFFERTOOSMALL);
    EXPECT_EQ(static_cast<unsigned char>(m_buffer[0]) | static_cast<unsigned char>(m_buffer[1])
                                                            << 8,
              static_cast<int>(chosen.size() + 1));

    // Several names come back as the folder and then each name.
    OPENFILENAMEA multi = Call(kPictures, OFN_NOCHANGEDIR | OFN_ALLOWMULTISELECT);
    Responder().SetFunction([&](const FileDialogRequest&) {
        return std::optional(FileDialogAnswer{
            true, {(m_root / "b.bmp").string(), (m_root / "A.ICO").string()}, false, 0});
    });
    ASSERT_TRUE(GetOpenFileNameA(&multi));
    const std::string expected = m_root.string() + '\0' + "b.bmp" + '\0' + "A.ICO" + '\0' + '\0';
    EXPECT_EQ(std::string(m_buffer.data(), expected.size()), expected);
    EXPECT_EQ(multi.nFileOffset, m_root.string().size() + 1);
}

TEST_F(FileDialogTest, CancelUnansweredAndBadCallsReturnZero) {
    m_folder = m_root.string();
    OPENFILENAMEA ofn = Call();
    Responder().Queue(FileDialogAnswer::Cancel());
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_FALSE(GetSaveFileNameA(&ofn));
    ASSERT_EQ(Responder().Log().size(), 2u);
    EXPECT_FALSE(Responder().Log()[1].answer.has_value());
    EXPECT_EQ(Responder().Log()[1].request.kind, FileDialogKind::Save);
    EXPECT_EQ(m_buffer[0], '\0');

    ofn.lStructSize = 88;
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_STRUCTSIZE);
    ofn = Call();
    ofn.lpstrFile = nullptr;
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_INITIALIZATION);
}

// A palette the main window keeps in the topmost band above itself would hide the buttons of
// a dialog the main window owns: while the dialog is modal it comes above the palette.
TEST_F(FileDialogTest, ComesAboveItsOwnersTopmostToolWindowWhileModal) {
    m_folder = m_root.string();
    const HWND main = TopLevel();
    RECT area;
    GetWindowRect(main, &area);
    const HWND palette = CreateWindowExA(
        WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "RtTest", "palette", WS_POPUP | WS_VISIBLE, area.left,
        area.top, area.right - area.left, area.bottom - area.top, main, {}, {}, nullptr);
    OPENFILENAMEA ofn = Call();
    ofn.hwndOwner = main;
    ActOnce(Responder(), [] {
        const HWND save = GetDlgItem(OpenDialog(), IDOK);
        RECT rect;
        GetWindowRect(save, &rect);
        EXPECT_EQ(WindowFromPoint({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}),
                  save);
        ClickItem(IDCANCEL);
    });
    EXPECT_FALSE(GetSaveFileNameA(&ofn));
    ASSERT_EQ(Responder().Log().size(), 1u);
    EXPECT_TRUE(Responder().Log()[0].answer.has_value()) << "Cancel was not clicked";
    EXPECT_NE(GetWindowLongA(palette, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(WindowFromPoint({area.left + 5, area.top + 5}), palette);
}

TEST_F(FileDialogTest, WalkingFoldersAndPickingAFileWithMouseAndKeys) {
    m_folder = m_root.string();
    ActOnce(Responder(), [&] {
        EXPECT_EQ(Rows(), (std::vector<std::string>{"[..]", "[alpha]", "[Beta Folder]",
                                                    "[\xC3\x9Cnicode dir]", "A.ICO", "b.bmp",
                                                    "my picture.BMP", "r\xC3\xA9sum\xC3\xA9.bmp"}));
        EXPECT_EQ(GetFocus(), GetDlgItem(OpenDialog(), FileDialogWindow::kName));
        ClickRow(2, true);
        EXPECT_EQ(Open().Folder(), (m_root / "Beta Folder").string());
        EXPECT_EQ(Rows(), std::vector<std::string>{"[..]"});
        ClickItem(FileDialogWindow::kUp);
        // A typed folder name and Enter enter it; "[..]" and Enter go back.
        TypeInto(FileDialogWindow::kName, "alpha");
        Press(VK_RETURN);
        EXPECT_EQ(Open().Folder(), (m_root / "alpha").string());
        EXPECT_EQ(NameBox(), "");
        ClickRow(0);
        Press(VK_RETURN);
        EXPECT_EQ(Open().Folder(), m_root.string());
        // Enter on a folder in the list opens it, whatever the name box holds.
        Type("x");
        ClickRow(1);
        Press(VK_DOWN);
        Press(VK_RETURN);
        EXPECT_EQ(Open().Folder(), (m_root / "Beta Folder").string());
        Press(VK_DOWN);
        Press(VK_UP);
        Press(VK_RETURN);
        EXPECT_EQ(Open().Folder(), m_root.string());
        // A click on a file fills the name box; the non-ASCII name goes back whole.
        ClickRow(7);
        EXPECT_EQ(NameBox(), "r\xC3\xA9sum\xC3\xA9.bmp");
        ClickItem(FileDialogWindow::kReadOnly);
        ClickItem(IDOK);
    });
    OPENFILENAMEA ofn = Call();
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(std::string(m_buffer.data()), (m_root / "r\xC3\xA9sum\xC3\xA9.bmp").string());
    EXPECT_NE(ofn.Flags & OFN_READONLY, 0u);

    // A typed name with a space, then Enter; a wildcard filters the list instead.
    ActOnce(Responder(), [&] {
        TypeInto(FileDialogWindow::kName, "*.txt");
        Press(VK_RETURN);
        EXPECT_EQ(Rows().back(), "notes.txt");
        TypeInto(FileDialogWindow::kName, "my picture.BMP");
        Press(VK_RETURN);
    });
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(std::string(m_buffer.data()), (m_root / "my picture.BMP").string());

    // Esc cancels and writes nothing.
    m_buffer.fill('\0');
    ActOnce(Responder(), [] {
        Type("b.bmp");
        Press(VK_ESCAPE);
    });
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(m_buffer[0], '\0');
}

TEST_F(FileDialogTest, TheFilterListChangesWhatTheFolderShows) {
    m_folder = m_root.string();
    ActOnce(Responder(), [&] {
        const HWND type = GetDlgItem(OpenDialog(), FileDialogWindow::kType);
        EXPECT_EQ(SendMessageA(type, CB_GETCURSEL, 0, 0), 1);
        EXPECT_TRUE(Shows("notes.txt"));
        PickFromCombo(FileDialogWindow::kType, "Pictures(*.bmp,*.ico)");
        EXPECT_FALSE(Shows("notes.txt"));
        EXPECT_TRUE(Shows("A.ICO"));
        // Keys: Down on the closed list changes the filter; Enter in the open list only closes it.
        Press(VK_DOWN);
        EXPECT_TRUE(Shows("notes.txt"));
        Press(VK_UP, test::Modifiers::Alt);
        Press(VK_DOWN, test::Modifiers::Alt);
        Press(VK_UP);
        Press(VK_RETURN);
        EXPECT_TRUE(OpenDialog());
        EXPECT_EQ(SendMessageA(type, CB_GETCURSEL, 0, 0), 0);
        TypeInto(FileDialogWindow::kName, "A.ICO");
        Press(VK_RETURN);
    });
    OPENFILENAMEA ofn = Call();
    ofn.nFilterIndex = 2;
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(ofn.nFilterIndex, 1u);
    EXPECT_EQ(std::string(m_buffer.data()), (m_root / "A.ICO").string());
}

TEST_F(FileDialogTest, MissingFilesAreRefusedAndOverwritingAsksFirst) {
    m_folder = m_root.string();
    ActOnce(Responder(), [&] {
        Type("missing.bmp");
        Press(VK_RETURN);
        // The warning was owned by the dialog, which stays open with the name selected.
        ASSERT_EQ(forms::MessageBoxResponder().Log().size(), 1u);
        EXPECT_EQ(forms::MessageBoxResponder().Log()[0].request.owner, OpenDialog());
        Type("b.bmp");
        Press(VK_RETURN);
    });
    OPENFILENAMEA open = Call(kPictures, OFN_NOCHANGEDIR | OFN_FILEMUSTEXIST);
    ASSERT_TRUE(GetOpenFileNameA(&open));
    EXPECT_EQ(std::string(m_buffer.data()), (m_root / "b.bmp").string());
    ASSERT_EQ(forms::MessageBoxResponder().Log().size(), 1u);
    EXPECT_EQ(forms::MessageBoxResponder().Log()[0].request.text,
              "missing.bmp\nFile not found.\nCheck the file name and try again.");

    // Save: "No" keeps the dialog open, "Yes" replaces; a name without extension gets the default.
    forms::MessageBoxResponder().TakeLog();
    forms::MessageBoxResponder().Queue(IDNO);
    forms::MessageBoxResponder().Queue(IDYES);
    ActOnce(Responder(), [&] {
        Type("notes.txt");
        Press(VK_RETURN);
        EXPECT_TRUE(OpenDialog());
        Press(VK_RETURN);
    });
    OPENFILENAMEA save = Call(nullptr, OFN_NOCHANGEDIR | OFN_OVERWRITEPROMPT);
    ASSERT_TRUE(GetSaveFileNameA(&save));
    EXPECT_EQ(std::string(m_buffer.data()), (m_root / "notes.txt").string());
    EXPECT_EQ(forms::MessageBoxResponder().Log().size(), 2u);

    // A read-only file is refused when the caller asks for a writable one.
    fs::permissions(m_root / "b.bmp", fs::perms::owner_read | fs::perms::group_read);
    forms::MessageBoxResponder().Queue(IDYES);
    ActOnce(Responder(), [] {
        Type("b.bmp");
        Press(VK_RETURN);
        EXPECT_TRUE(OpenDialog());
        Press(VK_ESCAPE);
    });
    save.Flags |= OFN_NOREADONLYRETURN;
    EXPECT_FALSE(GetSaveFileNameA(&save));
    EXPECT_EQ(forms::MessageBoxResponder().Log().back().request.text,
              "b.bmp\nThis file is set to read-only.\nTry again with a different file name.");
    save.Flags &= ~OFN_NOREADONLYRETURN;
    forms::MessageBoxResponder().TakeLog();

    ActOnce(Responder(), [] {
        Type("new one");
        Press(VK_RETURN);
    });
    save.lpstrDefExt = "ksf";
    ASSERT_TRUE(GetSaveFileNameA(&save));
    EXPECT_EQ(std::string(m_buffer.data()), (m_root / "new one.ksf").string());
    EXPECT_TRUE(forms::MessageBoxResponder().Log().empty()) << "a new file needs no question";
}

TEST_F(FileDialogTest, QuotedNamesChooseSeveralFilesEachChecked) {
    m_folder = m_root.string();
    ActOnce(Responder(), [] {
        Type("\"b.bmp\" \"gone.bmp\"");
        Press(VK_RETURN);
        EXPECT_TRUE(OpenDialog());
        Type("\"b.bmp\" \"my picture.BMP\"");
        Press(VK_RETURN);
    });
    OPENFILENAMEA ofn = Call(kPictures, OFN_NOCHANGEDIR | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST);
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    const std::string expected =
        m_root.string() + '\0' + "b.bmp" + '\0' + "my picture.BMP" + '\0' + '\0';
    EXPECT_EQ(std::string(m_buffer.data(), expected.size()), expected);
    ASSERT_EQ(forms::MessageBoxResponder().Log().size(), 1u);
    EXPECT_EQ(forms::MessageBoxResponder().Log()[0].request.text.substr(0, 9), "gone.bmp\n");
}

TEST_F(FileDialogTest, CtrlAndShiftClicksInTheListChooseSeveralFiles) {
    m_folder = m_root.string();
    const auto withKey = [](int vk, int row) {
        test::keyDown(vk);
        ClickRow(row);
        test::keyUp(vk);
        test::pump();
    };
    // Rows: [..] [alpha] [Beta Folder] [Ünicode dir] A.ICO b.bmp "my picture.BMP" résumé.bmp
    ActOnce(Responder(), [&] {
        ClickRow(4);
        EXPECT_EQ(NameBox(), "A.ICO");
        withKey(VK_CONTROL, 6);
        withKey(VK_CONTROL, 1);
        EXPECT_EQ(NameBox(), "\"A.ICO\" \"my picture.BMP\"") << "folders are not named";
        withKey(VK_SHIFT, 7);
        EXPECT_EQ(NameBox(), "\"A.ICO\" \"b.bmp\" \"my picture.BMP\" \"r\xC3\xA9sum\xC3\xA9.bmp\"");
        ClickItem(IDOK);
    });
    OPENFILENAMEA ofn = Call(kPictures, OFN_NOCHANGEDIR | OFN_ALLOWMULTISELECT | OFN_EXPLORER);
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    const std::string expected = m_root.string() + '\0' + "A.ICO" + '\0' + "b.bmp" + '\0' +
                                 "my picture.BMP" + '\0' + "r\xC3\xA9sum\xC3\xA9.bmp" + '\0' + '\0';
    EXPECT_EQ(std::string(m_buffer.data(), expected.size()), expected);
    EXPECT_EQ(ofn.nFileOffset, m_root.string().size() + 1);

    // One selected file comes back as its full path.
    m_buffer.fill('\0');
    ActOnce(Responder(), [&] {
        ClickRow(5);
        Press(VK_RETURN);
    });
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(std::string(m_buffer.data()), (m_root / "b.bmp").string());
}

TEST_F(FileDialogTest, TheCurrentDirectoryFollowsTheChoiceUnlessKept) {
    const fs::path before = fs::current_path();
    m_folder = m_root.string();
    Responder().SetFunction([&](const FileDialogRequest&) {
        return std::optional(FileDialogAnswer{true, {(m_root / "alpha" / "inner.bmp").string()}});
    });
    OPENFILENAMEA ofn = Call(kPictures, 0);
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(fs::current_path(), m_root / "alpha");
    fs::current_path(before);
    ofn = Call(kPictures, OFN_NOCHANGEDIR);
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(fs::current_path(), before);
}

} // namespace

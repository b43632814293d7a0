#include "DialogFixture.h"

#include "platform/forms/dialogs/folder/FolderBrowser.h"
#include "platform/forms/dialogs/folder/FolderBrowserWindow.h"
#include "platform/forms/dialogs/folder/FolderTree.h"

using namespace dialogtest;
using forms::FolderBrowserAnswer;
using forms::FolderBrowserRequest;
using forms::FolderBrowserWindow;
using forms::FolderNode;

namespace {

class FolderBrowserTest : public DialogTest {
protected:
    void TearDown() override {
        EXPECT_EQ(forms::LiveItemIdListCount(), 0u) << "every item-id list is freed";
        DialogTest::TearDown();
    }

    static forms::FolderBrowserResponderType& Responder() {
        return forms::FolderBrowserResponder();
    }

    // An item-id list for `path`, as a previous browse hands it out.
    static LPITEMIDLIST ListFor(const std::string& path) {
        Responder().Queue(FolderBrowserAnswer{true, path});
        BROWSEINFOA bi;
        return SHBrowseForFolderA(&bi);
    }

    static std::string PathOf(LPCITEMIDLIST pidl) {
        char path[260] = {};
        return SHGetPathFromIDListA(pidl, path) ? path : "(virtual)";
    }

    // Clicks or double-clicks the tree row showing `display`, after checking it lies there.
    static void ClickRow(const std::string& display, bool twice = false) {
        const HWND list = GetDlgItem(OpenDialog(), FolderBrowserWindow::kTree);
        const auto& rows =
            static_cast<FolderBrowserWindow*>(forms::DialogWindow::FromHwnd(OpenDialog()))
                ->Tree()
                .Rows();
        int row = -1;
        for (size_t i = 0; i < rows.size(); ++i) {
            row = rows[i].display == display ? static_cast<int>(i) : row;
        }
        ASSERT_GE(row, 0) << display;
        const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        const POINT point{40, row * height + height / 2};
        ASSERT_EQ(SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y)), row);
        twice ? test::doubleClick(list, point) : test::click(list, point);
        test::pump();
    }

    ScratchFolder m_scratch{{"alpha/inner", "Beta Folder"}, {"alpha/file.txt"}};
};

TEST_F(FolderBrowserTest, TreeShowsTheChainToTheOpenFolderAndItsChildren) {
    const std::string root = m_scratch.Path().string();
    forms::FolderTree tree(root, "", false);
    EXPECT_EQ(tree.Rows(),
              (std::vector<FolderNode>{{root, m_scratch.Path().filename().string(), 0, false},
                                       {m_scratch / "alpha", "alpha", 1, false},
                                       {m_scratch / "Beta Folder", "Beta Folder", 1, false}}));
    tree.Open(1);
    ASSERT_EQ(tree.Rows().size(), 3u);
    EXPECT_EQ(tree.Rows()[2], (FolderNode{m_scratch / "alpha/inner", "inner", 2, false}));

    forms::FolderTree withFiles(root, "", true);
    withFiles.OpenPath(m_scratch / "alpha");
    EXPECT_EQ(withFiles.Rows().back(),
              (FolderNode{m_scratch / "alpha/file.txt", "file.txt", 2, true}));
    withFiles.Open(withFiles.Rows().size() - 1);
    EXPECT_EQ(withFiles.OpenFolder(), m_scratch / "alpha") << "a file does not open";
    withFiles.OpenPath("/elsewhere");
    EXPECT_EQ(withFiles.OpenFolder(), m_scratch / "alpha") << "nothing outside the root";

    // The virtual root holds the home folder and "/"; a folder below home hangs under it.
    forms::FolderTree top("", root, false);
    EXPECT_EQ(top.Rows(), (std::vector<FolderNode>{{"", "Folders", 0, false},
                                                   {root, top.Rows()[1].display, 1, false},
                                                   {"/", "/", 1, false}}));
    top.OpenPath(m_scratch / "alpha");
    EXPECT_EQ(top.Rows()[1].path, root);
    EXPECT_EQ(top.Rows()[2], (FolderNode{m_scratch / "alpha", "alpha", 2, false}));
    EXPECT_EQ(top.Rows()[3].depth, 3);
}

TEST_F(FolderBrowserTest, ResponderAnswersAreItemIdListsWithPathsAndNames) {
    const HWND main = TopLevel();
    LPITEMIDLIST root = ListFor(m_scratch.Path().string());
    char name[260] = "unchanged";
    BROWSEINFOA bi;
    bi.hwndOwner = Child(main);
    bi.pidlRoot = root;
    bi.pszDisplayName = name;
    bi.lpszTitle = "Pick a folder";
    bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX;
    Responder().SetFunction([&](const FolderBrowserRequest& request) {
        EXPECT_EQ(request.owner, main);
        EXPECT_FALSE(IsWindowEnabled(main));
        EXPECT_EQ(request.instruction, "Pick a folder");
        EXPECT_EQ(request.root, m_scratch.Path().string());
        EXPECT_EQ(request.flags, BIF_RETURNONLYFSDIRS | BIF_EDITBOX);
        char caption[32] = {};
        GetWindowTextA(OpenDialog(), caption, sizeof caption);
        EXPECT_STREQ(caption, "Browse for Folder");
        return std::optional(FolderBrowserAnswer{true, m_scratch / "Beta Folder"});
    });
    LPITEMIDLIST chosen = SHBrowseForFolderA(&bi);
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(PathOf(chosen), m_scratch / "Beta Folder");
    EXPECT_STREQ(name, "Beta Folder");
    EXPECT_TRUE(IsWindowEnabled(main));

    // The virtual root has no path; Cancel and no responder give null and keep the name.
    LPITEMIDLIST top = ListFor("");
    EXPECT_EQ(PathOf(top), "(virtual)");
    strcpy(name, "kept");
    Responder().SetFunction(nullptr);
    Responder().Queue(FolderBrowserAnswer::Cancel());
    EXPECT_EQ(SHBrowseForFolderA(&bi), nullptr);
    EXPECT_EQ(SHBrowseForFolderA(&bi), nullptr);
    EXPECT_FALSE(Responder().Log().back().answer.has_value());
    EXPECT_STREQ(name, "kept");

    for (LPITEMIDLIST list : {root, chosen, top}) {
        CoTaskMemFree(list);
    }
    CoTaskMemFree(nullptr);
    CoTaskMemFree(chosen); // freed already: ignored
    EXPECT_EQ(PathOf(chosen), "(virtual)") << "a freed list is not read";
}

TEST_F(FolderBrowserTest, WalkingTheTreeAndTypingANameWithMouseAndKeys) {
    LPITEMIDLIST root = ListFor(m_scratch.Path().string());
    BROWSEINFOA bi;
    bi.pidlRoot = root;
    bi.ulFlags = BIF_RETURNONLYFSDIRS;
    ActOnce(Responder(), [] {
        ClickRow("alpha", true);
        ClickRow("inner");
        ClickItem(IDOK);
    });
    LPITEMIDLIST inner = SHBrowseForFolderA(&bi);
    EXPECT_EQ(PathOf(inner), m_scratch / "alpha/inner");

    // Keys: Down selects, Right opens, Left climbs a level (opening the folder above).
    ActOnce(Responder(), [] {
        EXPECT_EQ(GetFocus(), GetDlgItem(OpenDialog(), FolderBrowserWindow::kTree));
        Press(VK_DOWN);
        Press(VK_RIGHT);
        Press(VK_DOWN);
        Press(VK_RETURN);
    });
    LPITEMIDLIST keyed = SHBrowseForFolderA(&bi);
    EXPECT_EQ(PathOf(keyed), m_scratch / "alpha/inner");
    ActOnce(Responder(), [] {
        Press(VK_DOWN);
        Press(VK_RIGHT);
        Press(VK_DOWN);
        Press(VK_LEFT);
        Press(VK_LEFT);
        Press(VK_RETURN);
    });
    LPITEMIDLIST climbed = SHBrowseForFolderA(&bi);
    EXPECT_EQ(PathOf(climbed), m_scratch.Path().string());

    // With the edit box: a typed name below the selected folder, Enter answers.
    bi.ulFlags = BIF_EDITBOX;
    ActOnce(Responder(), [&] {
        // The edit box shows the selected item's name.
        char shown[64] = {};
        GetWindowTextA(GetDlgItem(OpenDialog(), FolderBrowserWindow::kEdit), shown, sizeof shown);
        EXPECT_EQ(shown, m_scratch.Path().filename().string());
        TypeInto(FolderBrowserWindow::kEdit, "Beta Folder");
        Press(VK_RETURN);
    });
    LPITEMIDLIST typed = SHBrowseForFolderA(&bi);
    EXPECT_EQ(PathOf(typed), m_scratch / "Beta Folder");

    // Computers are asked for and there are none: OK stays grey, only Esc ends it.
    bi.ulFlags = BIF_BROWSEFORCOMPUTER;
    ActOnce(Responder(), [] {
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(OpenDialog(), IDOK)));
        Press(VK_RETURN);
        EXPECT_TRUE(OpenDialog());
        Press(VK_ESCAPE);
    });
    EXPECT_EQ(SHBrowseForFolderA(&bi), nullptr);
    EXPECT_TRUE(Responder().Log().back().answer.has_value());

    // The virtual root cannot be returned with BIF_RETURNONLYFSDIRS.
    bi.pidlRoot = nullptr;
    bi.ulFlags = BIF_RETURNONLYFSDIRS;
    ActOnce(Responder(), [] {
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(OpenDialog(), IDOK)));
        ClickRow("/");
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(OpenDialog(), IDOK)));
        Press(VK_RETURN);
    });
    LPITEMIDLIST slash = SHBrowseForFolderA(&bi);
    EXPECT_EQ(PathOf(slash), "/");
    for (LPITEMIDLIST list : {root, inner, keyed, climbed, typed, slash}) {
        CoTaskMemFree(list);
    }
}

} // namespace

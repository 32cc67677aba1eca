// The save (214), open (215) and save-confirm (271) dialogs driven as a user would.
#include "AppFixture.h"
#include "app/Form_SaveConfig.h"
#include "app/Form_SaveConfirm.h"
#include "app/Form_SelectConfig.h"
#include "platform/Files.h"
#include "platform/ui/TestWindows.h"
#include "support/FileSizeLimit.h"

#include <cstring>
#include <functional>
#include <memory>

namespace {

CString PathBox(DialogProbe& p)
{
    return p.Item(IDC_CONFIG_PATH)->GetWindowText();
}

CConfigFileDialog& ConfigDialog(DialogProbe& p)
{
    return dynamic_cast<CConfigFileDialog&>(p.Dialog());
}

class ConfigDialogsTest : public AppTest {
protected:
    // The known files as the configuration path file holds them after a dialog closed.
    std::vector<std::string> Stored() const
    {
        std::vector<std::string> paths;
        for (int index = 0; index < 200; ++index) {
            const CString path = Ini(ConfigPathIni(), "Main", ("CONFIG" + std::to_string(index)).c_str());
            if (path.IsEmpty())
                break;
            paths.push_back(path.str());
        }
        return paths;
    }
};

} // namespace

TEST_F(ConfigDialogsTest, SaveDialogProposesTheFirstFreeNameAndListsTheKnownFiles)
{
    Write("NewDiary1.ini", "");
    Write("config/other.ini", "");
    CIniFile().WriteString(ConfigPathIni().c_str(), "Main", "CONFIG0", File("config/other.ini").c_str());
    g_strConfigPath = "FalseFileName";
    CForm_SaveConfig dialog;
    driver->Expect(IDD_SAVE_CONFIG, [&](DialogProbe& p) {
        EXPECT_EQ(PathBox(p), File("NewDiary2.ini"));
        auto& list = ConfigDialog(p).m_list;
        ASSERT_EQ(list.GetItemCount(), 2);
        EXPECT_EQ(list.GetItemText(0, 1), "1");
        EXPECT_EQ(list.GetItemText(0, 2), File("NewDiary1.ini"));
        EXPECT_EQ(list.GetItemText(1, 2), File("config/other.ini"));
        EXPECT_EQ(list.GetColumnWidth(0), 0);
        EXPECT_EQ(list.GetColumnWidth(2), 650);
        EXPECT_TRUE(p.Dialog().GetExStyle() & WS_EX_APPWINDOW);
        p.PressEnter();
        EXPECT_TRUE(p.IsOpen()) << "Enter does nothing";
        p.PressEscape();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(g_strConfigPath, File("NewDiary2.ini"));
    EXPECT_EQ(Stored(), (std::vector<std::string>{File("NewDiary1.ini"), File("config/other.ini")}))
        << "the list is written back on Cancel too";
}

TEST_F(ConfigDialogsTest, SaveDialogResolvesABareNameAndListsTheTextAsTyped)
{
    g_strConfigPath = File("current.ini");
    const auto save = [&](const std::string& typed) {
        CForm_SaveConfig dialog;
        driver->Expect(IDD_SAVE_CONFIG, [&](DialogProbe& p) {
            p.Type(IDC_CONFIG_PATH, typed.c_str());
            p.Click(IDC_CONFIG_OK);
        });
        EXPECT_EQ(dialog.DoModal(), IDOK);
    };
    save(" mine ");
    EXPECT_EQ(g_strConfigPath, File("mine.ini"));
    EXPECT_EQ(Stored(), std::vector<std::string>{"mine"});
    save(File("config") + "/other");
    EXPECT_EQ(g_strConfigPath, File("config/other.ini"));
    EXPECT_EQ(Stored(), std::vector<std::string>{File("config/other")}) << "\"mine\" names nothing: dropped";
}

TEST_F(ConfigDialogsTest, SaveDialogKeepsAnExtensionInAnyLetterCase)
{
    CForm_SaveConfig dialog;
    driver->Expect(IDD_SAVE_CONFIG, [&](DialogProbe& p) {
        p.Type(IDC_CONFIG_PATH, (File("config") + "/Design.INI").c_str());
        p.Click(IDC_CONFIG_OK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(g_strConfigPath, File("config/Design.INI"));
}

TEST_F(ConfigDialogsTest, SaveDialogRefusesAnEmptyName)
{
    g_strConfigPath = File("current.ini");
    CForm_SaveConfig dialog;
    driver->Expect(IDD_SAVE_CONFIG, [&](DialogProbe& p) {
        p.Type(IDC_CONFIG_PATH, "  ");
        p.Click(IDC_CONFIG_OK);
        EXPECT_TRUE(p.IsOpen());
        EXPECT_EQ(ConfigDialog(p).m_list.GetItemCount(), 0);
        p.Click(IDC_CONFIG_CANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(g_strConfigPath, File("current.ini"));
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Please enter a file name."});
}

TEST_F(ConfigDialogsTest, SaveDialogTakesAClickedRowIntoThePathBox)
{
    Write("a.ini", "");
    Write("b.ini", "");
    CForm_SaveConfig dialog;
    driver->Expect(IDD_SAVE_CONFIG, [&](DialogProbe& p) {
        ClickListRow(p.Dialog(), IDC_CONFIG_LIST, 1);
        EXPECT_EQ(PathBox(p), File("b.ini"));
        ClickListRow(p.Dialog(), IDC_CONFIG_LIST, -1);
        EXPECT_EQ(PathBox(p), File("b.ini")) << "a click beside the rows does nothing";
        p.Click(IDC_CONFIG_OK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(g_strConfigPath, File("b.ini"));
}

TEST_F(ConfigDialogsTest, SaveDialogDeletesTheSelectedRowsFileAfterAsking)
{
    Write("a.ini", "");
    Write("b.ini", "");
    CForm_SaveConfig dialog;
    boxes->Answer(IDNO);
    boxes->Answer(IDYES);
    driver->Expect(IDD_SAVE_CONFIG, [&](DialogProbe& p) {
        ClickListRow(p.Dialog(), IDC_CONFIG_LIST, 0);
        p.Click(IDC_SAVE_DELETE);
        EXPECT_EQ(ConfigDialog(p).m_list.GetItemCount(), 2) << "No keeps the file";
        p.Click(IDC_SAVE_DELETE);
        auto& list = ConfigDialog(p).m_list;
        ASSERT_EQ(list.GetItemCount(), 1);
        EXPECT_EQ(list.GetItemText(0, 1), "2") << "the other rows keep their numbers";
        p.Click(IDC_CONFIG_CANCEL);
    });
    dialog.DoModal();
    ASSERT_EQ(boxes->Shown().size(), 2u);
    EXPECT_EQ(boxes->Shown()[0].text, "Are you sure you want to delete file:" + File("a.ini"));
    EXPECT_EQ(boxes->Shown()[0].caption, "Question");
    EXPECT_EQ(boxes->Shown()[0].type & 0xF, MB_YESNOCANCEL);
    EXPECT_FALSE(platform::PathExists(File("a.ini")));
    EXPECT_TRUE(platform::PathExists(File("b.ini")));
    EXPECT_EQ(Stored(), std::vector<std::string>{File("b.ini")});
}

// 214 asks first and 215 does not; either tells a file it could not delete as an error under the
// name of what failed, and keeps its row and so its entry in the stored list.
TEST_F(ConfigDialogsTest, BothDialogsReportAFailedDeletionAndKeepTheRow)
{
    for (const bool save : {true, false}) {
        SCOPED_TRACE(save ? "save dialog" : "open dialog");
        Write("a.ini", "");
        std::unique_ptr<CConfigFileDialog> dialog;
        if (save)
            dialog = std::make_unique<CForm_SaveConfig>();
        else
            dialog = std::make_unique<CForm_SelectConfig>();
        if (save)
            boxes->Answer(IDYES);
        const size_t shownBefore = boxes->Shown().size();
        driver->Expect(save ? IDD_SAVE_CONFIG : IDD_SELECT_CONFIG, [&](DialogProbe& p) {
            ClickListRow(p.Dialog(), IDC_CONFIG_LIST, 0);
            platform::RemoveFile(File("a.ini"));   // gone before the user deletes it
            p.Click(save ? IDC_SAVE_DELETE : IDC_SELECT_DELETE);
            EXPECT_EQ(ConfigDialog(p).m_list.GetItemCount(), 1);
            p.Click(IDC_CONFIG_CANCEL);
        });
        dialog->DoModal();
        ASSERT_EQ(boxes->Shown().size(), shownBefore + (save ? 2u : 1u));
        if (save) {
            EXPECT_EQ(boxes->Shown()[shownBefore].text, "Are you sure you want to delete file:" + File("a.ini"));
        }
        const auto& told = boxes->Shown().back();
        EXPECT_EQ(told.text, "无法删除文件 '" + File("a.ini") + "'。\n" + std::strerror(ENOENT));
        EXPECT_EQ(told.caption, "删除文件");
        EXPECT_EQ(told.type & 0xF0u, MB_ICONERROR);
        EXPECT_EQ(Stored(), std::vector<std::string>{File("a.ini")});
    }
}

TEST_F(ConfigDialogsTest, SaveDialogChoosesAFileThroughTheSaveAsDialog)
{
    g_strConfigPath = File("config/current.ini");
    commonDialogs->Answer({IDOK, File("chosen.ini")});
    CForm_SaveConfig dialog;
    driver->Expect(IDD_SAVE_CONFIG, [&](DialogProbe& p) {
        p.Click(IDC_SAVE_CHOOSE_FILE);
        EXPECT_EQ(PathBox(p), File("chosen.ini"));
        p.Click(IDC_CONFIG_CANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(g_strConfigPath, File("chosen.ini")) << "a chosen file stays chosen on Cancel";
    ASSERT_EQ(commonDialogs->Requests().size(), 1u);
    const auto& request = commonDialogs->Requests()[0];
    EXPECT_EQ(request.kind, platform::ui::CommonDialogKind::SaveFile);
    EXPECT_EQ(request.title, "Sava As");
}

TEST_F(ConfigDialogsTest, OpenDialogStartsEmptyAndTakesAClickedRow)
{
    Write("a.ini", "");
    Write("b.ini", "");
    g_strConfigPath = File("a.ini");
    CForm_SelectConfig dialog;
    driver->Expect(IDD_SELECT_CONFIG, [&](DialogProbe& p) {
        EXPECT_EQ(PathBox(p), "");
        EXPECT_EQ(ConfigDialog(p).m_list.GetItemCount(), 2);
        ClickListRow(p.Dialog(), IDC_CONFIG_LIST, 1);
        EXPECT_EQ(PathBox(p), File("b.ini"));
        p.Click(IDC_CONFIG_OK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(g_strConfigPath, File("b.ini"));
    EXPECT_EQ(Stored(), (std::vector<std::string>{File("a.ini"), File("b.ini")}));
}

TEST_F(ConfigDialogsTest, OpenDialogIgnoresOkWhileThePathBoxIsEmpty)
{
    g_strConfigPath = File("a.ini");
    commonDialogs->Answer({IDCANCEL, ""});
    CForm_SelectConfig dialog;
    driver->Expect(IDD_SELECT_CONFIG, [&](DialogProbe& p) {
        p.Click(IDC_CONFIG_OK);
        EXPECT_TRUE(p.IsOpen());
        p.Click(IDC_SELECT_CHOOSE_FILE);   // cancelled: the box stays empty
        p.Click(IDC_CONFIG_OK);
        EXPECT_TRUE(p.IsOpen());
        p.PressEscape();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(g_strConfigPath, File("a.ini"));
}

// "riji" and space through an input method: the read-only box keeps its text, so 确定 opens
// no "日记" in place of the design.
TEST_F(ConfigDialogsTest, OpenDialogsPathBoxTakesNoInputMethodText)
{
    g_strConfigPath = File("a.ini");
    CForm_SelectConfig dialog;
    driver->Expect(IDD_SELECT_CONFIG, [&](DialogProbe& p) {
        p.CommitInputMethodText(IDC_CONFIG_PATH, "日记");
        EXPECT_EQ(PathBox(p), "");
        p.Click(IDC_CONFIG_OK);
        EXPECT_TRUE(p.IsOpen());
        p.PressEscape();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(g_strConfigPath, File("a.ini"));
}

TEST_F(ConfigDialogsTest, OpenDialogDoubleClickAndEnterOpenTheRowAndEnterWithoutOneCancels)
{
    Write("a.ini", "");
    const auto run = [&](const std::function<void(DialogProbe&)>& press) {
        g_strConfigPath = "unchanged";
        CForm_SelectConfig dialog;
        driver->Expect(IDD_SELECT_CONFIG, press);
        return dialog.DoModal();
    };
    EXPECT_EQ(run([](DialogProbe& p) {
                  ClickListRow(p.Dialog(), IDC_CONFIG_LIST, 0);
                  ClickListRow(p.Dialog(), IDC_CONFIG_LIST, 0, NM_DBLCLK);
              }),
              IDOK);
    EXPECT_EQ(g_strConfigPath, File("a.ini"));
    EXPECT_EQ(run([](DialogProbe& p) {
                  ClickListRow(p.Dialog(), IDC_CONFIG_LIST, 0);
                  p.PressEnter();
              }),
              IDOK);
    EXPECT_EQ(g_strConfigPath, File("a.ini")) << "Enter opens the row chosen, never the current path again";
    EXPECT_EQ(run([](DialogProbe& p) { p.PressEnter(); }), IDCANCEL);
    EXPECT_EQ(g_strConfigPath, "unchanged");
}

TEST_F(ConfigDialogsTest, OpenDialogChoosesAFileAndListsIt)
{
    Write("config/chosen.ini", "");
    commonDialogs->Answer({IDOK, File("config/chosen.ini")});
    CForm_SelectConfig dialog;
    driver->Expect(IDD_SELECT_CONFIG, [&](DialogProbe& p) {
        p.Click(IDC_SELECT_CHOOSE_FILE);
        EXPECT_EQ(PathBox(p), File("config/chosen.ini"));
        auto& list = ConfigDialog(p).m_list;
        ASSERT_EQ(list.GetItemCount(), 1);
        EXPECT_EQ(list.GetItemText(0, 1), "1");
        p.Click(IDC_CONFIG_OK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(g_strConfigPath, File("config/chosen.ini"));
    EXPECT_EQ(commonDialogs->Requests().at(0).kind, platform::ui::CommonDialogKind::OpenFile);
    EXPECT_EQ(Stored(), std::vector<std::string>{File("config/chosen.ini")});
}

// The list the path file could not take is the one the next dialog shows, so a design kept outside
// the program folder stays within reach for the rest of the run; a write that works again lets
// the file speak.
TEST_F(ConfigDialogsTest, TheKnownFilesAPathFileCouldNotTakeAreStillListed)
{
    Write("config/chosen.ini", "");
    Write("config/config_path.ini", "[Main]\r\nCONFIG0=" + File("config/old.ini") + "\r\n");
    Write("config/old.ini", "");
    const auto listed = [&] {
        std::vector<std::string> rows;
        CForm_SelectConfig dialog;
        driver->Expect(IDD_SELECT_CONFIG, [&](DialogProbe& p) {
            auto& list = ConfigDialog(p).m_list;
            for (int row = 0; row < list.GetItemCount(); ++row)
                rows.push_back(list.GetItemText(row, 2).str());
            p.Click(IDC_CONFIG_CANCEL);
        });
        dialog.DoModal();
        return rows;
    };
    commonDialogs->Answer({IDOK, File("config/chosen.ini")});
    boxes->Answer(IDOK);
    {
        FileSizeLimit full(16);
        CForm_SelectConfig dialog;
        driver->Expect(IDD_SELECT_CONFIG, [&](DialogProbe& p) {
            p.Click(IDC_SELECT_CHOOSE_FILE);
            p.Click(IDC_CONFIG_OK);
        });
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(boxes->Shown().size(), 1u) << "the failed write is told";
        EXPECT_EQ(listed(), (std::vector<std::string>{File("config/old.ini"), File("config/chosen.ini")}));
    }
    EXPECT_EQ(Stored(), std::vector<std::string>{File("config/old.ini")});
    EXPECT_EQ(listed(), (std::vector<std::string>{File("config/old.ini"), File("config/chosen.ini")}));
    EXPECT_EQ(Stored(), (std::vector<std::string>{File("config/old.ini"), File("config/chosen.ini")}));
    Write("config/config_path.ini", "[Main]\r\nCONFIG0=" + File("config/old.ini") + "\r\n");
    EXPECT_EQ(listed(), std::vector<std::string>{File("config/old.ini")});
}

TEST_F(ConfigDialogsTest, OpenDialogDeletesTheSelectedFileWithoutAsking)
{
    Write("a.ini", "");
    Write("b.ini", "");
    CForm_SelectConfig dialog;
    driver->Expect(IDD_SELECT_CONFIG, [&](DialogProbe& p) {
        ClickListRow(p.Dialog(), IDC_CONFIG_LIST, 1);
        p.Click(IDC_SELECT_DELETE);
        EXPECT_EQ(PathBox(p), "");
        EXPECT_EQ(ConfigDialog(p).m_list.GetItemCount(), 1);
        p.Click(IDC_SELECT_DELETE);   // nothing selected: nothing happens
        EXPECT_EQ(ConfigDialog(p).m_list.GetItemCount(), 1);
        p.Click(IDC_CONFIG_CANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(boxes->Shown().empty());
    EXPECT_TRUE(platform::PathExists(File("a.ini")));
    EXPECT_FALSE(platform::PathExists(File("b.ini")));
}

TEST_F(ConfigDialogsTest, SaveConfirmHandsBackTheChoice)
{
    const auto run = [&](const std::function<void(DialogProbe&)>& press) {
        CForm_SaveConfirm dialog;
        driver->Expect(IDD_SAVE_CONFIRM, press);
        return dialog.DoModal();
    };
    EXPECT_EQ(run([](DialogProbe& p) { p.Click(IDC_CONFIRM_GENERATE); }), IDOK);
    EXPECT_EQ(g_nSaveConfirmChoice, 0);
    EXPECT_EQ(run([](DialogProbe& p) { p.PressEnter(); }), IDOK);
    EXPECT_EQ(g_nSaveConfirmChoice, 0) << "Enter keeps the choice";
    EXPECT_EQ(run([](DialogProbe& p) { p.Click(IDC_CONFIRM_SAVE_FIRST); }), IDOK);
    EXPECT_EQ(g_nSaveConfirmChoice, 1);
    EXPECT_EQ(run([](DialogProbe& p) { p.Click(IDC_CONFIRM_CANCEL); }), IDCANCEL);
    EXPECT_EQ(run([](DialogProbe& p) { p.PressEscape(); }), IDCANCEL);
    EXPECT_EQ(g_nSaveConfirmChoice, 1);
}

// The row the arrow keys move to fills the path box as a click does, so 确定 takes the row shown.
TEST_F(ConfigDialogsTest, BothDialogsTakeTheRowTheKeysMoveTo)
{
    Write("a.ini", "");
    Write("b.ini", "");
    const struct {
        UINT dialog;
        std::function<INT_PTR()> run;
    } dialogs[] = {{IDD_SAVE_CONFIG, [] { return CForm_SaveConfig().DoModal(); }},
                   {IDD_SELECT_CONFIG, [] { return CForm_SelectConfig().DoModal(); }}};
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.dialog);
        g_strConfigPath = File("a.ini");
        driver->Expect(d.dialog, [&](DialogProbe& p) {
            CWnd& list = *p.Item(IDC_CONFIG_LIST);
            list.SetFocus();
            for (UINT key : {VK_DOWN, VK_DOWN, VK_UP, VK_DOWN})
                platform::ui::SimulateKey(list, key);
            EXPECT_EQ(PathBox(p), File("b.ini"));
            p.Click(IDC_CONFIG_OK);
        });
        EXPECT_EQ(d.run(), IDOK);
        EXPECT_EQ(g_strConfigPath, File("b.ini"));
    }
}

#pragma once
// A program folder of its own (the shipped config/ copied in, the current folder), the settings
// as at start-up, the program's resources, and recorders for every dialog a user would answer:
// modal dialogs, message boxes, file dialogs, the shell and the documents folder.

#include "app/AppGlobals.h"
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/TestWindows.h"
#include "resources/ProgramResources.h"
#include "resources/ResourceIds.h"
#include "settings/CivilDate.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "settings/StartUp.h"
#include "support/Printers.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using platform::ui::DialogProbe;

class AppTest : public testing::Test {
protected:
    void SetUp() override
    {
        ResetAllSettings();
        g_nSaveConfirmChoice = 1;
        g_bPathFileFailureTold = false;
        platform::SetFixedClock(static_cast<std::time_t>(civil::DaysFromCivil(2026, 6, 15)) * 86400 + 12 * 3600);
        m_folder = std::make_unique<TempFolder>(true);
        g_strExeFolder = m_folder->Path() + "/";
        m_documents = std::make_unique<platform::ui::DocumentsFolderOverride>(CString(m_folder->File("docs")));
        platform::SetShellRecorder([this](const std::string& target) {
            opened.push_back(target);
            return openerStarts;
        });
        RegisterProgramResources();
        driver = std::make_unique<platform::ui::ModalDriver>([this](const std::string& f) { failures.push_back(f); });
        boxes = std::make_unique<platform::ui::MessageBoxRecorder>();
        commonDialogs = std::make_unique<platform::ui::CommonDialogRecorder>();
        // The user has seen the welcome dialog; tests of a first start remove this.
        CIniFile().WriteString(ConfigPathIni().c_str(), "Main", "StartShow", "0");
    }
    void TearDown() override
    {
        EXPECT_TRUE(failures.empty()) << (failures.empty() ? "" : failures.front());
        commonDialogs.reset();
        boxes.reset();
        driver.reset();
        platform::SetShellRecorder(nullptr);
        m_documents.reset();
        m_folder.reset();
        platform::ClearFixedClock();
        ResetAllSettings();
    }

    std::string Program() const { return m_folder->Path() + "/"; }
    std::string File(const std::string& name) const { return m_folder->File(name); }
    void Write(const std::string& name, const std::string& bytes) const { m_folder->Write(name, bytes); }
    std::string Read(const std::string& name) const { return m_folder->Read(name); }
    static CString Ini(const std::string& file, const char* section, const char* key)
    {
        return CIniFile().GetString(file.c_str(), section, key);
    }
    std::string ConfigPathIni() const { return File("config/config_path.ini"); }
    std::vector<std::string> MessageTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : boxes->Shown())
            texts.push_back(box.text);
        return texts;
    }

    std::vector<std::string> failures;
    std::vector<std::string> opened;
    bool openerStarts = true;   // false: the desktop has no opener
    std::unique_ptr<platform::ui::ModalDriver> driver;
    std::unique_ptr<platform::ui::MessageBoxRecorder> boxes;
    std::unique_ptr<platform::ui::CommonDialogRecorder> commonDialogs;

private:
    std::unique_ptr<TempFolder> m_folder;
    std::unique_ptr<platform::ui::DocumentsFolderOverride> m_documents;
};

// A click on a row of a list as the list tells its dialog: the row selected, then NM_CLICK (or
// NM_DBLCLK) with the row hit.
inline void ClickListRow(CWnd& dialog, int listId, int row, UINT code = NM_CLICK)
{
    auto* list = static_cast<CListCtrl*>(dialog.GetDlgItem(listId));
    if (row >= 0)
        list->SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    NMITEMACTIVATE click;
    click.hdr.hwndFrom = list->m_hWnd;
    click.hdr.idFrom = static_cast<UINT_PTR>(listId);
    click.hdr.code = code;
    click.iItem = row;
    dialog.SendMessage(WM_NOTIFY, static_cast<WPARAM>(listId), reinterpret_cast<LPARAM>(&click));
}

// A press and its release of a mouse button at a point of a list, as a user clicks.
inline void ClickListAt(CListCtrl& list, UINT press, UINT release, CPoint at)
{
    platform::ui::SimulateMouse(list, press, at);
    platform::ui::SimulateMouse(list, release, at);
}

// A point of a list below its rows (the list has room for more rows than it holds).
inline CPoint BesideTheRows(const CListCtrl& list)
{
    CRect client;
    list.GetClientRect(&client);
    return {client.CenterPoint().x, client.bottom - 4};
}

// A configuration of three classes (the second numbered, the third a table), the range 3 to 9
// January and an output folder that does not exist.
inline std::string PreparedConfig()
{
    std::string text =
        "[Main]\r\nMonth_Start=1\r\nDay_Start=3\r\nMonth_End=1\r\nDay_End=9\r\nMonth_Format=%Y-%m\r\n"
        "Day_Format=%Y-%m-%d\r\nRestDay=还剩\r\nTitle=Prepared\r\nAddDateInTitle=0\r\nMonths_Grade=3\r\n"
        "Days_Grade=5\r\nMonths_FontSize=12\r\nDays_FontSize=10.5\r\nMonths_FontColor=112233\r\n";
    const char* titles[] = {"工作", "Reading", "Ideas"};
    for (int index = 0; index < 3; ++index) {
        text += "[LIST" + std::to_string(index) + "]\r\nCOL_ID=" + std::to_string(index + 1) + "\r\n";
        text += std::string("COL_CLASS_TITLE=") + titles[index] + "\r\nCOL_LINE_COUNT=" + std::to_string(index + 2) +
                "\r\nCOL_CLASS_FONT_SIZE=11\r\nCOL_LINE_TEXT_FONT_SIZE=10.5\r\nCOL_CLASS_FONT_COLOR=FF0000\r\n"
                "COL_UNDONE_TEXT=[完成]\r\nCOL_UNDONE_TONT_COLOR=0000FF\r\nCOL_ItemNumber=" +
                std::string(index == 1 ? "1" : "0") + "\r\nbTable=" + std::string(index == 2 ? "1" : "0") + "\r\n";
    }
    return text;
}

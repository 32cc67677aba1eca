// Common dialogs are answered by the recorder in tests, in order, cancelled when unanswered.
#include "platform/ui/CommonDialogs.h"
#include "support/Printers.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

using platform::ui::CommonDialogAnswer;
using platform::ui::CommonDialogKind;
using platform::ui::CommonDialogRecorder;

TEST(CommonDialogs, RecorderAnswersFileFolderAndColourRequests)
{
    CommonDialogRecorder recorder;
    recorder.Answer({IDOK, "/home/me/my.ini", 0});
    recorder.Answer({IDOK, "/home/me/out", 0});
    recorder.Answer({IDOK, "", RGB(1, 2, 3)});

    CFileDialog save(FALSE, "ini", "your_diary", 0, "ini(*.ini)|*.ini||");
    save.m_ofn.lpstrTitle = "Sava As";
    ASSERT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetPathName(), "/home/me/my.ini");
    EXPECT_EQ(save.GetFileName(), "my.ini");

    CString folder;
    EXPECT_EQ(BrowseForFolder(nullptr, "Please select path:", "/tmp", folder), IDOK);
    EXPECT_EQ(folder, "/home/me/out");

    CColorDialog colour(RGB(0x8D, 0x82, 0x6D), CC_FULLOPEN);
    ASSERT_EQ(colour.DoModal(), IDOK);
    EXPECT_EQ(colour.GetColor(), RGB(1, 2, 3));

    CFileDialog open(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, "ini(*.ini,*.INI)|*.ini;*.INI||");
    EXPECT_EQ(open.DoModal(), IDCANCEL) << "nothing left to answer with";
    EXPECT_EQ(open.GetPathName(), "");

    const auto& requests = recorder.Requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[0].kind, CommonDialogKind::SaveFile);
    EXPECT_EQ(requests[0].title, "Sava As");
    EXPECT_EQ(requests[0].initial, "your_diary");
    EXPECT_EQ(requests[1].kind, CommonDialogKind::Folder);
    EXPECT_EQ(requests[1].initial, "/tmp");
    EXPECT_EQ(requests[2].initial, "8D826D");
    EXPECT_EQ(requests[3].kind, CommonDialogKind::OpenFile);
    EXPECT_EQ(requests[3].filter, "ini(*.ini,*.INI)|*.ini;*.INI||");
}

TEST(CommonDialogs, DocumentsFolderCanBeOverridden)
{
    const CString real = GetDocumentsFolder();
    {
        platform::ui::DocumentsFolderOverride override("/tmp/docs");
        EXPECT_EQ(GetDocumentsFolder(), "/tmp/docs");
    }
    EXPECT_EQ(GetDocumentsFolder(), real);
}

TEST(CommonDialogs, FolderBrowserNamesTheSelectedFolderInItsStatusLine)
{
    TempFolder folder;
    std::filesystem::create_directory(folder.File("sub"));
    std::vector<std::string> shown;
    QTimer::singleShot(0, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            if (!dialog || !dialog->isVisible())
                continue;
            const auto* status = dialog->findChild<QLabel*>("folderStatus");
            auto* view = dialog->findChild<QListView*>("listView");
            auto* model = view ? qobject_cast<QFileSystemModel*>(view->model()) : nullptr;
            if (status && model) {
                shown.push_back(status->text().toStdString());
                // The user clicks the folder "sub" in the view.
                view->setCurrentIndex(model->index(QString::fromStdString(folder.File("sub"))));
                shown.push_back(status->text().toStdString());
            }
            static_cast<QDialog*>(dialog)->accept();
        }
    });
    CString chosen;
    EXPECT_EQ(BrowseForFolder(nullptr, "Please select path:", folder.Path().c_str(), chosen), IDOK);
    EXPECT_EQ(shown, std::vector<std::string>({folder.Path(), folder.File("sub")}));
    EXPECT_EQ(chosen, folder.File("sub"));
}

namespace {

QFileDialog* ShownFileDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}

void InputMethodText(QWidget* box, const char* drawn, const char* committed)
{
    QInputMethodEvent event(QString::fromUtf8(drawn), {});
    event.setCommitString(QString::fromUtf8(committed));
    QApplication::sendEvent(box, &event);
}

struct NameBoxCase {
    const char* name;
    bool folder;              // the folder browser's path box, else the Save As dialog's name box
    const char* chosen;       // in the folder the dialog opens at
};

class NameBoxComposition : public testing::TestWithParam<NameBoxCase> {};

} // namespace

// In the toolkit's own dialogs too: 洲际 chosen, pinyin "x" drawn as 新, Esc; ibus then commits 新
// at the next focus change (a click on Save), and the name is still 洲际.
TEST_P(NameBoxComposition, ACommitOfACompositionClearedWithEscIsDropped)
{
    TempFolder folder;
    if (GetParam().folder)
        std::filesystem::create_directory(folder.File("洲际"));
    bool ownWidgets = false;
    QTimer::singleShot(0, [&] {
        QFileDialog* dialog = ShownFileDialog();
        ASSERT_NE(dialog, nullptr);
        ownWidgets = dialog->testOption(QFileDialog::DontUseNativeDialog);
        // The box has the focus, as where the user types: the dialog follows what it holds.
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        if (auto* box = dialog->findChild<QLineEdit*>("fileNameEdit")) {
            box->setFocus();
            InputMethodText(box, "", "洲际");
            InputMethodText(box, "新", "");
            InputMethodText(box, "", "");
            InputMethodText(box, "", "新");
        }
        // The browser tells of a folder it cannot find in a message box, which the user closes.
        QTimer::singleShot(0, dialog, [] {
            for (QWidget* each : QApplication::topLevelWidgets())
                if (auto* message = qobject_cast<QMessageBox*>(each); message && message->isVisible())
                    message->reject();
        });
        static_cast<QDialog*>(dialog)->accept();
        if (dialog->isVisible())
            dialog->reject();
    });
    CString chosen;
    if (GetParam().folder) {
        EXPECT_EQ(BrowseForFolder(nullptr, "Please select path:", folder.Path().c_str(), chosen), IDOK);
    } else {
        CFileDialog save(FALSE, "ini", nullptr, 0, "ini(*.ini)|*.ini||");
        save.m_ofn.lpstrInitialDir = folder.Path().c_str();
        EXPECT_EQ(save.DoModal(), IDOK);
        chosen = save.GetPathName();
    }
    EXPECT_TRUE(ownWidgets) << "the toolkit's widgets, not a dialog of the desktop's";
    EXPECT_EQ(chosen, folder.File(GetParam().chosen));
}

INSTANTIATE_TEST_SUITE_P(CommonDialogs, NameBoxComposition,
                         testing::Values(NameBoxCase{"SaveAs", false, "洲际.ini"},
                                         NameBoxCase{"FolderBrowser", true, "洲际"}),
                         [](const testing::TestParamInfo<NameBoxCase>& each) { return std::string(each.param.name); });

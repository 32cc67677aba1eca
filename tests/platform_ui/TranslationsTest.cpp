// The standard dialogs speak the desktop's language. CTest runs this under a Chinese and a German
// locale besides the usual one (tests/platform_ui/CMakeLists.txt).
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/MessageBox.h"

#include <QApplication>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <map>
#include <string>

TEST(Translations, MessageBoxButtonsSpeakTheDesktopLanguage)
{
    const std::map<std::string, std::vector<std::string>> expected = {
        {"zh", {"确定", "取消"}}, {"de", {"OK", "Abbrechen"}}, {"en", {"OK", "Cancel"}}, {"C", {"OK", "Cancel"}}};
    const std::string language = QLocale::system().name().section('_', 0, 0).toStdString();
    const auto words = expected.find(language);
    if (words == expected.end())
        GTEST_SKIP() << "no expected words for the desktop's language " << language;

    std::vector<std::string> shown;
    QTimer::singleShot(0, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box || !box->isVisible())
                continue;
            for (QMessageBox::StandardButton button : {QMessageBox::Ok, QMessageBox::Cancel})
                shown.push_back(box->button(button)->text().remove('&').toStdString());
            box->button(QMessageBox::Cancel)->click();
        }
    });
    EXPECT_EQ(MessageBox(nullptr, "?", "Rorovavozir", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(shown, words->second);
}

// A file dialog given no title of its own shows the toolkit's, translated; a given one stays.
TEST(Translations, FileDialogsWithoutATitleSpeakTheDesktopLanguage)
{
    const std::map<std::string, std::vector<std::string>> expected = {{"zh", {"打开", "另存为", "Sava As"}},
                                                                      {"de", {"Öffnen", "Speichern unter", "Sava As"}},
                                                                      {"en", {"Open", "Save As", "Sava As"}},
                                                                      {"C", {"Open", "Save As", "Sava As"}}};
    const std::string language = QLocale::system().name().section('_', 0, 0).toStdString();
    const auto titles = expected.find(language);
    if (titles == expected.end())
        GTEST_SKIP() << "no expected titles for the desktop's language " << language;

    std::vector<std::string> shown;
    const auto takeTitle = [&] {
        QTimer::singleShot(0, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QFileDialog*>(widget);
                if (dialog && dialog->isVisible()) {
                    shown.push_back(dialog->windowTitle().toStdString());
                    dialog->reject();
                }
            }
        });
    };
    takeTitle();
    CFileDialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, "txt Files(*.txt)|*.txt||").DoModal();
    takeTitle();
    CFileDialog(FALSE, "ini", "your_diary", 0, "ini(*.ini)|*.ini||").DoModal();
    takeTitle();
    CFileDialog titled(FALSE, "ini", "your_diary", 0, "ini(*.ini)|*.ini||");
    titled.m_ofn.lpstrTitle = "Sava As";
    titled.DoModal();
    EXPECT_EQ(shown, titles->second);
}

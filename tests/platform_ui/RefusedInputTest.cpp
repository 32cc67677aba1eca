// A window under its modal dialog takes no input from any source and hands its activation to
// the dialog; read-only edits take no text but the program's. Input-method text and queries
// are sent as Qt receives them from ibus or fcitx; activation as a window manager asks for it.
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/StandardControls.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/WindowAccess.h"
#include "support/Printers.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWindow>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using platform::ui::DialogProbe;
using platform::ui::ModalDriver;

namespace {

constexpr UINT kOwnerDialog = 9501, kChildDialog = 9502;
constexpr int kLine = 1001, kMulti = 1002, kReadOnlyLine = 1003, kReadOnlyMulti = 1004, kCombo = 1005;

void RegisterDialogs()
{
    RegisterDialogTemplate(
        {.id = kOwnerDialog, .caption = "Owner", .cx = 200, .cy = 100, .style = WS_CAPTION | WS_SYSMENU,
         .controls = {
             {ControlClass::Edit, kLine, "", 10, 10, 80, 12, ES_AUTOHSCROLL},
             {ControlClass::Edit, kMulti, "", 100, 10, 80, 30, ES_MULTILINE},
             {ControlClass::Edit, kReadOnlyLine, "/path", 10, 50, 80, 12, ES_READONLY},
             {ControlClass::Edit, kReadOnlyMulti, "/path", 100, 50, 80, 30, ES_MULTILINE | ES_READONLY},
             {ControlClass::ComboBox, kCombo, "", 10, 84, 80, 60, CBS_DROPDOWN},
         }});
    RegisterDialogTemplate({.id = kChildDialog, .caption = "Child", .cx = 200, .cy = 100, .style = WS_CAPTION | WS_SYSMENU,
                            .controls = {{ControlClass::Button, IDOK, "OK", 10, 10, 50, 14, BS_DEFPUSHBUTTON}}});
}

QWidget* Widget(CWnd& window)
{
    return platform::ui::detail::WidgetOf(window.m_hWnd);
}

QString TextOf(QWidget* edit)
{
    if (auto* line = qobject_cast<QLineEdit*>(edit))
        return line->text();
    return static_cast<QPlainTextEdit*>(edit)->toPlainText();
}

// What an input method does once the user chose a candidate: commits it to the focus.
void Commit(QWidget* target, const QString& text)
{
    QInputMethodEvent commit(QString(), {});
    commit.setCommitString(text);
    QApplication::sendEvent(target, &commit);
}

// What the toolkit asks the focus before it lets an input method attach.
bool TakesInputMethod(QWidget* target)
{
    QInputMethodQueryEvent query(Qt::ImEnabled | Qt::ImHints);
    QApplication::sendEvent(target, &query);
    return query.value(Qt::ImEnabled).toBool();
}

bool IsActive(QWidget* window)
{
    return platform::ui::PumpEventsUntil([window] { return QApplication::activeWindow() == window; }, 1000);
}

class RefusedInput : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterDialogs();
        ASSERT_TRUE(owner.Create(kOwnerDialog));
        owner.ShowWindow(SW_SHOW);
    }
    void TearDown() override { EXPECT_TRUE(failures.empty()) << (failures.empty() ? "" : failures.front()); }
    // Runs the child dialog over the owner, doing `meanwhile` while it is open.
    void RunChild(const std::function<void(DialogProbe&)>& meanwhile)
    {
        ModalDriver driver([this](const std::string& failure) { failures.push_back(failure); });
        driver.Expect(kChildDialog, [&](DialogProbe& p) {
            meanwhile(p);
            p.Click(IDOK);
        });
        CDialog child(kChildDialog, &owner);
        child.DoModal();
    }

    CDialog owner{kOwnerDialog};
    std::vector<std::string> failures;
};

} // namespace

// The run's end, or any other code, enabling the owner while its dialog is open.
TEST_F(RefusedInput, EnablingAnOwnerUnderItsDialogWaitsForTheDialogToEnd)
{
    for (const bool disabledBefore : {false, true}) {
        owner.EnableWindow(disabledBefore ? FALSE : TRUE);
        bool enabledUnderDialog = true;
        RunChild([&](DialogProbe&) {
            owner.EnableWindow(TRUE);
            enabledUnderDialog = owner.IsWindowEnabled() != FALSE;
        });
        EXPECT_FALSE(enabledUnderDialog) << disabledBefore;
        EXPECT_TRUE(owner.IsWindowEnabled()) << disabledBefore;
    }
    // Disabled again before its dialog ends, a window the dialog found disabled stays so.
    owner.EnableWindow(FALSE);
    RunChild([&](DialogProbe&) {
        owner.EnableWindow(TRUE);
        owner.EnableWindow(FALSE);
    });
    EXPECT_FALSE(owner.IsWindowEnabled());
}

TEST_F(RefusedInput, ActivatingAWindowThatRefusesInputActivatesItsDialog)
{
    QWidget* activeAfter = nullptr;
    QWidget* childWidget = nullptr;
    RunChild([&](DialogProbe& p) {
        childWidget = Widget(p.Dialog());
        Widget(owner)->activateWindow();
        IsActive(childWidget);
        activeAfter = QApplication::activeWindow();
    });
    EXPECT_EQ(activeAfter, childWidget) << "the dialog, not the owner that refuses input";

    // Disabled with no dialog over it, it hands on to an enabled window it owns (a progress window).
    CDialog owned(kChildDialog);
    ASSERT_TRUE(owned.Create(kChildDialog, &owner));
    owned.ShowWindow(SW_SHOW);
    ASSERT_EQ(Widget(owned)->windowHandle()->transientParent(), Widget(owner)->windowHandle())
        << "the desktop keeps it above its owner";
    owner.EnableWindow(FALSE);
    Widget(owner)->activateWindow();
    EXPECT_TRUE(IsActive(Widget(owned)));

    owner.EnableWindow(TRUE);
    Widget(owner)->activateWindow();
    EXPECT_TRUE(IsActive(Widget(owner))) << "an enabled window keeps its activation";
}

TEST_F(RefusedInput, AWindowUnderItsDialogTakesNoInputMethodText)
{
    for (const int id : {kLine, kMulti}) {
        QWidget* edit = Widget(*owner.GetDlgItem(id));
        bool tookText = true, attached = true;
        RunChild([&](DialogProbe&) {
            Commit(edit, "今天");
            tookText = !TextOf(edit).isEmpty();
            attached = TakesInputMethod(edit);
        });
        EXPECT_FALSE(tookText) << id;
        EXPECT_FALSE(attached) << id << ": no candidate window opens for it";
        EXPECT_TRUE(TakesInputMethod(edit)) << id;
        Commit(edit, "今天");
        EXPECT_EQ(TextOf(edit), "今天") << id << ": it takes text again once the dialog is gone";
    }
}

TEST_F(RefusedInput, ReadOnlyEditsTakeNoInputMethodText)
{
    for (const int id : {kReadOnlyLine, kReadOnlyMulti}) {
        auto* edit = static_cast<CEdit*>(owner.GetDlgItem(id));
        QWidget* widget = Widget(*edit);
        Commit(widget, "日记");
        EXPECT_EQ(TextOf(widget), "/path") << id;
        EXPECT_FALSE(TakesInputMethod(widget)) << id;
        edit->SetReadOnly(FALSE);
        EXPECT_TRUE(TakesInputMethod(widget)) << id;
        Commit(widget, "日记");
        EXPECT_TRUE(TextOf(widget).contains("日记")) << id;
    }
}

// "xuexi" typed without choosing a candidate, then a dialog opens over the window (a run that
// disables it closes the same gate): 学习, drawn in the edit, is its text while it is open and after.
TEST_F(RefusedInput, ACompositionDrawnWhenTheWindowStartsRefusingInputIsTheEditsText)
{
    for (const int id : {kLine, kMulti, kCombo}) {
        CWnd* edit = owner.GetDlgItem(id);
        edit->SetWindowText("");
        DialogProbe(owner).ComposeInputMethodText(id, "学习");
        RunChild([&](DialogProbe&) { EXPECT_EQ(edit->GetWindowText(), "学习") << "dialog open, edit " << id; });
        EXPECT_EQ(edit->GetWindowText(), "学习") << "edit " << id;
    }
}

// Pinyin "xin" drawn as 新 (D), then Esc (E): ibus clears it, yet commits it (C) at the next focus
// change. That commit is dropped; a candidate chosen, or another word (O), is the edit's text.
TEST_F(RefusedInput, ACommitOfACompositionTheInputMethodClearedIsDropped)
{
    const struct {
        const char* steps;
        const char* text;
    } cases[] = {{"DEC", ""}, {"DC", "新"}, {"DEDC", "新"}, {"DEO", "心"}};
    for (const auto& c : cases)
        for (const int id : {kLine, kMulti, kCombo}) {
            owner.GetDlgItem(id)->SetWindowText("");
            DialogProbe probe(owner);
            for (const char* step = c.steps; *step; ++step) {
                if (*step == 'D' || *step == 'E')
                    probe.ComposeInputMethodText(id, *step == 'D' ? "新" : "");
                else
                    probe.CommitInputMethodText(id, *step == 'C' ? "新" : "心");
            }
            EXPECT_EQ(owner.GetDlgItem(id)->GetWindowText(), c.text) << c.steps << ", edit " << id;
        }
}

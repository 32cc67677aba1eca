// A window under its modal dialog takes no input from any source and hands its activation to
// the dialog; read-only edits take no text but the program's; what an input method draws in an
// edit is what the edit keeps. Input-method text and queries are sent as Qt receives them from
// ibus or fcitx; activation as a window manager asks for it.
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/StandardControls.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/WindowAccess.h"
#include "support/Printers.h"

#include <QApplication>
#include <QDialog>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWindow>
#include <functional>
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
    DialogTemplate dialog;
    dialog.id = kOwnerDialog;
    dialog.caption = "Owner";
    dialog.cx = 200;
    dialog.cy = 100;
    dialog.style = WS_CAPTION | WS_SYSMENU;
    dialog.controls = {
        {ControlClass::Edit, kLine, "", 10, 10, 80, 12, ES_AUTOHSCROLL},
        {ControlClass::Edit, kMulti, "", 100, 10, 80, 30, ES_MULTILINE},
        {ControlClass::Edit, kReadOnlyLine, "/path", 10, 50, 80, 12, ES_READONLY},
        {ControlClass::Edit, kReadOnlyMulti, "/path", 100, 50, 80, 30, ES_MULTILINE | ES_READONLY},
        {ControlClass::ComboBox, kCombo, "", 10, 84, 80, 60, CBS_DROPDOWN},
    };
    RegisterDialogTemplate(dialog);
    dialog.id = kChildDialog;
    dialog.caption = "Child";
    dialog.controls = {{ControlClass::Button, IDOK, "OK", 10, 10, 50, 14, BS_DEFPUSHBUTTON}};
    RegisterDialogTemplate(dialog);
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
    // Does `meanwhile` once the message box or common dialog opened next is up, then closes it.
    static void WhileOpen(const std::function<void()>& meanwhile)
    {
        QTimer::singleShot(0, [meanwhile] {
            meanwhile();
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
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

// "xuexi" typed without choosing a candidate, then a dialog opens over the window or a run
// disables it: 学习, drawn in the edit, is its text while the window refuses input and after.
TEST_F(RefusedInput, ACompositionDrawnWhenTheWindowStartsRefusingInputIsTheEditsText)
{
    const struct {
        const char* name;
        std::function<void(const std::function<void()>& meanwhile)> refuse;
    } refusals[] = {
        {"dialog", [this](const auto& meanwhile) { RunChild([&](DialogProbe&) { meanwhile(); }); }},
        {"message box",
         [this](const auto& meanwhile) {
             WhileOpen(meanwhile);
             owner.MessageBox("?", "Question", MB_OKCANCEL);
         }},
        {"file dialog",
         [this](const auto& meanwhile) {
             WhileOpen(meanwhile);
             CFileDialog(TRUE, nullptr, nullptr, 0, "ini(*.ini)|*.ini||", &owner).DoModal();
         }},
        {"run",
         [this](const auto& meanwhile) {
             owner.EnableWindow(FALSE);
             meanwhile();
             owner.EnableWindow(TRUE);
         }},
    };
    for (const auto& refusal : refusals) {
        for (const int id : {kLine, kMulti, kCombo}) {
            CWnd* edit = owner.GetDlgItem(id);
            edit->SetWindowText("");
            DialogProbe(owner).ComposeInputMethodText(id, "学习");
            CString whileRefused;
            refusal.refuse([&] { whileRefused = edit->GetWindowText(); });
            EXPECT_EQ(whileRefused, "学习") << refusal.name << ", edit " << id;
            EXPECT_EQ(edit->GetWindowText(), "学习") << refusal.name << ", edit " << id;
        }
    }
}

// Pinyin "xin" drawn as 新, then Esc: ibus clears it, yet commits it at the next focus change (a
// click on 确定). That commit is dropped; a candidate chosen is the edit's text, Esc or not.
TEST_F(RefusedInput, ACommitOfACompositionTheInputMethodClearedIsDropped)
{
    enum class Step { Draw, Esc, Commit, CommitOther };
    const struct {
        const char* name;
        std::vector<Step> steps;
        const char* text;
    } cases[] = {
        {"Esc, then a focus change", {Step::Draw, Step::Esc, Step::Commit}, ""},
        {"a candidate chosen", {Step::Draw, Step::Commit}, "新"},
        {"drawn again after Esc, then chosen", {Step::Draw, Step::Esc, Step::Draw, Step::Commit}, "新"},
        {"another word after Esc", {Step::Draw, Step::Esc, Step::CommitOther}, "心"},
        {"chosen again without a composition", {Step::Draw, Step::Esc, Step::Commit, Step::Commit}, "新"},
        {"committed without a composition", {Step::Commit}, "新"},
    };
    for (const auto& sequence : cases) {
        for (const int id : {kLine, kMulti, kCombo}) {
            owner.GetDlgItem(id)->SetWindowText("");
            DialogProbe probe(owner);
            for (const Step step : sequence.steps) {
                switch (step) {
                case Step::Draw: probe.ComposeInputMethodText(id, "新"); break;
                case Step::Esc: probe.ComposeInputMethodText(id, ""); break;
                case Step::Commit: probe.CommitInputMethodText(id, "新"); break;
                case Step::CommitOther: probe.CommitInputMethodText(id, "心"); break;
                }
            }
            EXPECT_EQ(owner.GetDlgItem(id)->GetWindowText(), sequence.text) << sequence.name << ", edit " << id;
        }
    }
}

// Dialogs built from templates, message maps, data exchange and modal runs as on Windows.
#include "platform/ui/App.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/StandardControls.h"
#include "platform/ui/TestHooks.h"
#include "support/Printers.h"

#include <QApplication>
#include <QWidget>
#include <atomic>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

using platform::ui::DialogProbe;
using platform::ui::ModalDriver;

namespace {

constexpr UINT kTestDialog = 9001;
constexpr int kEdit = 1001, kNumber = 1002, kCheck = 1003, kRadio1 = 1004, kRadio2 = 1005, kCombo = 1006,
              kApply = 1007, kOther = 1008;
constexpr UINT WM_TEST_PING = WM_USER + 77;

void RegisterTestDialog(bool withDefaultButton)
{
    DialogTemplate dialog;
    dialog.id = kTestDialog;
    dialog.caption = "测试 Dialog";
    dialog.cx = 200;
    dialog.cy = 120;
    dialog.style = WS_SYSMENU;
    dialog.controls = {
        {ControlClass::Edit, kEdit, "", 10, 10, 80, 12, ES_AUTOHSCROLL},
        {ControlClass::Edit, kNumber, "", 100, 10, 40, 12, 0},
        {ControlClass::Button, kCheck, "Check", 10, 30, 60, 10, BS_AUTOCHECKBOX},
        {ControlClass::Button, kRadio1, "One", 10, 45, 40, 10, BS_AUTORADIOBUTTON | WS_GROUP},
        {ControlClass::Button, kRadio2, "Two", 60, 45, 40, 10, BS_AUTORADIOBUTTON},
        {ControlClass::ComboBox, kCombo, "", 10, 60, 80, 60, CBS_DROPDOWNLIST},
        {ControlClass::Button, kApply, "Apply", 100, 60, 50, 14, withDefaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON},
        {ControlClass::Button, kOther, "Other", 100, 80, 50, 14, BS_PUSHBUTTON},
        {ControlClass::Button, IDOK, "OK", 40, 100, 50, 14, BS_PUSHBUTTON},
        {ControlClass::Button, IDCANCEL, "Cancel", 100, 100, 50, 14, BS_PUSHBUTTON},
    };
    RegisterDialogTemplate(dialog);
}

class TestDialog : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    TestDialog(CWnd* parent = nullptr) : CDialog(kTestDialog, parent) {}

    CString text = "初始";
    int number = 42;
    int checked = BST_CHECKED;
    int radio = 1;
    int comboIndex = 2;
    std::vector<std::string> events;

    BOOL OnInitDialog() override
    {
        auto* combo = static_cast<CComboBox*>(GetDlgItem(kCombo));
        for (const char* item : {"a", "b", "c"})
            combo->AddString(item);
        events.push_back("init");
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Text(dx, kEdit, text);
        DDX_Text(dx, kNumber, number);
        DDX_Check(dx, kCheck, checked);
        DDX_Radio(dx, kRadio1, radio);
        DDX_CBIndex(dx, kCombo, comboIndex);
    }
    void OnOK() override
    {
        events.push_back("OnOK");
        CDialog::OnOK();
    }
    void OnCancel() override
    {
        events.push_back("OnCancel");
        CDialog::OnCancel();
    }
    void OnApply() { events.push_back("apply"); }
    void OnEditChange() { events.push_back("edit changed"); }
    void OnComboChange() { events.push_back("combo changed"); }
    LRESULT OnPing(WPARAM w, LPARAM)
    {
        events.push_back("ping " + std::to_string(w));
        pingThread = std::this_thread::get_id();
        return static_cast<LRESULT>(w) * 2;
    }
    void OnTimer(UINT_PTR id) { events.push_back("timer " + std::to_string(id)); }

    std::thread::id pingThread;
};

RV_MESSAGE_MAP(TestDialog, CDialog,
               msgmap::Command(kApply, &T::OnApply),
               msgmap::Command(kEdit, &T::OnEditChange, EN_CHANGE),
               msgmap::Command(kCombo, &T::OnComboChange, CBN_SELCHANGE),
               msgmap::Message(WM_TEST_PING, &T::OnPing),
               msgmap::Timer(&T::OnTimer))

// A derived dialog whose map takes kApply before its base's.
class DerivedDialog : public TestDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    void OnApplyHere() { events.push_back("derived apply"); }
};

RV_MESSAGE_MAP(DerivedDialog, TestDialog, msgmap::Command(kApply, &T::OnApplyHere))

auto Reporter(std::vector<std::string>& failures)
{
    return [&failures](const std::string& failure) { failures.push_back(failure); };
}

} // namespace

TEST(Dialog, TemplateControlsSitWhereTheirDialogUnitsSay)
{
    RegisterTestDialog(false);
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(kTestDialog));
    CString caption;
    dialog.GetWindowText(caption);
    EXPECT_EQ(caption, "测试 Dialog");
    CRect edit, number, ok;
    dialog.GetDlgItem(kEdit)->GetWindowRect(&edit);
    dialog.GetDlgItem(kNumber)->GetWindowRect(&number);
    dialog.ScreenToClient(&edit);
    dialog.ScreenToClient(&number);
    // x 10 and 100 dialog units: ten times as far from the left edge, within rounding.
    EXPECT_NEAR(number.left, edit.left * 10, 10);
    EXPECT_GT(edit.left, 0);
    EXPECT_EQ(dialog.GetDlgItem(kCombo)->GetDlgCtrlID(), kCombo);
    CRect combo;
    dialog.GetDlgItem(kCombo)->GetWindowRect(&combo);
    EXPECT_LT(combo.Height(), number.Height() * 3) << "closed, a combo box is one line high, not its list's height";
    EXPECT_NE(dynamic_cast<CComboBox*>(dialog.GetDlgItem(kCombo)), nullptr);
    EXPECT_NE(dynamic_cast<CButton*>(dialog.GetDlgItem(kCheck)), nullptr);
    EXPECT_EQ(dialog.GetDlgItem(4242), nullptr);
    EXPECT_EQ(dialog.GetDlgItem(kEdit)->GetParent(), &dialog);
    dialog.DestroyWindow();
    EXPECT_FALSE(CWnd::IsWindow(dialog.m_hWnd));
}

TEST(Dialog, DataExchangeMovesValuesBothWays)
{
    RegisterTestDialog(false);
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(kTestDialog));
    EXPECT_EQ(dialog.GetDlgItem(kEdit)->GetWindowText(), "初始");
    EXPECT_EQ(dialog.GetDlgItem(kNumber)->GetWindowText(), "42");
    EXPECT_EQ(static_cast<CButton*>(dialog.GetDlgItem(kCheck))->GetCheck(), BST_CHECKED);
    EXPECT_EQ(static_cast<CButton*>(dialog.GetDlgItem(kRadio2))->GetCheck(), BST_CHECKED);
    EXPECT_EQ(static_cast<CComboBox*>(dialog.GetDlgItem(kCombo))->GetCurSel(), 2);

    dialog.GetDlgItem(kEdit)->SetWindowText("changed");
    dialog.GetDlgItem(kNumber)->SetWindowText("-7");
    static_cast<CButton*>(dialog.GetDlgItem(kCheck))->SetCheck(BST_UNCHECKED);
    CheckRadioButton(&dialog, kRadio1, kRadio2, kRadio1);
    static_cast<CComboBox*>(dialog.GetDlgItem(kCombo))->SetCurSel(0);
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.text, "changed");
    EXPECT_EQ(dialog.number, -7);
    EXPECT_EQ(dialog.checked, BST_UNCHECKED);
    EXPECT_EQ(dialog.radio, 0);
    EXPECT_EQ(dialog.comboIndex, 0);
}

TEST(Dialog, MapsRouteCommandsAndDerivedMapsComeFirst)
{
    RegisterTestDialog(false);
    DerivedDialog dialog;
    ASSERT_TRUE(dialog.Create(kTestDialog));
    dialog.events.clear();
    DialogProbe probe(dialog);
    probe.Click(kApply);
    probe.Type(kEdit, "x");
    probe.Choose(kCombo, 1);
    probe.Click(kOther);   // not mapped: nothing happens
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"derived apply", "edit changed", "combo changed"}));
    EXPECT_EQ(dialog.SendMessage(WM_TEST_PING, 21), 42);
    // Programmatic selection tells nobody, as on Windows.
    dialog.events.clear();
    static_cast<CComboBox*>(dialog.GetDlgItem(kCombo))->SetCurSel(2);
    EXPECT_TRUE(dialog.events.empty());
}

TEST(Dialog, AutoRadioButtonsOfAGroupExcludeEachOther)
{
    RegisterTestDialog(false);
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(kTestDialog));
    DialogProbe probe(dialog);
    probe.Click(kRadio1);
    EXPECT_EQ(static_cast<CButton*>(dialog.GetDlgItem(kRadio1))->GetCheck(), BST_CHECKED);
    EXPECT_EQ(static_cast<CButton*>(dialog.GetDlgItem(kRadio2))->GetCheck(), BST_UNCHECKED);
    probe.Click(kRadio2);
    EXPECT_EQ(static_cast<CButton*>(dialog.GetDlgItem(kRadio1))->GetCheck(), BST_UNCHECKED);
}

TEST(Dialog, ModalRunsEndAsTheKeysAndButtonsSay)
{
    RegisterTestDialog(false);
    std::vector<std::string> failures;
    ModalDriver driver(Reporter(failures));
    TestDialog dialog;
    driver.Expect(kTestDialog, [](DialogProbe& p) {
        p.Type(kEdit, "typed");
        p.Click(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.text, "typed") << "OnOK saves the controls into the members";

    TestDialog escaped;
    driver.Expect(kTestDialog, [](DialogProbe& p) { p.PressEscape(); });
    EXPECT_EQ(escaped.DoModal(), IDCANCEL);
    EXPECT_EQ(escaped.events.back(), "OnCancel");

    TestDialog closed;
    driver.Expect(kTestDialog, [](DialogProbe& p) { p.PressCloseBox(); });
    EXPECT_EQ(closed.DoModal(), IDCANCEL);
    EXPECT_EQ(closed.events.back(), "OnCancel");

    // Enter without a default push button sends IDOK.
    TestDialog entered;
    driver.Expect(kTestDialog, [](DialogProbe& p) { p.PressEnter(); });
    EXPECT_EQ(entered.DoModal(), IDOK);
    EXPECT_TRUE(failures.empty()) << (failures.empty() ? "" : failures.front());
}

TEST(Dialog, EnterRunsTheDefaultButtonsCommand)
{
    RegisterTestDialog(true);
    std::vector<std::string> failures;
    ModalDriver driver(Reporter(failures));
    TestDialog dialog;
    driver.Expect(kTestDialog, [](DialogProbe& p) {
        p.PressEnter();
        p.Click(IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    // Setting the edit's text while the dialog starts tells the dialog, as on Windows.
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"init", "edit changed", "apply", "OnCancel"}));
    EXPECT_TRUE(failures.empty()) << (failures.empty() ? "" : failures.front());
}

TEST(Dialog, ADialogLeftOpenOrUnexpectedFailsInsteadOfHanging)
{
    RegisterTestDialog(false);
    std::vector<std::string> failures;
    {
        ModalDriver driver(Reporter(failures));
        TestDialog open;
        driver.Expect(kTestDialog, [](DialogProbe&) {});
        EXPECT_EQ(open.DoModal(), -1);
        TestDialog unexpected;
        EXPECT_EQ(unexpected.DoModal(), -1);
        driver.Expect(kTestDialog, [](DialogProbe& p) { p.Click(IDOK); });
    }
    ASSERT_EQ(failures.size(), 3u);
    EXPECT_NE(failures[0].find("left open"), std::string::npos);
    EXPECT_NE(failures[1].find("no handler"), std::string::npos);
    EXPECT_NE(failures[2].find("never opened"), std::string::npos);
}

TEST(Dialog, OwnerIsDisabledOnlyWhileItsModalRuns)
{
    RegisterTestDialog(false);
    std::vector<std::string> failures;
    ModalDriver driver(Reporter(failures));
    TestDialog owner;
    ASSERT_TRUE(owner.Create(kTestDialog));
    owner.ShowWindow(SW_SHOW);
    bool ownerEnabledDuringModal = true;
    TestDialog child(&owner);
    driver.Expect(kTestDialog, [&](DialogProbe& p) {
        ownerEnabledDuringModal = owner.IsWindowEnabled() != FALSE;
        p.Click(IDOK);
    });
    child.DoModal();
    EXPECT_FALSE(ownerEnabledDuringModal);
    EXPECT_TRUE(owner.IsWindowEnabled());

    // An owner that was disabled before stays disabled.
    owner.EnableWindow(FALSE);
    TestDialog again(&owner);
    driver.Expect(kTestDialog, [](DialogProbe& p) { p.Click(IDCANCEL); });
    again.DoModal();
    EXPECT_FALSE(owner.IsWindowEnabled());
    EXPECT_TRUE(failures.empty()) << (failures.empty() ? "" : failures.front());
}

TEST(Dialog, SendMessageFromAWorkerRunsOnTheGuiThread)
{
    RegisterTestDialog(false);
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(kTestDialog));
    std::atomic<LRESULT> result{0};
    std::atomic<bool> done{false};
    std::thread worker([&] {
        result = dialog.SendMessage(WM_TEST_PING, 5);
        done = true;
    });
    EXPECT_TRUE(platform::ui::PumpEventsUntil([&] { return done.load(); }, 5000));
    worker.join();
    EXPECT_EQ(result.load(), 10);
    EXPECT_EQ(dialog.pingThread, std::this_thread::get_id());
}

TEST(Dialog, TimersDeliverUntilKilled)
{
    RegisterTestDialog(false);
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(kTestDialog));
    dialog.events.clear();
    dialog.SetTimer(3, 10);
    EXPECT_TRUE(platform::ui::PumpEventsUntil([&] { return dialog.events.size() >= 2; }));
    dialog.KillTimer(3);
    const size_t seen = dialog.events.size();
    platform::ui::PumpEventsUntil([] { return false; }, 60);
    EXPECT_EQ(dialog.events.size(), seen);
    EXPECT_EQ(dialog.events.front(), "timer 3");
}

TEST(Dialog, MessageBoxesAreRecordedAndAnswered)
{
    platform::ui::MessageBoxRecorder recorder;
    recorder.Answer(IDNO);
    EXPECT_EQ(AfxMessageBox("替换文件 'a' ?", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(MessageBox(nullptr, "Please select a line in list.", "Information", MB_OK), IDOK);
    ASSERT_EQ(recorder.Shown().size(), 2u);
    EXPECT_EQ(recorder.Shown()[0].caption, "Rorovavozir");
    EXPECT_EQ(recorder.Shown()[0].type, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(recorder.Shown()[1].caption, "Information");
}

namespace {

// A button that keeps its clicks from the parent, or lets them through.
class SwallowingButton : public CButton {
    RV_DECLARE_MESSAGE_MAP()
public:
    BOOL swallow = TRUE;
    int clicks = 0;
    BOOL OnClicked()
    {
        ++clicks;
        return swallow;
    }
};

RV_MESSAGE_MAP(SwallowingButton, CButton, msgmap::ControlReflectEx(BN_CLICKED, &T::OnClicked))

} // namespace

TEST(Dialog, ControlsSeeTheirOwnNotificationsFirst)
{
    RegisterTestDialog(false);
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(kTestDialog));
    SwallowingButton button;
    ASSERT_TRUE(button.SubclassDlgItem(kApply, &dialog));
    dialog.events.clear();
    DialogProbe probe(dialog);
    probe.Click(kApply);
    EXPECT_EQ(button.clicks, 1);
    EXPECT_TRUE(dialog.events.empty());
    button.swallow = FALSE;
    probe.Click(kApply);
    EXPECT_EQ(button.clicks, 2);
    EXPECT_EQ(dialog.events, std::vector<std::string>{"apply"});
    EXPECT_EQ(CWnd::FromHandle(button.m_hWnd), &button);
}

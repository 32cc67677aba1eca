// Dialogs on a laptop's screen: ctest runs these on a screen of 1280 x 688 (1280 x 720 less a
// desktop bar); elsewhere they skip. A dialog taller than the work area opens inside it and the
// user reaches every control with the mouse.
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

constexpr UINT kTallDialog = 9361;
constexpr UINT kSmallDialog = 9362;
constexpr int kTopLabel = 101;
constexpr int kBottomEdit = 102;

void RegisterDialogs()
{
    const DialogTemplate tall{.id = kTallDialog, .caption = "Tall", .cx = 300, .cy = 500, .style = WS_CAPTION | WS_SYSMENU,
                              .controls = {
                                  {ControlClass::Static, kTopLabel, "top", 10, 10, 100, 10, SS_LEFT},
                                  {ControlClass::Edit, kBottomEdit, "", 10, 470, 100, 14, ES_AUTOHSCROLL | WS_BORDER},
                                  {ControlClass::Button, IDOK, "OK", 200, 470, 50, 14, BS_DEFPUSHBUTTON},
                              }};
    RegisterDialogTemplate(tall);
    DialogTemplate small = tall;
    small.id = kSmallDialog;
    small.cy = 200;
    small.controls.back().y = 170;
    small.controls.erase(small.controls.begin() + 1);
    RegisterDialogTemplate(small);
}

QRect WorkArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

QRect ScreenRect(CWnd* window)
{
    CRect rect;
    window->GetWindowRect(&rect);
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}

class SmallScreenDialogs : public testing::Test {
protected:
    void SetUp() override
    {
        if (WorkArea().height() >= 720)
            GTEST_SKIP() << "runs on a laptop's screen (tests/platform_ui/laptop_screen.json)";
        RegisterDialogs();
    }
};

} // namespace

TEST_F(SmallScreenDialogs, ADialogTallerThanTheWorkAreaOpensInsideIt)
{
    CDialog dialog(kTallDialog);
    ASSERT_TRUE(dialog.Create(kTallDialog));
    dialog.ShowWindow(SW_SHOW);
    CRect client;
    dialog.GetClientRect(&client);
    ASSERT_GT(client.Height(), WorkArea().height()) << "the template is taller than the screen";
    EXPECT_TRUE(WorkArea().contains(ScreenRect(&dialog))) << "frame and all";
    // Its client area keeps the template's coordinates: the controls stand where it puts them.
    CRect top, bottom;
    dialog.GetDlgItem(kTopLabel)->GetWindowRect(&top);
    dialog.GetDlgItem(IDOK)->GetWindowRect(&bottom);
    dialog.ScreenToClient(&top);
    dialog.ScreenToClient(&bottom);
    CDialog fitting(kSmallDialog);
    ASSERT_TRUE(fitting.Create(kSmallDialog));
    CRect unscrolled;
    fitting.GetDlgItem(kTopLabel)->GetWindowRect(&unscrolled);
    fitting.ScreenToClient(&unscrolled);
    EXPECT_EQ(top, unscrolled);
    CRect fittingClient;
    fitting.GetClientRect(&fittingClient);
    EXPECT_LE(ScreenRect(&fitting).width(), fittingClient.Width() + 10) << "a dialog that fits has no scroll bar";
    EXPECT_NEAR(bottom.top, top.top * 47, 47) << "470 dialog units down, where the label is 10 down";
    fitting.DestroyWindow();
    EXPECT_EQ(dialog.GetDlgItem(kTopLabel)->GetParent(), &dialog);
    EXPECT_EQ(dialog.GetWindow(GW_CHILD), dialog.GetDlgItem(kTopLabel));
    dialog.DestroyWindow();
}

TEST_F(SmallScreenDialogs, TheControlsBelowTheScreensEdgeAreReachedWithTheMouse)
{
    CDialog dialog(kTallDialog);
    ASSERT_TRUE(dialog.Create(kTallDialog));
    dialog.ShowWindow(SW_SHOW);
    QApplication::processEvents();
    // Clicks low on the window's right edge, where a scroll bar of the window stands, until OK
    // shows.
    const QRect frame = ScreenRect(&dialog);
    const QPoint low(frame.right() - 8, frame.bottom() - 40);
    for (int click = 0; click < 20 && !WorkArea().contains(ScreenRect(dialog.GetDlgItem(IDOK))); ++click) {
        QWidget* under = QApplication::widgetAt(low);
        ASSERT_NE(under, nullptr);
        QTest::mouseClick(under, Qt::LeftButton, Qt::NoModifier, under->mapFromGlobal(low));
    }
    const QRect ok = ScreenRect(dialog.GetDlgItem(IDOK));
    ASSERT_TRUE(WorkArea().contains(ok)) << "OK lies at " << ok.top() << " of " << WorkArea().height();
    QWidget* button = QApplication::widgetAt(ok.center());
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->mapFromGlobal(ok.center()));
    EXPECT_FALSE(dialog.IsWindowVisible()) << "OK ended the dialog";
    dialog.DestroyWindow();
}

// A dialog of fixed size asked to maximise, go full screen or (without a minimise box)
// minimise, as a title bar the toolkit draws under Wayland asks it, comes back to its size and
// stays on the screen.
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>
#include <string>

using platform::ui::detail::WidgetOf;

namespace {

constexpr UINT kFixedDialog = 9402;

struct StateCase {
    std::string name;
    DWORD style;
    Qt::WindowState asked;
    bool kept;  // the window may take that state
};

void PrintTo(const StateCase& stateCase, std::ostream* out)
{
    *out << stateCase.name;
}

class FixedSizeStates : public ::testing::TestWithParam<StateCase> {};

TEST_P(FixedSizeStates, OnlyAMinimiseBoxLetsTheWindowLeaveItsSize)
{
    DialogTemplate dialog;
    dialog.id = kFixedDialog;
    dialog.caption = "选择模板配置";
    dialog.cx = 180;
    dialog.cy = 90;
    dialog.style = WS_SYSMENU | GetParam().style;
    RegisterDialogTemplate(dialog);
    CDialog window(kFixedDialog);
    ASSERT_TRUE(window.Create(kFixedDialog));
    QWidget* widget = WidgetOf(window.m_hWnd);
    widget->show();
    ASSERT_TRUE(platform::ui::PumpEventsUntil([&] { return widget->windowHandle()->isExposed(); }, 2000));
    const QSize given = widget->size();

    widget->windowHandle()->setWindowStates(GetParam().asked);
    if (GetParam().kept) {
        EXPECT_TRUE(platform::ui::PumpEventsUntil(
            [&] { return widget->windowHandle()->windowStates() == GetParam().asked; }, 2000));
    } else {
        EXPECT_TRUE(platform::ui::PumpEventsUntil(
            [&] {
                return widget->windowHandle()->windowStates() == Qt::WindowNoState && widget->size() == given &&
                       widget->minimumSize() == given && widget->maximumSize() == given && widget->isVisible();
            },
            2000))
            << "state " << widget->windowHandle()->windowStates() << ", " << widget->width() << " x "
            << widget->height() << " where it was " << given.width() << " x " << given.height();
    }
    window.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, FixedSizeStates,
    ::testing::Values(StateCase{"Maximised", 0, Qt::WindowMaximized, false},
                      StateCase{"FullScreen", 0, Qt::WindowFullScreen, false},
                      StateCase{"MinimisedWithoutABox", 0, Qt::WindowMinimized, false},
                      StateCase{"MaximisedWithAMinimiseBox", WS_MINIMIZEBOX, Qt::WindowMaximized, false},
                      StateCase{"MinimisedWithABox", WS_MINIMIZEBOX, Qt::WindowMinimized, true}),
    [](const ::testing::TestParamInfo<StateCase>& param) { return param.param.name; });

} // namespace

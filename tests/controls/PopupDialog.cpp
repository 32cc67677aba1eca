#include "PopupDialog.h"

#include "platform_ui/DesktopView.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/TestWindows.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>

using platform::ui::detail::WidgetOf;

QWidget& Widget(const CWnd& window)
{
    return *WidgetOf(window.m_hWnd);
}

QWindow& Window(const CWnd& window)
{
    return *Widget(window).windowHandle();
}

void ShowFramed(CWnd& window)
{
    window.ShowWindow(SW_SHOW);
    ASSERT_TRUE(platform::ui::PumpEventsUntil(
        [&] {
            return Window(window).isExposed() &&
                   XProperties(&Window(window), "_NET_FRAME_EXTENTS").find('=') != std::string::npos;
        },
        10000))
        << "framed by the window manager";
}

bool ProgramHasTheKeyboard()
{
    const std::uint32_t focus = XKeyboardFocus();
    const QWindowList windows = QGuiApplication::allWindows();
    return QGuiApplication::applicationState() == Qt::ApplicationActive &&
           std::any_of(windows.begin(), windows.end(),
                       [&](const QWindow* window) { return window->handle() && window->winId() == focus; });
}

bool TakeTheKeyboard(QWindow& window)
{
    // The window manager names it active too (xfwm4 lists a second window after it): the program's
    // own request to activate it, sent once it was mapped, has been answered.
    const auto hasIt = [&] {
        if (!window.isExposed() || !window.isActive() || XKeyboardFocus() != window.winId())
            return false;
        const auto active = XWindowList(XProperties(nullptr, "_NET_ACTIVE_WINDOW"));
        return !active.empty() && active.front() == window.winId();
    };
    return platform::ui::PumpEventsUntil(
        [&] {
            if (!hasIt())
                AskWindowManager(window, "_NET_ACTIVE_WINDOW", {kFromAPager, 0, 0, 0, 0});
            return platform::ui::PumpEventsUntil(hasIt, 2000);
        },
        20000);
}

void RegisterPopupDialogs()
{
    RegisterDialogTemplate(
        {.id = kOwnerDialog, .caption = "Main", .cx = 400, .cy = 300, .style = WS_CAPTION | WS_SYSMENU});
    RegisterDialogTemplate(
        {.id = kColourDialog, .caption = "Placed", .cx = 200, .cy = 100, .style = WS_CAPTION | WS_SYSMENU,
         .controls = {{ControlClass::Button, kColourButton, "", 10, 10, 40, 14, BS_PUSHBUTTON},
                      {ControlClass::ComboBox, kList, "", 10, 40, 80, 60, CBS_DROPDOWNLIST | WS_VSCROLL}}});
}

QComboBox& PopupDialog::List()
{
    return *qobject_cast<QComboBox*>(WidgetOf(GetDlgItem(kList)->m_hWnd));
}

CColourDropDown* PopupDialog::OpenColours()
{
    CRect client;
    button.GetClientRect(&client);
    platform::ui::SimulateMouse(button, WM_LBUTTONDOWN, client.CenterPoint());
    platform::ui::SimulateMouse(button, WM_LBUTTONUP, client.CenterPoint());
    return dynamic_cast<CColourDropDown*>(CWnd::GetCapture());
}

BOOL PopupDialog::OnInitDialog()
{
    button.SubclassDlgItem(kColourButton, this);
    button.SetCustomText("More colores...");
    List().addItems({"一", "二", "三"});
    return ColourDialog::OnInitDialog();
}

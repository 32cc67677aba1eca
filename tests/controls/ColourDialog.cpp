#include "ColourDialog.h"

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/TestWindows.h"

#include "platform/ui/qt/WindowAccess.h"

#include <QGuiApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <iomanip>

RV_MESSAGE_MAP(ColourDialog, CDialog,
               msgmap::Message(WM_COLOUR_PICKED, &T::Record<WM_COLOUR_PICKED>),
               msgmap::Message(WM_COLOUR_DROPDOWN, &T::Record<WM_COLOUR_DROPDOWN>),
               msgmap::Message(WM_COLOUR_CLOSEUP, &T::Record<WM_COLOUR_CLOSEUP>),
               msgmap::Message(WM_COLOUR_SELENDOK, &T::Record<WM_COLOUR_SELENDOK>),
               msgmap::Message(WM_COLOUR_SELENDCANCEL, &T::Record<WM_COLOUR_SELENDCANCEL>),
               msgmap::Command(kColourButton, &T::OnButtonCommand))

void PrintTo(const ColourMessage& message, std::ostream* out)
{
    static const char* const names[] = {"PICKED", "DROPDOWN", "CLOSEUP", "SELENDOK", "SELENDCANCEL"};
    const UINT index = message.message - WM_COLOUR_PICKED;
    *out << (index < 5 ? names[index] : "?") << "(" << std::hex << std::setw(8) << std::setfill('0') << message.colour
         << std::dec << ", " << message.id << ")";
}

void ColourTest::SetUp()
{
    DialogTemplate dialogTemplate;
    dialogTemplate.id = kColourDialog;
    dialogTemplate.cx = 200;
    dialogTemplate.cy = 100;
    // A plain push button: the colour button makes it owner-drawn when it attaches.
    dialogTemplate.controls = {{ControlClass::Button, kColourButton, "", 10, 10, 40, 14, BS_PUSHBUTTON},
                               {ControlClass::Static, kPlainLabel, "", 10, 40, 40, 14, SS_LEFT}};
    RegisterDialogTemplate(dialogTemplate);
    ASSERT_TRUE(dialog.Create(kColourDialog));
    ASSERT_TRUE(dialog.button.SubclassDlgItem(kColourButton, &dialog));
    dialog.MoveWindow(100, 100, 400, 200);
    dialog.ShowWindow(SW_SHOW);
    // A user clicks in a window the window manager has shown and made active: an activation still
    // to come closes an open popup, as a click on another window does.
    if (QGuiApplication::platformName() == "xcb") {
        const QWindow* window = platform::ui::detail::WidgetOf(dialog.m_hWnd)->windowHandle();
        ASSERT_TRUE(platform::ui::PumpEventsUntil([&] { return window->isExposed() && window->isActive(); }, 30000))
            << "the window manager never made the dialog active";
    }
}

void ColourTest::TearDown()
{
    if (CColourDropDown* popup = Popup())
        popup->DestroyWindow();
}

CColourDropDown* ColourTest::Open()
{
    CRect client;
    dialog.button.GetClientRect(&client);
    platform::ui::SimulateMouse(dialog.button, WM_LBUTTONDOWN, client.CenterPoint());
    platform::ui::SimulateMouse(dialog.button, WM_LBUTTONUP, client.CenterPoint());
    return Popup();
}

CColourDropDown* ColourTest::Popup()
{
    return dynamic_cast<CColourDropDown*>(CWnd::GetCapture());
}

POINT ColourTest::Centre(CColourDropDown& popup, int index)
{
    CRect box;
    popup.GetBoxRect(index, &box);
    return box.CenterPoint();
}

void ClickOnPopup(CColourDropDown& popup, POINT client)
{
    QWindow* window = platform::ui::detail::WidgetOf(popup.m_hWnd)->windowHandle();
    ASSERT_NE(window, nullptr);
    const QPoint at(client.x, client.y);
    // From the popup's corner: the toolkit drops a move to where the pointer already is, as it
    // may be after an earlier click at the same place.
    QTest::mouseMove(window, QPoint(0, 0));
    QTest::mouseMove(window, at);
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
}

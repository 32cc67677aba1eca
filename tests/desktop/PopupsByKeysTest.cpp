// Popups opened from the keyboard, the keys typed as a user types them on X or to a compositor
// (run_compositor_keys.sh sends them through the X server it runs in): each opens, stays open
// while its key is held and after its release, and takes the keys that choose in it.
#include "controls/ColourButton/ColourButton.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/StandardControls.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

using platform::ui::PumpEventsUntil;
using platform::ui::detail::WidgetOf;

namespace {

constexpr UINT kKeysDialog = 9601;
constexpr int kColour = 1101, kTitle = 1102, kList = 1103, kButton = 1104;

class KeysDialog : public CDialog {
public:
    KeysDialog() : CDialog(kKeysDialog) {}
    void OnOK() override { heard += "OK;"; }
    void OnCancel() override { heard += "Cancel;"; }

    // What it heard, the edit's selection, the list's choice and the button's colour.
    std::string Seen()
    {
        const QString selected = qobject_cast<QLineEdit*>(WidgetOf(GetDlgItem(kTitle)->m_hWnd))->selectedText();
        const QString chosen = qobject_cast<QComboBox*>(WidgetOf(GetDlgItem(kList)->m_hWnd))->currentText();
        const COLORREF shown = colour.GetColor();
        char rgb[8];
        std::snprintf(rgb, sizeof rgb, "%02x%02x%02x", GetRValue(shown), GetGValue(shown), GetBValue(shown));
        return heard + "|" + selected.toStdString() + "|" + chosen.toStdString() + "|" + rgb;
    }

    CColorButton colour;
    std::string heard;
};

// xdotool's commands, given with the pointer in the compositor's window, to the X server it runs
// in or the program's own; false when there is none.
bool Type(QProcess& xdotool, const std::string& commands)
{
    const char* display = std::getenv("RV_COMPOSITOR_X_DISPLAY");
    if (!display && QGuiApplication::platformName() == "xcb")
        display = std::getenv("DISPLAY");
    if (!display)
        return false;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", display);
    xdotool.setProcessEnvironment(environment);
    xdotool.start("xdotool", QStringList{"mousemove", "1500", "900"} +
                                 QString::fromStdString(commands).split(' ', Qt::SkipEmptyParts));
    return true;
}

struct KeyPopup {
    std::string name;
    int focus;
    std::string keys;
    std::string choose;
    std::string seen;
};

void PrintTo(const KeyPopup& popup, std::ostream* out)
{
    *out << popup.name;
}

class PopupsByKeys : public ::testing::TestWithParam<KeyPopup> {
protected:
    void SetUp() override
    {
        RegisterDialogTemplate(
            {.id = kKeysDialog, .cx = 200, .cy = 100, .style = WS_CAPTION | WS_SYSMENU,
             .controls = {{ControlClass::Button, kColour, "", 10, 10, 40, 14, BS_PUSHBUTTON | WS_TABSTOP},
                          {ControlClass::Edit, kTitle, "My diary", 10, 30, 80, 12, ES_AUTOHSCROLL | WS_TABSTOP},
                          {ControlClass::ComboBox, kList, "", 10, 50, 80, 60, CBS_DROPDOWNLIST | WS_TABSTOP},
                          {ControlClass::Button, kButton, "Press", 100, 10, 50, 14, BS_PUSHBUTTON | WS_TABSTOP}}});
        ASSERT_TRUE(dialog.Create(kKeysDialog));
        ASSERT_TRUE(dialog.colour.SubclassDlgItem(kColour, &dialog));
        dialog.colour.SetDefaultText("");
        dialog.colour.SetCustomText("");
        dialog.colour.SetColor(RGB(1, 2, 3));
        auto* list = static_cast<CComboBox*>(dialog.GetDlgItem(kList));
        list->AddString("one");
        list->AddString("two");
        list->SetCurSel(0);
        dialog.ShowWindow(SW_SHOW);
        QWindow* window = WidgetOf(dialog.m_hWnd)->windowHandle();
        ASSERT_TRUE(PumpEventsUntil([&] { return window->isExposed() && QGuiApplication::focusWindow() == window; },
                                    10000))
            << "the dialog never had the keyboard";
        dialog.GetDlgItem(GetParam().focus)->SetFocus();
    }
    void TearDown() override { dialog.DestroyWindow(); }

    KeysDialog dialog;
};

// The keys are held past the delay before a key repeats where the toolkit repeats it (Wayland);
// an X server repeats a key itself, and the toolkit may take a repeat there for a new press. Once
// the popup has stayed open half a second and the keys are up, the keys that choose are typed. A
// menu runs its own loop, so a timer takes each step; it closes what is open after twenty seconds.
TEST_P(PopupsByKeys, OpenAndStayOpenUntilChosen)
{
    const std::string hold = QGuiApplication::platformName() == "wayland" ? "1" : "0.2";
    QProcess xdotool;
    bool choosing = false, done = false;
    std::string failure = "never opened";
    QElapsedTimer elapsed, openFor;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* open = QApplication::activePopupWidget();
        const bool typed = xdotool.state() == QProcess::NotRunning;
        if (elapsed.elapsed() > 20000 || (choosing && !open)) {
            if (open)
                open->close();
            else if (choosing)
                failure.clear();
            done = true;
        } else if (open && !openFor.isValid()) {
            openFor.start();
        } else if (!choosing && !open && openFor.isValid()) {
            failure = typed ? "dismissed after its key's release" : "dismissed while its key was held";
            done = true;
        } else if (!choosing && open && typed && openFor.elapsed() > 500) {
            choosing = true;
            failure = "stayed open on the keys that choose";
            Type(xdotool, "key " + GetParam().choose);
        }
    });
    elapsed.start();
    watch.start(20);
    ASSERT_TRUE(Type(xdotool, "keydown " + GetParam().keys + " sleep " + hold + " keyup " + GetParam().keys))
        << "runs on X or by run_compositor_keys.sh";
    PumpEventsUntil([&] { return done; }, 25000);
    watch.stop();
    PumpEventsUntil([&] { return xdotool.state() == QProcess::NotRunning; }, 5000);
    EXPECT_EQ(failure, "");
    EXPECT_EQ(dialog.Seen(), GetParam().seen);
}

INSTANTIATE_TEST_SUITE_P(
    EveryPopup, PopupsByKeys,
    ::testing::Values(
        // Right twice from no box: the second colour of the table, brown.
        KeyPopup{"ColourPopupBySpace", kColour, "space", "Right Right Return", "||one|a52a00"},
        KeyPopup{"DropDownListByAltDown", kList, "alt+Down", "Down Return", "||two|010203"},
        KeyPopup{"DropDownListByF4", kList, "F4", "Down Return", "||two|010203"},
        // The edit's own menu: with nothing on the clipboard its first enabled item is "Select All".
        KeyPopup{"EditsMenuByShiftF10", kTitle, "shift+F10", "Down Return", "|My diary|one|010203"},
        KeyPopup{"EditsMenuByTheMenuKey", kTitle, "Menu", "Down Return", "|My diary|one|010203"},
        // The system menu's one item, 关闭, ends the dialog as a cancel.
        KeyPopup{"SystemMenuByShiftF10", kButton, "shift+F10", "Down Return", "Cancel;||one|010203"},
        KeyPopup{"SystemMenuByTheMenuKey", kButton, "Menu", "Down Return", "Cancel;||one|010203"},
        KeyPopup{"SystemMenuByAltSpace", kButton, "alt+space", "Down Return", "Cancel;||one|010203"}),
    [](const ::testing::TestParamInfo<KeyPopup>& param) { return param.param.name; });

} // namespace

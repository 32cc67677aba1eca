// Another program's window takes the keyboard while a popup of a modal dialog is open: a window
// the window manager focuses as it maps it, or one a pager activates; or it took the keyboard a
// moment before the popup opened. The program lives on, a popup ends as a cancel (the colour
// button keeps its colour), a modal window stays for the user to close, and the dialog under them
// stays open. Each step waits until the desktop is as it needs (the keyboard on the dialog, then on
// the popup) instead of assuming it: any window may take the keyboard at a moment of its own.
#include "PopupDialog.h"
#include "platform_ui/DesktopView.h"
#include "platform_ui/NestedLoopBound.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/TestWindows.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>

using platform::ui::PumpEventsUntil;

namespace {

constexpr COLORREF kOldColour = RGB(1, 2, 3);
// Longer than every wait of a case together: what is still open then is closed, and the case fails.
constexpr int kCaseLimitMs = 75000;
// A window that takes the keyboard before the popup has it ends the popup, rightly, before another
// program could be activated; the case is tried again.
constexpr int kAttempts = 3;

// Another X client with one window, xmessage's.
class AnotherProgram {
public:
    ~AnotherProgram() { End(); }

    // Starts it anew, with a window of a title of its own.
    void Start()
    {
        End();
        m_title = QString("another program %1").arg(++s_count);
        m_window = 0;
        m_process.start("xmessage", {"-title", m_title, "hello"});
    }
    // Its window's X id, once it is on the screen.
    std::uint32_t Window()
    {
        if (m_window == 0)
            PumpEventsUntil([&] { return (m_window = Find()) != 0; }, 10000);
        return m_window;
    }
    // The window manager's active window is its window, and the X server gives it the keys.
    bool Active()
    {
        const auto active = XWindowList(XProperties(nullptr, "_NET_ACTIVE_WINDOW"));
        return Window() != 0 && !active.empty() && active.front() == Window() && XKeyboardFocus() == Window();
    }

private:
    std::uint32_t Find() const
    {
        QProcess xwininfo;
        xwininfo.start("xwininfo", {"-name", m_title});
        xwininfo.waitForFinished();
        const QString printed = QString::fromLocal8Bit(xwininfo.readAllStandardOutput());
        const qsizetype at = printed.indexOf("Window id: ");
        return at < 0 ? 0 : printed.mid(at + 11).section(' ', 0, 0).toUInt(nullptr, 16);
    }

    void End()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

    static inline int s_count = 0;
    QString m_title;
    QProcess m_process;
    std::uint32_t m_window = 0;
};

enum class Route { AnotherProgramMapsAWindow, APagerActivatesAnotherProgram, AnotherProgramHadTheKeyboardAsItOpened };
constexpr const char* kRouteNames[] = {"AnotherProgramMapsAWindow", "APagerActivatesAnotherProgram",
                                       "AnotherProgramHadTheKeyboardAsItOpened"};

QWidget* OpenColourDialog()
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (qobject_cast<QColorDialog*>(top) && top->isVisible())
            return top;
    return nullptr;
}

struct PopupKind {
    const char* name;
    // Opens it, as the user does; may run it modally until it closes.
    std::function<void(PopupDialog&)> open;
    // The window it opened, while it is open.
    std::function<QWidget*()> window;
    // A modal window, which the user closes: it stays open while another program is active.
    bool modal = false;
};

void OpenMoreColours(PopupDialog& dialog)
{
    CColourDropDown* popup = dialog.OpenColours();
    ASSERT_NE(popup, nullptr);
    CRect box;
    popup->GetBoxRect(CColourDropDown::CUSTOM_BOX_VALUE, &box);
    ClickOnPopup(*popup, box.CenterPoint());
}

const PopupKind kKinds[] = {
    {"ColourPopup", [](PopupDialog& dialog) { dialog.OpenColours(); }, QApplication::activePopupWidget},
    {"MoreColoursDialog", OpenMoreColours, OpenColourDialog, true},
    {"DropDownList", [](PopupDialog& dialog) { dialog.List().showPopup(); }, QApplication::activePopupWidget},
    {"SystemMenu",
     [](PopupDialog& dialog) { QTest::keyClick(&Window(dialog), Qt::Key_Space, Qt::AltModifier); },
     QApplication::activePopupWidget},
};

struct PopupCase {
    PopupKind kind;
    Route route;
};

void PrintTo(const PopupCase& c, std::ostream* out)
{
    *out << c.kind.name << " " << kRouteNames[static_cast<int>(c.route)];
}

// Counts the popups the toolkit shows while it lives: one may end before a look could see it.
class ShownPopups : public QObject {
public:
    ShownPopups() { qApp->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Show && object->isWidgetType() &&
            static_cast<QWidget*>(object)->windowType() == Qt::Popup)
            ++count;
        return false;
    }
};

// No colour popup is open as its button tells: the last selection it began has ended. The toolkit
// hides a popup before the popup hears why.
bool SelectionsEnded(const std::vector<ColourMessage>& messages)
{
    const auto last = std::find_if(messages.rbegin(), messages.rend(), [](const ColourMessage& message) {
        return message.message == WM_COLOUR_DROPDOWN || message.message == WM_COLOUR_SELENDOK ||
               message.message == WM_COLOUR_SELENDCANCEL;
    });
    return last == messages.rend() || last->message != WM_COLOUR_DROPDOWN;
}

// What was left once the popup had gone.
struct Outcome {
    bool dialogHadTheKeyboard = false;
    bool opened = false;
    bool otherProgramActive = false;
    bool modalStayed = false;
    bool cancelHeardUnderTheModal = false;
    bool popupClosed = false;
    bool leftOpen = false;
    bool dialogOpen = false;
    COLORREF colour = 0;
    std::vector<ColourMessage> messages;
};

class PopupsWhenAnotherProgramIsActivated : public ::testing::TestWithParam<PopupCase> {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != "xcb")
            GTEST_SKIP() << "needs an X server with a window manager";
        RegisterPopupDialogs();
        // A pager activates a window that is already there.
        if (GetParam().route == Route::APagerActivatesAnotherProgram) {
            other.Start();
            ASSERT_NE(other.Window(), 0u) << "xmessage showed its window";
        }
        ASSERT_TRUE(owner.Create(kOwnerDialog));
        owner.MoveWindow(100, 100, 700, 500);
        ShowFramed(owner);
    }
    void TearDown() override { owner.DestroyWindow(); }

    // Runs the dialog modally and, in it, the case.
    Outcome Run()
    {
        Outcome outcome;
        QTimer::singleShot(0, [&] {
            ShowFramed(dialog);
            for (int attempt = 0; attempt < kAttempts && !outcome.opened; ++attempt)
                outcome = Attempt();
            dialog.EndDialog(IDCANCEL);
        });
        dialog.DoModal();
        return outcome;
    }

    CDialog owner{kOwnerDialog};
    PopupDialog dialog{owner};
    AnotherProgram other;

private:
    // Opens the popup of the case from the dialog holding the keyboard and, once the popup holds
    // it, activates another program; or, on the last route, opens it once another program has it.
    Outcome Attempt()
    {
        const PopupKind& kind = GetParam().kind;
        const bool openedAway = GetParam().route == Route::AnotherProgramHadTheKeyboardAsItOpened;
        Outcome outcome;
        outcome.dialogHadTheKeyboard = TakeTheKeyboard(Window(dialog));
        if (!outcome.dialogHadTheKeyboard)
            return outcome;
        dialog.button.SetColor(kOldColour);
        dialog.messages.clear();
        if (openedAway)
            outcome.otherProgramActive = ActivateAnotherProgram();
        const ShownPopups shown;
        // Watches from outside the opening, which may run a modal loop until the popup closes.
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            QWidget* window = kind.window();
            if (openedAway || !window || !window->isVisible())
                return;
            watch.stop();
            // A modal window takes the keyboard from a click on it; a popup has it from its opening.
            if (kind.modal ? TakeTheKeyboard(*window->windowHandle()) : ProgramHasTheKeyboard())
                Meanwhile(outcome);
            else if (!kind.modal)
                watch.start(10);
        });
        watch.start(10);
        const NestedLoopBound bound(kCaseLimitMs);
        kind.open(dialog);
        if (openedAway)
            outcome.opened = shown.count > 0;
        outcome.popupClosed =
            PumpEventsUntil([&] { return kind.window() == nullptr && SelectionsEnded(dialog.messages); }, 10000);
        outcome.leftOpen = bound.Closed();
        outcome.dialogOpen = CWnd::IsWindow(dialog.m_hWnd) && Widget(dialog).isVisible();
        outcome.colour = dialog.button.GetColor();
        outcome.messages = dialog.messages;
        return outcome;
    }

    // Maps the other program's window, or has a pager activate it, until the window manager has
    // activated it: a window manager may keep the keyboard where the user's input went a moment ago.
    bool ActivateAnotherProgram()
    {
        return PumpEventsUntil(
            [&] {
                if (GetParam().route == Route::APagerActivatesAnotherProgram)
                    AskWindowManager(other.Window(), "_NET_ACTIVE_WINDOW", {kFromAPager, 0, 0, 0, 0});
                else
                    other.Start();
                return PumpEventsUntil([&] { return other.Active(); }, 3000);
            },
            30000);
    }

    void Meanwhile(Outcome& outcome)
    {
        const PopupKind& kind = GetParam().kind;
        outcome.opened = true;
        outcome.otherProgramActive = ActivateAnotherProgram();
        if (!kind.modal)
            return;
        // The popup under the colour dialog hears of it and cancels; the dialog is the user's to close.
        outcome.cancelHeardUnderTheModal = PumpEventsUntil(
            [&] { return !dialog.messages.empty() && dialog.messages.back().message == WM_COLOUR_SELENDCANCEL; },
            10000);
        QWidget* modal = kind.window();
        outcome.modalStayed = modal != nullptr;
        if (modal)
            modal->close();
    }
};

std::vector<PopupCase> Cases()
{
    std::vector<PopupCase> cases;
    for (const PopupKind& kind : kKinds)
        for (Route route : {Route::AnotherProgramMapsAWindow, Route::APagerActivatesAnotherProgram,
                            Route::AnotherProgramHadTheKeyboardAsItOpened})
            // The colour dialog opens from a click on a popup that has ended by then.
            if (!kind.modal || route != Route::AnotherProgramHadTheKeyboardAsItOpened)
                cases.push_back({kind, route});
    return cases;
}

} // namespace

TEST_P(PopupsWhenAnotherProgramIsActivated, TheProgramLivesAndThePopupEndsAsACancel)
{
    const Outcome outcome = Run();
    ASSERT_TRUE(outcome.dialogHadTheKeyboard) << "the window manager gave the dialog the keyboard";
    ASSERT_TRUE(outcome.opened) << "the popup opened";
    EXPECT_TRUE(outcome.otherProgramActive) << "the window manager activated the other program";
    EXPECT_EQ(outcome.modalStayed, GetParam().kind.modal) << "a modal window stays for the user";
    EXPECT_EQ(outcome.cancelHeardUnderTheModal, GetParam().kind.modal) << "the popup under it ended as a cancel";
    EXPECT_FALSE(outcome.leftOpen) << "a window of the case was still open at the end of its time";
    EXPECT_TRUE(outcome.popupClosed);
    EXPECT_TRUE(outcome.dialogOpen) << "the dialog under it stays";
    EXPECT_EQ(outcome.colour, kOldColour);
    if (!outcome.messages.empty()) {
        EXPECT_EQ(outcome.messages.back(), Sent(WM_COLOUR_SELENDCANCEL, kOldColour));
    }
}

INSTANTIATE_TEST_SUITE_P(UnderAWindowManager, PopupsWhenAnotherProgramIsActivated, ::testing::ValuesIn(Cases()),
                         [](const auto& param) {
                             return std::string(param.param.kind.name) + "_" +
                                    kRouteNames[static_cast<int>(param.param.route)];
                         });

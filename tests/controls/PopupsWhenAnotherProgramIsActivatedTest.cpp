// Another program's window takes the keyboard while a popup of a modal dialog is open: a window
// the window manager focuses as it maps it, or one a pager activates. The program lives on, a
// popup ends as a cancel (the colour button keeps its colour), a modal window stays for the user
// to close, and the dialog under them stays open.
#include "PopupDialog.h"
#include "platform_ui/DesktopView.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/TestWindows.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

using platform::ui::PumpEventsUntil;

namespace {

constexpr COLORREF kOldColour = RGB(1, 2, 3);
constexpr std::uint32_t kFromAPager = 2;

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
    // The window manager's active window is its window.
    bool Active()
    {
        const auto active = XWindowList(XProperties(nullptr, "_NET_ACTIVE_WINDOW"));
        return Window() != 0 && !active.empty() && active.front() == Window();
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

enum class Route { AnotherProgramMapsAWindow, APagerActivatesAnotherProgram };
constexpr const char* kRouteNames[] = {"AnotherProgramMapsAWindow", "APagerActivatesAnotherProgram"};

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

// What was left once the popup had gone.
struct Outcome {
    bool opened = false;
    bool otherProgramActive = false;
    bool modalStayed = false;
    bool popupClosed = false;
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

    // Runs the dialog modally; in it, opens the popup of the case and, once it is up, activates
    // another program.
    Outcome Run()
    {
        const PopupKind& kind = GetParam().kind;
        Outcome outcome;
        QTimer::singleShot(0, [&] {
            ShowFramed(dialog);
            EXPECT_TRUE(PumpEventsUntil([&] { return Window(dialog).isActive(); }, 10000)) << "the dialog active";
            dialog.button.SetColor(kOldColour);
            dialog.messages.clear();
            // Watches from outside the opening, which may run a modal loop until the popup closes.
            QTimer watch;
            QObject::connect(&watch, &QTimer::timeout, [&] {
                if (!kind.window() || !kind.window()->isVisible())
                    return;
                watch.stop();
                Meanwhile(outcome);
            });
            watch.start(10);
            kind.open(dialog);
            outcome.popupClosed = PumpEventsUntil([&] { return kind.window() == nullptr; }, 10000);
            outcome.dialogOpen = CWnd::IsWindow(dialog.m_hWnd) && Widget(dialog).isVisible();
            outcome.colour = dialog.button.GetColor();
            outcome.messages = dialog.messages;
            dialog.EndDialog(IDCANCEL);
        });
        dialog.DoModal();
        return outcome;
    }

    CDialog owner{kOwnerDialog};
    PopupDialog dialog{owner};
    AnotherProgram other;

private:
    void Meanwhile(Outcome& outcome)
    {
        const PopupKind& kind = GetParam().kind;
        outcome.opened = true;
        // Taken again while the window manager has not activated it: a window manager may keep the
        // keyboard where the user's input went a moment ago.
        outcome.otherProgramActive = PumpEventsUntil(
            [&] {
                if (GetParam().route == Route::AnotherProgramMapsAWindow)
                    other.Start();
                else
                    AskWindowManager(other.Window(), "_NET_ACTIVE_WINDOW", {kFromAPager, 0, 0, 0, 0});
                return PumpEventsUntil([&] { return other.Active(); }, 3000);
            },
            30000);
        if (!kind.modal)
            return;
        // The popup under the colour dialog hears of it and cancels; the dialog is the user's to close.
        PumpEventsUntil(
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
        for (Route route : {Route::AnotherProgramMapsAWindow, Route::APagerActivatesAnotherProgram})
            cases.push_back({kind, route});
    return cases;
}

} // namespace

TEST_P(PopupsWhenAnotherProgramIsActivated, TheProgramLivesAndThePopupEndsAsACancel)
{
    const Outcome outcome = Run();
    ASSERT_TRUE(outcome.opened);
    EXPECT_TRUE(outcome.otherProgramActive) << "the window manager activated the other program";
    EXPECT_EQ(outcome.modalStayed, GetParam().kind.modal) << "a modal window stays for the user";
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

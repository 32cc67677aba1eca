// A dialog the program places before it shows lies there for the points it maps, also on an X
// server where the window manager frames it: a control's place on the screen, where a popup
// opens under it, comes from there. A dialog the program does not place opens centred over its
// owner, or on the screen while the owner is not on it, and inside the screen's work area.
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "DesktopView.h"
#include "TwoScreens.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <ostream>

namespace {

constexpr UINT kPlacedDialog = 9412;
constexpr UINT kOwnerDialog = 9413;
constexpr UINT kTallDialog = 9414;
constexpr UINT kUntitledOwnerDialog = 9415;

// Without a caption the window manager adds no frame: the client area lies where it is put.
void RegisterPlacedDialog(DWORD style)
{
    RegisterDialogTemplate({.id = kPlacedDialog, .caption = "", .cx = 120, .cy = 60, .style = style, .controls = {}});
}

bool Exposed(const CWnd& window)
{
    const QWindow* handle = platform::ui::detail::WidgetOf(window.m_hWnd)->windowHandle();
    return handle && handle->isExposed();
}

CPoint ClientOrigin(const CWnd& window)
{
    CPoint origin(0, 0);
    window.ClientToScreen(&origin);
    return origin;
}

} // namespace

TEST(PlacedWindows, ADialogPlacedBeforeItShowsMapsItsPointsFromThere)
{
    SKIP_UNLESS_ON_A_1600_BY_1000_SCREEN();
    RegisterPlacedDialog(0);
    CDialog owner(kPlacedDialog);
    ASSERT_TRUE(owner.Create(kPlacedDialog));
    owner.MoveWindow(900, 600, 200, 100);
    owner.ShowWindow(SW_SHOW);
    const struct {
        DWORD style;  // a fixed size unless it has a sizing frame
        bool owned;
        CPoint place;
    } cases[] = {
        {0, false, {100, 100}},           {0, true, {300, 150}},
        {WS_THICKFRAME, false, {500, 200}}, {WS_THICKFRAME, true, {700, 250}},
        {0, false, {120, 500}},           {0, true, {1100, 700}},
    };
    for (const auto& c : cases) {
        RegisterPlacedDialog(c.style);
        auto dialog = std::make_unique<CDialog>(kPlacedDialog);
        ASSERT_TRUE(dialog->Create(kPlacedDialog, c.owned ? &owner : nullptr));
        dialog->MoveWindow(c.place.x, c.place.y, 200, 100);
        dialog->ShowWindow(SW_SHOW);
        // Shown once the window manager has framed and placed it.
        EXPECT_TRUE(platform::ui::PumpEventsUntil([&] { return Exposed(*dialog) && ClientOrigin(*dialog) == c.place; }))
            << c.place.x << "," << c.place.y << " style " << c.style << (c.owned ? " owned" : "") << ": maps from "
            << ClientOrigin(*dialog).x << "," << ClientOrigin(*dialog).y;
        dialog->DestroyWindow();
    }
    owner.DestroyWindow();
}

namespace {

// Where the window's frame, title bar included, really is once the window manager framed it.
std::optional<QRect> FramePlace(const CWnd& window)
{
    const QWindow* handle = platform::ui::detail::WidgetOf(window.m_hWnd)->windowHandle();
    if (!handle || !handle->isExposed())
        return std::nullopt;
    const std::optional<QMargins> frame = XFrameExtents(*handle);
    if (!frame)
        return std::nullopt;
    return XPlace(*handle).marginsAdded(*frame);
}

// Where the dialog belongs, given its frame's size, its owner's frame (none while the owner is
// not on the screen) and the work area.
enum class Belongs { CentredOverTheOwner, AtTheTopUnderTheOwner, InTheBottomRightCorner, CentredOnTheScreen };

struct UnplacedCase {
    const char* name;
    std::optional<QRect> owner;   // the owner's client area; nullopt: not yet shown
    Belongs belongs;
    bool titledOwner = true;      // without a title bar the owner's frame does not stand in for the dialog's
    int workAreaCut = 0;          // taken off the work area's bottom once the dialog is on the screen
};

void PrintTo(const UnplacedCase& c, std::ostream* out)
{
    *out << c.name;
}

QPoint BelongsAt(Belongs belongs, QSize frame, const QRect& owner, const QRect& work)
{
    QRect centred(QPoint(), frame);
    switch (belongs) {
    case Belongs::CentredOverTheOwner:
        centred.moveCenter(owner.center());
        return centred.topLeft();
    case Belongs::AtTheTopUnderTheOwner:
        centred.moveCenter(owner.center());
        return QPoint(centred.x(), work.top());
    case Belongs::InTheBottomRightCorner:
        return work.bottomRight() - QPoint(frame.width() - 1, frame.height() - 1);
    case Belongs::CentredOnTheScreen:
        centred.moveCenter(work.center());
        return centred.topLeft();
    }
    return {};
}

class UnplacedDialogs : public ::testing::TestWithParam<UnplacedCase> {
protected:
    void SetUp() override
    {
        if (!OnAWindowManagersScreen() || QGuiApplication::platformName() != "xcb")
            GTEST_SKIP() << "reads places from the X server under a window manager";
        RegisterDialogTemplate(
            {.id = kOwnerDialog, .caption = "Owner", .cx = 100, .cy = 40, .style = WS_CAPTION | WS_SYSMENU});
        RegisterDialogTemplate({.id = kUntitledOwnerDialog, .caption = "", .cx = 100, .cy = 40, .style = 0});
        // Taller than its owner.
        RegisterDialogTemplate(
            {.id = kTallDialog, .caption = "Tall", .cx = 160, .cy = 300, .style = WS_CAPTION | WS_SYSMENU});
    }
};

} // namespace

// The dialog goes to the window manager with its place, which every window manager takes: asked
// for one above the screen, icewm put the title bar there and fluxbox moved the dialog into the
// far corner; a dialog opened before its owner was shown (the welcome at start) opened in the
// screen's corner. One placed before the window manager told its frame or its work area is placed
// again once it has: over an owner without a title bar its frame hung 21 pixels below the work
// area under fluxbox, and a work area told late left it across the panel.
TEST_P(UnplacedDialogs, OpenOverTheirOwnerInsideTheWorkArea)
{
    const UnplacedCase& c = GetParam();
    const UINT ownerTemplate = c.titledOwner ? kOwnerDialog : kUntitledOwnerDialog;
    CDialog owner(ownerTemplate);
    ASSERT_TRUE(owner.Create(ownerTemplate));
    std::optional<QRect> ownerFrame;
    if (c.owner) {
        owner.MoveWindow(c.owner->x(), c.owner->y(), c.owner->width(), c.owner->height());
        owner.ShowWindow(SW_SHOW);
        ASSERT_TRUE(platform::ui::PumpEventsUntil([&] { return (ownerFrame = FramePlace(owner)).has_value(); }, 10000))
            << "the owner was framed";
    }
    QRect work = XWorkArea().value_or(QRect(0, 0, 1600, 1000));
    constexpr int kSlack = 40;   // the owner's frame stands in for the dialog's before it is framed
    CDialog dialog(kTallDialog, &owner);
    std::optional<QRect> seen;
    QPoint belongs;
    QTimer::singleShot(0, [&] {
        const auto inPlace = [&] {
            if (!(seen = FramePlace(dialog)))
                return false;
            belongs = BelongsAt(c.belongs, seen->size(), ownerFrame.value_or(QRect()), work);
            return work.contains(*seen) && (seen->topLeft() - belongs).manhattanLength() <= kSlack;
        };
        platform::ui::PumpEventsUntil(inPlace, 10000);
        if (c.workAreaCut > 0) {
            work.setBottom(work.bottom() - c.workAreaCut);
            const ChangedXWorkArea panelTold(work);
            platform::ui::PumpEventsUntil(inPlace, 10000);
        }
        dialog.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
    ASSERT_TRUE(seen.has_value()) << "the dialog was framed";
    EXPECT_TRUE(work.contains(*seen)) << "frame at " << seen->x() << "," << seen->y() << " " << seen->width() << " x "
                                      << seen->height() << ", work area " << work.x() << "," << work.y() << " "
                                      << work.width() << " x " << work.height();
    EXPECT_LE((seen->topLeft() - belongs).manhattanLength(), kSlack)
        << "at " << seen->x() << "," << seen->y() << ", belongs at " << belongs.x() << "," << belongs.y();
    owner.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(
    UnderAWindowManager, UnplacedDialogs,
    ::testing::Values(UnplacedCase{"OwnerInTheMiddle", QRect(600, 400, 400, 150), Belongs::CentredOverTheOwner},
                      UnplacedCase{"OwnerAtTheTop", QRect(600, 30, 400, 150), Belongs::AtTheTopUnderTheOwner},
                      UnplacedCase{"OwnerInTheBottomRightCorner", QRect(1400, 850, 180, 100),
                                   Belongs::InTheBottomRightCorner},
                      UnplacedCase{"UntitledOwnerInTheBottomRightCorner", QRect(1400, 850, 180, 100),
                                   Belongs::InTheBottomRightCorner, false},
                      UnplacedCase{"WorkAreaToldLate", QRect(1400, 850, 180, 100), Belongs::InTheBottomRightCorner,
                                   true, 80},
                      UnplacedCase{"OwnerNotYetShown", std::nullopt, Belongs::CentredOnTheScreen}),
    [](const auto& param) { return std::string(param.param.name); });

// A modal dialog opens over its owner, and popups and windows placed from it open where the dialog
// really is on the screen:
// in a dialog just opened, in one opened after the user moved the main window, and after the user
// moved the dialog, whether or not the window manager tells the program where it put the frame.
// Places are read from the X server.
#include "PopupDialog.h"
#include "platform_ui/DesktopView.h"
#include "platform_ui/NestedLoopBound.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/TestWindows.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <optional>
#include <ostream>

namespace {

// As the user drags the title bar: the window manager moves the frame to the place.
void MoveAsTheUserDoes(CWnd& window, QPoint place)
{
    const QPoint before = XPlace(Window(window)).topLeft();
    // x and y given, from a pager (the user's own doing); asked again while unanswered: a busy
    // window manager lets a request pass now and then.
    ASSERT_TRUE(platform::ui::PumpEventsUntil(
        [&] {
            AskWindowManager(Window(window), "_NET_MOVERESIZE_WINDOW",
                             {(1u << 8) | (1u << 9) | (2u << 12), std::uint32_t(place.x()), std::uint32_t(place.y()), 0, 0});
            return platform::ui::PumpEventsUntil([&] { return XPlace(Window(window)).topLeft() != before; }, 500);
        },
        10000))
        << "the window manager moved the window";
}

// Where a widget of the dialog really is: the dialog's place from the X server, the widget's
// place in the dialog from its geometry.
QRect RealPlace(const QWidget& widget)
{
    return QRect(XPlace(*widget.window()->windowHandle()).topLeft() + widget.mapTo(widget.window(), QPoint(0, 0)),
                 widget.size());
}

// A user takes a moment to reach for a window's controls, in which the program hears where the
// window is; the result is not asserted here.
void TakeAMoment(CWnd& window)
{
    platform::ui::PumpEventsUntil(
        [&] { return Widget(window).mapToGlobal(QPoint(0, 0)) == XPlace(Window(window)).topLeft(); }, 2000);
}

// What a popup kind opened: where it is, and where it belongs.
struct Seen {
    QRect place;
    QRect expected;
};

class PopupPlaces;

struct PopupKind {
    const char* name;
    // How far it may lie from where it belongs: a window the window manager frames may be
    // centred by its frame or by its client area.
    int slack;
    // Opens the popup; returns once it was measured and closed.
    std::function<Seen(PopupPlaces&)> open;
    // The dialog itself, whose place after the user moved it is the user's.
    bool isTheDialog = false;
};

// When the popup opens: in a dialog just opened, in one opened after its owner moved, in one
// that moved.
enum class Moment { New, OwnerMoved, DialogMoved };
constexpr const char* kMomentNames[] = {"New", "AfterTheOwnerMoved", "AfterTheDialogMoved"};

struct PopupCase {
    PopupKind kind;
    Moment moment;
};

void PrintTo(const PopupCase& c, std::ostream* out)
{
    *out << c.kind.name << " " << kMomentNames[static_cast<int>(c.moment)];
}

class PopupPlaces : public ::testing::TestWithParam<PopupCase> {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != "xcb")
            GTEST_SKIP() << "reads places from the X server";
        RegisterPopupDialogs();
        ASSERT_TRUE(owner.Create(kOwnerDialog));
        owner.MoveWindow(100, 100, 700, 500);
        ShowFramed(owner);
        if (GetParam().moment == Moment::OwnerMoved) {
            MoveAsTheUserDoes(owner, {700, 400});
            TakeAMoment(owner);
        }
    }
    void TearDown() override { owner.DestroyWindow(); }

public:
    // Runs the dialog modally; once it is up, opens the popup of the case there and measures it.
    Seen RunDialog()
    {
        Seen seen;
        QTimer::singleShot(0, [&] {
            ShowFramed(dialog);
            if (GetParam().moment == Moment::DialogMoved)
                MoveAsTheUserDoes(dialog, {900, 500});
            // A window manager may still change the frame of a window it framed a moment ago
            // (fluxbox told a title bar of 19 pixels, then of 20, moving the client area): what
            // was measured while the dialog moved, or before the program heard where it went, is
            // measured again.
            for (int tries = 1;; ++tries) {
                TakeAMoment(dialog);
                const QRect before = XPlace(Window(dialog));
                const bool heard = Widget(dialog).mapToGlobal(QPoint(0, 0)) == before.topLeft();
                seen = GetParam().kind.open(*this);
                const bool stood = heard && XPlace(Window(dialog)) == before;
                if (stood || tries == 5) {
                    EXPECT_TRUE(stood) << "the dialog kept moving while measured";
                    break;
                }
            }
            dialog.EndDialog(IDCANCEL);
        });
        dialog.DoModal();
        return seen;
    }

    // Runs `open` while a watch waits for the window `find` names to be up, measures it and
    // closes it.
    QRect WhileOpen(const std::function<void()>& open, const std::function<QWidget*()>& find)
    {
        std::optional<QRect> place;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            QWidget* window = find();
            if (!window || !window->isVisible() || !window->windowHandle() || !window->windowHandle()->isExposed())
                return;
            watch.stop();
            place = XPlace(*window->windowHandle());
            window->close();
        });
        watch.start(10);
        const NestedLoopBound bound(30000);
        open();
        EXPECT_TRUE(platform::ui::PumpEventsUntil([&] { return place.has_value(); }, 10000)) << "it opened";
        EXPECT_FALSE(bound.Closed()) << "it was still open after 30 s";
        return place.value_or(QRect());
    }

    CDialog owner{kOwnerDialog};
    PopupDialog dialog{owner};
};

QWidget* OpenPopup()
{
    return QApplication::activePopupWidget();
}

QWidget* OpenColourDialog()
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (qobject_cast<QColorDialog*>(top) && top->isVisible())
            return top;
    return nullptr;
}

const PopupKind kKinds[] = {
    {"TheDialogItself", 40,
     [](PopupPlaces& t) {
         // Centred over the window it was opened from, to within the frames' sizes.
         const QRect place = XPlace(Window(t.dialog));
         QRect expected(QPoint(), place.size());
         expected.moveCenter(XPlace(Window(t.owner)).center());
         return Seen{place, expected};
     },
     true},
    {"ColourPopup", 0,
     [](PopupPlaces& t) {
         // Under the button.
         const QRect button = RealPlace(Widget(t.dialog.button));
         const QRect place = t.WhileOpen([&] { t.dialog.OpenColours(); }, OpenPopup);
         return Seen{place, QRect(button.bottomLeft() + QPoint(0, 1), place.size())};
     }},
    {"DropDownList", 0,
     [](PopupPlaces& t) {
         // Over the list's field, its chosen (first) item on the field, as Qt's style opens it.
         const QRect field = RealPlace(t.dialog.List());
         const QRect place = t.WhileOpen([&] { t.dialog.List().showPopup(); }, OpenPopup);
         return Seen{place, QRect(field.topLeft(), place.size())};
     }},
    {"SystemMenu", 0,
     [](PopupPlaces& t) {
         // At the dialog's corner, opened with Alt+Space.
         const QRect client = RealPlace(Widget(t.dialog));
         const QRect place = t.WhileOpen(
             [&] { QTest::keyClick(Widget(t.dialog).windowHandle(), Qt::Key_Space, Qt::AltModifier); },
             [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); });
         return Seen{place, QRect(client.topLeft(), place.size())};
     }},
    {"MoreColoursDialog", 40,
     [](PopupPlaces& t) {
         // Centred over the dialog, to within the frames' sizes.
         const QRect client = RealPlace(Widget(t.dialog));
         const QRect place = t.WhileOpen(
             [&] {
                 CColourDropDown* popup = t.dialog.OpenColours();
                 ASSERT_NE(popup, nullptr);
                 CRect box;
                 popup->GetBoxRect(CColourDropDown::CUSTOM_BOX_VALUE, &box);
                 ClickOnPopup(*popup, box.CenterPoint());
             },
             OpenColourDialog);
         QRect expected(QPoint(), place.size());
         expected.moveCenter(client.center());
         return Seen{place, expected};
     }},
};

std::vector<PopupCase> Cases()
{
    std::vector<PopupCase> cases;
    for (const PopupKind& kind : kKinds)
        for (Moment moment : {Moment::New, Moment::OwnerMoved, Moment::DialogMoved})
            if (!kind.isTheDialog || moment != Moment::DialogMoved)
                cases.push_back({kind, moment});
    return cases;
}

} // namespace

TEST_P(PopupPlaces, OpensWhereItsDialogReallyIs)
{
    const PopupCase& c = GetParam();
    const Seen seen = RunDialog();
    const QPoint off = seen.place.topLeft() - seen.expected.topLeft();
    EXPECT_LE(off.manhattanLength(), c.kind.slack) << "at " << seen.place.x() << "," << seen.place.y() << ", expected "
                                            << seen.expected.x() << "," << seen.expected.y();
}

INSTANTIATE_TEST_SUITE_P(UnderAWindowManager, PopupPlaces, ::testing::ValuesIn(Cases()),
                         [](const auto& param) {
                             return std::string(param.param.kind.name) + "_" + kMomentNames[static_cast<int>(param.param.moment)];
                         });

// The colour popup as a desktop sees it: the toolkit's popup tied to the dialog, which the
// desktop may put elsewhere than asked; clicks count where it really is.
#include "ColourDialog.h"
#include "platform_ui/DesktopView.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/TestWindows.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QApplication>
#include <QColorDialog>
#include <QTest>
#include <QTimer>
#include <QWindow>

using platform::ui::detail::WidgetOf;

namespace {

constexpr COLORREF kOutsideTable = RGB(1, 2, 3);
constexpr int kBlue = 13, kCustom = CColourDropDown::CUSTOM_BOX_VALUE;

QWindow* WindowOf(CWnd& window)
{
    QWidget* widget = WidgetOf(window.m_hWnd);
    return widget ? widget->windowHandle() : nullptr;
}

} // namespace

TEST_F(ColourTest, OpensAsTheToolkitsPopupTiedToItsDialog)
{
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    QWidget* widget = WidgetOf(popup->m_hWnd);
    EXPECT_EQ(widget->windowType(), Qt::Popup) << "placed relative to its owner, under the button";
    ASSERT_NE(WindowOf(*popup), nullptr);
    EXPECT_EQ(WindowOf(*popup)->transientParent(), WindowOf(dialog));
    EXPECT_EQ(QApplication::activePopupWidget(), widget) << "it has the mouse and the keys";
    platform::ui::SimulateKey(*popup, VK_ESCAPE);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

// A desktop that dismisses the popup itself (a Wayland compositor, on a click outside it) ends
// it as a cancel: hidden but alive, it kept its button pressed and the colour it showed.
TEST_F(ColourTest, APopupTheDesktopDismissesEndsAsACancel)
{
    dialog.button.SetColor(kOutsideTable);
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    const HWND window = popup->m_hWnd;
    dialog.messages.clear();
    WidgetOf(window)->close();
    EXPECT_TRUE(platform::ui::PumpEventsUntil([&] { return !CWnd::IsWindow(window); }, 1000)) << "the popup ended";
    EXPECT_EQ(dialog.button.GetColor(), kOutsideTable);
    ASSERT_FALSE(dialog.messages.empty());
    EXPECT_EQ(dialog.messages.back(), Sent(WM_COLOUR_SELENDCANCEL, kOutsideTable));
    EXPECT_NE(Open(), nullptr) << "the button opens it again";
}

TEST_F(ColourTest, AClickOnAColourCountsWhereverTheDesktopPutThePopup)
{
    // How far the desktop put the popup from where it asked: nowhere, a little, across the dialog.
    const QPoint moves[] = {{0, 0}, {37, -120}, {-300, 400}};
    for (const QPoint& move : moves) {
        dialog.messages.clear();
        dialog.button.SetColor(kOutsideTable);
        CColourDropDown* popup = Open();
        ASSERT_NE(popup, nullptr);
        QWidget* widget = WidgetOf(popup->m_hWnd);
        widget->move(widget->pos() + move);
        ClickOnPopup(*popup, Centre(*popup, kBlue));
        EXPECT_EQ(Popup(), nullptr) << move.x() << "," << move.y();
        EXPECT_EQ(dialog.button.GetColor(), CColourDropDown::CellColour(kBlue)) << move.x() << "," << move.y();
        ASSERT_FALSE(dialog.messages.empty());
        EXPECT_EQ(dialog.messages.back(), Sent(WM_COLOUR_PICKED, CColourDropDown::CellColour(kBlue)));
    }
}

TEST_F(ColourTest, MoreColoursOpensAColourDialogThatTakesTheClicks)
{
    dialog.button.SetCustomText("More colores...");
    dialog.button.SetColor(kOutsideTable);
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    QWidget* widget = WidgetOf(popup->m_hWnd);
    widget->move(widget->pos() + QPoint(0, 60));
    // Once the colour dialog is up: is the popup still in its way, then choose a colour.
    bool dialogSeen = false, popupInTheWay = true;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* colours = qobject_cast<QColorDialog*>(top);
            if (!colours || !colours->isVisible())
                continue;
            dialogSeen = true;
            popupInTheWay = QApplication::activePopupWidget() != nullptr;
            colours->setCurrentColor(QColor(10, 20, 30));
            colours->accept();
            watcher.stop();
        }
    });
    watcher.start(10);
    ClickOnPopup(*popup, Centre(*popup, kCustom));
    ASSERT_TRUE(dialogSeen);
    EXPECT_FALSE(popupInTheWay) << "the dialog takes the clicks";
    EXPECT_EQ(Popup(), nullptr);
    EXPECT_EQ(dialog.button.GetColor(), RGB(10, 20, 30));
}

// The popup is hidden while its colour dialog runs and no desktop keeps a window with it: the
// dialog belongs to the button's dialog.
TEST_F(ColourTest, MoreColoursOpensAColourDialogThatStaysOverTheButtonsDialog)
{
    dialog.button.SetCustomText("More colores...");
    WidgetOf(dialog.m_hWnd)->activateWindow();
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    const DesktopView seen = WhileModalOver(dialog, [&] { ClickOnPopup(*popup, Centre(*popup, kCustom)); });
    ASSERT_TRUE(seen.shown);
    EXPECT_FALSE(seen.ownerEnabled);
    EXPECT_TRUE(seen.transientForOwner);
    EXPECT_TRUE(seen.modal);
    EXPECT_TRUE(seen.keptAboveOwner) << "a click on the button's dialog buries the colour dialog";
    EXPECT_TRUE(dialog.IsWindowEnabled());
}

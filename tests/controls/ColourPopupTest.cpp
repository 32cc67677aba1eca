// What a dialog hears from its colour button while the popup is used, and how the popup ends.
#include "ColourDialog.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/TestWindows.h"

#include <gmock/gmock.h>

using platform::ui::SimulateKey;
using platform::ui::SimulateMouse;
using ::testing::ElementsAre;

namespace {

constexpr COLORREF kOutsideTable = RGB(1, 2, 3);
constexpr int kBlue = 13, kDarkBlue = 5;
constexpr int kCustom = CColourDropDown::CUSTOM_BOX_VALUE, kDefault = CColourDropDown::DEFAULT_BOX_VALUE;

COLORREF Cell(int index)
{
    return CColourDropDown::CellColour(index);
}

POINT Outside()
{
    return POINT{-20, -20};
}

} // namespace

TEST_F(ColourTest, MousePickTellsEachHoveredColourThenTheEndAndTheChange)
{
    dialog.button.SetColor(kOutsideTable);
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(dialog.button.m_bPopupActive);
    SimulateMouse(*popup, WM_MOUSEMOVE, Centre(*popup, kDarkBlue));
    SimulateMouse(*popup, WM_MOUSEMOVE, Centre(*popup, kDarkBlue));
    SimulateMouse(*popup, WM_MOUSEMOVE, Centre(*popup, kBlue));
    EXPECT_EQ(dialog.button.GetColor(), kOutsideTable) << "no tracking: the button keeps its colour";
    SimulateMouse(*popup, WM_LBUTTONUP, Centre(*popup, kBlue));
    EXPECT_EQ(Popup(), nullptr);
    EXPECT_THAT(dialog.messages,
                ElementsAre(Sent(WM_COLOUR_DROPDOWN, kOutsideTable), Sent(WM_COLOUR_PICKED, Cell(kDarkBlue)),
                            Sent(WM_COLOUR_PICKED, Cell(kBlue)), Sent(WM_COLOUR_CLOSEUP, Cell(kBlue)),
                            Sent(WM_COLOUR_SELENDOK, Cell(kBlue)), Sent(WM_COLOUR_PICKED, Cell(kBlue))));
    EXPECT_EQ(dialog.button.GetColor(), Cell(kBlue));
    EXPECT_FALSE(dialog.button.m_bPopupActive);
    EXPECT_EQ(dialog.buttonCommands, 0) << "the click stays with the button";
}

TEST_F(ColourTest, TrackingButtonFollowsTheHoverAndTellsNoChangeAfterTheRelease)
{
    dialog.button.SetColor(kOutsideTable);
    dialog.button.SetTrackSelection(TRUE);
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    SimulateMouse(*popup, WM_MOUSEMOVE, Centre(*popup, kDarkBlue));
    EXPECT_EQ(dialog.button.GetColor(), Cell(kDarkBlue));
    SimulateMouse(*popup, WM_MOUSEMOVE, Centre(*popup, kBlue));
    SimulateMouse(*popup, WM_LBUTTONUP, Centre(*popup, kBlue));
    EXPECT_THAT(dialog.messages,
                ElementsAre(Sent(WM_COLOUR_DROPDOWN, kOutsideTable), Sent(WM_COLOUR_PICKED, Cell(kDarkBlue)),
                            Sent(WM_COLOUR_PICKED, Cell(kBlue)), Sent(WM_COLOUR_CLOSEUP, Cell(kBlue)),
                            Sent(WM_COLOUR_SELENDOK, Cell(kBlue))));
}

TEST_F(ColourTest, ReleaseOutsideCancelsAndTellsTheColourBackThatTheHoverChanged)
{
    dialog.button.SetColor(kOutsideTable);
    dialog.button.SetTrackSelection(TRUE);
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    SimulateMouse(*popup, WM_MOUSEMOVE, Centre(*popup, kBlue));
    SimulateMouse(*popup, WM_MOUSEMOVE, Outside());
    EXPECT_EQ(popup->m_nCurrentSel, kBlue) << "over no box the selection stays";
    SimulateMouse(*popup, WM_LBUTTONUP, Outside());
    EXPECT_EQ(Popup(), nullptr);
    EXPECT_THAT(dialog.messages,
                ElementsAre(Sent(WM_COLOUR_DROPDOWN, kOutsideTable), Sent(WM_COLOUR_PICKED, Cell(kBlue)),
                            Sent(WM_COLOUR_CLOSEUP, kOutsideTable), Sent(WM_COLOUR_SELENDCANCEL, kOutsideTable),
                            Sent(WM_COLOUR_PICKED, kOutsideTable)));
    EXPECT_EQ(dialog.button.GetColor(), kOutsideTable);
}

TEST_F(ColourTest, EscapeAfterAMoveTellsTheRestoredColourAndWithoutOneNothingMore)
{
    dialog.button.SetColor(kOutsideTable);
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    SimulateKey(*popup, VK_ESCAPE);
    EXPECT_THAT(dialog.messages,
                ElementsAre(Sent(WM_COLOUR_DROPDOWN, kOutsideTable), Sent(WM_COLOUR_CLOSEUP, kOutsideTable),
                            Sent(WM_COLOUR_SELENDCANCEL, kOutsideTable)));
    dialog.messages.clear();
    popup = Open();
    ASSERT_NE(popup, nullptr);
    popup->ChangeSelection(kBlue);
    SimulateKey(*popup, VK_ESCAPE);
    EXPECT_THAT(dialog.messages,
                ElementsAre(Sent(WM_COLOUR_DROPDOWN, kOutsideTable), Sent(WM_COLOUR_PICKED, Cell(kBlue)),
                            Sent(WM_COLOUR_CLOSEUP, kOutsideTable), Sent(WM_COLOUR_SELENDCANCEL, kOutsideTable),
                            Sent(WM_COLOUR_PICKED, kOutsideTable)));
}

TEST_F(ColourTest, KeyboardPickWalksThroughBothBoxesAndReturnTakesTheCell)
{
    dialog.button.SetColor(kOutsideTable);
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    SimulateKey(*popup, VK_RIGHT);   // none: the custom box
    SimulateKey(*popup, VK_RIGHT);   // custom: the default box
    SimulateKey(*popup, VK_DOWN);    // default: cell 0
    SimulateKey(*popup, VK_RETURN);
    EXPECT_EQ(Popup(), nullptr);
    EXPECT_THAT(dialog.messages,
                ElementsAre(Sent(WM_COLOUR_DROPDOWN, kOutsideTable), Sent(WM_COLOUR_PICKED, kOutsideTable),
                            Sent(WM_COLOUR_PICKED, CLR_DEFAULT), Sent(WM_COLOUR_PICKED, Cell(0)),
                            Sent(WM_COLOUR_CLOSEUP, Cell(0)), Sent(WM_COLOUR_SELENDOK, Cell(0)),
                            Sent(WM_COLOUR_PICKED, Cell(0))));
}

TEST_F(ColourTest, SpaceEndsLikeReturnAndWithoutASelectionKeepsTheColour)
{
    dialog.button.SetColor(kOutsideTable);
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    SimulateKey(*popup, VK_SPACE);
    EXPECT_EQ(Popup(), nullptr);
    EXPECT_THAT(dialog.messages,
                ElementsAre(Sent(WM_COLOUR_DROPDOWN, kOutsideTable), Sent(WM_COLOUR_CLOSEUP, kOutsideTable),
                            Sent(WM_COLOUR_SELENDOK, kOutsideTable)));
    dialog.messages.clear();
    dialog.button.SetCustomText("");
    popup = Open();
    ASSERT_NE(popup, nullptr);
    SimulateKey(*popup, VK_UP);      // none: the default box
    SimulateKey(*popup, VK_SPACE);
    EXPECT_THAT(dialog.messages,
                ElementsAre(Sent(WM_COLOUR_DROPDOWN, kOutsideTable), Sent(WM_COLOUR_PICKED, CLR_DEFAULT),
                            Sent(WM_COLOUR_CLOSEUP, CLR_DEFAULT), Sent(WM_COLOUR_SELENDOK, CLR_DEFAULT),
                            Sent(WM_COLOUR_PICKED, CLR_DEFAULT)));
    EXPECT_EQ(dialog.button.GetColor(), CLR_DEFAULT);
}

TEST_F(ColourTest, CustomBoxOpensTheColourDialogAtTheOpeningColour)
{
    platform::ui::CommonDialogRecorder recorder;
    recorder.Answer({IDOK, "", RGB(10, 20, 30)});
    dialog.button.SetColor(kOutsideTable);
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    SimulateMouse(*popup, WM_MOUSEMOVE, Centre(*popup, kBlue));
    SimulateMouse(*popup, WM_MOUSEMOVE, Centre(*popup, kCustom));
    SimulateMouse(*popup, WM_LBUTTONUP, Centre(*popup, kCustom));
    ASSERT_EQ(recorder.Requests().size(), 1u);
    EXPECT_EQ(recorder.Requests()[0].kind, platform::ui::CommonDialogKind::Colour);
    EXPECT_EQ(recorder.Requests()[0].initial, CString("010203"));
    EXPECT_EQ(Popup(), nullptr);
    EXPECT_THAT(dialog.messages,
                ElementsAre(Sent(WM_COLOUR_DROPDOWN, kOutsideTable), Sent(WM_COLOUR_PICKED, Cell(kBlue)),
                            Sent(WM_COLOUR_PICKED, kOutsideTable), Sent(WM_COLOUR_CLOSEUP, RGB(10, 20, 30)),
                            Sent(WM_COLOUR_SELENDOK, RGB(10, 20, 30)), Sent(WM_COLOUR_PICKED, RGB(10, 20, 30))));
    EXPECT_EQ(dialog.button.GetColor(), RGB(10, 20, 30));
}

TEST_F(ColourTest, CancelledColourDialogCancelsTheWholeSelection)
{
    platform::ui::CommonDialogRecorder recorder;
    dialog.button.SetColor(Cell(kDarkBlue));
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    SimulateKey(*popup, VK_LEFT);    // none: the default box
    SimulateKey(*popup, VK_LEFT);    // default: the custom box
    SimulateKey(*popup, VK_RETURN);
    EXPECT_EQ(recorder.Requests().size(), 1u);
    EXPECT_EQ(Popup(), nullptr);
    EXPECT_THAT(dialog.messages,
                ElementsAre(Sent(WM_COLOUR_DROPDOWN, Cell(kDarkBlue)), Sent(WM_COLOUR_PICKED, CLR_DEFAULT),
                            Sent(WM_COLOUR_PICKED, Cell(kDarkBlue)), Sent(WM_COLOUR_CLOSEUP, Cell(kDarkBlue)),
                            Sent(WM_COLOUR_SELENDCANCEL, Cell(kDarkBlue))));
    EXPECT_EQ(dialog.button.GetColor(), Cell(kDarkBlue));
}

TEST_F(ColourTest, DefaultBoxPicksTheDefaultColour)
{
    dialog.button.SetColor(Cell(kBlue));
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    SimulateMouse(*popup, WM_MOUSEMOVE, Centre(*popup, kDefault));
    SimulateMouse(*popup, WM_LBUTTONUP, Centre(*popup, kDefault));
    EXPECT_THAT(dialog.messages,
                ElementsAre(Sent(WM_COLOUR_DROPDOWN, Cell(kBlue)), Sent(WM_COLOUR_PICKED, CLR_DEFAULT),
                            Sent(WM_COLOUR_CLOSEUP, CLR_DEFAULT), Sent(WM_COLOUR_SELENDOK, CLR_DEFAULT),
                            Sent(WM_COLOUR_PICKED, CLR_DEFAULT)));
    EXPECT_EQ(dialog.button.GetColor(), CLR_DEFAULT);
}

TEST_F(ColourTest, LeavingTheApplicationCancels)
{
    dialog.button.SetColor(kOutsideTable);
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    popup->SendMessage(WM_ACTIVATEAPP, TRUE, 0);
    ASSERT_EQ(Popup(), popup) << "becoming active changes nothing";
    popup->ChangeSelection(kBlue);
    popup->SendMessage(WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(Popup(), nullptr);
    EXPECT_THAT(dialog.messages,
                ElementsAre(Sent(WM_COLOUR_DROPDOWN, kOutsideTable), Sent(WM_COLOUR_PICKED, Cell(kBlue)),
                            Sent(WM_COLOUR_CLOSEUP, kOutsideTable), Sent(WM_COLOUR_SELENDCANCEL, kOutsideTable),
                            Sent(WM_COLOUR_PICKED, kOutsideTable)));
}

TEST_F(ColourTest, LosingTheFocusGivesUpTheCaptureButKeepsThePopupOpen)
{
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    const HWND window = popup->m_hWnd;
    popup->SendMessage(WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_TRUE(CWnd::IsWindow(window));
    // Input to the popup while another window holds the capture takes it back.
    dialog.SetCapture();
    MSG move;
    move.hwnd = window;
    move.message = WM_MOUSEMOVE;
    move.lParam = MAKELPARAM(Centre(*popup, kBlue).x, Centre(*popup, kBlue).y);
    EXPECT_FALSE(popup->PreTranslateMessage(&move));
    EXPECT_EQ(CWnd::GetCapture(), popup);
    TOOLINFO tool;
    ASSERT_TRUE(popup->m_ToolTip.GetCurrentTool(&tool)) << "the message went on to the tooltip";
    EXPECT_STREQ(tool.lpszText, "Blue");
    SimulateKey(*popup, VK_ESCAPE);
    EXPECT_FALSE(CWnd::IsWindow(window));
}

TEST_F(ColourTest, CellsCarryTheirNamesAsTooltipsAndTheBoxesNone)
{
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->m_ToolTip.GetToolCount(), 40);
    SimulateMouse(*popup, WM_MOUSEMOVE, Centre(*popup, 35));
    TOOLINFO tool;
    ASSERT_TRUE(popup->m_ToolTip.GetCurrentTool(&tool));
    EXPECT_STREQ(tool.lpszText, "Pale green ");
    EXPECT_EQ(tool.uId, 1u);
    SimulateMouse(*popup, WM_MOUSEMOVE, Centre(*popup, kCustom));
    EXPECT_FALSE(popup->m_ToolTip.GetCurrentTool(&tool));
}

TEST_F(ColourTest, AnEndWhileTheColourDialogRunsLeavesThePopupAlone)
{
    dialog.button.SetColor(kOutsideTable);
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    const HWND window = popup->m_hWnd;
    popup->ChangeSelection(kBlue);
    popup->m_bChildWindowVisible = TRUE;
    popup->EndSelection(WM_COLOUR_SELENDCANCEL);
    EXPECT_TRUE(CWnd::IsWindow(window));
    popup->m_bChildWindowVisible = FALSE;
    popup->EndSelection(WM_COLOUR_SELENDOK);
    EXPECT_FALSE(CWnd::IsWindow(window));
    EXPECT_THAT(dialog.messages,
                ElementsAre(Sent(WM_COLOUR_DROPDOWN, kOutsideTable), Sent(WM_COLOUR_PICKED, Cell(kBlue)),
                            Sent(WM_COLOUR_CLOSEUP, kOutsideTable), Sent(WM_COLOUR_SELENDCANCEL, kOutsideTable),
                            Sent(WM_COLOUR_PICKED, kOutsideTable), Sent(WM_COLOUR_CLOSEUP, kOutsideTable),
                            Sent(WM_COLOUR_SELENDOK, kOutsideTable)))
        << "the cancel restored the popup's colour before the second end";
}

TEST_F(ColourTest, APopupWithoutAWindowEndsTheSelectionAsCancelled)
{
    dialog.button.SetColor(Cell(kBlue));
    {
        platform::ui::WindowCreationFailure failure;
        EXPECT_EQ(Open(), nullptr);
    }
    EXPECT_FALSE(dialog.button.m_bPopupActive) << "the button is no longer drawn pressed";
    EXPECT_THAT(dialog.messages,
                ElementsAre(Sent(WM_COLOUR_DROPDOWN, Cell(kBlue)), Sent(WM_COLOUR_CLOSEUP, Cell(kBlue)),
                            Sent(WM_COLOUR_SELENDCANCEL, Cell(kBlue))));
    ASSERT_NE(Open(), nullptr) << "the next click opens a popup";
}

TEST_F(ColourTest, ClosingTheDialogTakesAnOpenPopupWithIt)
{
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    const HWND window = popup->m_hWnd;
    dialog.DestroyWindow();
    EXPECT_FALSE(CWnd::IsWindow(window));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

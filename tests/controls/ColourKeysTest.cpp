// Every arrow-key move of the colour popup: within the grid of 5 rows by 8 columns, onto the
// default box above it and the custom box below it, and round when a box is missing.
#include "ColourDialog.h"
#include "platform/ui/TestWindows.h"

#include <ostream>

namespace {

constexpr int N = CColourDropDown::INVALID_COLOUR;
constexpr int C = CColourDropDown::CUSTOM_BOX_VALUE;
constexpr int D = CColourDropDown::DEFAULT_BOX_VALUE;

enum Boxes { kBoth, kDefaultOnly, kCustomOnly, kNeither };

struct Move {
    Boxes boxes;
    int from;
    UINT key;
    int to;
};

std::ostream& operator<<(std::ostream& out, const Move& move)
{
    static const char* const boxes[] = {"both boxes", "default box only", "custom box only", "no boxes"};
    static const char* const keys[] = {"Left", "Up", "Right", "Down"};
    return out << boxes[move.boxes] << ", " << keys[move.key - VK_LEFT] << " from " << move.from;
}

const Move kMoves[] = {
    // Down.
    {kBoth, D, VK_DOWN, 0}, {kBoth, C, VK_DOWN, D}, {kBoth, 3, VK_DOWN, 11}, {kBoth, 35, VK_DOWN, C},
    {kBoth, N, VK_DOWN, C}, {kDefaultOnly, D, VK_DOWN, 0}, {kDefaultOnly, 35, VK_DOWN, D},
    {kCustomOnly, C, VK_DOWN, 0}, {kCustomOnly, 39, VK_DOWN, C}, {kNeither, 36, VK_DOWN, 0},
    {kNeither, N, VK_DOWN, 0},
    // Up.
    {kBoth, D, VK_UP, C}, {kBoth, C, VK_UP, 39}, {kBoth, 11, VK_UP, 3}, {kBoth, 3, VK_UP, D}, {kBoth, N, VK_UP, D},
    {kDefaultOnly, D, VK_UP, 39}, {kDefaultOnly, 0, VK_UP, D}, {kCustomOnly, C, VK_UP, 39},
    {kCustomOnly, 7, VK_UP, C}, {kNeither, 3, VK_UP, 39}, {kNeither, N, VK_UP, 39},
    // Right.
    {kBoth, D, VK_RIGHT, 0}, {kBoth, C, VK_RIGHT, D}, {kBoth, 3, VK_RIGHT, 4}, {kBoth, 7, VK_RIGHT, 8},
    {kBoth, 39, VK_RIGHT, C}, {kBoth, N, VK_RIGHT, C}, {kDefaultOnly, 39, VK_RIGHT, D},
    {kDefaultOnly, D, VK_RIGHT, 0}, {kCustomOnly, C, VK_RIGHT, 0}, {kNeither, 39, VK_RIGHT, 0},
    {kNeither, N, VK_RIGHT, 0},
    // Left.
    {kBoth, D, VK_LEFT, C}, {kBoth, C, VK_LEFT, 39}, {kBoth, 4, VK_LEFT, 3}, {kBoth, 8, VK_LEFT, 7},
    {kBoth, 0, VK_LEFT, D}, {kBoth, N, VK_LEFT, D}, {kDefaultOnly, D, VK_LEFT, 39}, {kDefaultOnly, 0, VK_LEFT, D},
    {kCustomOnly, C, VK_LEFT, 39}, {kCustomOnly, 0, VK_LEFT, C}, {kNeither, 0, VK_LEFT, 39},
    {kNeither, N, VK_LEFT, 39},
};

} // namespace

TEST_F(ColourTest, ArrowKeysMoveAsTheTableSays)
{
    // Not in the table: the custom box reports it, unlike the default box.
    dialog.button.SetColor(RGB(1, 2, 3));
    for (const Move& move : kMoves) {
        dialog.button.SetDefaultText(move.boxes == kBoth || move.boxes == kDefaultOnly ? "default" : "");
        dialog.button.SetCustomText(move.boxes == kBoth || move.boxes == kCustomOnly ? "More colores..." : "");
        CColourDropDown* popup = Open();
        ASSERT_NE(popup, nullptr) << move;
        if (move.from != N)
            popup->ChangeSelection(move.from);
        dialog.messages.clear();
        platform::ui::SimulateKey(*popup, move.key);
        EXPECT_EQ(popup->m_nCurrentSel, move.to) << move;
        ASSERT_FALSE(dialog.messages.empty()) << move;
        const COLORREF reported = move.to == C ? dialog.button.GetColor()
                                  : move.to == D ? CLR_DEFAULT
                                                 : CColourDropDown::CellColour(move.to);
        EXPECT_EQ(dialog.messages.back(), Sent(WM_COLOUR_PICKED, reported)) << move;
        platform::ui::SimulateKey(*popup, VK_ESCAPE);
        ASSERT_EQ(Popup(), nullptr) << move;
    }
}

TEST_F(ColourTest, AMoveOntoTheSameBoxIsToldAgain)
{
    dialog.button.SetDefaultText("");
    dialog.button.SetCustomText("");
    CColourDropDown* popup = Open();
    ASSERT_NE(popup, nullptr);
    popup->ChangeSelection(5);
    popup->ChangeSelection(5);
    EXPECT_EQ(dialog.messages.size(), 3u) << "the drop-down and two picks";
    popup->ChangeSelection(40);
    EXPECT_EQ(popup->m_nCurrentSel, C) << "past the last cell counts as the custom box";
}

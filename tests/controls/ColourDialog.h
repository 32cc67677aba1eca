#pragma once
// A dialog with a colour button that records the colour messages and commands it receives,
// for the tests of the colour button and its popup.

#include "controls/ColourButton/ColourButton.h"
#include "controls/ColourButton/ColourDropDown.h"
#include "platform/ui/Dialog.h"

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

constexpr UINT kColourDialog = 9202;
constexpr int kColourButton = 1101, kPlainLabel = 1102;

struct ColourMessage {
    UINT message;
    COLORREF colour;
    LPARAM id;
    bool operator==(const ColourMessage& other) const
    {
        return message == other.message && colour == other.colour && id == other.id;
    }
};
void PrintTo(const ColourMessage& message, std::ostream* out);

class ColourDialog : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    ColourDialog() : CDialog(kColourDialog) {}

    CColorButton button;
    std::vector<ColourMessage> messages;
    int buttonCommands = 0;

private:
    template <UINT Message>
    LRESULT Record(WPARAM wParam, LPARAM lParam)
    {
        messages.push_back({Message, static_cast<COLORREF>(wParam), lParam});
        return 1;
    }
    void OnButtonCommand() { ++buttonCommands; }
};

// The message as the button sends it to the dialog.
inline ColourMessage Sent(UINT message, COLORREF colour)
{
    return {message, colour, kColourButton};
}

// A click as the window system delivers it, at a point of the popup's client area.
void ClickOnPopup(CColourDropDown& popup, POINT client);

class ColourTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Clicks the button as a user does; the popup it opens holds the capture.
    CColourDropDown* Open();
    // The popup open now, or nullptr.
    static CColourDropDown* Popup();
    // The centre of a box of the popup, in its client coordinates.
    static POINT Centre(CColourDropDown& popup, int index);

    ColourDialog dialog;
};

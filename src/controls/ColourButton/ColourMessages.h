#pragma once
// The messages of the colour popup to its button and of the button to its dialog. Each is
// sent, never posted, with the colour in wParam; lParam is 0 from the popup and the button's
// control id from the button. Their numbers are fixed for the whole program.

#include "platform/ui/CommCtrl.h"

// The selection moved onto a box, or a closed popup changed the button's colour.
constexpr UINT WM_COLOUR_PICKED = WM_USER + 1001;
// The popup opened; wParam is the colour it opened with.
constexpr UINT WM_COLOUR_DROPDOWN = WM_USER + 1002;
// The popup closed; the end message follows.
constexpr UINT WM_COLOUR_CLOSEUP = WM_USER + 1003;
// A colour was chosen.
constexpr UINT WM_COLOUR_SELENDOK = WM_USER + 1004;
// The popup was cancelled; wParam is the colour from before it opened.
constexpr UINT WM_COLOUR_SELENDCANCEL = WM_USER + 1005;

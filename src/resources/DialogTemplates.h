#pragma once
// The dialog templates of the program, one function per dialog. Rectangles are in dialog units.

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Menu.h"

// A dialog of the program's kind: the caption, the size and the style, in Tahoma 9.
DialogTemplate ProgramDialog(UINT id, const char* caption, int cx, int cy, DWORD style);

DialogTemplate MainWindowTemplate();
DialogTemplate SaveConfigTemplate();
DialogTemplate SelectConfigTemplate();
DialogTemplate SaveConfirmTemplate();

// The start pictures fill the welcome dialog's picture area, the About picture the About
// dialog's top; their pictures are made at these sizes (tools/make_pictures).
inline constexpr int kWelcomeWidth = 579;
inline constexpr int kWelcomePictureX = 7;
inline constexpr int kWelcomePictureY = 7;
inline constexpr int kWelcomePictureWidth = 565;
inline constexpr int kWelcomePictureHeight = 286;
inline constexpr int kAboutWidth = 300;
inline constexpr int kAboutPictureHeight = 62;
// The maker's web page, behind the About dialog's link.
inline constexpr const char* kMakerPage = "https://rorovavozir.example/";

DialogTemplate WelcomeTemplate();
DialogTemplate AboutTemplate();
DialogTemplate ProgressTemplate();
DialogTemplate CongratulationTemplate();
DialogTemplate SetMonthTemplate();
DialogTemplate AddDateFormatTemplate();
MenuTemplate RightDateFormatMenu();

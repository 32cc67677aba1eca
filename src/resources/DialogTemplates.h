#pragma once
// The dialog templates of the program, one function per dialog. Rectangles are in dialog units.

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Menu.h"

// A dialog of the program's kind: the caption, the size and the style, in Tahoma 9.
DialogTemplate ProgramDialog(UINT id, const char* caption, int cx, int cy, DWORD style);

// A static that shows the bitmap resource from its creation.
ControlTemplate PictureStatic(int id, UINT bitmap, int x, int y, int cx, int cy);
// The check box or button (BS_BITMAP) with the bitmap resource shown in place of its caption.
ControlTemplate WithPicture(ControlTemplate button, UINT bitmap);
// The pictures of the font-style and border check boxes are 16 pixels square: this many dialog
// units of a static beside a check box.
inline constexpr int kStylePictureSize = 10;
// Such a picture: the bitmap resource shown without its background, so it never hides the caption
// beside it.
ControlTemplate StylePicture(UINT bitmap, int x, int y);
// A static for the picture of an item symbol or special sign the program shows later: the picture
// keeps to the rectangle and shows without its background, over a frame or a row as well.
ControlTemplate SignPicture(int id, int x, int y, int cx, int cy);

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

#pragma once
// The picture buttons of the diary dialogs: an icon resource at 24 x 24 for the normal and the
// hover state, none for the disabled one, left of the caption, raised.

#include "controls/ImageButton/ImageButton.h"

void ShowButtonIcon(CImageButton& button, UINT iconId);

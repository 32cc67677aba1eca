#include "dialogs/diary/IconButtons.h"

namespace {

constexpr int kIconSize = 24;

} // namespace

void ShowButtonIcon(CImageButton& button, UINT iconId)
{
    const CSize size(kIconSize, kIconSize);
    button.SetIcon(static_cast<int>(iconId), size, static_cast<int>(iconId), size);
    button.SetAlign(CImageButton::kImageLeft);
    button.SetFlat(FALSE);
}

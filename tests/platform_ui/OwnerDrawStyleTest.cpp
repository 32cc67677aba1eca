// A push button made owner-drawn by a style change when it is attached paints through its
// owner from then on, as on Windows.
#include "HostDialog.h"
#include "platform/ui/DC.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/StandardControls.h"
#include "platform/ui/TestHooks.h"

namespace {

constexpr UINT kButtonDialog = 9302;
constexpr int kPlain = 1001, kDrawn = 1002;

class RedButton : public CButton {
public:
    void PreSubclassWindow() override { ModifyStyle(0, BS_OWNERDRAW); }
    void DrawItem(LPDRAWITEMSTRUCT item) override
    {
        CDC::FromHandle(item->hDC)->FillSolidRect(&item->rcItem, RGB(255, 0, 0));
    }
};

} // namespace

TEST(OwnerDrawStyle, APushButtonTurnedOwnerDrawnIsDrawnByItsObject)
{
    DialogTemplate buttons;
    buttons.id = kButtonDialog;
    buttons.cx = 200;
    buttons.cy = 60;
    buttons.controls = {{ControlClass::Button, kPlain, "Plain", 10, 10, 60, 14, BS_PUSHBUTTON},
                        {ControlClass::Button, kDrawn, "Drawn", 80, 10, 60, 14, BS_PUSHBUTTON}};
    RegisterDialogTemplate(buttons);
    CDialog dialog(kButtonDialog);
    ASSERT_TRUE(dialog.Create(kButtonDialog));
    RedButton plain, drawn;
    ASSERT_TRUE(drawn.SubclassDlgItem(kDrawn, &dialog));
    // The same class attached without the style change keeps Qt's look.
    ASSERT_TRUE(plain.SubclassDlgItem(kPlain, &dialog));
    plain.ModifyStyle(BS_OWNERDRAW, BS_PUSHBUTTON);
    EXPECT_EQ(platform::ui::CaptureWindow(drawn).Pixel(5, 5), RGB(255, 0, 0));
    EXPECT_NE(platform::ui::CaptureWindow(plain).Pixel(5, 5), RGB(255, 0, 0));
}

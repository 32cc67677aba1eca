#include "HostDialog.h"

#include "platform/ui/DialogTemplate.h"

RV_MESSAGE_MAP(HostDialog, CDialog,
               msgmap::CommandRange(1, 0xFFFF, &T::OnCommand),
               msgmap::Notify(NM_CUSTOMDRAW, 0, &T::OnCustomDraw))

void HostDialog::OnCustomDraw(NMHDR* header, LRESULT* result)
{
    const auto& draw = *reinterpret_cast<NMTBCUSTOMDRAW*>(header);
    drawn.push_back({draw.nmcd.dwDrawStage, draw.nmcd.dwItemSpec, draw.nmcd.uItemState, draw.nmcd.rc});
    *result = answer ? answer(draw) : CDRF_DODEFAULT;
}

void HostDialogTest::SetUp()
{
    DialogTemplate host;
    host.id = kHostDialog;
    host.cx = 400;
    host.cy = 200;
    RegisterDialogTemplate(host);
    ASSERT_TRUE(dialog.Create(kHostDialog));
    dialog.MoveWindow(50, 50, 600, 300);
    dialog.ShowWindow(SW_SHOW);
}

#include "dialogs/calendar/Form_YearCalendarExample.h"

#include "platform/ui/Gdi.h"
#include "platform/ui/Images.h"
#include "resources/CalendarDialogIds.h"
#include "resources/ResourceIds.h"
#include "settings/Settings.h"

#include <algorithm>

int g_nYearCalendarPreset = 0;

namespace {

constexpr int kPictureWidth = 221;
constexpr int kPictureHeight = 163;
constexpr int kPictureColumnWidth = 224;
constexpr int kNumberColumnWidth = 30;

// The image index of preset N's picture, -1 when it does not load.
int AddPicture(CImageList& images, int number)
{
    CString path;
    path.Format("%sconfig/pic/YearlyCalendar/%d.bmp", g_strExeFolder.GetString(), number);
    CBitmap picture;
    if (!picture.Attach(LoadImage(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)))
        return -1;
    return images.Add(&picture, nullptr);
}

} // namespace

RV_MESSAGE_MAP(CForm_YearCalendarExample, CDiaryDialog,
               msgmap::Command(IDC_EXAMPLE_OK, &T::OnOK),
               msgmap::Command(IDC_EXAMPLE_CANCEL, &T::OnButtonCancel),
               msgmap::Simple(WM_DESTROY, &T::OnDestroy))

CForm_YearCalendarExample::CForm_YearCalendarExample(CWnd* parent)
    : CDiaryDialog(IDD_YEAR_CALENDAR_EXAMPLE, parent)
{
}

void CForm_YearCalendarExample::DoDataExchange(CDataExchange* dx)
{
    CDiaryDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_EXAMPLE_LIST, m_list);
}

// A picture that does not load leaves its own row empty, so each row stays the style of its number.
BOOL CForm_YearCalendarExample::OnInitDialog()
{
    CDiaryDialog::OnInitDialog();
    m_images.Create(kPictureWidth, kPictureHeight, ILC_COLOR32, 0, 4);
    m_list.DeleteAllItems();
    m_list.InsertColumn(0, "年日历风格", LVCFMT_LEFT, kPictureColumnWidth);
    m_list.InsertColumn(1, "No", LVCFMT_CENTER, kNumberColumnWidth);
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    m_list.SetImageList(&m_images, LVSIL_SMALL);
    for (int row = 0; row < kPresetCount; ++row) {
        m_list.InsertItem(row, "", AddPicture(m_images, row + 1));
        CString number;
        number.Format("%d", row + 1);
        m_list.SetItemText(row, 1, number);
    }
    m_list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    return TRUE;
}

void CForm_YearCalendarExample::OnOK()
{
    g_nYearCalendarPreset = std::max(m_list.Chosen(), 0);
    EndDialog(IDOK);
}

void CForm_YearCalendarExample::OnDestroy()
{
    Default();
    m_images.DeleteImageList();
}

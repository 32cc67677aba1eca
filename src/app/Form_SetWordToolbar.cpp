// The main window's toolbar: a flat toolbar of 32 x 32 pictures with texts, in one rebar band.
#include "app/Form_SetWord.h"
#include "platform/ui/Images.h"
#include "resources/ResourceIds.h"
#include "settings/Settings.h"

#include <array>
#include <string>

namespace {

struct ToolbarButton {
    int picture;   // "config/pic/toolbar_32/%d.bmp"
    UINT id;
    const char* text;
};

constexpr std::array<ToolbarButton, 11> kButtons{{
    {1, ID_TOOLBAR_NEW, "新模板"},
    {2, ID_TOOLBAR_OPEN, "打开模板"},
    {3, ID_TOOLBAR_DATES, "设置"},
    {4, ID_TOOLBAR_YEAR_CALENDAR, "日历"},
    {5, ID_TOOLBAR_MONTH_CALENDAR, "日历"},
    {6, ID_TOOLBAR_YEAR_PLANNER, "表"},
    {7, ID_TOOLBAR_HELP, "帮助"},
    {8, ID_TOOLBAR_ABOUT, "关于"},
    {10, ID_TOOLBAR_SAVE, "保存"},
    {11, ID_TOOLBAR_EXIT, "退出"},
    {12, ID_TOOLBAR_SAVE_EXIT, "保存和退出"},
}};

constexpr int kPictureCount = 12;
constexpr int kPictureSize = 32;
constexpr int kButtonHeight = 38;
// The toolbar's pictures are drawn on this grey, which it shows as transparent.
constexpr COLORREF kPictureMask = RGB(100, 100, 100);

} // namespace

void CForm_SetWord::LoadToolbarImages(int count)
{
    LoadToolbarPictures(m_toolbarImages, "", count);
}

void CForm_SetWord::LoadToolbarHotImages(int count)
{
    LoadToolbarPictures(m_toolbarHotImages, "_hot", count);
}

// Picture N is image N - 1 whatever the others are: one that does not load leaves its place
// empty, one wider than a button gives its first image only, so no button shows another's picture.
void CForm_SetWord::LoadToolbarPictures(CImageList& images, const char* suffix, int count)
{
    images.Create(kPictureSize, kPictureSize, ILC_COLOR32 | ILC_MASK, 0, count);
    for (int number = 1; number <= count; ++number) {
        CString path;
        path.Format("%sconfig/pic/toolbar_32/%d%s.bmp", g_strExeFolder.GetString(), number, suffix);
        CBitmap picture;
        if (picture.Attach(LoadImage(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)))
            images.Add(&picture, kPictureMask);
        images.SetImageCount(static_cast<UINT>(number));
    }
}

void CForm_SetWord::CreateToolbar()
{
    LoadToolbarImages(kPictureCount);
    LoadToolbarHotImages(kPictureCount);
    const CRect none(0, 0, 0, 0);
    m_rebar.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | RBS_BANDBORDERS, none, this, 0);
    m_toolbar.Create(WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | TBSTYLE_LIST | CCS_NODIVIDER |
                         CCS_NORESIZE,
                     none, this, 0);
    m_toolbar.SetImageList(&m_toolbarImages);
    m_toolbar.SetHotImageList(&m_toolbarHotImages);
    m_toolbar.SetBitmapSize(CSize(kPictureSize, kPictureSize));
    m_toolbar.SetButtonSize(CSize(kPictureSize, kButtonHeight));

    REBARBANDINFO band;
    band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE;
    band.fStyle = RBBS_GRIPPERALWAYS;
    band.hwndChild = m_toolbar.m_hWnd;
    band.cyMinChild = kButtonHeight;
    m_rebar.InsertBand(static_cast<UINT>(-1), &band);

    std::string texts;
    for (const ToolbarButton& button : kButtons)
        texts.append(button.text).push_back('\0');
    texts.push_back('\0');
    const int firstText = m_toolbar.AddStrings(texts.c_str());
    std::array<TBBUTTON, kButtons.size()> buttons{};
    for (size_t index = 0; index < kButtons.size(); ++index) {
        buttons[index].iBitmap = kButtons[index].picture - 1;
        buttons[index].idCommand = static_cast<int>(kButtons[index].id);
        buttons[index].fsState = TBSTATE_ENABLED;
        buttons[index].fsStyle = BTNS_AUTOSIZE;
        buttons[index].iString = firstText + static_cast<INT_PTR>(index);
    }
    m_toolbar.AddButtons(static_cast<int>(buttons.size()), buttons.data());
    m_toolbar.SetButtonWidth(42, 84);
    m_toolbar.ShowWindow(SW_SHOW);
}

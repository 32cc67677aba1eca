#include "platform/ui/SysColors.h"

#include "platform/ui/qt/GdiRecord.h"

#include <QGuiApplication>
#include <QScreen>
#include <array>

using namespace platform::ui::detail;

namespace {

// The Windows 2000 "Windows Standard" scheme, by colour index.
constexpr std::array<COLORREF, 25> kScheme = {
    RGB(212, 208, 200),  // COLOR_SCROLLBAR
    RGB(58, 110, 165),   // COLOR_BACKGROUND
    RGB(10, 36, 106),    // COLOR_ACTIVECAPTION
    RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
    RGB(212, 208, 200),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(0, 0, 0),        // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(212, 208, 200),  // COLOR_ACTIVEBORDER
    RGB(212, 208, 200),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(10, 36, 106),    // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(212, 208, 200),  // COLOR_BTNFACE
    RGB(128, 128, 128),  // COLOR_BTNSHADOW
    RGB(128, 128, 128),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(212, 208, 200),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(64, 64, 64),     // COLOR_3DDKSHADOW
    RGB(212, 208, 200),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
};

bool Known(int index)
{
    return index >= 0 && index < static_cast<int>(kScheme.size());
}

// The primary screen as it is now; no screen (no display at all) measures 0.
QSize PrimaryScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

} // namespace

COLORREF GetSysColor(int index)
{
    return Known(index) ? kScheme[static_cast<size_t>(index)] : 0;
}

HBRUSH GetSysColorBrush(int index)
{
    static std::array<GdiRecord*, kScheme.size()> brushes{};
    if (!Known(index))
        return nullptr;
    GdiRecord*& brush = brushes[static_cast<size_t>(index)];
    if (!brush) {
        brush = NewRecord(GdiKind::Brush);
        brush->stock = true;
        brush->colour = GetSysColor(index);
    }
    return brush;
}

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXSCREEN: return PrimaryScreen().width();
    case SM_CYSCREEN: return PrimaryScreen().height();
    case SM_CXICON:
    case SM_CYICON: return 32;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    default: return 0;
    }
}

BOOL SystemParametersInfo(UINT action, UINT, NONCLIENTMETRICS* metrics, UINT)
{
    if (action != SPI_GETNONCLIENTMETRICS || !metrics)
        return FALSE;
    metrics->lfMessageFont = LOGFONT();
    metrics->lfMessageFont.lfHeight = -11;
    metrics->lfMessageFont.lfWeight = FW_NORMAL;
    metrics->lfMessageFont.lfCharSet = DEFAULT_CHARSET;
    metrics->lfMessageFont.lfFaceName = "Tahoma";
    return TRUE;
}

#include "platform/ui/Gdi.h"

#include "platform/ui/qt/FaceWeights.h"
#include "platform/ui/qt/FontFaces.h"
#include "platform/ui/qt/GdiRecord.h"
#include "platform/ui/qt/WindowsMetrics.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstdlib>

using namespace platform::ui::detail;

namespace {

// A height of 0 asks for the default size: 8 points at 96 pixels per inch.
constexpr int kDefaultEmPixels = 11;

// Windows sizes a cell by the face's Windows ascent and descent; the font engine's own height
// stands in for a face without them.
int CellHeight(QFont font, const WindowsHeights& windows, int emPixels)
{
    if (windows.Known())
        return windows.CellAt(emPixels);
    font.setPixelSize(emPixels);
    return QFontMetrics(font).height();
}

// Qt sizes fonts by the em; a positive height names the cell (ascent plus descent) instead.
int EmForCellHeight(const QFont& font, int cell)
{
    const WindowsHeights windows = WindowsHeightsOf(font);
    const auto cellAt = [&](int em) { return CellHeight(font, windows, em); };
    const int estimate = std::max(1, cell * cell / std::max(1, cellAt(cell)));
    int best = estimate;
    int bestMiss = std::abs(cellAt(estimate) - cell);
    for (int em : {estimate - 1, estimate + 1}) {
        if (em < 1)
            continue;
        const int got = cellAt(em);
        const int miss = std::abs(got - cell);
        if (miss < bestMiss || (miss == bestMiss && got <= cell && em < best)) {
            best = em;
            bestMiss = miss;
        }
    }
    return best;
}

} // namespace

namespace platform::ui::detail {

QFont FontFromLogFont(const LOGFONT& logFont)
{
    QFont font;
    if (!logFont.lfFaceName.empty())
        font.setFamily(UsableFamily(QString::fromStdString(logFont.lfFaceName)));
    const LONG weight = logFont.lfWeight == FW_DONTCARE ? FW_NORMAL : std::clamp<LONG>(logFont.lfWeight, 1, 1000);
    font.setWeight(static_cast<QFont::Weight>(WeightToAsk(font.family(), weight)));
    font.setItalic(logFont.lfItalic != 0);
    font.setUnderline(logFont.lfUnderline != 0);
    font.setStrikeOut(logFont.lfStrikeOut != 0);
    // Only an explicit request smooths the edges, so every other drawing is pixel-exact.
    font.setStyleStrategy(logFont.lfQuality == ANTIALIASED_QUALITY ? QFont::PreferAntialias : QFont::NoAntialias);

    int em = kDefaultEmPixels;
    if (logFont.lfHeight < 0)
        em = -logFont.lfHeight;
    else if (logFont.lfHeight > 0)
        em = EmForCellHeight(font, logFont.lfHeight);
    font.setPixelSize(em);

    if (logFont.lfWidth > 0) {
        const int natural = QFontMetrics(font).averageCharWidth();
        if (natural > 0)
            font.setStretch(std::clamp(logFont.lfWidth * 100 / natural, 1, 4000));
    }
    return font;
}

} // namespace platform::ui::detail

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, int italic, int underline,
                       int strikeOut, int charSet, int outPrecision, int clipPrecision, int quality,
                       int pitchAndFamily, LPCTSTR faceName)
{
    LOGFONT logFont;
    logFont.lfHeight = height;
    logFont.lfWidth = width;
    logFont.lfEscapement = escapement;
    logFont.lfOrientation = orientation;
    logFont.lfWeight = weight;
    logFont.lfItalic = static_cast<BYTE>(italic);
    logFont.lfUnderline = static_cast<BYTE>(underline);
    logFont.lfStrikeOut = static_cast<BYTE>(strikeOut);
    logFont.lfCharSet = static_cast<BYTE>(charSet);
    logFont.lfOutPrecision = static_cast<BYTE>(outPrecision);
    logFont.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    logFont.lfQuality = static_cast<BYTE>(quality);
    logFont.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    logFont.lfFaceName = faceName ? faceName : "";
    return CreateFontIndirect(&logFont);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont)
{
    if (!logFont)
        return FALSE;
    GdiRecord* record = NewRecord(GdiKind::Font);
    record->logFont = *logFont;
    record->font = FontFromLogFont(*logFont);
    return Attach(record);
}

BOOL CFont::CreatePointFont(int pointTenths, LPCTSTR faceName, CDC*)
{
    LOGFONT logFont;
    logFont.lfHeight = -std::abs(MulDiv(pointTenths, 96, 720));
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfFaceName = faceName ? faceName : "";
    return CreateFontIndirect(&logFont);
}

int CFont::GetLogFont(LOGFONT* logFont) const
{
    return GetObject(m_hObject, static_cast<int>(sizeof(LOGFONT)), logFont);
}

CFont* CFont::FromHandle(HFONT font)
{
    return dynamic_cast<CFont*>(CGdiObject::FromHandle(font));
}

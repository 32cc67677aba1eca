#include "controls/lists/OwnerDrawHeader.h"

#include "platform/ui/DC.h"

#include <algorithm>

RV_MESSAGE_MAP(COwnerDrawHeader, CHeaderCtrl,
               msgmap::Simple(WM_PAINT, &T::OnPaint),
               msgmap::Message(HDM_LAYOUT, &T::OnLayout))

namespace {

// A caption aligned to a side keeps this far from it.
constexpr int kCaptionMargin = 3;

// Fills rows top..bottom (both included) from left to right, each row one step darker.
void FillGradient(CDC& dc, int left, int right, int top, int bottom, const COwnerDrawHeader& header)
{
    int red = header.m_baseRed, green = header.m_baseGreen, blue = header.m_baseBlue;
    for (int y = top; y <= bottom; ++y) {
        dc.FillSolidRect(left, y, right - left, 1,
                         RGB(static_cast<BYTE>(red & 0xFF), static_cast<BYTE>(green & 0xFF),
                             static_cast<BYTE>(blue & 0xFF)));
        red = std::max(0, red - header.m_gradientStep);
        green = std::max(0, green - header.m_gradientStep);
        blue = std::max(0, blue - header.m_gradientStep);
    }
}

} // namespace

void COwnerDrawHeader::CreateCaptionFont(CFont& font) const
{
    font.CreateFont(m_fontHeight, m_fontWidth, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "宋体");
}

int COwnerDrawHeader::CaptionWidth(int column, CDC& dc) const
{
    if (column < 0 || column >= static_cast<int>(m_captions.size()))
        return 0;
    CFont font;
    CreateCaptionFont(font);
    CFont* previous = dc.SelectObject(&font);
    const int width = dc.GetTextExtent(m_captions[static_cast<size_t>(column)]).cx + 2 * kCaptionMargin;
    dc.SelectObject(previous);
    return width;
}

int ScaleHeaderHeight(int height, float scale)
{
    return static_cast<int>(static_cast<double>(height) * static_cast<double>(scale));
}

LRESULT COwnerDrawHeader::OnLayout(WPARAM, LPARAM lParam)
{
    const LRESULT result = Default();
    auto* layout = reinterpret_cast<HDLAYOUT*>(lParam);
    if (layout && layout->pwpos && layout->prc) {
        layout->pwpos->cy = ScaleHeaderHeight(layout->pwpos->cy, m_heightScale);
        layout->prc->top = layout->pwpos->cy;
    }
    return result;
}

void COwnerDrawHeader::OnPaint()
{
    CPaintDC dc(this);
    const int count = GetItemCount();
    CRect client;
    GetClientRect(&client);
    if (count == 0) {
        FillGradient(dc, client.left, client.right, client.top, client.bottom, *this);
        return;
    }
    for (int i = 0; i < count; ++i) {
        CRect item;
        GetItemRect(i, &item);
        FillGradient(dc, item.left + 1, item.right, item.top, item.bottom, *this);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(m_textColour);
        CFont font;
        CreateCaptionFont(font);
        CFont* previous = dc.SelectObject(&font);
        const char digit = i < m_alignDigits.GetLength() ? m_alignDigits.GetAt(i) : '1';
        UINT align = DT_CENTER;
        if (digit == '0') {
            align = DT_LEFT;
            item.left += kCaptionMargin;
        } else if (digit == '2') {
            align = DT_RIGHT;
            item.right -= kCaptionMargin;
        }
        TEXTMETRIC metrics;
        dc.GetTextMetrics(&metrics);
        item.OffsetRect(0, (item.Height() - metrics.tmHeight) / 2);
        if (i < static_cast<int>(m_captions.size()))
            dc.DrawText(m_captions[static_cast<size_t>(i)], &item, align);
        dc.SelectObject(previous);
    }
    CRect last;
    GetItemRect(count - 1, &last);
    FillGradient(dc, last.right + 1, client.right, last.top, last.bottom, *this);
}

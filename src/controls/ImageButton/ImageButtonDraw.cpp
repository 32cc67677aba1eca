// How the bitmap button draws itself: background, border, image, caption and focus.
#include "controls/ImageButton/ImageButton.h"

#include "platform/ui/SysColors.h"

namespace {

constexpr int kImageMargin = 3;
constexpr int kFocusInset = 3;

} // namespace

DWORD CImageButton::OnDrawBackground(CDC* dc, const CRect* rect)
{
    const COLORREF colour = m_bMouseOnButton || m_bIsPressed ? m_crColors[BackHover]
                            : m_bIsFocused                    ? m_crColors[BackFocus]
                                                              : m_crColors[BackOut];
    CBrush brush(colour);
    dc->FillRect(rect, &brush);
    return kOk;
}

DWORD CImageButton::OnDrawBorder(CDC* dc, const CRect* rect)
{
    if (m_bIsPressed)
        dc->Draw3dRect(rect, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHILIGHT));
    else
        dc->Draw3dRect(rect, GetSysColor(COLOR_BTNHILIGHT), GetSysColor(COLOR_BTNSHADOW));
    return kOk;
}

void CImageButton::DrawRaisedBorder(CDC* dc, const CRect& r)
{
    CPen highlight(PS_SOLID, 1, GetSysColor(COLOR_BTNHILIGHT));
    CPen light(PS_SOLID, 1, GetSysColor(COLOR_3DLIGHT));
    CPen darkShadow(PS_SOLID, 1, GetSysColor(COLOR_3DDKSHADOW));
    CPen shadow(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    CPen* previous = dc->SelectObject(&highlight);
    dc->MoveTo(r.left, r.bottom - 1);
    dc->LineTo(r.left, r.top);
    dc->LineTo(r.right, r.top);
    dc->SelectObject(&light);
    dc->MoveTo(r.left + 1, r.bottom - 1);
    dc->LineTo(r.left + 1, r.top + 1);
    dc->LineTo(r.right, r.top + 1);
    dc->SelectObject(&darkShadow);
    dc->MoveTo(r.left, r.bottom - 1);
    dc->LineTo(r.right - 1, r.bottom - 1);
    dc->LineTo(r.right - 1, r.top - 1);
    dc->SelectObject(&shadow);
    dc->MoveTo(r.left + 1, r.bottom - 2);
    dc->LineTo(r.right - 2, r.bottom - 2);
    dc->LineTo(r.right - 2, r.top);
    dc->SelectObject(previous);
}

void CImageButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    CDC* dc = CDC::FromHandle(item->hDC);
    m_bIsPressed = (item->itemState & ODS_SELECTED) || (m_bIsCheckBox && m_nCheck == 1);
    m_bIsFocused = (item->itemState & ODS_FOCUS) != 0;
    m_bIsDisabled = (item->itemState & ODS_DISABLED) != 0;
    CRect rect = item->rcItem;
    dc->SetBkMode(TRANSPARENT);

    if (!m_bIsFlat && (m_bIsFocused || m_bIsDefault)) {
        CBrush black(RGB(0, 0, 0));
        dc->FrameRect(&rect, &black);
        rect.DeflateRect(1, 1);
    }
    if (!m_bDrawTransparent)
        OnDrawBackground(dc, &rect);

    if (m_bIsPressed) {
        if (m_bIsFlat) {
            if (m_bDrawBorder)
                OnDrawBorder(dc, &rect);
        } else {
            CBrush shadow(GetSysColor(COLOR_BTNSHADOW));
            dc->FrameRect(&rect, &shadow);
        }
    } else if (m_bIsFlat) {
        if (m_bMouseOnButton && m_bDrawBorder)
            OnDrawBorder(dc, &rect);
    } else {
        DrawRaisedBorder(dc, rect);
    }

    const CString caption = GetWindowText();
    CRect captionRect = item->rcItem;
    const BOOL hasCaption = !caption.IsEmpty();
    if (m_icons[0].handle)
        DrawIconImage(dc, hasCaption, item->rcItem, captionRect, m_bIsPressed, m_bIsDisabled);
    if (m_bitmaps[0].handle) {
        dc->SetBkColor(RGB(255, 255, 255));
        DrawBitmapImage(dc, hasCaption, item->rcItem, captionRect, m_bIsPressed, m_bIsDisabled);
    }
    if (hasCaption)
        DrawCaption(dc, caption, captionRect, m_bIsPressed, m_bIsDisabled);

    if ((!m_bIsFlat || m_bDrawFlatFocus) && m_bIsFocused) {
        CRect focus = rect;
        focus.DeflateRect(kFocusInset, kFocusInset);
        dc->DrawFocusRect(&focus);
    }
}

void CImageButton::DrawCaption(CDC* dc, const CString& text, CRect caption, BOOL pressed, BOOL disabled)
{
    if (pressed && !m_bIsCheckBox)
        caption.OffsetRect(1, 1);
    const CRect centring = caption;
    dc->DrawText(text, &caption, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
    caption.OffsetRect((centring.Width() - caption.Width()) / 2, (centring.Height() - caption.Height()) / 2);
    dc->SetBkMode(TRANSPARENT);
    if (disabled) {
        caption.OffsetRect(1, 1);
        dc->SetTextColor(GetSysColor(COLOR_3DHILIGHT));
        dc->DrawText(text, &caption, DT_WORDBREAK | DT_CENTER);
        caption.OffsetRect(-1, -1);
        dc->SetTextColor(GetSysColor(COLOR_3DSHADOW));
        dc->DrawText(text, &caption, DT_WORDBREAK | DT_CENTER);
        return;
    }
    const bool lit = m_bMouseOnButton || pressed;
    dc->SetTextColor(m_crColors[lit ? TextHover : TextOut]);
    dc->SetBkColor(m_crColors[lit ? BackHover : BackOut]);
    dc->DrawText(text, &caption, DT_WORDBREAK | DT_CENTER);
}

CRect CImageButton::LayoutImage(BOOL hasCaption, const CRect& item, CRect& caption, BOOL pressed, DWORD width,
                                DWORD height) const
{
    CRect image = item;
    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    const int fullWidth = image.Width();
    const int fullHeight = image.Height();
    switch (m_byAlign) {
    case kImageAbove:
        image.left += (fullWidth - w) / 2;
        if (hasCaption) {
            image.top = kImageMargin;
            caption.top += h;
        } else {
            image.top += (fullHeight - h) / 2;
        }
        break;
    case kImageRight: {
        if (hasCaption) {
            caption.right = caption.Width() - w - kImageMargin;
            caption.left = kImageMargin;
            CRect client;
            GetClientRect(&client);
            image.left = client.right - w - kImageMargin;
        } else {
            image.left += (fullWidth - w) / 2;
        }
        image.top += (fullHeight - h) / 2;
        break;
    }
    default:
        if (hasCaption) {
            image.left += kImageMargin;
            caption.left += w + kImageMargin;
        } else {
            image.left += (fullWidth - w) / 2;
        }
        image.top += (fullHeight - h) / 2;
        break;
    }
    if (pressed && !m_bIsCheckBox)
        image.OffsetRect(1, 1);
    return image;
}

int CImageButton::StateImage(BOOL pressed, bool hasOut) const
{
    const bool lit = m_bIsCheckBox ? pressed != FALSE : (pressed || m_bMouseOnButton);
    return lit || !hasOut ? 0 : 1;
}

void CImageButton::DrawIconImage(CDC* dc, BOOL hasCaption, const CRect& item, CRect& caption, BOOL pressed,
                                 BOOL disabled)
{
    const bool ownDisabled = disabled && m_disabledIcon.handle;
    const IconRecord& icon = ownDisabled ? m_disabledIcon : m_icons[StateImage(pressed, m_icons[1].handle != nullptr)];
    const CRect place = LayoutImage(hasCaption, item, caption, pressed, icon.width, icon.height);
    const CSize size(static_cast<int>(icon.width), static_cast<int>(icon.height));
    dc->DrawState(place.TopLeft(), size, icon.handle, disabled && !ownDisabled ? DSS_DISABLED : DSS_NORMAL, nullptr);
}

void CImageButton::DrawBitmapImage(CDC* dc, BOOL hasCaption, const CRect& item, CRect& caption, BOOL pressed,
                                   BOOL disabled)
{
    const BitmapRecord& bitmap = m_bitmaps[StateImage(pressed, m_bitmaps[1].handle != nullptr)];
    const CRect place = LayoutImage(hasCaption, item, caption, pressed, bitmap.width, bitmap.height);
    const int w = static_cast<int>(bitmap.width);
    const int h = static_cast<int>(bitmap.height);
    CDC imageDc;
    CDC maskDc;
    imageDc.CreateCompatibleDC(dc);
    maskDc.CreateCompatibleDC(dc);
    CBitmap* previousImage = imageDc.SelectObject(CBitmap::FromHandle(bitmap.handle));
    CBitmap* previousMask = maskDc.SelectObject(CBitmap::FromHandle(bitmap.mask));
    if (disabled && m_bDrawDisabledBmp) {
        CDC flatDc;
        flatDc.CreateCompatibleDC(dc);
        CBitmap flat;
        flat.CreateCompatibleBitmap(dc, w, h);
        CBitmap* previousFlat = flatDc.SelectObject(&flat);
        flatDc.FillSolidRect(0, 0, w, h, RGB(255, 255, 255));
        flatDc.BitBlt(0, 0, w, h, &maskDc, 0, 0, SRCAND);
        flatDc.BitBlt(0, 0, w, h, &imageDc, 0, 0, SRCPAINT);
        flatDc.SelectObject(previousFlat);
        dc->DrawState(place.TopLeft(), CSize(w, h), &flat, DST_BITMAP | DSS_DISABLED, nullptr);
    } else {
        dc->BitBlt(place.left, place.top, w, h, &maskDc, 0, 0, SRCAND);
        dc->BitBlt(place.left, place.top, w, h, &imageDc, 0, 0, SRCPAINT);
    }
    imageDc.SelectObject(previousImage);
    maskDc.SelectObject(previousMask);
}

#pragma once
// An owner-drawn push button with an icon or a bitmap beside or above its caption: flat with
// hover highlighting or raised, per-state colours, a check-box mode, a tip and a cursor of
// its own. It takes over a dialog's button by subclassing.

#include "platform/ui/Cursors.h"
#include "platform/ui/CtlColor.h"
#include "platform/ui/DC.h"
#include "platform/ui/StandardControls.h"
#include "platform/ui/ToolTipCtrl.h"

class CImageButton : public CButton {
    RV_DECLARE_MESSAGE_MAP()
public:
    // Result codes of the setters.
    static constexpr DWORD kOk = 0;
    static constexpr DWORD kImageFailed = 1;
    static constexpr DWORD kMaskFailed = 2;
    static constexpr DWORD kBadColourIndex = 3;
    static constexpr DWORD kBadAlignment = 4;
    static constexpr DWORD kBadShade = 5;

    // Image places.
    static constexpr BYTE kImageLeft = 0;
    static constexpr BYTE kImageAbove = 1;
    static constexpr BYTE kImageRight = 2;

    // Colour slots.
    enum Colour : BYTE { BackHover = 0, TextHover, BackOut, TextOut, BackFocus, TextFocus, ColourCount };

    // The second icon: none, or a grey copy of the first.
    static constexpr int kNoIcon = 0;
    static constexpr int kGreyIcon = -2;

    CImageButton();
    ~CImageButton() override;

    DWORD SetIcon(int idIn, int idOut = kNoIcon);
    DWORD SetIcon(HICON in, HICON out = nullptr);
    // Each icon loaded at its given size; a third one is drawn while the button is disabled.
    DWORD SetIcon(int idIn, CSize sizeIn, int idOut, CSize sizeOut, int idDisabled = kNoIcon,
                  CSize sizeDisabled = CSize(0, 0));
    DWORD SetBitmaps(int idIn, COLORREF transparentIn, int idOut = 0, COLORREF transparentOut = 0);
    DWORD SetBitmaps(HBITMAP in, COLORREF transparentIn, HBITMAP out = nullptr, COLORREF transparentOut = 0);

    DWORD SetFlat(BOOL flat = TRUE, BOOL repaint = TRUE);
    DWORD SetAlign(BYTE alignment, BOOL repaint = TRUE);
    DWORD SetDrawBorder(BOOL draw = TRUE, BOOL repaint = TRUE);
    DWORD SetDrawFlatFocus(BOOL draw, BOOL repaint = TRUE);
    DWORD SetTrackAlways(BOOL track);
    void SetTransparent(BOOL repaint = FALSE);
    DWORD SetChecked(int check, BOOL repaint = TRUE);
    int GetChecked() const { return m_nCheck; }
    BOOL IsDefaultButton() const { return m_bIsDefault; }
    DWORD ResetColors(BOOL repaint = TRUE);
    DWORD SetColor(BYTE index, COLORREF colour, BOOL repaint = TRUE);
    DWORD GetColor(BYTE index, COLORREF* colour) const;
    DWORD OffsetColor(BYTE index, short shade, BOOL repaint = TRUE);
    DWORD SetHoverCursor(int id, BOOL repaint = FALSE);
    void SetTooltipText(LPCTSTR text, BOOL activate = TRUE);
    void SetTooltipText(int stringId, BOOL activate = TRUE);
    void ActivateTooltip(BOOL activate = TRUE);
    DWORD SetURL(LPCTSTR url);
    void EnsureTooltip();
    void FreeResources(BOOL destroy = TRUE);

    BOOL IsHovered() const { return m_bMouseOnButton; }
    BOOL IsCheckBox() const { return m_bIsCheckBox; }
    BYTE GetAlign() const { return m_byAlign; }
    CToolTipCtrl& Tooltip() { return m_toolTip; }

    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* message) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DrawItem(LPDRAWITEMSTRUCT item) override;

    // What a derived button may paint in its own way.
    virtual DWORD OnDrawBackground(CDC* dc, const CRect* rect);
    virtual DWORD OnDrawBorder(CDC* dc, const CRect* rect);

    // The image's top-left for the state: w x h beside, above or right of the caption, whose
    // rectangle it narrows.
    CRect LayoutImage(BOOL hasCaption, const CRect& item, CRect& caption, BOOL pressed, DWORD width,
                      DWORD height) const;

protected:
    LRESULT OnSetCursor(WPARAM, LPARAM);
    void OnKillFocus(CWnd* next);
    void OnMouseMove(UINT flags, CPoint point);
    void OnSysColorChange();
    BOOL OnClicked();
    LRESULT OnActivate(WPARAM state, LPARAM);
    LRESULT OnEnable(WPARAM enabled, LPARAM);
    void OnCancelMode();
    LRESULT OnGetDlgCode(WPARAM, LPARAM);
    HBRUSH CtlColor(CDC* dc, UINT kind);
    LRESULT OnNothing(WPARAM, LPARAM);
    LRESULT OnSetStyle(WPARAM style, LPARAM redraw);
    LRESULT OnMouseLeave(WPARAM, LPARAM);
    LRESULT OnSetCheck(WPARAM check, LPARAM);
    LRESULT OnGetCheck(WPARAM, LPARAM);

private:
    struct IconRecord {
        HICON handle = nullptr;
        DWORD width = 0;
        DWORD height = 0;
    };
    struct BitmapRecord {
        HBITMAP handle = nullptr;
        DWORD width = 0;
        DWORD height = 0;
        HBITMAP mask = nullptr;
        COLORREF transparent = 0;
    };

    void CancelHover();
    void Repaint(BOOL repaint);
    // Record 0 (hovered or pressed) or 1 (normal, when it holds an image).
    int StateImage(BOOL pressed, bool hasOut) const;
    void DrawIconImage(CDC* dc, BOOL hasCaption, const CRect& item, CRect& caption, BOOL pressed, BOOL disabled);
    void DrawBitmapImage(CDC* dc, BOOL hasCaption, const CRect& item, CRect& caption, BOOL pressed, BOOL disabled);
    void DrawCaption(CDC* dc, const CString& text, CRect caption, BOOL pressed, BOOL disabled);
    void DrawRaisedBorder(CDC* dc, const CRect& rect);

    BOOL m_bDrawDisabledBmp = TRUE;
    BOOL m_bIsFlat = TRUE;
    BOOL m_bMouseOnButton = FALSE;
    BOOL m_bDrawTransparent = FALSE;
    BOOL m_bIsPressed = FALSE;
    BOOL m_bIsFocused = FALSE;
    BOOL m_bIsDisabled = FALSE;
    BOOL m_bIsDefault = FALSE;
    BOOL m_bIsCheckBox = FALSE;
    BYTE m_byAlign = kImageLeft;
    BOOL m_bDrawBorder = TRUE;
    BOOL m_bDrawFlatFocus = FALSE;
    COLORREF m_crColors[ColourCount];
    HCURSOR m_hCursor = nullptr;
    CToolTipCtrl m_toolTip;
    BOOL m_bAlwaysTrack = TRUE;
    int m_nCheck = 0;
    UINT m_nTypeStyle = 0x1F;
    CString m_strURL;
    IconRecord m_icons[2];
    BitmapRecord m_bitmaps[2];
    IconRecord m_disabledIcon;
};

// A bitmap's mask: white where the source has the transparent colour, black elsewhere; the
// source's transparent pixels turn black. nullptr when the mask cannot be made.
HBITMAP CreateMaskBitmap(HBITMAP source, DWORD width, DWORD height, COLORREF transparent);
// A grey copy of an icon (every pixel that is not black becomes its luminance); nullptr on failure.
HICON CreateGreyIcon(HICON icon);
// Moves a colour's channels by one amount that keeps every channel within 0 to 255.
COLORREF OffsetColour(COLORREF colour, short shade);

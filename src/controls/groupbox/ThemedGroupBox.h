#pragma once
// A static control that paints itself as a titled group frame (or a titled header line) above
// the controls it groups, with a caption font, colour and alignment of its own and an optional
// icon. It can enable or disable every control that lies inside it.

#include "platform/ui/DC.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/StandardControls.h"

#include <array>

// The greys of the disabled icons, shared by every box: entry i is RGB(255 - i, 255 - i, 255 - i),
// filled by the first box that makes a grey icon.
extern std::array<COLORREF, 256> g_grayRamp;

class CThemedGroupBox : public CStatic {
    RV_DECLARE_MESSAGE_MAP()
public:
    static constexpr COLORREF kDefaultColour = 0xFFFFFFFF;

    CThemedGroupBox();
    ~CThemedGroupBox() override;

    // Every setter returns the box so calls chain; with redraw it repaints at once.
    CThemedGroupBox& SetTextColor(COLORREF colour, BOOL redraw = TRUE);
    CThemedGroupBox& SetBorderColor(COLORREF colour, BOOL redraw = TRUE);
    CThemedGroupBox& SetBold(BOOL bold, BOOL redraw = TRUE);
    CThemedGroupBox& SetAlignment(int alignment, BOOL redraw = TRUE);
    CThemedGroupBox& SetBorderStyle(int style, BOOL redraw = TRUE);
    CThemedGroupBox& SetControlStyle(int style, BOOL redraw = TRUE);
    CThemedGroupBox& SetIconAlignment(int alignment, BOOL redraw = TRUE);
    CThemedGroupBox& SetDisabledStyle(BOOL grey, BOOL redraw = TRUE);
    CThemedGroupBox& SetMargins(int x, int y, BOOL redraw = TRUE);
    CThemedGroupBox& SetIconSpacing(int spacing, BOOL redraw = TRUE);
    CThemedGroupBox& SetIcon(HICON icon, int size, BOOL redraw = TRUE);
    CThemedGroupBox& SetIcon(UINT iconId, int size, BOOL redraw = TRUE);
    CThemedGroupBox& SetImageList(CImageList* list, int index, BOOL redraw = TRUE);
    CThemedGroupBox& SetWindowText(LPCTSTR text, BOOL redraw = TRUE);
    CThemedGroupBox& SetWindowText(UINT stringId, BOOL redraw = TRUE);
    CThemedGroupBox& SetFont(LPCTSTR face, int points, BOOL redraw = TRUE);
    CThemedGroupBox& SetFont(CFont* font, BOOL redraw = TRUE);
    CThemedGroupBox& SetFont(const LOGFONT* logFont, BOOL redraw = TRUE);
    CThemedGroupBox& EnableTheme(BOOL enable, BOOL redraw = TRUE);

    CFont* GetFont() { return &m_font; }
    BOOL GetLogFont(LOGFONT* logFont) const;
    BOOL GetBold() const;
    CString GetFontFaceName() const;
    int GetFontPointSize() const;
    // Enables the box, and with recurse every sibling control lying wholly inside it.
    BOOL EnableWindow(BOOL enable = TRUE, BOOL recurse = TRUE);
    // A grey copy of an icon: each pixel the grey of its average brightness, pure white as grey
    // 254; nullptr when it cannot be made.
    HICON CreateGrayscaleIcon(HICON icon);

    COLORREF m_crText;
    COLORREF m_crBackground;
    COLORREF m_crBorder = kDefaultColour;
    int m_nXMargin = 8;
    int m_nYMargin = 0;
    int m_nHalfBand = -1;
    int m_nIconSpacing = 8;
    HICON m_hIcon = nullptr;
    HICON m_hGrayIcon = nullptr;
    int m_nIconSize = 0;
    BOOL m_bDestroyIcon = FALSE;
    CRect m_rcFrame;
    CSize m_sizeText;
    BOOL m_bThemed = FALSE;
    BOOL m_bThemeEnabled = TRUE;
    BOOL m_bGrayDisabled = TRUE;
    BOOL m_bGrayRampBuilt = FALSE;   // this box has filled g_grayRamp
    int m_nControlStyle = 0;   // 0 frame, else header line
    int m_nBorderStyle = 1;    // 1 etched, else flat
    int m_nIconAlignment = 0;  // 2 right of the text, else left
    int m_nAlignment = 0;      // 0 left, 1 centre, else right

protected:
    void PreSubclassWindow() override;
    BOOL OnEraseBkgnd(CDC* dc);
    void OnPaint();

private:
    // The parent's answer to WM_CTLCOLORSTATIC: a brush (nullptr: none) and the caption's colours.
    struct Colours {
        HBRUSH background;
        COLORREF text;
        COLORREF textBackground;
        int textMode;
    };

    CThemedGroupBox& Done(BOOL redraw);
    // The window's font, else its parent's, else the stock GUI font; FALSE when none is found.
    BOOL GetUsableLogFont(LOGFONT* logFont) const;
    Colours AskParentColours(CDC* dc);
    void FillBackground(CDC* dc, const CRect& rect, HBRUSH brush) const;
    void Draw(CDC* dc, const CRect& rc);
    void CalcCaptionRect(CRect& r) const;
    void DrawBorder(CDC* dc, const CRect& frame);
    void DrawFrameRect(CDC* dc, CRect rect, COLORREF colour);
    void DrawHeaderLine(CDC* dc, const CRect& rect, COLORREF colour);
    void DrawCaption(CDC* dc, CRect textRect, CRect iconRect, const Colours& colours);
    // Each returns the right edge of what it drew (the rectangle's left when nothing).
    int DrawCaptionIcon(CDC* dc, const CRect& rect);
    int DrawCaptionText(CDC* dc, CRect rect, const Colours& colours);
    void ClearIcons();
    void TakeThemeTextColour();
    bool IsFrameStyle() const { return m_nControlStyle == 0; }
    bool Disabled() const { return !IsWindowEnabled(); }
    // Font heights and points at the display's resolution.
    static int PointsToHeight(int points);
    static int HeightToPoints(int height);

    CFont m_font;
};

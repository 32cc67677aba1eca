#pragma once
// Private to the window layer: the widget of a toolbar. Its buttons lie side by side from the
// left, in the toolbar's client coordinates; it paints them itself, asking the window it was
// made in along with NM_CUSTOMDRAW.

#include "platform/CString.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ToolBarCtrl.h"

#include <QRect>
#include <QWidget>
#include <vector>

class CDC;

namespace platform::ui::detail {

struct ToolbarData {
    std::vector<TBBUTTON> buttons;        // iString is an index into strings, or -1
    std::vector<CString> strings;
    CImageList* images = nullptr;
    CImageList* hotImages = nullptr;
    CImageList added;                     // AddBitmap's images, shown when no list is set
    CSize bitmapSize{16, 15};
    CSize buttonSize{24, 22};
    int minWidth = 0;                     // auto-size bounds; 0 leaves a side open
    int maxWidth = 0;
    int hot = -1;
    HWND notify = nullptr;                // the window the toolbar was made in
};

class ToolbarWidget : public QWidget {
public:
    explicit ToolbarWidget(QWidget* parent);

    HWND Handle() const;
    ToolbarData& Data() { return m_data; }
    // Something shown changed.
    void Changed() { update(); }
    // Empty for a hidden button or an index out of range.
    QRect ItemRect(int index) const;
    // The enabled button (no separator) under a point, or -1.
    int HitTest(const QPoint& point) const;
    int SetHot(int index);
    CString TextOf(const TBBUTTON& button) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Space around a button's image and text, and between the two in list style.
    static constexpr int kPadding = 3;
    static constexpr int kListGap = 4;

    DWORD Style() const;
    int ButtonWidth(const TBBUTTON& button) const;
    int TextWidth(const CString& text) const;
    CImageList* Images();
    void SetPressed(int index, bool pressed);
    void Click(int index);

    // Painting.
    UINT ItemState(int index) const;
    LRESULT CustomDraw(NMTBCUSTOMDRAW& draw);
    void DrawButton(CDC& dc, int index, CRect rect, bool edges, COLORREF textColour);
    void DrawImage(CDC& dc, int image, CPoint at, bool hot, bool enabled);

    ToolbarData m_data;
    mutable CFont m_font;                 // measuring selects it too
    int m_pressed = -1;                   // the button a press went to, until the release
};

} // namespace platform::ui::detail

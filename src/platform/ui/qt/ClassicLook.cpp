#include "platform/ui/qt/ClassicLook.h"

#include "platform/ui/SysColors.h"

namespace platform::ui::detail {

QColor Colour(COLORREF colour)
{
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

QColor SysColour(int index)
{
    return Colour(GetSysColor(index));
}

void DrawButtonEdge(QPainter& painter, const QRect& rect, bool pushed)
{
    if (rect.width() < 2 || rect.height() < 2)
        return;
    if (pushed) {
        painter.setPen(SysColour(COLOR_BTNSHADOW));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        return;
    }
    const auto frame = [&](const QRect& r, int topLeft, int bottomRight) {
        painter.setPen(SysColour(topLeft));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(SysColour(bottomRight));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    };
    frame(rect, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW);
    if (rect.width() > 3 && rect.height() > 3)
        frame(rect.adjusted(1, 1, -1, -1), COLOR_3DLIGHT, COLOR_BTNSHADOW);
}

void DrawCheckBox(QPainter& painter, const QRect& rect, bool checked)
{
    const QRect box(rect.center().x() - 6, rect.center().y() - 6, 13, 13);
    painter.fillRect(box, SysColour(COLOR_WINDOW));
    painter.setPen(SysColour(COLOR_BTNSHADOW));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    if (!checked)
        return;
    // The tick: three pixels thick, down from the left then up to the right.
    painter.setPen(SysColour(COLOR_WINDOWTEXT));
    const int x = box.left() + 3, y = box.top() + 5;
    for (int thickness = 0; thickness < 3; ++thickness) {
        painter.drawLine(x, y + thickness, x + 2, y + 2 + thickness);
        painter.drawLine(x + 2, y + 2 + thickness, x + 6, y - 2 + thickness);
    }
}

} // namespace platform::ui::detail

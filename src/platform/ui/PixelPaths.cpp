#include "platform/ui/qt/PixelPaths.h"

#include <cstdlib>

namespace platform::ui::detail {

std::vector<QPoint> LinePixels(QPoint from, QPoint to)
{
    const int dx = std::abs(to.x() - from.x());
    const int dy = std::abs(to.y() - from.y());
    const int sx = to.x() > from.x() ? 1 : -1;
    const int sy = to.y() > from.y() ? 1 : -1;
    const int steps = dx > dy ? dx : dy;
    std::vector<QPoint> pixels;
    pixels.reserve(static_cast<size_t>(steps));
    int x = from.x(), y = from.y();
    int error = dx - dy;
    for (int i = 0; i < steps; ++i) {
        pixels.emplace_back(x, y);
        const int twice = 2 * error;
        if (twice > -dy) {
            error -= dy;
            x += sx;
        }
        if (twice < dx) {
            error += dx;
            y += sy;
        }
    }
    return pixels;
}

std::vector<QPoint> RectOutline(const QRect& rect)
{
    std::vector<QPoint> pixels;
    if (rect.isEmpty())
        return pixels;
    const int left = rect.left(), top = rect.top(), right = rect.right(), bottom = rect.bottom();
    for (int x = left; x <= right; ++x)
        pixels.emplace_back(x, top);
    for (int y = top + 1; y <= bottom; ++y)
        pixels.emplace_back(right, y);
    if (bottom > top) {
        for (int x = right - 1; x >= left; --x)
            pixels.emplace_back(x, bottom);
    }
    if (right > left) {
        for (int y = bottom - 1; y > top; --y)
            pixels.emplace_back(left, y);
    }
    return pixels;
}

std::vector<QRect> PixelRuns(const std::vector<QPoint>& pixels)
{
    std::vector<QRect> runs;
    for (const QPoint& pixel : pixels) {
        if (!runs.empty()) {
            QRect& run = runs.back();
            const bool row = run.height() == 1 && pixel.y() == run.top() &&
                             (pixel.x() == run.right() + 1 || pixel.x() == run.left() - 1);
            const bool column = run.width() == 1 && pixel.x() == run.left() &&
                                (pixel.y() == run.bottom() + 1 || pixel.y() == run.top() - 1);
            if (row || column) {
                run |= QRect(pixel, QSize(1, 1));
                continue;
            }
        }
        runs.emplace_back(pixel, QSize(1, 1));
    }
    return runs;
}

} // namespace platform::ui::detail

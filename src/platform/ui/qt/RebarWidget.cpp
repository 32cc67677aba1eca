#include "platform/ui/qt/RebarWidget.h"

#include "platform/ui/DC.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/ToolBarCtrl.h"
#include "platform/ui/qt/DcFactory.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QPainter>
#include <algorithm>

namespace platform::ui::detail {
namespace {

// Space above and below a band's child, and the child's distance from the band's left edge
// without and with a gripper (a raised bar of kGripperWidth pixels).
constexpr int kBandMargin = 2;
constexpr int kGripperWidth = 3;
constexpr int kChildIndent = 2;
constexpr int kGripperIndent = 10;
// The etched line between rows of a rebar with band borders.
constexpr int kRowBorder = 2;

} // namespace

RebarWidget::RebarWidget(QWidget* parent) : QWidget(parent) {}

HWND RebarWidget::Handle() const
{
    return HandleOf(this);
}

DWORD RebarWidget::Style() const
{
    WindowRecord* record = RecordOf(Handle());
    return record ? record->style : 0;
}

int RebarWidget::Border() const
{
    return (Style() & WS_BORDER) ? 1 : 0;
}

int RebarWidget::RowHeight(const REBARBANDINFO& band) const
{
    return static_cast<int>(band.cyMinChild) + 2 * kBandMargin;
}

bool RebarWidget::HasGripper(const REBARBANDINFO& band) const
{
    if (band.fStyle & RBBS_NOGRIPPER)
        return false;
    return (band.fStyle & RBBS_GRIPPERALWAYS) || m_bands.size() > 1;
}

void RebarWidget::Insert(int index, const REBARBANDINFO& band)
{
    const auto at = index < 0 || index > Count() ? m_bands.end() : m_bands.begin() + index;
    m_bands.insert(at, band);
    if (QWidget* child = WidgetOf(band.hwndChild)) {
        child->setParent(this);
        child->show();
    }
    Arrange();
}

QRect RebarWidget::BandRect(int band) const
{
    int top = Border();
    for (int i = 0; i < band; ++i)
        top += RowHeight(m_bands[static_cast<size_t>(i)]) + ((Style() & RBS_BANDBORDERS) ? kRowBorder : 0);
    return QRect(Border(), top, width() - 2 * Border(), RowHeight(m_bands[static_cast<size_t>(band)]));
}

int RebarWidget::BarHeight() const
{
    return m_bands.empty() ? 2 * Border() : BandRect(Count() - 1).bottom() + 1 + Border();
}

void RebarWidget::Arrange()
{
    if (!(Style() & CCS_NORESIZE) && parentWidget())
        setGeometry(0, 0, parentWidget()->width(), BarHeight());
    LayoutChildren();
}

void RebarWidget::LayoutChildren()
{
    for (int i = 0; i < Count(); ++i) {
        const REBARBANDINFO& band = m_bands[static_cast<size_t>(i)];
        QWidget* child = WidgetOf(band.hwndChild);
        if (!child)
            continue;
        const QRect row = BandRect(i);
        const int left = row.left() + (HasGripper(band) ? kGripperIndent : kChildIndent);
        const int width = std::max(row.right() + 1 - kChildIndent - left, static_cast<int>(band.cxMinChild));
        child->setGeometry(left, row.top() + kBandMargin, width, static_cast<int>(band.cyMinChild));
    }
}

void RebarWidget::resizeEvent(QResizeEvent*)
{
    LayoutChildren();
}

void RebarWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const std::unique_ptr<CDC> dc = MakeDcOnPainter(painter);
    CRect client(0, 0, width(), height());
    dc->FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    if (Border()) {
        CBrush frame(GetSysColor(COLOR_WINDOWFRAME));
        dc->FrameRect(&client, &frame);
    }
    for (int i = 0; i < Count(); ++i) {
        const QRect row = BandRect(i);
        if (HasGripper(m_bands[static_cast<size_t>(i)])) {
            CRect gripper(row.left() + kBandMargin, row.top() + kBandMargin, row.left() + kBandMargin + kGripperWidth,
                          row.bottom() + 1 - kBandMargin);
            dc->DrawEdge(&gripper, BDR_RAISEDINNER, BF_RECT);
        }
        if ((Style() & RBS_BANDBORDERS) && i + 1 < Count()) {
            CRect line(row.left(), row.bottom() + 1, row.right() + 1, row.bottom() + 1 + kRowBorder);
            dc->DrawEdge(&line, EDGE_ETCHED, BF_TOP);
        }
    }
}

} // namespace platform::ui::detail

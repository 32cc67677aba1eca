// How a list view paints itself: its own rows, or owner-drawn rows through DrawItem, and the
// grid lines over either.
#include "platform/ui/qt/ListViewWidget.h"

#include "platform/ui/ImageList.h"
#include "platform/ui/qt/ClassicLook.h"
#include "platform/ui/qt/DcFactory.h"
#include "platform/ui/qt/GdiAccess.h"
#include "platform/ui/qt/ImageListRecord.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QPaintEvent>
#include <QPointer>
#include <QScrollBar>

namespace platform::ui::detail {
namespace {

int AlignmentOf(int column, int fmt)
{
    if (column == 0)
        return Qt::AlignLeft;
    switch (fmt & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT: return Qt::AlignRight;
    case LVCFMT_CENTER: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

} // namespace

bool ListViewWidget::SelectionShown() const
{
    return hasFocus() || (Style() & LVS_SHOWSELALWAYS);
}

void ListViewWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QPointer<ListViewWidget> alive(this);
    const std::unique_ptr<CDC> dc = MakeDcOnPainter(painter);
    // Owners draw in the list's font, as the DC Windows lends them has it selected.
    CFont rowFont;
    rowFont.Attach(MakeFont(font()));
    dc->SelectObject(&rowFont);
    if (Maps(Handle(), WM_ERASEBKGND))
        Deliver(Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0);
    else
        painter.fillRect(event->rect(), Colour(m_background));
    if (!alive)
        return;
    // Only the rows the paint covers, as Windows asks owners to draw only those.
    const QRect area = event->rect() & QRect(0, RowsTop(), ViewWidth(), ViewHeight());
    const int first = TopIndex() + std::max(0, area.top() - RowsTop()) / RowHeight();
    const int last = area.isEmpty() ? first - 1
                                    : std::min(m_data.RowCount() - 1, TopIndex() + (area.bottom() - RowsTop()) / RowHeight());
    painter.setClipRect(QRect(0, RowsTop(), ViewWidth(), ViewHeight()));
    if (Style() & LVS_OWNERDRAWFIXED) {
        PaintOwnerDrawn(painter, first, last);
    } else {
        NMLVCUSTOMDRAW whole;
        whole.nmcd.dwDrawStage = CDDS_PREPAINT;
        whole.nmcd.hdc = dc->GetSafeHdc();
        whole.nmcd.rc = RECT{0, 0, width(), height()};
        const bool perItem = (Notify(whole.nmcd.hdr, NM_CUSTOMDRAW) & CDRF_NOTIFYITEMDRAW) != 0;
        painter.setFont(font());
        for (int item = first; item <= last && alive && m_data.HasRow(item); ++item)
            PaintRow(painter, item, perItem ? dc.get() : nullptr);
    }
    if (!alive)
        return;
    if (m_extendedStyle & LVS_EX_GRIDLINES)
        PaintGrid(painter);
    painter.setClipping(false);
    WindowRecord* record = RecordOf(Handle());
    if (record && ((record->style & WS_BORDER) || (record->exStyle & WS_EX_CLIENTEDGE))) {
        painter.setPen(SysColour(COLOR_BTNSHADOW));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

LRESULT ListViewWidget::NotifyCustomDraw(NMLVCUSTOMDRAW& draw, DWORD stage, const QRect& area)
{
    draw.nmcd.dwDrawStage = stage;
    draw.nmcd.rc = RECT{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
    return Notify(draw.nmcd.hdr, NM_CUSTOMDRAW);
}

void ListViewWidget::PaintRow(QPainter& painter, int item, CDC* customDraw)
{
    const QPointer<ListViewWidget> alive(this);
    NMLVCUSTOMDRAW draw;
    draw.clrText = m_textColour;
    draw.clrTextBk = m_background;
    bool perCell = false;
    if (customDraw) {
        const ListRow& asked = m_data.Row(item);
        draw.nmcd.hdc = customDraw->GetSafeHdc();
        draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(item);
        draw.nmcd.lItemlParam = asked.param;
        draw.nmcd.uItemState = ((asked.state & LVIS_SELECTED) ? CDIS_SELECTED : 0u) |
                               ((asked.state & LVIS_FOCUSED) && hasFocus() ? CDIS_FOCUS : 0u);
        const LRESULT answer = NotifyCustomDraw(draw, CDDS_ITEMPREPAINT, RowBounds(item));
        if (!alive || !m_data.HasRow(item) || (answer & CDRF_SKIPDEFAULT))
            return;
        perCell = (answer & CDRF_NOTIFYSUBITEMDRAW) != 0;
    }
    const COLORREF rowText = draw.clrText;
    const COLORREF rowBack = draw.clrTextBk;
    const ListRow& row = m_data.Row(item);
    const QRect label = *CellRect(item, 0, LVIR_LABEL);
    const QRect icon = *CellRect(item, 0, LVIR_ICON);
    const bool highlighted = (row.state & LVIS_SELECTED) && SelectionShown();
    const ImageListRecord* images = m_images ? m_images->GetSafeHandle() : nullptr;
    const QImage* image = images && row.image >= 0 && row.image < static_cast<int>(images->images.size())
                              ? &images->images[static_cast<size_t>(row.image)]
                              : nullptr;
    if (m_extendedStyle & LVS_EX_CHECKBOXES)
        DrawCheckBox(painter, QRect(icon.left() - 16, icon.top(), 16, icon.height()),
                     (row.state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2));
    if (image) {
        painter.save();
        painter.setClipRect(icon, Qt::IntersectClip);
        painter.drawImage(icon.left(), icon.top() + (icon.height() - images->cy) / 2, *image);
        painter.restore();
    }
    if (highlighted) {
        // Without the focus a selection kept in sight is grey. Over a picture it is laid at half
        // strength, so the whole row reads as selected however opaque the picture is.
        QColor selection = hasFocus() ? SysColour(COLOR_HIGHLIGHT) : SysColour(COLOR_BTNFACE);
        if (image)
            selection.setAlpha(128);
        // The selection covers the item from its image on: to the row's end in a full-row list.
        const QRect bounds = RowBounds(item);
        const int right = (m_extendedStyle & LVS_EX_FULLROWSELECT) ? bounds.right() : label.right();
        const QRect area(icon.left(), bounds.top(), right + 1 - icon.left(), bounds.height());
        painter.fillRect(area, selection);
    }
    const bool whiteText = highlighted && hasFocus() && !image;
    for (int column = 0; column < std::max(m_data.ColumnCount(), 1); ++column) {
        const QRect cell = column == 0 ? label : ColumnBounds(item, column);
        const bool inSelection = highlighted && (column == 0 || (m_extendedStyle & LVS_EX_FULLROWSELECT));
        draw.clrText = rowText;
        draw.clrTextBk = rowBack;
        if (perCell) {
            draw.iSubItem = column;
            const LRESULT answer = NotifyCustomDraw(draw, CDDS_ITEMPREPAINT | CDDS_SUBITEM, cell);
            if (!alive || !m_data.HasRow(item))
                return;
            if (answer & CDRF_SKIPDEFAULT)
                continue;
        }
        if (!inSelection && draw.clrTextBk != m_background && draw.clrTextBk != CLR_DEFAULT)
            painter.fillRect(cell, Colour(draw.clrTextBk));
        const int margin = column == 0 ? kFirstTextMargin : kTextMargin;
        const QRect text = cell.adjusted(margin, 0, -margin, 0);
        if (text.width() <= 0)
            continue;
        painter.setPen(inSelection && whiteText ? SysColour(COLOR_HIGHLIGHTTEXT) : Colour(draw.clrText));
        const int fmt = column < m_data.ColumnCount() ? m_data.Column(column).fmt : LVCFMT_LEFT;
        const QString shown = painter.fontMetrics().elidedText(
            QString::fromStdString(m_data.Text(item, column)), Qt::ElideRight, text.width());
        painter.drawText(text, AlignmentOf(column, fmt) | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    }
}

void ListViewWidget::PaintOwnerDrawn(QPainter& painter, int first, int last)
{
    WindowRecord* record = RecordOf(Handle());
    const HWND parent = HandleOf(parentWidget());
    if (!record || !parent)
        return;
    const QPointer<ListViewWidget> alive(this);
    const std::unique_ptr<CDC> dc = MakeDcOnPainter(painter);
    for (int item = first; item <= last && alive && m_data.HasRow(item); ++item) {
        const ListRow& row = m_data.Row(item);
        const QRect bounds = RowBounds(item);
        DRAWITEMSTRUCT draw;
        draw.CtlType = ODT_LISTVIEW;
        draw.CtlID = record->id;
        draw.itemID = static_cast<UINT>(item);
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = ((row.state & LVIS_SELECTED) ? ODS_SELECTED : 0u) |
                         ((row.state & LVIS_FOCUSED) && hasFocus() ? ODS_FOCUS : 0u);
        draw.hwndItem = Handle();
        draw.hDC = dc->GetSafeHdc();
        draw.rcItem = RECT{bounds.left(), bounds.top(), bounds.left() + bounds.width(), bounds.top() + bounds.height()};
        draw.itemData = static_cast<DWORD_PTR>(row.param);
        Deliver(parent, WM_DRAWITEM, record->id, reinterpret_cast<LPARAM>(&draw));
    }
}

void ListViewWidget::PaintGrid(QPainter& painter)
{
    painter.setPen(SysColour(COLOR_BTNFACE));
    const int top = RowsTop();
    const int bottom = top + ViewHeight();
    // Rows are ruled down the whole view, items or not; each column on its right edge.
    for (int y = top + RowHeight() - 1; y < bottom; y += RowHeight())
        painter.drawLine(0, y, ViewWidth() - 1, y);
    const int left = -m_horizontal->value();
    for (int column = 0; column < m_header->Count(); ++column) {
        const QRect cell = m_header->ItemRect(column);
        if (cell.width() > 0)
            painter.drawLine(left + cell.right(), top, left + cell.right(), bottom - 1);
    }
}

} // namespace platform::ui::detail

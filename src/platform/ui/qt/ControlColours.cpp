#include "platform/ui/qt/ControlColours.h"

#include "platform/ui/qt/DcFactory.h"
#include "platform/ui/qt/DcRecord.h"
#include "platform/ui/qt/GdiRecord.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QPalette>

namespace platform::ui::detail {
namespace {

// Sets a palette only when it changes: a palette change repaints, and this runs in a paint.
void SetPaletteIfChanged(QWidget* widget, const QPalette& palette, bool fill)
{
    if (widget->palette() != palette)
        widget->setPalette(palette);
    if (widget->autoFillBackground() != fill)
        widget->setAutoFillBackground(fill);
}

} // namespace

void ApplyControlColours(HWND window, QWidget* widget)
{
    WindowRecord* record = RecordOf(window);
    const HWND parent = HandleOf(widget->parentWidget());
    if (!record || !parent)
        return;
    const UINT message = record->kind == WindowKind::Edit ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
    if (!Maps(parent, message) && !Maps(window, WM_REFLECT_BASE + WM_CTLCOLOR))
        return;
    const std::unique_ptr<CDC> dc = MakeWindowDc(nullptr);
    DcRecord* state = LiveDc(dc->GetSafeHdc());
    const LRESULT answer =
        Deliver(parent, message, reinterpret_cast<WPARAM>(dc->GetSafeHdc()), reinterpret_cast<LPARAM>(window));
    GdiRecord* brush = LiveRecord(reinterpret_cast<HBRUSH>(answer));
    if (!brush || brush->kind != GdiKind::Brush || !state || !RecordOf(window))
        return;
    QPalette palette = widget->palette();
    const QColor text = ColourOf(state->state.textColour);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::WindowText, text);
    // Edits fill with their base colour, statics with their window colour.
    const QColor back = brush->hollow ? QColor(Qt::transparent) : ColourOf(brush->colour);
    palette.setColor(QPalette::Base, back);
    palette.setColor(QPalette::Window, back);
    SetPaletteIfChanged(widget, palette, !brush->hollow && record->kind == WindowKind::Static);
}

} // namespace platform::ui::detail

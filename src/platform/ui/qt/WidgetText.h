#pragma once
// Private to the window layer: the "window text" of each kind of widget.

#include <QString>
#include <QWidget>

namespace platform::ui::detail {

QString WidgetText(const QWidget* widget);
void SetWidgetText(QWidget* widget, const QString& text);

} // namespace platform::ui::detail

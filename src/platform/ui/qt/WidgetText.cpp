#include "platform/ui/qt/WidgetText.h"

#include "platform/ui/qt/StoredByteLimit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVariant>

namespace platform::ui::detail {
namespace {

// Widgets that paint their own text keep it here.
const char* const kTextProperty = "rvWindowText";

} // namespace

QString WidgetText(const QWidget* widget)
{
    if (widget->isWindow())
        return widget->windowTitle();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title();
    if (auto* multi = qobject_cast<const QPlainTextEdit*>(widget))
        return multi->toPlainText();
    if (auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText();
    return widget->property(kTextProperty).toString();
}

void SetWidgetText(QWidget* widget, const QString& text)
{
    if (widget->isWindow())
        widget->setWindowTitle(text);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        StoredByteLimit::SetProgramText(*edit, text);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(text);
    else if (auto* multi = qobject_cast<QPlainTextEdit*>(widget))
        multi->setPlainText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentIndex(combo->findText(text));
    } else {
        widget->setProperty(kTextProperty, text);
        widget->update();
    }
}

} // namespace platform::ui::detail

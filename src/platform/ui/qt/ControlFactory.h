#pragma once
// Private to the window layer: the widgets behind dialog windows and their controls.

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/qt/DialogUnits.h"

#include <QImage>
#include <QWidget>

namespace platform::ui::detail {

// The top-level widget of a dialog: paints the dialog background and what was drawn on the
// dialog outside its paint.
class DialogWidget : public QWidget {
public:
    DialogWidget();
    // The dialog's background and what was drawn on it outside a paint, as the erase before a
    // paint leaves them.
    static void PaintBackground(QWidget* dialog, QPainter& painter, const QRect& area);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// An edit's read-only state and its look: read-only edits are filled with the face colour of
// buttons, as Windows draws them. False for a widget that is no edit.
bool SetEditReadOnly(QWidget* edit, bool readOnly);

// Shows a picture on a bitmap static within its rectangle (see StaticLabel): fitted to it with
// SS_REALSIZECONTROL, without its background with WS_EX_TRANSPARENT. Other statics keep their
// text, as on Windows.
void ShowStaticPicture(QWidget* label, const QImage& picture);

// Makes the widget of one template control inside a dialog, registered as a window.
QWidget* CreateControl(const ControlTemplate& control, QWidget* dialog, const BaseUnits& units);
// The same at a place in pixels, for controls the program makes with Create.
QWidget* CreateControlAt(const ControlTemplate& control, QWidget* parent, const QRect& pixels);

} // namespace platform::ui::detail

#pragma once
// Private to the window layer: how the layer's own parts reach the Qt side of a window.
// Never included by the program's code.

#include "platform/ui/WinDef.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QWidget>

namespace platform::ui::detail {

// The Qt widget of a window, or nullptr for a dead handle. Only the GUI thread may ask: a debug
// build stops the program when another thread does.
QWidget* WidgetOf(HWND window);
HWND HandleOf(const QWidget* widget);
// Lookups and events on `widget` (a scrolled dialog's page) reach `window` as its own.
void ActAsWindow(QWidget* widget, HWND window);

// The painter of the paint in progress for that window (set while its paint event runs),
// or nullptr when the window is not being painted.
QPainter* ActivePainter(HWND window);

// Drawing on a window outside its paint goes to a picture kept with the window and shown
// beneath its children until the area is invalidated with erasing.
QImage& ClientOverlay(HWND window);
void OverlayChanged(HWND window, const QRect& area);

// The mouse as Windows hands it out: a window a button goes down on holds it until the button
// comes up. A modal dialog or message box about to open takes it away: the window holding it
// (by SetCapture, else by a press) gets WM_CANCELMODE, whose default handling lets go of it, and
// the toolkit's open popups hide.
void NoteMouseButton(QWidget* widget, bool down);
void CancelMouseMode();
void LetGoOfMouse(QWidget* widget);

} // namespace platform::ui::detail

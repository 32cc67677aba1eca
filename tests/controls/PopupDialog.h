#pragma once
// A dialog with a colour button and a drop-down list, run modally over a main window as the
// program's dialogs are, on an X server under a window manager: the popups open from it.

#include "ColourDialog.h"

#include <cstdint>

class QComboBox;
class QWidget;
class QWindow;

constexpr UINT kOwnerDialog = 9204;
constexpr int kList = 1103;
// A request's source, in the conventions: a pager, the user's own doing.
constexpr std::uint32_t kFromAPager = 2;

QWidget& Widget(const CWnd& window);
QWindow& Window(const CWnd& window);

// Shows the window and waits until the window manager has framed it.
void ShowFramed(CWnd& window);

// The X server gives the keys to one of the program's windows, and the toolkit knows it.
bool ProgramHasTheKeyboard();
// Has the window manager activate the window, as a click on it does, until the X server gives it
// the keys and the toolkit knows it: a window of another program may have taken them.
bool TakeTheKeyboard(QWindow& window);

// The templates of the main window and of the dialog.
void RegisterPopupDialogs();

class PopupDialog : public ColourDialog {
public:
    explicit PopupDialog(CWnd& owner) { m_pParentWnd = &owner; }

    QComboBox& List();
    // Clicks the colour button as a user does; the popup it opens holds the capture.
    CColourDropDown* OpenColours();

private:
    BOOL OnInitDialog() override;
};

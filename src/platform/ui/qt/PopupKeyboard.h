#pragma once
// Private to the window layer: under X a popup takes the keyboard by a grab, and the toolkit takes
// the grab for the keyboard focus coming to the program. A popup opened while another program's
// window had the focus (it took it a moment before the click was handled) would then stay open,
// holding the keys the user meant for that window, and no later activation of another program
// would end it: the program never hears that it lost a focus it never had.

class QCoreApplication;

namespace platform::ui::detail {

// From now on, when X is the window system, a popup whose grab takes the keyboard from the window
// of another program that the window manager names active ends as the program losing the focus
// ends it; elsewhere nothing changes.
void EndPopupsOpenedAwayFromTheKeyboard(QCoreApplication& application);

} // namespace platform::ui::detail

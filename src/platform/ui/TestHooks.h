#pragma once
// Hooks for tests of windows and dialogs. They do nothing unless a test installs them.

#include "platform/ui/WinDef.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CDialog;
class CWnd;

namespace platform::ui {

// What a test can do to a running modal dialog, as a user would.
class DialogProbe {
public:
    explicit DialogProbe(CDialog& dialog) : m_dialog(dialog) {}
    CDialog& Dialog() { return m_dialog; }
    UINT TemplateId() const;
    CWnd* Item(int id);
    bool IsOpen() const;
    // A click on a button (check boxes and radio buttons change as they would).
    void Click(int id);
    // Types a text into an edit control (or a drop-down combo box's edit).
    void Type(int id, const char* text);
    // Pastes a text at an edit's cursor, as Ctrl+V does (the cursor stands after the text the
    // program or Type put there).
    void Paste(int id, const char* text);
    // Puts the focus on a control and commits a text to it as an input method does once the
    // user chose a candidate (pinyin through ibus or fcitx).
    void CommitInputMethodText(int id, const char* text);
    // Puts the focus on a control and draws a composition in it as an input method does while the
    // user types pinyin ("xuexi" draws 学习); an empty text clears it, as Esc does.
    void ComposeInputMethodText(int id, const char* text);
    // Picks an item of a combo box's list.
    void Choose(int id, int index);
    void PressEnter();
    void PressEscape();
    void PressCloseBox();
    // Runs queued work (timers, posted messages) until the condition holds or time runs out.
    bool PumpUntil(const std::function<bool()>& condition, int timeoutMs = 2000);

private:
    CDialog& m_dialog;
};

using ModalHandler = std::function<void(DialogProbe&)>;

// While it lives, every modal dialog takes the next handler queued for its template id; a dialog
// with no handler, or one its handler leaves open, is reported and ended with -1.
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(const std::string& failure)> report);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;
    void Expect(UINT dialogId, ModalHandler handler);
    // Template ids of the dialogs run, in order.
    const std::vector<UINT>& Ran() const;
};

// The layer's side: runs the handler of a dialog when a driver is installed (returns false when none is).
bool RunModalHandler(CDialog* dialog);

// Message boxes while it lives are recorded and answered from a queue (IDOK when it is empty).
struct ShownMessageBox {
    std::string text;
    std::string caption;
    UINT type = 0;
};

class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;
    void Answer(int answer);
    const std::vector<ShownMessageBox>& Shown() const;
};

// The layer's side: true and the answer when a recorder took the box.
bool RecordMessageBox(const ShownMessageBox& box, int* answer);

// Popup menus while it lives are recorded (their item texts) and answered from a queue with
// the command chosen (0, nothing chosen, when it is empty).
class PopupMenuRecorder {
public:
    PopupMenuRecorder();
    ~PopupMenuRecorder();
    PopupMenuRecorder(const PopupMenuRecorder&) = delete;
    PopupMenuRecorder& operator=(const PopupMenuRecorder&) = delete;
    void Choose(UINT command);
    const std::vector<std::vector<std::string>>& Shown() const;
};

// The layer's side: true and the command when a recorder took the menu.
bool RecordPopupMenu(const std::vector<std::string>& items, UINT* command);

// Runs queued GUI work and timers until the condition holds; false when the time ran out.
bool PumpEventsUntil(const std::function<bool()>& condition, int timeoutMs = 2000);

// Process exit: while a catcher lives, an exit throws ExitCaught instead of ending the process.
struct ExitCaught {
    int code;
};
class ExitCatcher {
public:
    ExitCatcher();
    ~ExitCatcher();
    ExitCatcher(const ExitCatcher&) = delete;
    ExitCatcher& operator=(const ExitCatcher&) = delete;
};
// The layer's side: throws ExitCaught when a catcher is installed, else returns.
void ExitRequested(int code);

// What a window looks like now, painted as it would be on screen (children included).
class WindowPicture {
public:
    WindowPicture() = default;
    WindowPicture(int width, int height, std::vector<COLORREF> pixels)
        : m_width(width), m_height(height), m_pixels(std::move(pixels)) {}
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    COLORREF Pixel(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < m_width && y < m_height
                   ? m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)]
                   : 0xFFFFFFFF;
    }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<COLORREF> m_pixels;
};
WindowPicture CaptureWindow(CWnd& window);

// Makes the application object the layer needs (tests and the program both call it first).
void EnsureApplication();

} // namespace platform::ui

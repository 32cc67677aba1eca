#include "platform/ui/TestHooks.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/qt/Composition.h"
#include "platform/ui/qt/EventBridge.h"
#include "platform/ui/qt/FixedSizeStates.h"
#include "platform/ui/qt/FontFaces.h"
#include "platform/ui/qt/GuardedApplication.h"
#include "platform/ui/qt/InputGate.h"
#include "platform/ui/qt/OwnTitleBar.h"
#include "platform/ui/qt/PopupKeyboard.h"
#include "platform/ui/qt/ScrolledDialog.h"
#include "platform/ui/qt/Translations.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowPlaces.h"
#include "platform/ui/qt/WindowRecord.h"
#include "platform/ui/qt/WindowSystem.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QThread>
#include <QPlainTextEdit>
#include <cstdlib>
#include <deque>
#include <map>

using namespace platform::ui::detail;

namespace platform::ui {
namespace {

struct DriverState {
    std::function<void(const std::string&)> report;
    std::map<UINT, std::deque<ModalHandler>> handlers;
    std::vector<UINT> ran;
};

DriverState* g_driver = nullptr;

struct RecorderState {
    std::deque<int> answers;
    std::vector<ShownMessageBox> shown;
};

RecorderState* g_recorder = nullptr;

// Puts the focus on the control and sends it an input method's event as Qt delivers one from ibus
// or fcitx: the composition it draws now and the text it commits.
void SendInputMethodEvent(CWnd* item, const QString& composition, const QString& commit)
{
    QWidget* widget = item ? WidgetOf(item->m_hWnd) : nullptr;
    if (!widget)
        return;
    widget->setFocus();
    QInputMethodEvent event(composition, {});
    event.setCommitString(commit);
    QApplication::sendEvent(widget, &event);
}

} // namespace

void EnsureApplication()
{
    if (QCoreApplication::instance())
        return;
    const bool chosen = ChooseWindowSystem();
    static int argc = 1;
    static char name[] = "Rorovavozir";
    static char* argv[] = {name, nullptr};
    auto* app = new GuardedApplication(argc, argv);
    if (chosen)
        ForgetWindowSystemChoice();
    InstallDesktopTranslations(*app);
    app->installEventFilter(&DialogKeys::Instance());
    RegisterPackagedFonts();
    KeepEveryWindowsStates(*app);
    GiveOwnTitleBars(*app);
    WatchCompositions(*app);
    FollowRealWindowPlaces(*app);
    EndPopupsOpenedAwayFromTheKeyboard(*app);
    // Installed last, so it sees input first.
    app->installEventFilter(&InputGate::Instance());
}

bool PumpEventsUntil(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents();
        // Waiting on another thread: leave it the processor rather than spin.
        if (!condition())
            QThread::msleep(1);
    }
    return true;
}

// ---- probe ------------------------------------------------------------------------------

UINT DialogProbe::TemplateId() const
{
    return m_dialog.GetTemplateId();
}

CWnd* DialogProbe::Item(int id)
{
    return m_dialog.GetDlgItem(id);
}

bool DialogProbe::IsOpen() const
{
    return CWnd::IsWindow(m_dialog.m_hWnd) && m_dialog.IsRunningModal();
}

void DialogProbe::Click(int id)
{
    CWnd* item = Item(id);
    auto* button = item ? qobject_cast<QAbstractButton*>(WidgetOf(item->m_hWnd)) : nullptr;
    if (button)
        button->click();
    else if (item)
        NotifyCommand(item->m_hWnd, BN_CLICKED);
}

void DialogProbe::Type(int id, const char* text)
{
    CWnd* item = Item(id);
    QWidget* widget = item ? WidgetOf(item->m_hWnd) : nullptr;
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setFocus();
        edit->setText(QString::fromUtf8(text));
    } else if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) {
        multi->setFocus();
        multi->setPlainText(QString::fromUtf8(text));
    } else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit()) {
        combo->lineEdit()->setFocus();
        combo->setEditText(QString::fromUtf8(text));
    }
}

void DialogProbe::Paste(int id, const char* text)
{
    CWnd* item = Item(id);
    if (auto* edit = item ? qobject_cast<QLineEdit*>(WidgetOf(item->m_hWnd)) : nullptr) {
        edit->setFocus();
        QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
        edit->paste();
    }
}

void DialogProbe::CommitInputMethodText(int id, const char* text)
{
    SendInputMethodEvent(Item(id), QString(), QString::fromUtf8(text));
}

void DialogProbe::ComposeInputMethodText(int id, const char* text)
{
    SendInputMethodEvent(Item(id), QString::fromUtf8(text), QString());
}

void DialogProbe::Choose(int id, int index)
{
    CWnd* item = Item(id);
    if (auto* combo = item ? qobject_cast<QComboBox*>(WidgetOf(item->m_hWnd)) : nullptr) {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
}

void DialogProbe::PressEnter()
{
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != WidgetOf(m_dialog.m_hWnd))
        target = WidgetOf(m_dialog.m_hWnd);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    if (!DialogKeys::Instance().eventFilter(target, &press))
        QCoreApplication::sendEvent(target, &press);
}

void DialogProbe::PressEscape()
{
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != WidgetOf(m_dialog.m_hWnd))
        target = WidgetOf(m_dialog.m_hWnd);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    if (!DialogKeys::Instance().eventFilter(target, &press))
        QCoreApplication::sendEvent(target, &press);
}

void DialogProbe::PressCloseBox()
{
    if (QWidget* widget = WidgetOf(m_dialog.m_hWnd))
        widget->close();
}

bool DialogProbe::PumpUntil(const std::function<bool()>& condition, int timeoutMs)
{
    return PumpEventsUntil(condition, timeoutMs);
}

// ---- modal driver -----------------------------------------------------------------------

ModalDriver::ModalDriver(std::function<void(const std::string& failure)> report)
{
    g_driver = new DriverState{std::move(report), {}, {}};
}

ModalDriver::~ModalDriver()
{
    for (const auto& [id, queue] : g_driver->handlers)
        if (!queue.empty())
            g_driver->report("dialog " + std::to_string(id) + " was expected but never opened");
    delete g_driver;
    g_driver = nullptr;
}

void ModalDriver::Expect(UINT dialogId, ModalHandler handler)
{
    g_driver->handlers[dialogId].push_back(std::move(handler));
}

const std::vector<UINT>& ModalDriver::Ran() const
{
    return g_driver->ran;
}

bool RunModalHandler(CDialog* dialog)
{
    if (!g_driver)
        return false;
    const UINT id = dialog->GetTemplateId();
    g_driver->ran.push_back(id);
    auto& queue = g_driver->handlers[id];
    if (queue.empty()) {
        g_driver->report("dialog " + std::to_string(id) + " opened with no handler");
        dialog->EndDialog(-1);
        return true;
    }
    ModalHandler handler = std::move(queue.front());
    queue.pop_front();
    DialogProbe probe(*dialog);
    handler(probe);
    if (probe.IsOpen()) {
        g_driver->report("dialog " + std::to_string(id) + " was left open by its handler");
        dialog->EndDialog(-1);
    }
    return true;
}

// ---- message boxes ----------------------------------------------------------------------

MessageBoxRecorder::MessageBoxRecorder()
{
    g_recorder = new RecorderState;
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    delete g_recorder;
    g_recorder = nullptr;
}

void MessageBoxRecorder::Answer(int answer)
{
    g_recorder->answers.push_back(answer);
}

const std::vector<ShownMessageBox>& MessageBoxRecorder::Shown() const
{
    return g_recorder->shown;
}

bool RecordMessageBox(const ShownMessageBox& box, int* answer)
{
    if (!g_recorder)
        return false;
    g_recorder->shown.push_back(box);
    *answer = IDOK;
    if (!g_recorder->answers.empty()) {
        *answer = g_recorder->answers.front();
        g_recorder->answers.pop_front();
    }
    return true;
}

// ---- popup menus -------------------------------------------------------------------------

namespace {

struct MenuRecorderState {
    std::deque<UINT> choices;
    std::vector<std::vector<std::string>> shown;
};

MenuRecorderState* g_menus = nullptr;

} // namespace

PopupMenuRecorder::PopupMenuRecorder()
{
    g_menus = new MenuRecorderState;
}

PopupMenuRecorder::~PopupMenuRecorder()
{
    delete g_menus;
    g_menus = nullptr;
}

void PopupMenuRecorder::Choose(UINT command)
{
    g_menus->choices.push_back(command);
}

const std::vector<std::vector<std::string>>& PopupMenuRecorder::Shown() const
{
    return g_menus->shown;
}

bool RecordPopupMenu(const std::vector<std::string>& items, UINT* command)
{
    if (!g_menus)
        return false;
    g_menus->shown.push_back(items);
    *command = 0;
    if (!g_menus->choices.empty()) {
        *command = g_menus->choices.front();
        g_menus->choices.pop_front();
    }
    return true;
}

// ---- pictures of windows -----------------------------------------------------------------

WindowPicture CaptureWindow(CWnd& window)
{
    QWidget* widget = WidgetOf(window.m_hWnd);
    if (!widget)
        return {};
    // The whole client area, also the part of a scrolled dialog's page scrolled out of sight.
    const QImage image = ClientWidget(widget)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    std::vector<COLORREF> pixels;
    pixels.reserve(static_cast<size_t>(image.width()) * static_cast<size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = image.pixel(x, y);
            pixels.push_back(RGB(static_cast<BYTE>(qRed(rgb)), static_cast<BYTE>(qGreen(rgb)),
                                 static_cast<BYTE>(qBlue(rgb))));
        }
    return WindowPicture(image.width(), image.height(), std::move(pixels));
}

// ---- process exit ------------------------------------------------------------------------

namespace {
bool g_catchExit = false;
} // namespace

ExitCatcher::ExitCatcher()
{
    g_catchExit = true;
}

ExitCatcher::~ExitCatcher()
{
    g_catchExit = false;
}

void ExitRequested(int code)
{
    if (g_catchExit)
        throw ExitCaught{code};
}

} // namespace platform::ui

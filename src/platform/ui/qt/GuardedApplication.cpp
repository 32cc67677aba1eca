#include "platform/ui/qt/GuardedApplication.h"

#include "platform/SystemError.h"
#include "platform/ui/BackgroundTask.h"
#include "platform/ui/MessageBox.h"

#include <string>

namespace platform::ui {
namespace {

constexpr const char* kUnfinished = "操作没有完成。\n";

std::string ReasonOf(const std::exception& failure)
{
    const int error = ErrorNumberOf(failure);
    return error != 0 ? SystemErrorText(error) : failure.what();
}

} // namespace

// Told once the event loop turns again, so the box never opens inside the handler that failed.
void TellUnfinished(const std::exception& failure) noexcept
{
    try {
        PostToGuiThread([text = kUnfinished + ReasonOf(failure)] {
            ::MessageBox(nullptr, text.c_str(), nullptr, MB_OK | MB_ICONERROR);
        });
    } catch (...) {
    }
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        TellUnfinished(failure);
    }
    return false;
}

} // namespace platform::ui

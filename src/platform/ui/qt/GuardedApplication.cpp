#include "platform/ui/qt/GuardedApplication.h"

#include "platform/SystemError.h"
#include "platform/ui/BackgroundTask.h"
#include "platform/ui/MessageBox.h"

#include <cerrno>
#include <new>
#include <string>
#include <system_error>

namespace platform::ui {
namespace {

constexpr const char* kUnfinished = "操作没有完成。";

// Told once the event loop turns again, so the box never opens inside the handler that failed.
void TellUnfinished(std::string reason)
{
    PostToGuiThread([text = kUnfinished + ("\n" + reason)] {
        ::MessageBox(nullptr, text.c_str(), nullptr, MB_OK | MB_ICONERROR);
    });
}

} // namespace

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        TellUnfinished(SystemErrorText(ENOMEM));
    } catch (const std::system_error& failure) {
        TellUnfinished(failure.code().message());
    } catch (const std::exception& failure) {
        TellUnfinished(failure.what());
    }
    return false;
}

} // namespace platform::ui

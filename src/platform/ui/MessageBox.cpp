#include "platform/ui/MessageBox.h"

#include "platform/ui/TestHooks.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/qt/ModalOwner.h"
#include "platform/ui/qt/OwnedWindow.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon IconOf(UINT type)
{
    switch (type & 0xF0) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

struct Choice {
    QMessageBox::StandardButton button;
    int answer;
};

std::vector<Choice> ChoicesOf(UINT type)
{
    switch (type & 0xF) {
    case MB_OKCANCEL: return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNOCANCEL: return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO: return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    default: return {{QMessageBox::Ok, IDOK}};
    }
}

} // namespace

const char* AfxGetAppName()
{
    return "Rorovavozir";
}

int MessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type)
{
    const platform::ui::ShownMessageBox box{text ? text : "", caption ? caption : AfxGetAppName(), type};
    int answer = IDOK;
    platform::ui::detail::CancelMouseMode();
    if (platform::ui::RecordMessageBox(box, &answer))
        return answer;
    platform::ui::EnsureApplication();
    QMessageBox dialog(IconOf(type), QString::fromStdString(box.caption), QString::fromStdString(box.text));
    const auto choices = ChoicesOf(type);
    QMessageBox::StandardButtons buttons;
    for (const Choice& choice : choices)
        buttons |= choice.button;
    dialog.setStandardButtons(buttons);
    if (type & MB_DEFBUTTON2 && choices.size() > 1)
        dialog.setDefaultButton(choices[1].button);
    // Modal to its owner only, as on Windows: the owner is disabled while the box is up.
    CWnd* ownerWindow = CWnd::FromHandle(owner);
    platform::ui::detail::KeepModalWithOwner(dialog, ownerWindow ? platform::ui::detail::WidgetOf(owner) : nullptr);
    const platform::ui::detail::ModalOwnerScope ownerScope(ownerWindow, &dialog);
    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog.show();
    loop.exec();
    const QMessageBox::StandardButton pressed = dialog.standardButton(dialog.clickedButton());
    for (const Choice& choice : choices)
        if (pressed == choice.button)
            return choice.answer;
    return (type & 0xF) == MB_OK ? IDOK : IDCANCEL;
}

int AfxMessageBox(LPCTSTR text, UINT type)
{
    CWnd* owner = CWnd::GetActiveWindow();
    return MessageBox(owner ? owner->m_hWnd : nullptr, text, AfxGetAppName(), type);
}

int CWnd::MessageBox(LPCTSTR text, LPCTSTR caption, UINT type)
{
    return ::MessageBox(m_hWnd, text, caption, type);
}

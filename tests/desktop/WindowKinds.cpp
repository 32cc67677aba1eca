#include "WindowKinds.h"

#include "platform/ui/CommonDialogs.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform_ui/NestedLoopBound.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

using platform::ui::PumpEventsUntil;
using platform::ui::detail::WidgetOf;

namespace {

constexpr UINT kOwner = 9501, kFixed = 9502;

void RegisterDialog(UINT id, const char* caption, DWORD style)
{
    DialogTemplate dialog;
    dialog.id = id;
    dialog.caption = caption;
    dialog.cx = 200;
    dialog.cy = 100;
    dialog.style = WS_CAPTION | WS_SYSMENU | style;
    dialog.controls = {{ControlClass::Static, 1001, "替换文件:", 10, 10, 120, 8, SS_LEFT}};
    RegisterDialogTemplate(dialog);
}

// A modal window runs its own loop: the action runs from inside it, then the window is closed;
// one that comes too late for the action is closed all the same.
void WhileModal(const WindowAction& act, const std::function<void()>& run)
{
    QTimer::singleShot(0, [act] {
        QWidget* modal = nullptr;
        ASSERT_TRUE(PumpEventsUntil([&] { return (modal = QApplication::activeModalWidget()) != nullptr; }, 5000));
        act(modal);
        modal->close();
    });
    const NestedLoopBound bound(60000);
    run();
    EXPECT_FALSE(bound.Closed()) << "the window was still open after a minute";
}

// Shows the owner, a main window of fixed size, and the kind over it.
std::function<void(const WindowAction&)> OverOwner(std::function<void(CWnd& owner, const WindowAction& act)> show)
{
    return [show](const WindowAction& act) {
        RegisterDialog(kOwner, "Rorovavozir", WS_MINIMIZEBOX);
        RegisterDialog(kFixed, "保存", 0);
        CDialog owner(kOwner);
        ASSERT_TRUE(owner.Create(kOwner));
        owner.ShowWindow(SW_SHOW);
        show(owner, act);
        owner.DestroyWindow();
    };
}

} // namespace

const std::vector<WindowKind>& EveryKindOfWindow()
{
    static const std::vector<WindowKind> kinds = {
        {"MainWindow", true, false, OverOwner([](CWnd& owner, const WindowAction& act) { act(WidgetOf(owner.m_hWnd)); })},
        {"TemplatedDialog", false, false, OverOwner([](CWnd& owner, const WindowAction& act) {
             CDialog dialog(kFixed);
             ASSERT_TRUE(dialog.Create(kFixed, &owner));
             dialog.ShowWindow(SW_SHOW);
             act(WidgetOf(dialog.m_hWnd));
             dialog.DestroyWindow();
         })},
        {"MessageBox", false, true, OverOwner([](CWnd& owner, const WindowAction& act) {
             WhileModal(act, [&] { owner.MessageBox("无法保存文件 'D:\\diary\\NewDiary1.ini'。", nullptr, MB_ICONSTOP); });
         })},
        {"ColourDialog", false, true, OverOwner([](CWnd& owner, const WindowAction& act) {
             CColorDialog dialog(RGB(1, 2, 3), CC_FULLOPEN | CC_ANYCOLOR, &owner);
             WhileModal(act, [&] { dialog.DoModal(); });
         })},
    };
    return kinds;
}

std::vector<WindowKind> KindsWithoutAMinimiseBox()
{
    std::vector<WindowKind> kinds;
    for (const WindowKind& kind : EveryKindOfWindow())
        if (!kind.minimiseBox)
            kinds.push_back(kind);
    return kinds;
}

namespace {

WindowKind ModalTemplatedDialog()
{
    return {"ModalTemplatedDialog", false, true, OverOwner([](CWnd& owner, const WindowAction& act) {
                CDialog dialog(kFixed, &owner);
                WhileModal(act, [&] { dialog.DoModal(); });
            })};
}

} // namespace

std::vector<WindowKind> ModalKinds()
{
    std::vector<WindowKind> kinds = {ModalTemplatedDialog()};
    for (const WindowKind& kind : EveryKindOfWindow())
        if (kind.modal)
            kinds.push_back(kind);
    return kinds;
}

std::vector<WindowKind> EveryKindAndTheModalDialog()
{
    std::vector<WindowKind> kinds = EveryKindOfWindow();
    kinds.push_back(ModalTemplatedDialog());
    return kinds;
}

void PrintTo(const WindowKind& kind, std::ostream* out)
{
    *out << kind.name;
}

#include "DesktopView.h"

#include "platform/ui/TestHooks.h"

#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QWidget>
#include <QWindow>

namespace {

// A property as xprop prints it, of the root window when no window is given.
QString XProperty(const QString& name, const QWidget* window = nullptr)
{
    QStringList arguments{"-notype", name};
    arguments.prepend(window ? QString::number(window->winId()) : QString("-root"));
    if (window)
        arguments.prepend("-id");
    QProcess xprop;
    xprop.start("xprop", arguments);
    xprop.waitForFinished();
    return QString::fromLatin1(xprop.readAllStandardOutput());
}

std::vector<unsigned long> WindowIds(const QString& text)
{
    std::vector<unsigned long> ids;
    const QRegularExpression id("0x[0-9a-fA-F]+");
    for (auto match = id.globalMatch(text); match.hasNext();)
        ids.push_back(match.next().captured().toULong(nullptr, 16));
    return ids;
}

// Bottom first.
long StackingPlace(const QWidget& window)
{
    const std::vector<unsigned long> stacking = WindowIds(XProperty("_NET_CLIENT_LIST_STACKING"));
    for (size_t place = 0; place < stacking.size(); ++place)
        if (stacking[place] == window.winId())
            return static_cast<long>(place);
    return -1;
}

} // namespace

DesktopView AsTheDesktopSees(QWidget& window, QWidget& owner)
{
    DesktopView view;
    if (QGuiApplication::platformName() != "xcb") {
        view.transientForOwner = window.windowHandle() && window.windowHandle()->transientParent() == owner.windowHandle();
        view.modal = window.windowModality() != Qt::NonModal;
        view.keptAboveOwner = view.transientForOwner;
        return view;
    }
    const std::vector<unsigned long> transientFor = WindowIds(XProperty("WM_TRANSIENT_FOR", &window));
    view.transientForOwner = transientFor.size() == 1 && transientFor[0] == owner.winId();
    view.modal = XProperty("_NET_WM_STATE", &window).contains("_NET_WM_STATE_MODAL");
    owner.raise();
    owner.activateWindow();
    // The window manager restacks in its own time: a while to do so.
    platform::ui::PumpEventsUntil([] { return false; }, 300);
    view.keptAboveOwner = StackingPlace(window) > StackingPlace(owner) && StackingPlace(owner) >= 0;
    return view;
}

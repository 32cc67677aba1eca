#include "platform/ui/DC.h"

#include "platform/ui/Wnd.h"
#include "platform/ui/qt/DcFactory.h"
#include "platform/ui/qt/DcRecord.h"
#include "platform/ui/qt/WindowAccess.h"

using namespace platform::ui::detail;

namespace {

// Drawing outside a paint goes to the window's overlay, which the window shows when it repaints.
class OnOverlay : public DcTarget {
public:
    explicit OnOverlay(HWND window) : m_window(window) {}

    QPainter* Begin(const DcState& state) override
    {
        QImage& overlay = ClientOverlay(m_window);
        if (overlay.isNull() || !m_painter.begin(&overlay))
            return nullptr;
        PreparePainter(m_painter, state);
        return &m_painter;
    }

    void End(const QRect& touched) override
    {
        m_painter.end();
        if (!touched.isEmpty())
            OverlayChanged(m_window, touched);
    }

    const QImage* Pixels(const DcState&, QPoint* origin) const override
    {
        *origin = QPoint(0, 0);
        const QImage& overlay = ClientOverlay(m_window);
        return overlay.isNull() ? nullptr : &overlay;
    }

private:
    HWND m_window;
    QPainter m_painter;
};

DcRecord* WindowRecordDc(HWND window)
{
    return new DcRecord(window ? std::unique_ptr<DcTarget>(std::make_unique<OnOverlay>(window)) : InformationTarget());
}

HWND HwndOf(const CWnd* window)
{
    return window ? window->m_hWnd : nullptr;
}

} // namespace

namespace platform::ui::detail {

std::unique_ptr<CDC> MakeWindowDc(HWND window)
{
    return std::make_unique<AdoptingDc>(WindowRecordDc(window));
}

} // namespace platform::ui::detail

CPaintDC::CPaintDC(CWnd* window) : m_hWnd(HwndOf(window))
{
    QPainter* painter = ActivePainter(m_hWnd);
    Adopt(painter ? new DcRecord(PainterTarget(*painter)) : WindowRecordDc(m_hWnd));
}

CClientDC::CClientDC(CWnd* window) : m_hWnd(HwndOf(window))
{
    Adopt(WindowRecordDc(m_hWnd));
}

CWindowDC::CWindowDC(CWnd* window) : m_hWnd(HwndOf(window))
{
    Adopt(WindowRecordDc(m_hWnd));
}

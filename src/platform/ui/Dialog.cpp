#include "platform/ui/Dialog.h"

#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/ControlFactory.h"
#include "platform/ui/qt/DialogManager.h"
#include "platform/ui/qt/EventBridge.h"
#include "platform/ui/qt/KeptCentred.h"
#include "platform/ui/qt/ModalOwner.h"
#include "platform/ui/qt/OwnedWindow.h"
#include "platform/ui/qt/ScrolledDialog.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLineEdit>
#include <stdexcept>
#include <string>

using namespace platform::ui::detail;

RV_MESSAGE_MAP(CDialog, CWnd)

namespace {

// As the framework does, a dialog its program did not place opens centred over its owner's
// window, or on the screen while that is not on it, and inside the screen's work area. Placed
// before its first show, the window carries the place to the window manager as the program's own:
// left unplaced, fluxbox put it where its placement rules said, away from the window it was
// opened from; asked for a place above the screen, icewm put the title bar there and fluxbox
// moved the dialog to the far corner.
void CentreIfUnplaced(CDialog& dialog, CWnd* owner)
{
    QWidget* widget = WidgetOf(dialog.m_hWnd);
    if (!widget->testAttribute(Qt::WA_Moved))
        KeepCentred(*widget, owner ? OwnerWindowOf(WidgetOf(owner->m_hWnd)) : nullptr);
}

} // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog()
{
    if (RecordOf(m_hWnd))
        DestroyWindow();
}

HWND CDialog::BuildWindow(CWnd* owner)
{
    const DialogTemplate* dialog = FindDialogTemplate(m_templateId);
    if (!dialog)
        throw std::runtime_error("no dialog template " + std::to_string(m_templateId));
    auto* widget = new DialogWidget;
    // Without a caption the dialog shows no title bar: a desktop would fill an empty one with the
    // program's name.
    const Qt::WindowFlags titleBar =
        (dialog->style & WS_CAPTION)
            ? ((dialog->style & WS_SYSMENU) ? Qt::WindowCloseButtonHint : Qt::WindowFlags()) |
                  ((dialog->style & WS_MINIMIZEBOX) ? Qt::WindowMinimizeButtonHint : Qt::WindowFlags()) |
                  Qt::WindowTitleHint
            : Qt::FramelessWindowHint;
    widget->setWindowFlags(Qt::Dialog | titleBar | Qt::CustomizeWindowHint);
    const QFont font = DialogFont(dialog->fontFace, dialog->fontPoints);
    widget->setFont(font);
    const BaseUnits units = BaseUnitsOf(font);
    const QRect size = DialogUnitsToPixels(units, 0, 0, dialog->cx, dialog->cy);
    widget->resize(size.width(), size.height());
    // Without a sizing frame the user can neither drag the size nor maximise; the program still can.
    if (!(dialog->style & WS_THICKFRAME))
        widget->setFixedSize(size.size());
    widget->setWindowTitle(QString::fromStdString(dialog->caption));
    const HWND window = Register(widget, WindowKind::Dialog, m_templateId, dialog->style, dialog->exStyle);
    widget->installEventFilter(&EventBridge::Instance());
    QWidget* client = ClientPageFor(widget, size.size(), WorkAreaFor(owner ? WidgetOf(owner->m_hWnd) : nullptr));
    WindowRecord* record = RecordOf(window);
    record->owner = owner ? owner->m_hWnd : nullptr;
    // The dialog's font, for controls that ask their parent for it.
    record->ownFont = std::make_unique<CFont>();
    record->ownFont->CreatePointFont(dialog->fontPoints * 10, dialog->fontFace.c_str());
    record->font = record->ownFont.get();
    KeepWithOwner(*widget, owner ? WidgetOf(owner->m_hWnd) : nullptr);
    for (const ControlTemplate& control : dialog->controls) {
        CreateControl(control, client, units);
        if (control.cls == ControlClass::Button && (control.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON &&
            record->defaultId == 0)
            record->defaultId = static_cast<UINT>(control.id);
    }
    FollowDialogFocus();
    SubclassWindow(window);
    return window;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_templateId = templateId;
    m_pParentWnd = parent;
    BuildWindow(parent);
    SendMessage(WM_INITDIALOG, 0, 0);
    if (RecordOf(m_hWnd))
        CentreIfUnplaced(*this, parent);
    return RecordOf(m_hWnd) != nullptr;
}

INT_PTR CDialog::DoModal()
{
    CWnd* owner = ModalOwnerFor(m_pParentWnd);
    if (owner == this)
        owner = nullptr;
    CancelMouseMode();
    const HWND window = BuildWindow(owner);
    // Tied to its owner as it was built; modal to it in the toolkit's terms too.
    if (owner)
        WidgetOf(window)->setWindowModality(Qt::WindowModal);
    m_running = true;
    m_result = IDCANCEL;
    SendMessage(WM_INITDIALOG, 0, 0);

    if (m_running) {
        CentreIfUnplaced(*this, owner);
        QWidget* widget = WidgetOf(window);
        const ModalOwnerScope ownerScope(owner, widget);
        widget->show();
        widget->activateWindow();
        SendMessage(WM_SHOWWINDOW, TRUE, 0);
        if (!platform::ui::RunModalHandler(this)) {
            QEventLoop loop;
            m_loop = &loop;
            if (m_running)
                loop.exec();
            m_loop = nullptr;
        }
    }
    if (RecordOf(window)) {
        if (QWidget* widget = WidgetOf(window))
            widget->hide();
        DestroyWindow();
    }
    return m_result;
}

void CDialog::EndDialog(int result)
{
    m_result = result;
    if (!m_running) {
        // A modeless dialog is only hidden.
        ShowWindow(SW_HIDE);
        return;
    }
    m_running = false;
    if (m_loop)
        static_cast<QEventLoop*>(m_loop)->quit();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnLayerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_INITDIALOG) {
        *result = OnInitDialog();
        return TRUE;
    }
    // IDOK and IDCANCEL reach OnOK and OnCancel unless the dialog's own map takes them first.
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        *result = 0;
        if (OnMappedMessage(message, wParam, lParam, result))
            return TRUE;
        if (LOWORD(wParam) == IDOK)
            OnOK();
        else
            OnCancel();
        return TRUE;
    }
    return FALSE;
}

// ---- data exchange ----------------------------------------------------------------------

HWND CDataExchange::PrepareCtrl(int id)
{
    CWnd* control = m_pDlgWnd ? m_pDlgWnd->GetDlgItem(id) : nullptr;
    if (!control)
        throw std::runtime_error("dialog has no control " + std::to_string(id));
    return control->m_hWnd;
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (control.m_hWnd == nullptr)
        control.SubclassWindow(dx->PrepareCtrl(id));
}

void DDX_Text(CDataExchange* dx, int id, CString& value)
{
    CWnd* control = CWnd::FromHandle(dx->PrepareCtrl(id));
    if (dx->m_bSaveAndValidate)
        control->GetWindowText(value);
    else
        control->SetWindowText(value);
}

void DDX_Text(CDataExchange* dx, int id, int& value)
{
    CWnd* control = CWnd::FromHandle(dx->PrepareCtrl(id));
    if (dx->m_bSaveAndValidate) {
        value = std::atoi(control->GetWindowText());
    } else {
        CString text;
        text.Format("%d", value);
        control->SetWindowText(text);
    }
}

void DDX_Check(CDataExchange* dx, int id, int& value)
{
    auto* button = qobject_cast<QAbstractButton*>(WidgetOf(dx->PrepareCtrl(id)));
    if (!button)
        return;
    if (dx->m_bSaveAndValidate)
        value = button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
    else
        button->setChecked(value == BST_CHECKED);
}

void DDX_Radio(CDataExchange* dx, int id, int& value)
{
    // The radio buttons of one group: the first (with WS_GROUP) and those after it up to the next group.
    QWidget* first = WidgetOf(dx->PrepareCtrl(id));
    const QList<QWidget*> siblings = first->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    int index = 0;
    if (dx->m_bSaveAndValidate)
        value = -1;
    for (auto i = siblings.indexOf(first); i < siblings.size(); ++i) {
        WindowRecord* record = RecordOf(HandleOf(siblings[i]));
        auto* radio = qobject_cast<QAbstractButton*>(siblings[i]);
        if (!record || !radio || (i != siblings.indexOf(first) && (record->style & WS_GROUP)))
            break;
        if (dx->m_bSaveAndValidate) {
            if (radio->isChecked())
                value = index;
        } else {
            radio->setChecked(index == value);
        }
        ++index;
    }
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index)
{
    auto* combo = qobject_cast<QComboBox*>(WidgetOf(dx->PrepareCtrl(id)));
    if (!combo)
        return;
    if (dx->m_bSaveAndValidate)
        index = combo->currentIndex();
    else
        combo->setCurrentIndex(index);
}

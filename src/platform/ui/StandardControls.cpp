#include "platform/ui/StandardControls.h"

#include "platform/ui/HeaderCtrl.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/ReBarCtrl.h"
#include "platform/ui/ToolBarCtrl.h"
#include "platform/ui/ToolTipCtrl.h"
#include "platform/ui/qt/ChildControl.h"
#include "platform/ui/qt/ControlFactory.h"
#include "platform/ui/qt/GdiAccess.h"
#include "platform/ui/qt/StoredByteLimit.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QVariant>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalBlocker>

using namespace platform::ui::detail;

RV_MESSAGE_MAP(CStatic, CWnd)
RV_MESSAGE_MAP(CButton, CWnd)
RV_MESSAGE_MAP(CEdit, CWnd)
RV_MESSAGE_MAP(CComboBox, CWnd)
RV_MESSAGE_MAP(CListBox, CWnd)
RV_MESSAGE_MAP(CProgressCtrl, CWnd)

namespace {

template <typename Widget>
Widget* As(const CWnd* window)
{
    return qobject_cast<Widget*>(WidgetOf(window->m_hWnd));
}

QString Utf8(LPCTSTR text)
{
    return QString::fromUtf8(text ? text : "");
}

} // namespace

// ---- bitmaps on statics and buttons --------------------------------------------------------

namespace {

// The bitmap a control shows is kept with its widget, for the next SetBitmap to return.
const char* const kBitmapProperty = "rvBitmap";

HBITMAP ShownBitmap(const QWidget* widget)
{
    return widget ? reinterpret_cast<HBITMAP>(widget->property(kBitmapProperty).value<quintptr>()) : nullptr;
}

HBITMAP Show(QWidget* widget, HBITMAP bitmap)
{
    if (!widget)
        return nullptr;
    const HBITMAP previous = ShownBitmap(widget);
    widget->setProperty(kBitmapProperty, QVariant::fromValue(reinterpret_cast<quintptr>(bitmap)));
    const QImage* image = ImageOf(bitmap);
    if (qobject_cast<QLabel*>(widget)) {
        ShowStaticPicture(widget, image ? *image : QImage());
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        const QPixmap pixmap = image ? QPixmap::fromImage(*image) : QPixmap();
        button->setIcon(QIcon(pixmap));
        button->setIconSize(pixmap.size());
    }
    return previous;
}

} // namespace

HBITMAP CStatic::SetBitmap(HBITMAP bitmap)
{
    return Show(WidgetOf(m_hWnd), bitmap);
}

HBITMAP CStatic::GetBitmap() const
{
    return ShownBitmap(WidgetOf(m_hWnd));
}

HBITMAP CButton::SetBitmap(HBITMAP bitmap)
{
    return Show(WidgetOf(m_hWnd), bitmap);
}

// ---- button -------------------------------------------------------------------------------

int CButton::GetCheck() const
{
    auto* button = As<QAbstractButton>(this);
    return button && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CButton::SetCheck(int state)
{
    if (auto* button = As<QAbstractButton>(this)) {
        const QSignalBlocker quiet(button);
        button->setChecked(state == BST_CHECKED);
    }
}

UINT CButton::GetButtonStyle() const
{
    return GetStyle() & BS_TYPEMASK;
}

BOOL CButton::Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (!CreateChildControl(*this, ControlClass::Button, style, rect, parent, id))
        return FALSE;
    SetWindowText(caption ? caption : "");
    return TRUE;
}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *result = TRUE;
        return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, result);
}

void CheckRadioButton(CWnd* dialog, int firstId, int lastId, int checkId)
{
    for (int id = firstId; id <= lastId; ++id)
        if (auto* button = static_cast<CButton*>(dialog->GetDlgItem(id)))
            button->SetCheck(id == checkId ? BST_CHECKED : BST_UNCHECKED);
}

// ---- edit ---------------------------------------------------------------------------------

BOOL CEdit::SetReadOnly(BOOL readOnly)
{
    if (!SetEditReadOnly(WidgetOf(m_hWnd), readOnly != FALSE))
        return FALSE;
    return ModifyStyle(readOnly ? 0 : ES_READONLY, readOnly ? ES_READONLY : 0), TRUE;
}

void CEdit::SetLimitText(UINT maxStoredBytes)
{
    if (auto* line = As<QLineEdit>(this))
        StoredByteLimit::Apply(*line, maxStoredBytes);
}

// ---- combo box ----------------------------------------------------------------------------

int CComboBox::AddString(LPCTSTR text)
{
    auto* combo = As<QComboBox>(this);
    if (!combo)
        return CB_ERR;
    const QString value = Utf8(text);
    int index = combo->count();
    if (GetStyle() & CBS_SORT) {
        // Windows sorts without regard to letter case.
        index = 0;
        while (index < combo->count() && QString::compare(combo->itemText(index), value, Qt::CaseInsensitive) <= 0)
            ++index;
    }
    return InsertString(index, text);
}

int CComboBox::InsertString(int index, LPCTSTR text)
{
    auto* combo = As<QComboBox>(this);
    if (!combo)
        return CB_ERR;
    const QSignalBlocker quiet(combo);
    const int at = index < 0 || index > combo->count() ? combo->count() : index;
    const QString editText = combo->isEditable() ? combo->currentText() : QString();
    const int selected = combo->currentIndex();
    combo->insertItem(at, Utf8(text));
    // Adding never changes the selection, as on Windows.
    combo->setCurrentIndex(selected < 0 ? -1 : (selected >= at ? selected + 1 : selected));
    if (combo->isEditable())
        combo->setEditText(editText);
    return at;
}

int CComboBox::DeleteString(UINT index)
{
    auto* combo = As<QComboBox>(this);
    if (!combo || static_cast<int>(index) >= combo->count())
        return CB_ERR;
    const QSignalBlocker quiet(combo);
    combo->removeItem(static_cast<int>(index));
    return combo->count();
}

void CComboBox::ResetContent()
{
    if (auto* combo = As<QComboBox>(this)) {
        const QSignalBlocker quiet(combo);
        combo->clear();
        if (combo->isEditable())
            combo->setEditText(QString());
    }
}

int CComboBox::GetCount() const
{
    auto* combo = As<QComboBox>(this);
    return combo ? combo->count() : CB_ERR;
}

int CComboBox::GetCurSel() const
{
    auto* combo = As<QComboBox>(this);
    return combo && combo->currentIndex() >= 0 ? combo->currentIndex() : CB_ERR;
}

int CComboBox::SetCurSel(int index)
{
    auto* combo = As<QComboBox>(this);
    if (!combo)
        return CB_ERR;
    const QSignalBlocker quiet(combo);
    if (index < 0 || index >= combo->count()) {
        combo->setCurrentIndex(-1);
        return CB_ERR;
    }
    combo->setCurrentIndex(index);
    return index;
}

void CComboBox::GetLBText(int index, CString& text) const
{
    auto* combo = As<QComboBox>(this);
    text = combo && index >= 0 && index < combo->count() ? CString(combo->itemText(index).toStdString()) : CString();
}

int CComboBox::GetLBTextLen(int index) const
{
    CString text;
    GetLBText(index, text);
    return text.GetLength();
}

int CComboBox::FindStringExact(int startAfter, LPCTSTR text) const
{
    auto* combo = As<QComboBox>(this);
    if (!combo)
        return CB_ERR;
    const QString value = Utf8(text);
    const int count = combo->count();
    for (int step = 1; step <= count; ++step) {
        const int index = (startAfter + step + count) % count;
        if (QString::compare(combo->itemText(index), value, Qt::CaseInsensitive) == 0)
            return index;
    }
    return CB_ERR;
}

// ---- list box -----------------------------------------------------------------------------

int CListBox::AddString(LPCTSTR text)
{
    auto* list = As<QListWidget>(this);
    if (!list)
        return LB_ERR;
    const QSignalBlocker quiet(list);
    int index = list->count();
    if (GetStyle() & LBS_SORT) {
        index = 0;
        while (index < list->count() &&
               QString::compare(list->item(index)->text(), Utf8(text), Qt::CaseInsensitive) <= 0)
            ++index;
    }
    list->insertItem(index, Utf8(text));
    return index;
}

int CListBox::DeleteString(UINT index)
{
    auto* list = As<QListWidget>(this);
    if (!list || static_cast<int>(index) >= list->count())
        return LB_ERR;
    const QSignalBlocker quiet(list);
    delete list->takeItem(static_cast<int>(index));
    return list->count();
}

void CListBox::ResetContent()
{
    if (auto* list = As<QListWidget>(this)) {
        const QSignalBlocker quiet(list);
        list->clear();
    }
}

int CListBox::GetCount() const
{
    auto* list = As<QListWidget>(this);
    return list ? list->count() : LB_ERR;
}

int CListBox::GetCurSel() const
{
    auto* list = As<QListWidget>(this);
    return list && list->currentRow() >= 0 && list->currentItem()->isSelected() ? list->currentRow() : LB_ERR;
}

int CListBox::SetCurSel(int index)
{
    auto* list = As<QListWidget>(this);
    if (!list)
        return LB_ERR;
    const QSignalBlocker quiet(list);
    if (index < 0 || index >= list->count()) {
        list->clearSelection();
        list->setCurrentRow(-1);
        return index == -1 ? 0 : LB_ERR;
    }
    list->setCurrentRow(index);
    return index;
}

void CListBox::GetText(int index, CString& text) const
{
    auto* list = As<QListWidget>(this);
    text = list && index >= 0 && index < list->count() ? CString(list->item(index)->text().toStdString()) : CString();
}

int CListBox::SetItemHeight(int, UINT height)
{
    auto* list = As<QListWidget>(this);
    if (!list)
        return LB_ERR;
    list->setStyleSheet(QStringLiteral("QListWidget::item { height: %1px; }").arg(height));
    return 0;
}

// ---- progress -----------------------------------------------------------------------------

void CProgressCtrl::SetRange(short lower, short upper)
{
    if (auto* bar = As<QProgressBar>(this))
        bar->setRange(lower, upper);
}

int CProgressCtrl::SetPos(int position)
{
    auto* bar = As<QProgressBar>(this);
    if (!bar)
        return 0;
    const int previous = bar->value();
    bar->setValue(position);
    return previous;
}

int CProgressCtrl::GetPos() const
{
    auto* bar = As<QProgressBar>(this);
    return bar ? bar->value() : 0;
}

// ---- wrappers for windows nobody attached -------------------------------------------------

namespace platform::ui::detail {

std::unique_ptr<CWnd> MakeWrapper(WindowKind kind)
{
    switch (kind) {
    case WindowKind::Static: return std::make_unique<CStatic>();
    case WindowKind::Button: return std::make_unique<CButton>();
    case WindowKind::Edit: return std::make_unique<CEdit>();
    case WindowKind::ComboBox: return std::make_unique<CComboBox>();
    case WindowKind::ListBox: return std::make_unique<CListBox>();
    case WindowKind::Progress: return std::make_unique<CProgressCtrl>();
    case WindowKind::ListView: return std::make_unique<CListCtrl>();
    case WindowKind::Header: return std::make_unique<CHeaderCtrl>();
    case WindowKind::Toolbar: return std::make_unique<CToolBarCtrl>();
    case WindowKind::Rebar: return std::make_unique<CReBarCtrl>();
    case WindowKind::ToolTip: return std::make_unique<CToolTipCtrl>();
    default: return std::make_unique<CWnd>();
    }
}

} // namespace platform::ui::detail

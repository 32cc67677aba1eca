#include "platform/ui/qt/ControlFactory.h"

#include "platform/ui/Gdi.h"
#include "platform/ui/Resources.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/qt/ComboBoxWidget.h"
#include "platform/ui/qt/GdiAccess.h"
#include "platform/ui/qt/EventBridge.h"
#include "platform/ui/qt/ListBoxWidget.h"
#include "platform/ui/qt/ListViewWidget.h"
#include "platform/ui/qt/OwnerDrawButton.h"
#include "platform/ui/qt/StaticLabel.h"
#include "platform/ui/qt/RebarWidget.h"
#include "platform/ui/qt/ToolTipWidget.h"
#include "platform/ui/qt/ToolbarWidget.h"
#include "platform/ui/qt/WindowAccess.h"
#include "platform/ui/qt/WindowRecord.h"

#include <QCheckBox>
#include <algorithm>
#include <cstdlib>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <type_traits>

namespace platform::ui::detail {
namespace {

QColor ColorOf(COLORREF colour)
{
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

// Check boxes and radio buttons without the AUTO style change only when the program says so.
template <typename Base>
class ManualButton : public Base {
protected:
    void nextCheckState() override {}
};

// A button of the BS_BITMAP or BS_ICON style shows its picture in place of its text, which stays
// its window text.
template <typename Base>
class PictureOnly : public Base {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        this->initStyleOption(&option);
        option.text.clear();
        painter.drawControl(std::is_base_of_v<QCheckBox, Base>      ? QStyle::CE_CheckBox
                            : std::is_base_of_v<QRadioButton, Base> ? QStyle::CE_RadioButton
                                                                    : QStyle::CE_PushButton,
                            option);
    }
};

template <typename Button>
Button* NewButton(const ControlTemplate& c)
{
    if (c.style & (BS_BITMAP | BS_ICON))
        return new PictureOnly<Button>();
    return new Button();
}

QWidget* MakeStatic(const ControlTemplate& c, QWidget* parent)
{
    const DWORD type = c.style & SS_TYPEMASK;
    if (type == SS_ETCHEDHORZ) {
        auto* line = new QFrame(parent);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        return line;
    }
    auto* label = new StaticLabel(parent);
    label->setTextFormat(Qt::PlainText);
    // A static without SS_NOTIFY lets the mouse through, as on Windows.
    label->setAttribute(Qt::WA_TransparentForMouseEvents, (c.style & SS_NOTIFY) == 0);
    if (type == SS_WHITERECT || type == SS_BLACKRECT) {
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, type == SS_WHITERECT ? Qt::white : Qt::black);
        label->setPalette(palette);
        return label;
    }
    if (type == SS_BITMAP)
        return label;
    label->setText(QString::fromStdString(c.text));
    label->setWordWrap(type == SS_LEFT);
    const Qt::Alignment horizontal = type == SS_CENTER ? Qt::AlignHCenter
                                     : type == SS_RIGHT ? Qt::AlignRight
                                                        : Qt::AlignLeft;
    label->setAlignment(horizontal | ((c.style & SS_CENTERIMAGE) ? Qt::AlignVCenter : Qt::AlignTop));
    return label;
}

// "#302" names bitmap resource 302, which a bitmap static shows from the start.
void ShowTemplatePicture(QWidget* label, const ControlTemplate& c)
{
    if ((c.style & SS_TYPEMASK) != SS_BITMAP || c.text.size() < 2 || c.text[0] != '#')
        return;
    const HBITMAP bitmap = LoadBitmapResource(static_cast<UINT>(std::atoi(c.text.c_str() + 1)));
    if (const QImage* image = ImageOf(bitmap))
        ShowStaticPicture(label, *image);
    DeleteObject(bitmap);
}

QWidget* MakeButton(const ControlTemplate& c, QWidget* parent)
{
    const QString text = QString::fromStdString(c.text);
    QAbstractButton* button = nullptr;
    switch (c.style & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX: button = NewButton<QCheckBox>(c); break;
    case BS_CHECKBOX: button = NewButton<ManualButton<QCheckBox>>(c); break;
    case BS_AUTORADIOBUTTON: button = NewButton<QRadioButton>(c); break;
    case BS_RADIOBUTTON: button = NewButton<ManualButton<QRadioButton>>(c); break;
    case BS_OWNERDRAW: button = new OwnerDrawButton(parent); break;
    case BS_GROUPBOX: {
        auto* box = new QGroupBox(text, parent);
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        return box;
    }
    default: {
        auto* push = NewButton<QPushButton>(c);
        push->setAutoDefault(false);
        button = push;
        break;
    }
    }
    button->setParent(parent);
    button->setText(text);
    if (c.bitmap != 0) {
        const HBITMAP bitmap = LoadBitmapResource(c.bitmap);
        if (const QImage* image = ImageOf(bitmap)) {
            button->setIcon(QIcon(QPixmap::fromImage(*image)));
            button->setIconSize(image->size());
        }
        DeleteObject(bitmap);
    }
    if (auto* radio = qobject_cast<QRadioButton*>(button))
        radio->setAutoExclusive(false);
    return button;
}

// The desktop's bar shows no text of its own; its window shows the percentage where it wants.
QWidget* MakeProgress(QWidget* parent)
{
    auto* bar = new QProgressBar(parent);
    bar->setTextVisible(false);
    return bar;
}

QWidget* MakeEdit(const ControlTemplate& c, QWidget* parent)
{
    QWidget* edit = nullptr;
    if (c.style & ES_MULTILINE)
        edit = new QPlainTextEdit(QString::fromStdString(c.text), parent);
    else
        edit = new QLineEdit(QString::fromStdString(c.text), parent);
    SetEditReadOnly(edit, (c.style & ES_READONLY) != 0);
    return edit;
}

QWidget* MakeComboBox(const ControlTemplate& c, QWidget* parent)
{
    auto* combo = new ComboBoxWidget(parent);
    combo->setEditable((c.style & 0x3) == CBS_DROPDOWN);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

WindowKind KindOf(ControlClass cls)
{
    switch (cls) {
    case ControlClass::Static: return WindowKind::Static;
    case ControlClass::Button: return WindowKind::Button;
    case ControlClass::Edit: return WindowKind::Edit;
    case ControlClass::ComboBox: return WindowKind::ComboBox;
    case ControlClass::ListBox: return WindowKind::ListBox;
    case ControlClass::ListView: return WindowKind::ListView;
    case ControlClass::Progress: return WindowKind::Progress;
    case ControlClass::Toolbar: return WindowKind::Toolbar;
    case ControlClass::Rebar: return WindowKind::Rebar;
    case ControlClass::ToolTip: return WindowKind::ToolTip;
    }
    return WindowKind::Static;
}

// Auto radio buttons of one group (from a WS_GROUP button to the next) check one another out.
void UncheckGroupSiblings(QRadioButton* clicked)
{
    const QWidget* parent = clicked->parentWidget();
    if (!parent)
        return;
    const QList<QWidget*> siblings = parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    const auto at = siblings.indexOf(clicked);
    const auto groupStart = [](QWidget* w) {
        WindowRecord* r = RecordOf(HandleOf(w));
        return r && (r->style & WS_GROUP);
    };
    qsizetype first = at;
    while (first > 0 && !groupStart(siblings[first]))
        --first;
    for (qsizetype i = first; i < siblings.size(); ++i) {
        if (i > first && groupStart(siblings[i]))
            break;
        auto* radio = qobject_cast<QRadioButton*>(siblings[i]);
        WindowRecord* record = RecordOf(HandleOf(radio));
        if (radio && radio != clicked && record && (record->style & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
            radio->setChecked(false);
    }
}

void ConnectNotifications(QWidget* widget, HWND window)
{
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        QObject::connect(radio, &QAbstractButton::clicked, [radio, window] {
            WindowRecord* record = RecordOf(window);
            if (record && (record->style & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
                radio->setChecked(true);
                UncheckGroupSiblings(radio);
            }
            NotifyCommand(window, BN_CLICKED);
        });
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QObject::connect(button, &QAbstractButton::clicked, [window] { NotifyCommand(window, BN_CLICKED); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        QObject::connect(edit, &QLineEdit::textChanged, [window] { NotifyCommand(window, EN_CHANGE); });
    } else if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) {
        QObject::connect(multi, &QPlainTextEdit::textChanged, [window] { NotifyCommand(window, EN_CHANGE); });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        QObject::connect(combo, &QComboBox::activated, [window] { NotifyCommand(window, CBN_SELCHANGE); });
        QObject::connect(combo, &QComboBox::editTextChanged, [window, combo] {
            if (combo->lineEdit() && combo->lineEdit()->hasFocus())
                NotifyCommand(window, CBN_EDITCHANGE);
        });
    }
}

} // namespace

bool SetEditReadOnly(QWidget* edit, bool readOnly)
{
    if (auto* line = qobject_cast<QLineEdit*>(edit))
        line->setReadOnly(readOnly);
    else if (auto* multi = qobject_cast<QPlainTextEdit*>(edit))
        multi->setReadOnly(readOnly);
    else
        return false;
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, ColorOf(GetSysColor(readOnly ? COLOR_BTNFACE : COLOR_WINDOW)));
    edit->setPalette(palette);
    return true;
}

DialogWidget::DialogWidget()
{
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void DialogWidget::PaintBackground(QWidget* dialog, QPainter& painter, const QRect& area)
{
    painter.fillRect(area, ColorOf(GetSysColor(COLOR_BTNFACE)));
    if (WindowRecord* record = RecordOf(HandleOf(dialog)); record && !record->overlay.isNull())
        painter.drawImage(0, 0, record->overlay);
}

void DialogWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    PaintBackground(this, painter, event->rect());
}

void ShowStaticPicture(QWidget* widget, const QImage& picture)
{
    auto* label = dynamic_cast<StaticLabel*>(widget);
    if (!label)
        return;
    const WindowRecord* record = RecordOf(HandleOf(label));
    if (!record || (record->style & SS_TYPEMASK) != SS_BITMAP)
        return;
    label->ShowPicture(picture, (record->style & SS_REALSIZECONTROL) != 0, (record->exStyle & WS_EX_TRANSPARENT) != 0);
}

QWidget* CreateControl(const ControlTemplate& c, QWidget* dialog, const BaseUnits& units)
{
    return CreateControlAt(c, dialog, DialogUnitsToPixels(units, c.x, c.y, c.cx, c.cy));
}

QWidget* CreateControlAt(const ControlTemplate& c, QWidget* dialog, const QRect& pixels)
{
    QWidget* widget = nullptr;
    switch (c.cls) {
    case ControlClass::Static: widget = MakeStatic(c, dialog); break;
    case ControlClass::Button: widget = MakeButton(c, dialog); break;
    case ControlClass::Edit: widget = MakeEdit(c, dialog); break;
    case ControlClass::ComboBox: widget = MakeComboBox(c, dialog); break;
    case ControlClass::ListBox: widget = new ListBoxWidget(dialog); break;
    case ControlClass::Progress: widget = MakeProgress(dialog); break;
    case ControlClass::ListView: widget = new ListViewWidget(dialog); break;
    case ControlClass::Toolbar: widget = new ToolbarWidget(dialog); break;
    case ControlClass::Rebar: widget = new RebarWidget(dialog); break;
    case ControlClass::ToolTip: widget = new ToolTipWidget(dialog); break;
    }
    widget->setGeometry(pixels);
    widget->setFont(dialog->font());
    // A combo box's template height includes its drop-down list; closed, it is one line high.
    if (c.cls == ControlClass::ComboBox)
        widget->resize(pixels.width(), std::min(pixels.height(), widget->sizeHint().height()));
    const HWND window = Register(widget, KindOf(c.cls), static_cast<UINT>(c.id), c.style, c.exStyle);
    if (c.cls == ControlClass::Static)
        ShowTemplatePicture(widget, c);
    widget->installEventFilter(&EventBridge::Instance());
    ConnectNotifications(widget, window);
    widget->setEnabled((c.style & WS_DISABLED) == 0);
    widget->setVisible(c.visible);
    return widget;
}

} // namespace platform::ui::detail

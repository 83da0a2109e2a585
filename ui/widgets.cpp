#include "ui/widgets.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/faces.h"
#include "ui/key_codes.h"
#include "ui/page.h"
#include "ui/placement.h"
#include "ui/style.h"

namespace ui {

// Keys

namespace {

// Whether the pupil is using the keyboard: the last key or button came from
// it rather than from the mouse or a finger. The focus is marked meanwhile.
bool keys_lead = false;

void lead_with_keys(bool keys)
{
    if (keys == keys_lead) return;
    keys_lead = keys;
    if (QWidget* focused = QApplication::focusWidget()) focused->update();
}

}  // namespace

bool KeyWatchingApplication::notify(QObject* receiver, QEvent* event)
{
    const auto type = event->type();
    if (type == QEvent::KeyPress) lead_with_keys(true);
    if (type == QEvent::MouseButtonPress || type == QEvent::TouchBegin) lead_with_keys(false);
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && receiver->isWidgetType()) {
        auto& key = static_cast<QKeyEvent&>(*event);
        // Many machines start with Num Lock off: the keypad's digits still
        // type digits and move on, the same way from here on.
        if (const int digit = keypad_digit_without_num_lock(key); digit >= 0) {
            QKeyEvent as_digit(type, Qt::Key_0 + digit, key.modifiers() | Qt::KeypadModifier, key.nativeScanCode(),
                               key.nativeVirtualKey(), key.nativeModifiers(), QString(QChar(u'0' + digit)),
                               key.isAutoRepeat(), key.count());
            const bool delivered = notify(receiver, &as_digit);
            key.setAccepted(as_digit.isAccepted());
            return delivered;
        }
        note_key_event(key);
        if (auto* window = dynamic_cast<WindowWidget*>(static_cast<QWidget*>(receiver)->window()))
            window->preview_key(key);
    }
    return QApplication::notify(receiver, event);
}

// Window

// The surface the controls stand on: the design's size at least, and the
// design fitted to whatever size the window is given.
class WindowWidget::Client : public QWidget {
public:
    Client(QWidget* parent, QSize design) : QWidget(parent), placement(*this, design)
    {
        setMinimumSize(placement.smallest_size());
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    QSize sizeHint() const override { return placement.smallest_size(); }

    Placement placement;

protected:
    void resizeEvent(QResizeEvent*) override { placement.fit(size()); }
};

WindowWidget::WindowWidget(QSize design, bool dialog)
    : QWidget(nullptr, (dialog && in_page ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
      client_(new Client(this, design)),
      layout_(new QVBoxLayout(this))
{
    // The designs' text, not the desktop's: captions keep the room drawn for
    // them. Where the desktop's font is the design's already, the window
    // keeps inheriting it, which spares every control a font of its own.
    if (const QFont design = design_font({}); design != font()) setFont(design);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->addWidget(client_);
}

WindowWidget::~WindowWidget() = default;

QWidget* WindowWidget::client() const
{
    return client_;
}

Placement& WindowWidget::placement()
{
    return client_->placement;
}

void WindowWidget::fit_within(QSize room, double scale)
{
    const QSize design = client_->placement.design_size();
    const int menus = menu_bar_ ? menu_bar_->sizeHint().height() : 0;
    const double fits = std::min(double(room.width()) / design.width(), double(room.height() - menus) / design.height());
    client_->placement.set_smallest_scale(std::clamp(fits, 0.25, scale));
    client_->setMinimumSize(client_->placement.smallest_size());
    client_->updateGeometry();
}

QMenuBar* WindowWidget::menu_bar()
{
    if (!menu_bar_) {
        menu_bar_ = new QMenuBar(this);
        menu_bar_->setNativeMenuBar(false);
        layout_->setMenuBar(menu_bar_);
    }
    return menu_bar_;
}

void WindowWidget::preview_key(const QKeyEvent& event)
{
    if (!listener_ || event.isAutoRepeat()) return;
    const auto code = key_code(event);
    const auto shift = shift_state(event);
    if (event.type() == QEvent::KeyPress)
        listener_->key_down(code, shift);
    else
        listener_->key_up(code, shift);
}

void WindowWidget::closeEvent(QCloseEvent* event)
{
    // The window stays: what closing means is its listener's business.
    event->ignore();
    if (listener_) listener_->close_asked();
}

// Text box

TextBoxWidget::TextBoxWidget(QWidget* parent) : QLineEdit(parent)
{
    // Only the characters that KeyPress lets through may change the box:
    // no paste, drop, undo, context menu or input method.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setDragEnabled(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

namespace {

bool moves_the_cursor_only(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End: return true;
    default: return false;
    }
}

// The character code that a key types, 0 when it types none.
std::int16_t typed_character(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    default: break;
    }
    const QString text = event.text();
    if (text.size() != 1) return 0;
    const char16_t code = text[0].unicode();
    return code <= 0x7FFF ? static_cast<std::int16_t>(code) : 0;
}

}  // namespace

void TextBoxWidget::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    if (moves_the_cursor_only(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const std::int16_t character = typed_character(*event);
    if (!character || !listener_) return;
    const std::int16_t let_in = listener_->character_typed(character);
    // The listener stops listening when its window goes, possibly meanwhile.
    if (let_in >= 32 && let_in != 127 && listener_) insert(QString(QChar(char16_t(let_in))));
}

void TextBoxWidget::keyReleaseEvent(QKeyEvent* event)
{
    event->accept();
    if (!event->isAutoRepeat() && listener_) listener_->key_up(key_code(*event), shift_state(*event));
}

void TextBoxWidget::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (listener_) listener_->focus_in(event->reason() == Qt::ActiveWindowFocusReason);
}

void TextBoxWidget::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (!hasFocus()) return;
    // Fusion marks a focused box itself, but faintly on some backgrounds
    // (red, or a dark desktop's): the ring marks it there.
    const QColor back = palette().color(QPalette::Base);
    const QColor around = parentWidget()->palette().color(QPalette::Window);
    if (fusion_marks_focus_on(palette(), back) && fusion_marks_focus_on(palette(), around)) return;
    draw_focus_ring(*this, back, palette().color(QPalette::Text));
}

void TextBoxWidget::inputMethodEvent(QInputMethodEvent* event)
{
    event->ignore();
}

void TextBoxWidget::mousePressEvent(QMouseEvent* event)
{
    // The middle button would paste the X selection.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void TextBoxWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// Buttons

template <class Base>
ButtonWidget<Base>::ButtonWidget(QWidget* parent) : Base(parent)
{
    QObject::connect(this, &QAbstractButton::clicked, this, [this] {
        if (listener_) listener_->clicked();
    });
}

template <class Base>
void ButtonWidget<Base>::keyPressEvent(QKeyEvent* event)
{
    // Enter clicks a focused button too, in every window.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & ~Qt::KeypadModifier)) {
        event->accept();
        this->click();
        return;
    }
    Base::keyPressEvent(event);
}

template <class Base>
void ButtonWidget<Base>::focusInEvent(QFocusEvent* event)
{
    Base::focusInEvent(event);
    if (listener_) listener_->focus_in(event->reason() == Qt::ActiveWindowFocusReason);
}

template <class Base>
void ButtonWidget<Base>::paintEvent(QPaintEvent* event)
{
    Base::paintEvent(event);
    // Marked while the keyboard leads: a click says where the pupil is already.
    if (this->hasFocus() && keys_lead)
        draw_focus_ring(*this, this->palette().color(QPalette::Button), this->palette().color(QPalette::ButtonText));
}

void click_on_escape(QAbstractButton& button)
{
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), button.window(), nullptr, nullptr, Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, &button, &QAbstractButton::click);
}

template class ButtonWidget<QPushButton>;
template class ButtonWidget<QToolButton>;

// Line

LineWidget::LineWidget(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineWidget::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), palette().color(QPalette::WindowText));
}

}  // namespace ui

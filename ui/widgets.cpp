#include "ui/widgets.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>
#include <cmath>
#include <map>

#include "ui/controls.h"
#include "ui/errors.h"
#include "ui/form.h"

namespace ui {

int pixels(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

QColor screen_color(Color color, const QPalette& palette)
{
    const auto bits = static_cast<std::uint32_t>(color);
    if (bits & 0x80000000u) {
        switch (bits & 0xFFu) {
        case 0x05: return palette.color(QPalette::Base);
        case 0x08: return palette.color(QPalette::Text);
        case 0x12: return palette.color(QPalette::ButtonText);
        default: return palette.color(QPalette::Button);
        }
    }
    return QColor(bits & 0xFF, (bits >> 8) & 0xFF, (bits >> 16) & 0xFF);
}

namespace {

// Key codes of the physical keys held down, as they were when pressed: a key
// released after Num Lock changed state is still the key that was typed.
std::map<quint32, std::int16_t> held_keys;
const QKeyEvent* release_in_delivery = nullptr;
std::int16_t code_of_release_in_delivery = 0;

// Qt 6.4 on Wayland leaves out Qt::KeypadModifier; the keypad keysyms
// (XKB_KEY_KP_Space to XKB_KEY_KP_Equal) still come as native virtual keys.
bool from_keypad(const QKeyEvent& event)
{
    const quint32 keysym = event.nativeVirtualKey();
    return (event.modifiers() & Qt::KeypadModifier) || (keysym >= 0xff80 && keysym <= 0xffbd);
}

std::int16_t code_from_key(const QKeyEvent& event)
{
    const int key = event.key();
    const bool keypad = from_keypad(event);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<std::int16_t>((keypad ? 96 : 48) + key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<std::int16_t>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return static_cast<std::int16_t>(112 + key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Asterisk: return keypad ? 106 : 0;
    case Qt::Key_Plus: return keypad ? 107 : 0;
    case Qt::Key_Minus: return keypad ? 109 : 0;
    case Qt::Key_Period: return keypad ? 110 : 0;
    case Qt::Key_Slash: return keypad ? 111 : 0;
    default: return 0;
    }
}

}  // namespace

void note_key_event(const QKeyEvent& event)
{
    const quint32 scan = event.nativeScanCode();
    if (event.type() == QEvent::KeyPress) {
        // The release noted last has been delivered; this event may reuse its address.
        release_in_delivery = nullptr;
        if (scan && !event.isAutoRepeat()) held_keys[scan] = code_from_key(event);
        return;
    }
    std::int16_t code = code_from_key(event);
    if (const auto held = held_keys.find(scan); scan && held != held_keys.end()) {
        code = held->second;
        if (!event.isAutoRepeat()) held_keys.erase(held);
    }
    release_in_delivery = &event;
    code_of_release_in_delivery = code;
}

std::int16_t key_code(const QKeyEvent& event)
{
    if (&event == release_in_delivery) return code_of_release_in_delivery;
    return code_from_key(event);
}

std::int16_t shift_state(const QKeyEvent& event)
{
    const auto modifiers = event.modifiers();
    return static_cast<std::int16_t>(((modifiers & Qt::ShiftModifier) ? 1 : 0) |
                                     ((modifiers & Qt::ControlModifier) ? 2 : 0) |
                                     ((modifiers & Qt::AltModifier) ? 4 : 0));
}

Control* live_owner(const OwnedWidget& widget)
{
    // A window being discarded hears nothing more from its widgets.
    return widget.owner && !widget.owner->form().discarded() ? widget.owner : nullptr;
}

void report_focus(OwnedWidget& widget)
{
    auto* control = dynamic_cast<Focusable*>(live_owner(widget));
    if (!control) return;
    dispatch([control] { control->form().focus_arrived(*control); });
}

// Window

FormWidget::FormWidget(Form& form, QSize client_size)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint),
      form_(&form),
      client_(new QWidget(this)),
      layout_(new QVBoxLayout(this))
{
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->setSizeConstraint(QLayout::SetFixedSize);
    client_->setFixedSize(client_size);
    layout_->addWidget(client_);
}

QMenuBar* FormWidget::menu_bar()
{
    if (!menu_bar_) {
        menu_bar_ = new QMenuBar(this);
        menu_bar_->setNativeMenuBar(false);
        layout_->setMenuBar(menu_bar_);
    }
    return menu_bar_;
}

void FormWidget::closeEvent(QCloseEvent* event)
{
    // The close box unloads the window; the unload itself hides it.
    event->ignore();
    if (form_ && form_->slot()) {
        FormSlotBase* slot = form_->slot();
        dispatch([slot] { slot->unload(); });
    }
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

TextBox* TextBoxWidget::text_box() const
{
    return dynamic_cast<TextBox*>(live_owner(*this));
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
int typed_character(const QKeyEvent& event)
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
    return code <= 0x7FFF ? code : 0;
}

}  // namespace

void TextBoxWidget::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    if (moves_the_cursor_only(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int character = typed_character(*event);
    TextBox* box = text_box();
    if (!character || !box) return;
    auto code = static_cast<std::int16_t>(character);
    bool handled = true;
    dispatch([&] {
        handled = false;
        if (box->onKeyPress) box->onKeyPress(code);
        handled = true;
    });
    // A character goes in only if the handler ran to its end and let it through.
    if (handled && code >= 32 && code != 127 && text_box()) insert(QString(QChar(char16_t(code))));
}

void TextBoxWidget::keyReleaseEvent(QKeyEvent* event)
{
    event->accept();
    TextBox* box = text_box();
    if (event->isAutoRepeat() || !box) return;
    const auto code = key_code(*event);
    const auto shift = shift_state(*event);
    dispatch([box, code, shift] {
        if (box->onKeyUp) box->onKeyUp(code, shift);
    });
}

void TextBoxWidget::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    report_focus(*this);
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

// Buttons: Enter clicks a focused button too, in every window.

template <class Base>
void ButtonWidget<Base>::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & ~Qt::KeypadModifier)) {
        event->accept();
        this->click();
        return;
    }
    Base::keyPressEvent(event);
}

template class ButtonWidget<QPushButton>;
template class ButtonWidget<QToolButton>;

// Line

LineWidget::LineWidget(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineWidget::set_ends(QPoint from, QPoint to)
{
    const QRect box = QRect(from, to).normalized().adjusted(0, 0, 1, 1);
    from_ = from - box.topLeft();
    to_ = to - box.topLeft();
    setGeometry(box);
    update();
}

void LineWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLine(from_, to_);
}

}  // namespace ui

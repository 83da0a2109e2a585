#include "ui/digit_pad.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "ui/form.h"
#include "ui/menus.h"
#include "ui/placement.h"

namespace ui {

namespace {

// In twips. A key is 36 pixels square: at least 9 mm on a 96 dpi screen,
// a child's fingertip.
constexpr int key = 540, gap = 60, apart = 240, margin = 120;
constexpr int keys_width = 3 * key + 2 * gap, keys_height = 4 * key + 3 * gap;
constexpr int room = 2 * apart + keys_width + 2 * margin;

std::vector<DigitPad*>& all_pads()
{
    static std::vector<DigitPad*> pads;
    return pads;
}

bool touched = false;

Design panel_design(Form& window)
{
    const QSize design = static_cast<Container&>(window).placement().design_twips();
    return {.name = QStringLiteral("pavé"), .left = design.width() + apart,
            .top = std::max(0, (design.height() - keys_height) / 2 - margin),
            .width = keys_width + 2 * margin, .height = keys_height + 2 * margin, .visible = false,
            .accessible_name = QStringLiteral("Pavé numérique")};
}

// The keypad's layout: 7 8 9 / 4 5 6 / 1 2 3 / 0 under the first two.
Design key_design(std::int16_t digit)
{
    const int column = digit == 0 ? 0 : (digit - 1) % 3, row = digit == 0 ? 3 : 2 - (digit - 1) / 3;
    const QString caption = QString::number(digit);
    return {.name = QStringLiteral("pavé(%1)").arg(digit), .caption = caption,
            .left = margin + column * (key + gap), .top = margin + row * (key + gap),
            .width = digit == 0 ? 2 * key + gap : key, .height = key,
            .font = {QStringLiteral("MS Sans Serif"), 13.5, true}, .accessible_name = caption, .takes_focus = false};
}

}  // namespace

DigitPad::DigitPad(Form& window, MenuEntry* entry)
    : Frame(window, panel_design(window)),
      window_(window),
      entry_(entry),
      // In reading order, which screen readers follow.
      keys_(*this, {7, 8, 9, 4, 5, 6, 1, 2, 3, 0}, key_design)
{
    keys_.onClick([this](std::int16_t digit) { type(digit); });
    if (entry_) entry_->onClick = [this] { setShown(!shown()); };
    all_pads().push_back(this);
    if (touched) setShown(true);
}

DigitPad::~DigitPad()
{
    auto& pads = all_pads();
    std::erase(pads, this);
}

void DigitPad::setShown(bool shown)
{
    if (entry_) entry_->setChecked(shown);
    if (shown == this->shown()) return;
    window_.set_room_beside(shown ? room : 0);
    setVisible(shown);
}

void DigitPad::type(int digit)
{
    QWidget* window = widget_->window();
    for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QWidget* focused = QApplication::focusWidget();
        QKeyEvent key(type, Qt::Key_0 + digit, Qt::KeypadModifier, QString(QChar(u'0' + digit)));
        QApplication::sendEvent(focused && focused->window() == window ? focused : window, &key);
    }
}

void DigitPad::screen_touched()
{
    if (touched) return;
    touched = true;
    for (DigitPad* pad : all_pads()) pad->setShown(true);
}

void DigitPad::follow(const Form& dialog, const Form& owner)
{
    const auto& pads = all_pads();
    const auto of = [&](const Form& form) {
        return std::find_if(pads.begin(), pads.end(), [&](DigitPad* pad) { return &pad->window_ == &form; });
    };
    const auto own = of(dialog), owners = of(owner);
    if (own != pads.end() && owners != pads.end() && (*owners)->shown()) (*own)->setShown(true);
}

}  // namespace ui

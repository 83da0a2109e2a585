// The windows on the desks pupils have: light, dark and high-contrast
// palettes, a large desktop font, only DejaVu fonts (a run of its own), a
// small screen (a run of its own), and the keyboard's focus.
#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QWidget>
#include <cmath>

#include "addition/Feuille_addition.h"
#include "app/Feuille_Tibalou.h"
#include "dialogs/Feuille_A_Propos.h"
#include "dialogs/Feuille_score.h"
#include "dialogs/feuille_choix_perso.h"
#include "division/Feuille_division.h"
#include "multiplication/Feuille_principale.h"
#include "tests/dialogue.h"
#include "tests/test_main.h"
#include "tests/tour.h"
#include "ui/screen.h"
#include "ui/testing.h"

using namespace ui::testing;

namespace {

QPalette dark_palette()
{
    // As GTK's Adwaita dark gives it.
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xec));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xec));
    dark.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    return dark;
}

QPalette high_contrast_palette()
{
    QPalette contrast(Qt::black, Qt::black);
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::BrightText})
        contrast.setColor(role, Qt::white);
    contrast.setColor(QPalette::Base, Qt::black);
    contrast.setColor(QPalette::Highlight, QColor(0x1a, 0xeb, 0xff));
    contrast.setColor(QPalette::HighlightedText, Qt::black);
    return contrast;
}

void add_palette_rows()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << QApplication::palette();
    QTest::newRow("dark") << dark_palette();
    QTest::newRow("high contrast") << high_contrast_palette();
}

QImage picture_of(QWidget& widget)
{
    QApplication::processEvents();
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// `area` of a picture, in the widget's own pixels.
QRect in_picture(const QImage& image, const QRectF& area)
{
    const double ratio = image.devicePixelRatio();
    return QRectF(area.topLeft() * ratio, area.size() * ratio).toAlignedRect().intersected(image.rect());
}

QRgb most_frequent(const QImage& image, const QRect& area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y)];
    QRgb most = 0;
    int seen = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > seen) std::tie(most, seen) = std::pair(it.key(), it.value());
    return most;
}

// How the text of `area` stands out: its background is its most frequent
// colour, its ink the pixel that differs most from it.
double text_contrast(const QImage& image, const QRect& area)
{
    const QColor back(most_frequent(image, area));
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            best = std::max(best, ui::contrast(QColor(image.pixel(x, y)), back));
    return best;
}

// Where a widget shows its text, without its border; empty for no text.
QRectF text_area(QWidget& widget)
{
    if (auto* label = qobject_cast<QLabel*>(&widget))
        return label->text().trimmed().isEmpty() ? QRectF() : QRectF(label->contentsRect());
    if (auto* box = qobject_cast<QLineEdit*>(&widget))
        return box->text().isEmpty() ? QRectF() : QRectF(box->rect()).adjusted(4, 4, -4, -4);
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        if (button->text().isEmpty()) return {};
        const QRectF inner = QRectF(button->rect()).adjusted(5, 5, -5, -5);
        // A picture above the caption: the caption's line only.
        const bool pictured = qobject_cast<QToolButton*>(button) && !button->icon().isNull();
        return pictured ? inner.adjusted(0, inner.height() * 0.65, 0, 0) : inner;
    }
    if (auto* frame = qobject_cast<QGroupBox*>(&widget))
        return frame->title().isEmpty() ? QRectF() : QRectF(0, 0, frame->width(), frame->fontMetrics().height() - 1);
    if (qobject_cast<QMenuBar*>(&widget)) return QRectF(widget.rect());
    return {};
}

std::vector<QWidget*> shown_widgets(ui::FormSlotBase& slot)
{
    std::vector<QWidget*> shown;
    QWidget* top = window(slot);
    for (QWidget* child : top->findChildren<QWidget*>())
        if (child->isVisibleTo(top) && !child->isWindow()) shown.push_back(child);
    return shown;
}

QString where(ui::FormSlotBase& slot, const QWidget& widget)
{
    return QStringLiteral("%1: %2").arg(slot.form().name(), widget.accessibleName());
}

void every_text_reads_well(ui::FormSlotBase& slot, const char* name)
{
    for (QWidget* widget : shown_widgets(slot)) {
        const QRectF area = text_area(*widget);
        if (area.isEmpty()) continue;
        const QImage image = picture_of(*widget);
        const double contrast = text_contrast(image, in_picture(image, area));
        QVERIFY2(contrast >= 4.5, qPrintable(QStringLiteral("%1 (%2): %3:1").arg(where(slot, *widget), name).arg(contrast)));
    }
}

int lines_needed(const QLabel& label)
{
    return int(std::lround(label.heightForWidth(label.contentsRect().width()) / label.fontMetrics().lineSpacing()));
}

int lines_room(const QLabel& label)
{
    return std::max(1, int(label.contentsRect().height() / label.fontMetrics().lineSpacing()));
}

// Every caption whole in its control, with air: buttons keep three pixels
// of the design on each side, labels wrap to no more lines than they hold.
void every_caption_fits(ui::FormSlotBase& slot, const char* name)
{
    // A border and some air on each side.
    constexpr double air = 2 * 3;
    for (QWidget* widget : shown_widgets(slot)) {
        const QString what = QStringLiteral("%1 (%2)").arg(where(slot, *widget), name);
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            const double room = button->width() - QFontMetricsF(button->font()).horizontalAdvance(button->text());
            QVERIFY2(room >= air, qPrintable(QStringLiteral("%1 leaves %2 px").arg(what).arg(room)));
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            const QStringList words = label->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
            for (const QString& word : words)
                QVERIFY2(QFontMetricsF(label->font()).horizontalAdvance(word) <= label->contentsRect().width(),
                         qPrintable(QStringLiteral("%1: \"%2\" is cut").arg(what, word)));
            QVERIFY2(lines_needed(*label) <= lines_room(*label),
                     qPrintable(QStringLiteral("%1 takes %2 lines for %3").arg(what).arg(lines_needed(*label)).arg(lines_room(*label))));
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            QVERIFY2(QFontMetricsF(frame->font()).horizontalAdvance(frame->title()) <= frame->width(), qPrintable(what));
        }
    }
}

void about_window(const Look& look)
{
    Feuille_Tibalou.show();
    when_modal([&look] {
        look(Feuille_A_Propos, "a-propos");
        click(Feuille_A_Propos->Command1);
    });
    click(Feuille_Tibalou->Command6);
}

// The colour that replaced others between two pictures of one widget, and
// the most frequent colour of the first: a mark and what it stands on.
std::pair<QColor, QColor> mark_and_ground(const QImage& without, const QImage& with)
{
    QHash<QRgb, int> marks;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y)) ++marks[with.pixel(x, y)];
    QRgb mark = 0;
    int seen = 0;
    for (auto it = marks.cbegin(); it != marks.cend(); ++it)
        if (it.value() > seen) std::tie(mark, seen) = std::pair(it.key(), it.value());
    return {seen ? QColor(mark) : QColor(), QColor(most_frequent(without, without.rect()))};
}

// The addition posed as 47 + 38, its window in front.
FeuilleAddition& addition_posed()
{
    auto& w = Feuille_addition();
    repondre_au_dialogue("47", "38");
    choose(w.mnu_choix_termes);
    return w;
}

}  // namespace

class DeskTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (ui::Form* form : loaded_forms()) form->slot()->unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::setPalette(light_);
        QApplication::setFont(desktop_font_);
    }

    void every_text_reads_at_4_5_to_1_data() { add_palette_rows(); }
    void every_text_reads_at_4_5_to_1()
    {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        tour(every_text_reads_well);
        about_window(every_text_reads_well);
    }

    void every_caption_is_whole_data()
    {
        QTest::addColumn<double>("desktop_points");
        QTest::newRow("the desktop's usual font") << 0.0;
        QTest::newRow("a desktop font of 14 pt") << 14.0;
    }
    void every_caption_is_whole()
    {
        QFETCH(double, desktop_points);
        if (desktop_points > 0) QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), int(desktop_points)));
        tour(every_caption_fits);
        about_window(every_caption_fits);
        // The run without Liberation says which face stands in for it.
        const QString face = qEnvironmentVariable("TIBALOU_EXPECTED_FACE", QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(widget(Feuille_Tibalou->Command3)->font()).family(), face);
        // A menu opens as a window of its own, which inherits no font: it
        // still drops in its bar's face.
        Feuille_division.show();
        const auto* bar = window(Feuille_division)->findChild<QMenuBar*>();
        QVERIFY(bar);
        for (const QAction* entry : bar->actions()) QCOMPARE(entry->menu<QMenu*>()->font(), bar->font());
    }

    // On any screen every window lies wholly in the work area, its design
    // whole and its shape kept; maximised, it fills the work area and no more.
    void every_window_fits_its_screen()
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const auto fits = [&area](ui::FormSlotBase& slot, const char* name) {
            QWidget& top = *window(slot);
            QVERIFY2(area.contains(top.frameGeometry()), name);
            const QSize design = client(slot)->minimumSize(), shown = client(slot)->size();
            QVERIFY2(std::abs(double(shown.width()) / shown.height() - double(design.width()) / design.height()) < 0.02,
                     name);
            QVERIFY2(client(slot)->rect().contains(client(slot)->childrenRect()), name);
        };
        tour(fits);
        about_window(fits);
        for (ui::FormSlotBase* slot : std::initializer_list<ui::FormSlotBase*>{&Feuille_division, &Feuille_Tibalou}) {
            slot->show();
            window(*slot)->showMaximized();
            QApplication::processEvents();
            QVERIFY(area.contains(window(*slot)->frameGeometry()));
        }
    }

    // Where the screen has room, a modal window opens over the middle of
    // the window that opens it, and the score beside the main menu.
    void windows_open_where_the_pupil_looks()
    {
        Feuille_Tibalou.show();
        QPoint about_centre;
        when_modal([&about_centre] {
            about_centre = window(Feuille_A_Propos)->frameGeometry().center();
            click(Feuille_A_Propos->Command1);
        });
        click(Feuille_Tibalou->Command6);
        QVERIFY((about_centre - window(Feuille_Tibalou)->frameGeometry().center()).manhattanLength() <= 2);
        Feuille_score.show();
        QApplication::processEvents();
        QVERIFY(!window(Feuille_score)->frameGeometry().intersects(window(Feuille_Tibalou)->frameGeometry()));
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(window(Feuille_score)->frameGeometry()));

        // With the main menu away, there is nothing to stand beside: the middle of the screen.
        Feuille_score.unload();
        Feuille_Tibalou.hide();
        Feuille_score.show();
        QApplication::processEvents();
        const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
        const QPoint centre = window(Feuille_score)->frameGeometry().center();
        QVERIFY2((centre - middle).manhattanLength() <= 32,  // a title bar's height aside
                 qPrintable(QString("%1,%2 for %3,%4").arg(centre.x()).arg(centre.y()).arg(middle.x()).arg(middle.y())));
    }

    // After keypad digits the focused button is ringed, at 3:1 at least
    // against its face; a click takes the ring away, leaving the button as before.
    void the_keyboard_focus_is_marked_data() { add_palette_rows(); }
    void the_keyboard_focus_is_marked()
    {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        Feuille_Tibalou.show();
        bool moved_on = false;
        QImage ringed, plain;
        when_modal([&] {
            auto& w = addition_posed();
            keypad_digit(w.txt_résultat(0), 5);
            keypad_digit(w.txt_résultat(1), 8);
            moved_on = has_keyboard_focus(w.Command3);
            ringed = picture_of(*widget(w.Command3));
            click(w.txt_résultat(0));
            w.Command3.setFocus();
            plain = picture_of(*widget(w.Command3));
            click(w.Command1);
        });
        click(Feuille_Tibalou->Command4);
        QVERIFY(moved_on);
        const auto [mark, face] = mark_and_ground(plain, ringed);
        QVERIFY2(mark.isValid(), "the focused button looks the same");
        QVERIFY2(ui::contrast(mark, face) >= 3, qPrintable(QString::number(ui::contrast(mark, face))));
    }

    // A focused box is marked at 3:1 against its own colour, judged red or green too.
    void a_focused_box_is_marked_data() { add_palette_rows(); }
    void a_focused_box_is_marked()
    {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        Feuille_Tibalou.show();
        std::vector<std::pair<QImage, QImage>> unfocused_and_focused;
        when_modal([&unfocused_and_focused] {
            auto& w = addition_posed();
            keypad_digit(w.txt_résultat(0), 4);  // wrong: 47 + 38 ends in 5
            keypad_digit(w.txt_résultat(1), 8);
            click(w.Command3);
            for (std::int16_t i : {0, 1}) {
                ui::TextBox& box = w.txt_résultat(i);
                click(box);
                const QImage focused = picture_of(*widget(box));
                click(w.txt_résultat(i == 0 ? 1 : 0));
                unfocused_and_focused.emplace_back(picture_of(*widget(box)), focused);
            }
            click(w.Command1);
        });
        click(Feuille_Tibalou->Command4);
        QCOMPARE(unfocused_and_focused.size(), std::size_t(2));
        for (const auto& [unfocused, focused] : unfocused_and_focused) {
            const auto [mark, ground] = mark_and_ground(unfocused, focused);
            QVERIFY2(mark.isValid() && ui::contrast(mark, ground) >= 3, qPrintable(QString::number(ui::contrast(mark, ground))));
        }
    }

private:
    const QPalette light_ = QApplication::palette();
    const QFont desktop_font_ = QApplication::font();
};

TIBALOU_TEST_MAIN(DeskTest)
#include "desk_test.moc"

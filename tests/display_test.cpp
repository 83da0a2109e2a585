// The windows at the scale the screen gives them (QT_SCALE_FACTOR, set by
// CTest for each run) and at the sizes the pupil makes them: the rules are
// painted, the design grows whole and keeps its columns, frames look as in
// Fusion, every character is in the face that shows it, and every caption
// shows, whole inside its button.
#include <QAbstractButton>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QImage>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <cmath>
#include <functional>
#include <memory>

#include "addition/Feuille_addition.h"
#include "app/Feuille_Tibalou.h"
#include "dialogs/Feuille_A_Propos.h"
#include "dialogs/Feuille_score.h"
#include "dialogs/feuille_choix_perso.h"
#include "division/Feuille_division.h"
#include "multiplication/Feuille_principale.h"
#include "tests/test_main.h"
#include "ui/testing.h"

using namespace ui::testing;

namespace {

// Each window with what poses its operation, so that its rules show.
struct Window {
    const char* name;
    ui::FormSlotBase& slot;
    std::function<void()> pose;
    std::function<std::vector<ui::Line*>()> rules;
};

std::vector<Window> windows()
{
    return {
        {"main menu", Feuille_Tibalou, [] { click(Feuille_Tibalou->Command3); }, [] { return std::vector<ui::Line*>{}; }},
        {"About", Feuille_A_Propos, [] {}, [] { return std::vector<ui::Line*>{}; }},
        {"addition", Feuille_addition, [] { click(Feuille_addition->Command2); },
         [] { return std::vector<ui::Line*>{&Feuille_addition->Line1}; }},
        {"multiplication", Feuille_principale, [] { click(Feuille_principale->cde_commencer); },
         [] { return std::vector<ui::Line*>{&Feuille_principale->Ligne1, &Feuille_principale->Ligne2}; }},
        {"division", Feuille_division, [] {},
         [] { return std::vector<ui::Line*>{&Feuille_division->Line1, &Feuille_division->Line2}; }},
        {"number dialog", feuille_choix_perso, [] {}, [] { return std::vector<ui::Line*>{}; }},
        {"score", Feuille_score, [] {}, [] { return std::vector<ui::Line*>{}; }},
    };
}

// The window's client brought to `factor` times its design.
QWidget& enlarged(const Window& w, double factor)
{
    QWidget& top = *window(w.slot);
    top.resize(top.minimumSize() + client(w.slot)->minimumSize() * (factor - 1));
    QCoreApplication::processEvents();
    return top;
}

// The window shown, its operation posed, at `factor` times its design.
QWidget& shown(const Window& w, double factor)
{
    w.slot.show();
    w.pose();
    return enlarged(w, factor);
}

bool painted_dark(const QImage& image, QPointF logical, double ratio)
{
    const QPointF at = logical * ratio;
    const QPoint device(int(std::floor(at.x())), int(std::floor(at.y())));
    return image.rect().contains(device) && qGray(image.pixel(device)) < 96;
}

std::vector<QWidget*> buttons_of(ui::FormSlotBase& slot)
{
    std::vector<QWidget*> found;
    for (ui::Focusable* control : slot.form().focusables())
        if (qobject_cast<QAbstractButton*>(widget(*control))) found.push_back(widget(*control));
    return found;
}

}  // namespace

class DisplayTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (ui::Form* form : loaded_forms()) form->slot()->unload();
        QCoreApplication::processEvents();
    }

    void every_rule_is_painted_along_its_length_data()
    {
        QTest::addColumn<double>("factor");
        QTest::newRow("design size") << 1.0;
        QTest::newRow("one and a half") << 1.5;
        QTest::newRow("twice") << 2.0;
    }
    void every_rule_is_painted_along_its_length()
    {
        QFETCH(double, factor);
        for (const Window& w : windows()) {
            QWidget& top = shown(w, factor);
            const QImage image = top.grab().toImage();
            const double ratio = image.devicePixelRatio();
            for (ui::Line* rule : w.rules()) {
                QWidget* stroke = widget(*rule);
                QVERIFY2(!stroke->isHidden(), w.name);
                const QRectF band(stroke->mapTo(&top, QPoint()), QSizeF(stroke->size()));
                for (double along : {0.1, 0.5, 0.9}) {
                    const QPointF point = band.width() > band.height()
                                              ? QPointF(band.left() + along * band.width(), band.center().y())
                                              : QPointF(band.center().x(), band.top() + along * band.height());
                    QVERIFY2(painted_dark(image, point, ratio), qPrintable(QString("%1, %2 at %3 of its length")
                                                                             .arg(w.name, rule->name()).arg(along)));
                }
            }
            cleanup();
        }
    }

    // Everything keeps its place in the design, twice as far apart and twice
    // as large, its text too; the window is made at its design size and
    // never becomes smaller.
    void the_whole_design_grows_with_the_window()
    {
        for (const Window& w : windows()) {
            w.slot.show();
            w.pose();
            QWidget& top = *window(w.slot);
            QCOMPARE(top.size(), top.minimumSize());
            std::vector<std::pair<QWidget*, QRect>> at_design;
            for (QWidget* child : client(w.slot)->findChildren<QWidget*>())
                at_design.emplace_back(child, QRect(child->mapTo(client(w.slot), QPoint()), child->size()));
            const auto text_height = [](QWidget* child) { return QFontInfo(child->font()).pixelSize(); };
            std::vector<int> heights;
            for (auto& [child, rect] : at_design) heights.push_back(text_height(child));

            // Exactly twice the design: no spare space around it.
            enlarged(w, 2);
            for (std::size_t i = 0; i < at_design.size(); ++i) {
                auto& [child, rect] = at_design[i];
                const QRect now(child->mapTo(client(w.slot), QPoint()), child->size());
                const QString where = QString("%1: %2").arg(w.name, child->accessibleName());
                QVERIFY2((now.topLeft() - 2 * rect.topLeft()).manhattanLength() <= 2, qPrintable(where));
                QVERIFY2(qAbs(now.width() - 2 * rect.width()) <= 2 && qAbs(now.height() - 2 * rect.height()) <= 2,
                         qPrintable(where));
                QVERIFY2(qAbs(text_height(child) - 2 * heights[i]) <= 2, qPrintable(where));
            }
            top.resize(top.minimumSize() / 2);
            QCoreApplication::processEvents();
            QCOMPARE(client(w.slot)->size(), client(w.slot)->minimumSize());
            cleanup();
        }
    }

    // The designs' faces look up no other font for a missing character, so
    // each must hold every character its controls show.
    void every_character_is_in_the_face_that_shows_it()
    {
        for (const Window& w : windows()) {
            shown(w, 1);
            for (QWidget* child : client(w.slot)->findChildren<QWidget*>()) {
                QString text;
                if (auto* label = qobject_cast<QLabel*>(child)) text = label->text();
                else if (auto* button = qobject_cast<QAbstractButton*>(child)) text = button->text();
                else if (auto* frame = qobject_cast<QGroupBox*>(child)) text = frame->title();
                else if (auto* box = qobject_cast<QLineEdit*>(child)) text = box->text();
                const QFontMetrics metrics(child->font());
                for (QChar c : text)
                    QVERIFY2(metrics.inFont(c), qPrintable(QString("%1: \"%2\" in %3")
                                                               .arg(w.name, QString(c), child->font().family())));
            }
            cleanup();
        }
    }

    // The program draws frames itself, in bands, from Fusion's picture built
    // in: each looks exactly as Fusion draws it, at every size and scale.
    void every_frame_looks_as_in_fusion_data()
    {
        every_rule_is_painted_along_its_length_data();
    }
    void every_frame_looks_as_in_fusion()
    {
        QFETCH(double, factor);
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        int frames = 0;
        for (const Window& w : windows()) {
            shown(w, factor);
            for (QGroupBox* frame : client(w.slot)->findChildren<QGroupBox*>()) {
                const QImage ours = frame->grab().toImage();
                frame->setStyle(fusion.get());
                const QImage theirs = frame->grab().toImage();
                frame->setStyle(nullptr);
                QVERIFY2(ours == theirs, qPrintable(QString("%1: %2").arg(w.name, frame->accessibleName())));
                ++frames;
            }
            cleanup();
        }
        QVERIFY(frames > 0);
    }

    void every_caption_shows_inside_its_button_data()
    {
        every_rule_is_painted_along_its_length_data();
    }
    void every_caption_shows_inside_its_button()
    {
        QFETCH(double, factor);
        for (const Window& w : windows()) {
            shown(w, factor);
            for (QWidget* each : buttons_of(w.slot)) {
                auto* button = static_cast<QAbstractButton*>(each);
                const QString caption = button->text();
                // Painted: the button looks otherwise without it, beside a picture too.
                const QImage painted = button->grab().toImage();
                button->setText(QString());
                const bool shows = button->grab().toImage() != painted;
                button->setText(caption);
                QVERIFY2(shows, qPrintable(QString("%1: \"%2\" is not painted").arg(w.name, caption)));
                const double room = button->width() - QFontMetricsF(button->font()).horizontalAdvance(caption);
                // A border and some air on each side: three pixels of the design at least.
                QVERIFY2(room >= 2 * 3 * factor, qPrintable(QString("%1: \"%2\" leaves %3 px in %4 px")
                                                               .arg(w.name, caption).arg(room).arg(button->width())));
            }
            cleanup();
        }
    }
};

TIBALOU_TEST_MAIN(DisplayTest)
#include "display_test.moc"

// The bench's arithmetic, its table, and its plain-Qt twin of a window.
#include <QMenu>
#include <QTest>
#include <QWidget>
#include <cmath>

#include "bench/bare.h"
#include "bench/paint.h"
#include "bench/report.h"
#include "multiplication/Feuille_principale.h"
#include "tests/test_main.h"
#include "ui/testing.h"

namespace {

// Notes when it was last painted.
class Painted : public QWidget {
public:
    using QWidget::QWidget;
    int paints = 0;
    Clock::time_point last;

protected:
    void paintEvent(QPaintEvent*) override
    {
        ++paints;
        last = Clock::now();
    }
};

QStringList lines_of(const QString& text)
{
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// What can be compared between a window and its twin, a line per widget:
// menus open where they are asked to, so their places are left out.
QStringList summary(const BareWindow& window)
{
    QStringList lines{QString("%1x%2").arg(window.size.width()).arg(window.size.height())};
    for (const BareWidget& w : window.widgets) {
        const QRect place = w.kind == BareWidget::menu ? QRect() : w.geometry;
        lines << QString("%1 in %2, hidden %3, at %4,%5 %6x%7: ").arg(w.kind).arg(w.parent).arg(w.hidden)
                         .arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height()) +
                     w.text + " / " + (w.font ? w.font->toString() : "inherited");
        for (const BareWidget::Entry& entry : w.entries)
            lines.last() += QString(" [%1]").arg(entry.submenu) + entry.text;
    }
    return lines;
}

}  // namespace

Q_DECLARE_METATYPE(Figure)

class BenchTest : public QObject {
    Q_OBJECT

private slots:
    void medians_and_percentiles()
    {
        std::vector<double> hundred;
        for (int i = 100; i >= 1; --i) hundred.push_back(i);
        QCOMPARE((QList<double>{median({3, 1, 2}), median({4, 1, 3, 2}), percentile(hundred, 0.99),
                                percentile(hundred, 1.0), percentile({7, 5}, 0.99), percentile({5}, 0.0)}),
                 (QList<double>{2, 2.5, 99, 100, 7, 5}));
        QVERIFY(std::isnan(median({})));
    }

    void a_figure_meets_its_goal_by_ratio_or_by_value_data()
    {
        QTest::addColumn<Figure>("figure");
        QTest::addColumn<bool>("met");
        QTest::newRow("ratio at the goal") << Figure{"Start", "ms", 13, 10, 1.3} << true;
        QTest::newRow("ratio above") << Figure{"Start", "ms", 13.2, 10, 1.3} << false;
        QTest::newRow("value below") << Figure{"Digit", "ms", 0.9, {}, 1.0} << true;
        QTest::newRow("value above") << Figure{"Digit", "ms", 1.2, {}, 1.0} << false;
        // A baseline that measured nothing proves nothing.
        QTest::newRow("baseline of nothing") << Figure{"Start", "ms", 13, 0.0, 1.3} << false;
        QTest::newRow("no goal") << Figure{"Set-up", "µs", 41.8} << true;
    }
    void a_figure_meets_its_goal_by_ratio_or_by_value()
    {
        QFETCH(Figure, figure);
        QFETCH(bool, met);
        QCOMPARE(figure.met(), met);
        if (figure.baseline == 0.0) QVERIFY(!figure.ratio());
    }

    void pairs_give_medians_and_the_spread_of_their_ratios()
    {
        // Pairs 10/10, 12/10, 9/10, 30/10, 11/10: one slow run of the program
        // moves neither its median nor the quartiles of the ratios much.
        const Figure figure = compared("Start", "ms", {10, 12, 9, 30, 11}, {10, 10, 10, 10, 10}, 1.0);
        QCOMPARE(figure.value, 11.0);
        QCOMPARE(*figure.baseline, 10.0);
        QCOMPARE(*figure.spread, std::make_pair(1.0, 1.2));
        QVERIFY(!figure.met());
        const QStringList rows = lines_of(table({figure}));
        QVERIFY2(rows[0].contains("Spread") && rows[1].contains(QStringLiteral("1.00–1.20")),
                 qPrintable(rows.join('\n')));
        // A bare run that measured nothing has no ratio to spread.
        QCOMPARE(*compared("Start", "ms", {10, 11}, {0, 10}).spread, std::make_pair(1.1, 1.1));
    }

    void the_table_gives_each_verdict_and_leaves_out_empty_columns()
    {
        const QStringList rows = lines_of(table({{"Start", "ms", 20, 10, 1.3}, {"Open", "ms", 0.8, 0.6, 1.5}}));
        QCOMPARE(rows.size(), 3);
        QVERIFY2(rows[0].startsWith("Figure") && rows[0].contains("Ratio") && rows[0].contains("Goal"),
                 qPrintable(rows[0]));
        QVERIFY2(rows[1].contains("20.0 ms") && rows[1].contains("10.0 ms") && rows[1].contains("2.00") &&
                     rows[1].contains(QStringLiteral("≤ 1.30 ×")) && rows[1].endsWith("MISS"),
                 qPrintable(rows[1]));
        QVERIFY2(rows[2].contains("0.800 ms") && rows[2].contains("1.33") && rows[2].endsWith("PASS"),
                 qPrintable(rows[2]));
        QCOMPARE(rows[1].indexOf("ms"), rows[2].indexOf("ms"));  // columns line up

        const QStringList logic = lines_of(table({{"Set-up", "µs", 41.84}, {"Check", "µs", 1234.5}}));
        QVERIFY2(!logic[0].contains("Bare") && !logic[0].contains("Ratio") && !logic[0].contains("Spread") &&
                     !logic[0].contains("Goal"),
                 qPrintable(logic[0]));
        QVERIFY2(logic[1].endsWith(QStringLiteral("41.8 µs")), qPrintable(logic[1]));
        QVERIFY2(logic[2].endsWith(QStringLiteral("1235 µs")), qPrintable(logic[2]));
    }

    void painted_means_the_whole_window_once_and_no_other()
    {
        Painted other;
        other.resize(60, 60);
        Painted window;
        window.resize(200, 100);
        auto* child = new Painted(&window);
        child->setGeometry(20, 20, 50, 50);

        int reports = 0;
        FirstPaint watch([&window](QWidget* w) { return w == &window; }, [&](const Moment&) { ++reports; });
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        QCOMPARE(reports, 0);

        const Clock::time_point painted = show_and_wait_painted(window, [&window] { window.show(); }).wall;
        QVERIFY(window.paints > 0);
        QVERIFY(child->paints > 0);
        QVERIFY2(painted >= child->last && painted >= window.last, "the paint reported is not the last one");
        window.repaint();
        QCoreApplication::processEvents();
        QCOMPARE(reports, 1);
    }

    void the_bare_twin_is_the_window_again_in_plain_widgets()
    {
        Feuille_principale.show();
        QWidget* window = ui::testing::window(Feuille_principale);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const BareWindow original = describe(*window);

        const auto count = [&original](auto what) {
            return std::count_if(original.widgets.begin(), original.widgets.end(), what);
        };
        const auto kind = [](BareWidget::Kind k) { return [k](const BareWidget& w) { return w.kind == k; }; };
        QCOMPARE(count(kind(BareWidget::text_box)), 50 + 11);  // partial products and product
        QVERIFY2(count(kind(BareWidget::menu)) >= 3, qPrintable(QString::number(count(kind(BareWidget::menu)))));
        QVERIFY(count([](const BareWidget& w) { return w.hidden; }) > 0);

        const auto twin = build(original);
        twin->show();
        QVERIFY(QTest::qWaitForWindowExposed(twin.get()));
        QCOMPARE(summary(describe(*twin)), summary(original));
        Feuille_principale.unload();
    }
};

TIBALOU_TEST_MAIN(BenchTest)
#include "bench_test.moc"

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

// What can be compared between a window and its twin: menus open where they
// are asked to, so their places are left out.
void compare(const BareWindow& original, const BareWindow& twin)
{
    QCOMPARE(twin.size, original.size);
    QCOMPARE(twin.widgets.size(), original.widgets.size());
    for (std::size_t i = 0; i < original.widgets.size(); ++i) {
        const BareWidget& a = original.widgets[i];
        const BareWidget& b = twin.widgets[i];
        QCOMPARE(b.kind, a.kind);
        QCOMPARE(b.parent, a.parent);
        QCOMPARE(b.hidden, a.hidden);
        QCOMPARE(b.text, a.text);
        QCOMPARE(b.font, a.font);
        if (a.kind != BareWidget::menu) QCOMPARE(b.geometry, a.geometry);
        QCOMPARE(b.entries.size(), a.entries.size());
        for (std::size_t e = 0; e < a.entries.size(); ++e) {
            QCOMPARE(b.entries[e].text, a.entries[e].text);
            QCOMPARE(b.entries[e].submenu, a.entries[e].submenu);
        }
    }
}

}  // namespace

class BenchTest : public QObject {
    Q_OBJECT

private slots:
    void medians_and_percentiles_by_nearest_rank()
    {
        QCOMPARE(median({3, 1, 2}), 2.0);
        QCOMPARE(median({4, 1, 3, 2}), 2.5);
        QVERIFY(std::isnan(median({})));
        std::vector<double> hundred;
        for (int i = 100; i >= 1; --i) hundred.push_back(i);
        QCOMPARE(percentile(hundred, 0.99), 99.0);
        QCOMPARE(percentile(hundred, 1.0), 100.0);
        QCOMPARE(percentile({7, 5}, 0.99), 7.0);
        QCOMPARE(percentile({5}, 0.0), 5.0);
    }

    void a_figure_meets_its_goal_by_ratio_or_by_value()
    {
        Figure start{"Start", "ms", 13, 10, 1.3};
        QVERIFY(start.met());
        start.value = 13.2;
        QVERIFY(!start.met());
        Figure digit{"Digit", "ms", 0.9, {}, 1.0};
        QVERIFY(digit.met());
        digit.value = 1.2;
        QVERIFY(!digit.met());
        // A baseline that measured nothing proves nothing.
        QVERIFY(!Figure({"Start", "ms", 13, 0.0, 1.3}).met());
        QVERIFY(!Figure({"Start", "ms", 13, 0.0, 1.3}).ratio());
        QVERIFY(Figure({"Set-up", "µs", 41.8}).met());
    }

    void the_table_gives_each_verdict_and_leaves_out_empty_columns()
    {
        const QStringList rows = lines_of(table({{"Start", "ms", 20, 10, 1.3}, {"Open", "ms", 0.8, 0.6, 1.5}}));
        QCOMPARE(rows.size(), 3);
        QVERIFY(rows[0].startsWith("Figure") && rows[0].contains("Ratio") && rows[0].contains("Goal"));
        QVERIFY(rows[1].contains("20.0 ms") && rows[1].contains("10.0 ms") && rows[1].contains("2.00"));
        QVERIFY(rows[1].contains(QStringLiteral("≤ 1.30 ×")) && rows[1].endsWith("MISS"));
        QVERIFY(rows[2].contains("0.800 ms") && rows[2].contains("1.33") && rows[2].endsWith("PASS"));
        // Columns line up.
        QCOMPARE(rows[1].indexOf("ms"), rows[2].indexOf("ms"));

        const QStringList logic = lines_of(table({{"Set-up", "µs", 41.84}, {"Check", "µs", 1234.5}}));
        QVERIFY(!logic[0].contains("Bare") && !logic[0].contains("Ratio") && !logic[0].contains("Goal"));
        QVERIFY(logic[1].endsWith(QStringLiteral("41.8 µs")));
        QVERIFY(logic[2].endsWith(QStringLiteral("1235 µs")));
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
        FirstPaint watch([&window](QWidget* w) { return w == &window; }, [&](Clock::time_point) { ++reports; });
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        QCOMPARE(reports, 0);

        const Clock::time_point painted = show_and_wait_painted(window, [&window] { window.show(); });
        QVERIFY(window.paints > 0 && child->paints > 0);
        QVERIFY(painted >= child->last && painted >= window.last);
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

        int text_boxes = 0, menus = 0, hidden = 0;
        for (const BareWidget& widget : original.widgets) {
            text_boxes += widget.kind == BareWidget::text_box;
            menus += widget.kind == BareWidget::menu;
            hidden += widget.hidden;
        }
        QCOMPARE(text_boxes, 50 + 11);  // partial products and product
        QVERIFY(menus >= 3 && hidden > 0);

        const auto twin = build(original);
        twin->show();
        QVERIFY(QTest::qWaitForWindowExposed(twin.get()));
        compare(original, describe(*twin));
        Feuille_principale.unload();
    }
};

TIBALOU_TEST_MAIN(BenchTest)
#include "bench_test.moc"

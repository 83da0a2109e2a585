// The toolkit layer, driven through real widgets on a window made for the test.
#include <QClipboard>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>
#include <optional>

#include "tests/test_main.h"
#include "ui/form.h"
#include "ui/keys.h"
#include "ui/numbers.h"
#include "ui/random.h"
#include "ui/testing.h"

namespace {

QStringList events;  // what the handlers saw, in order
int loads = 0;
int unloads = 0;

class FenetreEssai : public ui::Form {
public:
    FenetreEssai()
        : ui::Form({.name = "Fenetre_essai", .caption = "Essai", .width = 6000, .height = 4000, .key_preview = true}),
          boite(*this, {.name = "boite", .left = 120, .top = 120, .width = 375, .height = 375,
                        .accessible_name = "Boîte d'essai"}),
          cases(*this, [] {
              auto all = ui::indices(0, 2);
              auto more = ui::indices(10, 12);
              all.insert(all.end(), more.begin(), more.end());
              return all;
          }(), [](std::int16_t i) {
              return ui::Design{.name = "cases", .left = 600 + 480 * (i % 10), .top = 600 + 600 * (i / 10),
                                .width = 375, .height = 375};
          }),
          etiquette(*this, {.name = "etiquette", .caption = "7", .left = 120, .top = 2400, .width = 375,
                            .height = 375, .accessible_name = "Chiffre d'essai"}),
          bouton(*this, {.name = "bouton", .caption = "Vérifier", .left = 2000, .top = 2400, .width = 1095,
                         .height = 375}),
          cadre(*this, {.name = "cadre", .caption = "Cadre", .left = 3500, .top = 2000, .width = 2000, .height = 1500}),
          dans_cadre(cadre, {.name = "dans_cadre", .left = 200, .top = 400, .width = 375, .height = 375}),
          options(*this, {.name = "options", .caption = "Options"}),
          choix(options, {.name = "choix", .caption = "Choix"})
    {
        onLoad = [] { ++loads; };
        onUnload = [] { ++unloads; };
        onKeyDown = [](std::int16_t code, std::int16_t shift) {
            events.push_back(QString("form keydown %1 %2").arg(code).arg(shift));
        };
        onKeyUp = [](std::int16_t code, std::int16_t shift) {
            events.push_back(QString("form keyup %1 %2").arg(code).arg(shift));
        };
        boite.onKeyPress = [](std::int16_t& key) {
            events.push_back(QString("keypress %1").arg(key));
            ui::filtre_chiffre(key);
        };
        boite.onKeyUp = [](std::int16_t code, std::int16_t shift) {
            events.push_back(QString("keyup %1 %2").arg(code).arg(shift));
        };
        boite.onGotFocus = [] { events.push_back("boite got"); };
        boite.onLostFocus = [] { events.push_back("boite lost"); };
        cases.onGotFocus([](std::int16_t i) { events.push_back(QString("case %1 got").arg(i)); });
        cases.onLostFocus([](std::int16_t i) { events.push_back(QString("case %1 lost").arg(i)); });
        bouton.onClick = [] { events.push_back("click"); };
        choix.onClick = [] { events.push_back("menu click"); };
        setTabOrder(boite, cases, bouton, dans_cadre);
        setInitialFocus(boite);
    }

    ui::TextBox boite;
    ui::ControlArray<ui::TextBox> cases;
    ui::Label etiquette;
    ui::Button bouton;
    ui::Frame cadre;
    ui::TextBox dans_cadre;
    ui::Menu options;
    ui::MenuEntry choix;
};

ui::FormSlot<FenetreEssai> Fenetre_essai;

class FenetreModale : public ui::Form {
public:
    FenetreModale()
        : ui::Form({.name = "Fenetre_modale", .caption = "Modale", .width = 3000, .height = 1500}),
          ok(*this, {.name = "ok", .caption = "OK", .left = 120, .top = 120, .width = 1000, .height = 375})
    {
    }
    ui::Button ok;
};

ui::FormSlot<FenetreModale> Fenetre_modale;

// A yellow frame in a bold face, and controls in it that keep their own look.
class FenetreCadre : public ui::Form {
public:
    FenetreCadre()
        : ui::Form({.name = "Fenetre_cadre", .caption = "Cadre", .width = 3000, .height = 2000}),
          cadre(*this, {.name = "cadre", .caption = "Aide", .left = 120, .top = 120, .width = 2500, .height = 1500,
                        .back_color = ui::yellow, .font = {"", 12, true}}),
          ordinaire(cadre, {.name = "ordinaire", .caption = "1", .left = 120, .top = 400, .width = 375, .height = 375,
                             .align = ui::Align::center}),
          jaune(cadre, {.name = "jaune", .caption = "2", .left = 720, .top = 400, .width = 375, .height = 375,
                        .back_color = ui::yellow, .align = ui::Align::center, .font = {"", 12, true}}),
          boite(cadre, {.name = "boite", .left = 1320, .top = 400, .width = 375, .height = 375})
    {
    }
    ui::Frame cadre;
    ui::Label ordinaire;
    ui::Label jaune;
    ui::TextBox boite;
};

ui::FormSlot<FenetreCadre> Fenetre_cadre;

}  // namespace

class UiTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        Fenetre_essai.show();
        QVERIFY(ui::testing::wait_until_active(Fenetre_essai));
        events.clear();
    }

    void cleanup()
    {
        Fenetre_modale.unload();
        Fenetre_essai.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void colours_read_back_as_written_and_paint_as_meant()
    {
        auto& boite = Fenetre_essai->boite;
        QCOMPARE(boite.BackColor(), ui::system_window_background);
        boite.setBackColor(ui::green);
        QCOMPARE(boite.BackColor(), ui::green);
        QCOMPARE(ui::testing::painted_color(boite), ui::green);
        boite.setBackColor(0x0080FFFF);
        QCOMPARE(ui::testing::painted_color(boite), ui::light_yellow);
        boite.setBackColor(ui::system_window_background);
        QCOMPARE(boite.BackColor(), static_cast<ui::Color>(0x80000005u));
        const QColor base = QGuiApplication::palette().color(QPalette::Base);
        QCOMPARE(ui::testing::painted_color(boite),
                 static_cast<ui::Color>(base.red() | base.green() << 8 | base.blue() << 16));
    }

    void controls_in_a_frame_keep_their_own_colour_and_face()
    {
        Fenetre_cadre.show();
        auto& f = Fenetre_cadre();
        const QColor face = QGuiApplication::palette().color(QPalette::Button);
        QCOMPARE(ui::testing::painted_color(f.ordinaire),
                 static_cast<ui::Color>(face.red() | face.green() << 8 | face.blue() << 16));
        QVERIFY(!ui::testing::widget(f.ordinaire)->font().bold());
        QCOMPARE(ui::testing::painted_color(f.jaune), ui::yellow);
        QVERIFY(ui::testing::widget(f.jaune)->font().bold());
        const QColor base = QGuiApplication::palette().color(QPalette::Base);
        const auto white = static_cast<ui::Color>(base.red() | base.green() << 8 | base.blue() << 16);
        QCOMPARE(ui::testing::painted_color(f.boite), white);
        f.boite.setBackColor(ui::yellow);
        f.boite.setBackColor(ui::system_window_background);
        QCOMPARE(ui::testing::painted_color(f.boite), white);
        Fenetre_cadre.unload();
    }

    void a_missing_array_index_is_a_run_time_error_that_abandons_only_its_event()
    {
        QVERIFY(Fenetre_essai->cases.contains(12));
        QVERIFY(!Fenetre_essai->cases.contains(5));
        QVERIFY_THROWS_EXCEPTION(ui::RunTimeError, Fenetre_essai->cases(5));
        QVERIFY_THROWS_EXCEPTION(ui::RunTimeError, Fenetre_essai->cases(13));
        QVERIFY_THROWS_EXCEPTION(ui::RunTimeError, Fenetre_essai->cases(-1));

        const int before = ui::runtime_error_count();
        Fenetre_essai->bouton.onClick = [] { Fenetre_essai->cases(7).setText("x"); };
        ui::testing::click(Fenetre_essai->bouton);
        QCOMPARE(ui::runtime_error_count(), before + 1);
        // The program goes on: the next event is handled.
        Fenetre_essai->boite.setFocus();
        ui::testing::type(Fenetre_essai->boite, "4");
        QCOMPARE(Fenetre_essai->boite.Text(), QString("4"));
    }

    void keypad_and_main_row_digits_have_their_own_key_codes()
    {
        auto& boite = Fenetre_essai->boite;
        ui::testing::keypad_digit(boite, 7);
        ui::testing::main_row_digit(boite, 3);
        QCOMPARE(boite.Text(), QString("73"));
        // The window sees the key release before the box does.
        QCOMPARE(events, (QStringList{"form keydown 103 0", "keypress 55", "form keyup 103 0", "keyup 103 0",
                                      "form keydown 51 0", "keypress 51", "form keyup 51 0", "keyup 51 0"}));
    }

    void a_key_released_after_num_lock_changed_is_still_the_key_typed()
    {
        auto& boite = Fenetre_essai->boite;
        boite.setFocus();
        // Keypad 4 pressed with Num Lock on, released after it went off.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_4, Qt::KeypadModifier, 83, 0, 0, "4");
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Left, Qt::KeypadModifier, 83, 0, 0);
        ui::testing::deliver(boite, press);
        ui::testing::deliver(boite, release);
        QCOMPARE(boite.Text(), QString("4"));
        QCOMPARE(events.mid(2), (QStringList{"form keyup 100 0", "keyup 100 0"}));
    }

    void key_preview_sees_chords_with_their_shift_mask()
    {
        auto& boite = Fenetre_essai->boite;
        ui::testing::key_click(boite, Qt::Key_M, Qt::ControlModifier | Qt::AltModifier);
        ui::testing::key_click(boite, Qt::Key_M, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
        QVERIFY(events.contains("form keyup 77 6") && events.contains("form keyup 77 7"));
        QCOMPARE(boite.Text(), QString());
        events.clear();
        // Modifiers let go before the letter: only the key going down carries them.
        ui::testing::key_press(boite, Qt::Key_M, Qt::ControlModifier | Qt::AltModifier);
        ui::testing::key_release(boite, Qt::Key_M);
        const auto down = events.indexOf("form keydown 77 6");
        QVERIFY(down >= 0 && down < events.indexOf("form keyup 77 0"));
        QVERIFY(events.indexOf("form keydown 17 2") < down);  // Ctrl went down first
    }

    void a_later_key_event_in_the_same_place_is_read_afresh()
    {
        auto& boite = Fenetre_essai->boite;
        // Events live on the stack: the next one may take the address of the last.
        std::optional<QKeyEvent> event;
        event.emplace(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, 36, 0, 0);
        ui::testing::deliver(boite, *event);
        event.emplace(QEvent::KeyPress, Qt::Key_M, Qt::ControlModifier | Qt::AltModifier, 58, 0, 0);
        ui::testing::deliver(boite, *event);
        event.emplace(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, 36, 0, 0);
        ui::testing::deliver(boite, *event);
        event.emplace(QEvent::KeyRelease, Qt::Key_M, Qt::NoModifier, 0, 0, 0);
        ui::testing::deliver(boite, *event);
        QCOMPARE(events, (QStringList{"form keyup 13 0", "keyup 13 0", "form keydown 77 6", "form keyup 13 0",
                                      "keyup 13 0", "form keyup 77 0", "keyup 77 0"}));
    }

    void only_what_keypress_lets_through_enters_a_box()
    {
        auto& boite = Fenetre_essai->boite;
        ui::testing::type(boite, "12");
        ui::testing::type(boite, "a-+ ,");
        for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Escape})
            ui::testing::key_click(boite, key);
        QGuiApplication::clipboard()->setText("999");
        ui::testing::key_click(boite, Qt::Key_V, Qt::ControlModifier);
        ui::testing::key_click(boite, Qt::Key_Insert, Qt::ShiftModifier);
        ui::testing::key_click(boite, Qt::Key_Z, Qt::ControlModifier);
        ui::testing::key_click(boite, Qt::Key_X, Qt::ControlModifier);
        ui::testing::click(boite, Qt::MiddleButton);
        QCOMPARE(boite.Text(), QString("12"));
        QVERIFY(events.contains("keypress 8"));
        QVERIFY(events.contains("keypress 13"));
    }

    void setting_the_focus_raises_lost_then_got_at_once()
    {
        auto& f = Fenetre_essai();
        f.boite.setFocus();
        events.clear();
        f.cases(10).setFocus();
        QCOMPARE(events, (QStringList{"boite lost", "case 10 got"}));
        QVERIFY(ui::testing::has_keyboard_focus(f.cases(10)));
        f.cases(10).setFocus();
        QCOMPARE(events.size(), 2);
    }

    void focus_asked_for_a_hidden_box_or_button_stays_where_it_is()
    {
        auto& f = Fenetre_essai();
        f.boite.setFocus();
        f.cases(2).setVisible(false);
        events.clear();
        f.cases(2).setFocus();
        f.bouton.setVisible(false);
        f.bouton.setFocus();
        f.cadre.setVisible(false);
        f.dans_cadre.setFocus();
        QVERIFY(events.empty());
        QCOMPARE(f.focused(), &f.boite);
        QVERIFY(ui::testing::has_keyboard_focus(f.boite));
    }

    void mouse_and_tab_moves_raise_focus_events()
    {
        auto& f = Fenetre_essai();
        f.boite.setFocus();
        events.clear();
        ui::testing::click(f.cases(1));
        ui::testing::tab_from(f.cases(1));
        QCOMPARE(events.filter(QRegularExpression("got|lost")),
                 (QStringList{"boite lost", "case 1 got", "case 1 lost", "case 2 got"}));
    }

    void menus_and_other_windows_take_the_focus_without_raising_events()
    {
        auto& f = Fenetre_essai();
        f.boite.setFocus();
        ui::testing::type(f.boite, "5");
        events.clear();
        ui::testing::open_and_close(f.options);
        ui::testing::choose(f.choix);
        ui::testing::when_modal([] { ui::testing::click(Fenetre_modale->ok); Fenetre_modale.hide(); });
        Fenetre_modale.showModal(Fenetre_essai);
        ui::testing::activate(Fenetre_essai);
        QTRY_VERIFY(ui::testing::has_keyboard_focus(f.boite));
        QCOMPARE(events, (QStringList{"menu click"}));
        QCOMPARE(f.boite.Text(), QString("5"));
    }

    void a_menu_entry_is_ticked_only_by_the_program()
    {
        auto& choix = Fenetre_essai->choix;
        ui::testing::choose(choix);
        QVERIFY(!choix.Checked());
        choix.setChecked(true);
        ui::testing::choose(choix);
        QVERIFY(choix.Checked());
        choix.setEnabled(false);
        events.clear();
        ui::testing::choose(choix);
        QVERIFY(events.empty());
    }

    void space_and_enter_click_a_focused_button()
    {
        auto& bouton = Fenetre_essai->bouton;
        bouton.setFocus();
        ui::testing::key_click(bouton, Qt::Key_Space);
        ui::testing::key_click(bouton, Qt::Key_Return);
        ui::testing::key_click(bouton, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(std::count(events.begin(), events.end(), QString("click")), 3);
    }

    void visible_reads_back_as_written_and_a_window_comes_back_in_its_design_state()
    {
        const int loads_before = loads;
        Fenetre_essai.hide();
        Fenetre_essai->etiquette.setCaption("9");
        Fenetre_essai->cases(0).setVisible(false);
        QVERIFY(!Fenetre_essai->cases(0).Visible());  // as written, the window hidden or not
        Fenetre_essai->choix.setChecked(true);
        Fenetre_essai.unload();
        QVERIFY(!Fenetre_essai.loaded());
        QCOMPARE(Fenetre_essai->etiquette.Caption(), QString("7"));
        QVERIFY(Fenetre_essai->cases(0).Visible());
        QVERIFY(!Fenetre_essai->choix.Checked());
        QCOMPARE(loads, loads_before + 1);
    }

    void modal_show_returns_on_hide_and_on_unload_and_the_close_box_unloads()
    {
        ui::testing::when_modal([] { Fenetre_modale.hide(); });
        Fenetre_modale.showModal(Fenetre_essai);
        QVERIFY(Fenetre_modale.loaded());
        QVERIFY(!Fenetre_modale.shown());

        ui::testing::when_modal([] { Fenetre_modale.unload(); });
        Fenetre_modale.showModal(Fenetre_essai);
        QVERIFY(!Fenetre_modale.loaded());

        const int unloads_before = unloads;
        ui::testing::close_box(Fenetre_essai);
        QVERIFY(!Fenetre_essai.loaded());
        QCOMPARE(unloads, unloads_before + 1);
    }

    void the_owner_has_the_keyboard_again_once_a_modal_window_has_gone()
    {
        ui::testing::when_modal([] { Fenetre_modale.unload(); });
        Fenetre_modale.showModal(Fenetre_essai);
        QVERIFY(QTest::qWaitFor([] { return ui::testing::has_keyboard_focus(Fenetre_essai->boite); }, 2000));
    }

    void a_window_unloaded_from_its_own_handler_unloads_once_and_hears_nothing_more()
    {
        auto& f = Fenetre_essai();
        int runs = 0;
        f.onUnload = [&runs] {
            ++runs;
            Fenetre_essai.unload();
        };
        f.boite.onKeyPress = [](std::int16_t&) { Fenetre_essai.unload(); };
        ui::testing::type(f.boite, "5");
        QCOMPARE(runs, 1);
        // Neither the character nor the key's release reaches what is left of it.
        QCOMPARE(f.boite.Text(), QString());
        QVERIFY(events.filter("keyup").isEmpty());
    }

    void controls_carry_french_accessible_names_and_expose_their_text()
    {
        auto& f = Fenetre_essai();
        QCOMPARE(ui::testing::accessible_name(f.boite), QString("Boîte d'essai"));
        QCOMPARE(ui::testing::accessible_name(f.bouton), QString("Vérifier"));
        QCOMPARE(ui::testing::accessible_name(f.etiquette), QString("Chiffre d'essai, 7"));
        QCOMPARE(ui::testing::accessible_text(f.etiquette), QString("7"));
        f.boite.setText("42");
        QCOMPARE(ui::testing::accessible_text(f.boite), QString("42"));
    }

    void a_reader_pressing_a_button_has_its_answer_before_the_click()
    {
        auto& bouton = Fenetre_essai->bouton;
        ui::testing::press_as_a_reader(bouton);
        QVERIFY(events.empty());  // the reader is answered first
        QTRY_COMPARE(events, (QStringList{"click"}));
        // Under a modal window, a press from a reader is ignored like the mouse.
        ui::testing::when_modal([&bouton] {
            ui::testing::press_as_a_reader(bouton);
            QCoreApplication::processEvents();
            Fenetre_modale.unload();
        });
        Fenetre_modale.showModal(Fenetre_essai);
        QCoreApplication::processEvents();
        QCOMPARE(events, (QStringList{"click"}));
    }

    void number_conversions()
    {
        QCOMPARE(ui::numeric_value("05"), 5.0);
        QCOMPARE(ui::numeric_value("  12ab3"), 12.0);
        QCOMPARE(ui::numeric_value(""), 0.0);
        QCOMPARE(ui::numeric_value("x1"), 0.0);
        QCOMPARE(ui::decimal_text(66), QString("66"));
        QCOMPARE(ui::decimal_text_spaced(1234), QString(" 1234"));
        QCOMPARE(ui::decimal_text_spaced(-3), QString("-3"));
        QCOMPARE(ui::integer_part(-0.5), -1.0);
        QCOMPARE(ui::to_int16(2.5), std::int16_t(2));
        QCOMPARE(ui::to_int16(3.5), std::int16_t(4));
        QCOMPARE(ui::to_int32(-2.5), -2);
        QCOMPARE(ui::to_int16(32767), std::int16_t(32767));
        QVERIFY_THROWS_EXCEPTION(ui::RunTimeError, ui::to_int16(32767.5));
        QVERIFY_THROWS_EXCEPTION(ui::RunTimeError, ui::to_int16(-32769));
        QVERIFY_THROWS_EXCEPTION(ui::RunTimeError, ui::to_int32(2147483648.0));
    }

    void random_draws_are_uniform_and_replaceable()
    {
        ui::set_random_source(nullptr);
        ui::randomize();
        for (int i = 0; i < 1000; ++i) {
            const double r = ui::rnd();
            QVERIFY(r >= 0 && r < 1);
        }
        auto fixed = std::make_unique<ui::FixedSequence>(std::vector<double>{0.25, 0.5});
        auto* sequence = fixed.get();
        ui::set_random_source(std::move(fixed));
        ui::randomize();
        QCOMPARE(ui::rnd(), 0.25);
        QCOMPARE(ui::rnd(), 0.5);
        QCOMPARE(ui::rnd(), 0.25);
        QCOMPARE(sequence->reseed_count(), 1);
        ui::set_random_source(nullptr);
    }
};

TIBALOU_TEST_MAIN(UiTest)
#include "ui_test.moc"

// The toolkit layer, driven through real widgets on a window made for the test.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QWidget>
#include <memory>
#include <optional>

#include "tests/focus.h"
#include "tests/test_main.h"
#include "ui/form.h"
#include "ui/keys.h"
#include "ui/numbers.h"
#include "ui/random.h"
#include "ui/testing.h"

using namespace ui::testing;

namespace {

QStringList events;  // what the handlers saw, in order
int loads = 0;
int unloads = 0;

// A KeyDown or KeyUp handler that notes the key code and the shift mask.
auto noter(const char* quoi)
{
    return [quoi](std::int16_t code, std::int16_t shift) {
        events.push_back(QString("%1 %2 %3").arg(quoi).arg(code).arg(shift));
    };
}

class FenetreEssai : public ui::Form {
public:
    FenetreEssai()
        : ui::Form({.name = "Fenetre_essai", .caption = "Essai", .width = 6000, .height = 4000, .key_preview = true}),
          boite(*this, {.name = "boite", .left = 120, .top = 120, .width = 375, .height = 375,
                        .accessible_name = "Boîte d'essai"}),
          cases(*this, {0, 1, 2, 10, 11, 12}, [](std::int16_t i) {
              return ui::Design{.name = "cases", .left = 600 + 480 * (i % 10), .top = 600 + 600 * (i / 10),
                                .width = 375, .height = 375};
          }),
          bouton(*this, {.name = "bouton", .caption = "Vérifier", .left = 2000, .top = 2400, .width = 1095,
                         .height = 375}),
          // A yellow frame in a bold face, whose controls keep their own look.
          cadre(*this, {.name = "cadre", .caption = "Cadre", .left = 3500, .top = 2000, .width = 2000, .height = 1500,
                        .back_color = ui::yellow, .font = {"", 12, true}}),
          etiquette(cadre, {.name = "etiquette", .caption = "7", .left = 800, .top = 400, .width = 375,
                            .height = 375, .align = ui::Align::center, .accessible_name = "Chiffre d'essai"}),
          dans_cadre(cadre, {.name = "dans_cadre", .left = 200, .top = 400, .width = 375, .height = 375}),
          options(*this, {.name = "options", .caption = "Options"}),
          choix(options, {.name = "choix", .caption = "Choix"})
    {
        onLoad = [] { ++loads; };
        onUnload = [] { ++unloads; };
        onKeyDown = noter("form keydown");
        onKeyUp = noter("form keyup");
        boite.onKeyPress = [](std::int16_t& key) {
            events.push_back(QString("keypress %1").arg(key));
            ui::filtre_chiffre(key);
        };
        boite.onKeyUp = noter("keyup");
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
    ui::Button bouton;
    ui::Frame cadre;
    ui::Label etiquette;
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

// A panel made after a button and a box that it covers, and over half of another box.
class FenetrePanneau : public ui::Form {
public:
    FenetrePanneau()
        : ui::Form({.name = "Fenetre_panneau", .caption = "Panneau", .width = 4000, .height = 3000}),
          dessous(*this, {.name = "dessous", .caption = "Dessous", .left = 600, .top = 600, .width = 1095,
                          .height = 375}),
          cachee(*this, {.name = "cachee", .left = 600, .top = 1200, .width = 375, .height = 375}),
          a_moitie(*this, {.name = "a_moitie", .left = 2800, .top = 600, .width = 375, .height = 375}),
          panneau(*this, {.name = "panneau", .caption = "Bienvenue", .left = 240, .top = 240, .width = 2760,
                          .height = 2000}),
          dedans(panneau, {.name = "dedans", .caption = "Commencer", .left = 240, .top = 1400, .width = 1095,
                           .height = 375})
    {
        dessous.onClick = [] { events.push_back("dessous click"); };
        cachee.onGotFocus = [] { events.push_back("cachee got"); };
        setTabOrder(dessous, cachee, a_moitie, dedans);
        setInitialFocus(dedans);
    }
    ui::Button dessous;
    ui::TextBox cachee;
    ui::TextBox a_moitie;
    ui::Frame panneau;
    ui::Button dedans;
};

ui::FormSlot<FenetrePanneau> Fenetre_panneau;

ui::Color systeme(QPalette::ColorRole role)
{
    const QColor c = QGuiApplication::palette().color(role);
    return static_cast<ui::Color>(c.red() | c.green() << 8 | c.blue() << 16);
}

}  // namespace

class UiTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        Fenetre_essai.show();
        QVERIFY(wait_until_active(Fenetre_essai));
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
        auto& f = Fenetre_essai();
        QCOMPARE(f.boite.BackColor(), ui::system_window_background);
        f.boite.setBackColor(0x0080FFFF);
        QCOMPARE(f.boite.BackColor(), 0x0080FFFF);
        QCOMPARE(painted_color(f.boite), ui::light_yellow);
        f.boite.setBackColor(ui::system_window_background);
        QCOMPARE(painted_color(f.boite), systeme(QPalette::Base));
        // Nothing of the yellow bold frame reaches its label or its box, even back from a colour of its own.
        QCOMPARE(painted_color(f.etiquette), systeme(QPalette::Button));
        QVERIFY(!widget(f.etiquette)->font().bold());
        f.dans_cadre.setBackColor(ui::yellow);
        f.dans_cadre.setBackColor(ui::system_window_background);
        QCOMPARE(painted_color(f.dans_cadre), systeme(QPalette::Base));
    }

    // A desktop that turns dark while the program runs: what shows the
    // system's colours turns with it, what the design colours stays.
    void system_colours_follow_the_desktop_while_it_runs()
    {
        auto& f = Fenetre_essai();
        f.cases(0).setBackColor(ui::yellow);
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
        dark.setColor(QPalette::Text, Qt::white);
        QApplication::setPalette(dark);
        QCoreApplication::processEvents();
        const ui::Color box = painted_color(f.boite);
        const ui::Color coloured = painted_color(f.cases(0));
        QApplication::setPalette(light);
        QCoreApplication::processEvents();
        QCOMPARE(box, 0x202020);
        QCOMPARE(coloured, ui::yellow);
    }

    // The program's style draws a frame's border itself, from Fusion's picture.
    void a_frame_looks_as_in_fusion()
    {
        auto* frame = static_cast<QGroupBox*>(widget(Fenetre_essai->cadre));
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        const auto in_fusion = [&] {
            frame->setStyle(fusion.get());
            const QImage image = frame->grab().toImage();
            frame->setStyle(nullptr);
            return image;
        };
        QCOMPARE(frame->grab().toImage(), in_fusion());
        // Without a title, the border rises to the top.
        frame->setTitle(QString());
        QCOMPARE(frame->grab().toImage(), in_fusion());
    }

    void a_missing_array_index_is_a_run_time_error_that_abandons_only_its_event()
    {
        auto& f = Fenetre_essai();
        QVERIFY(f.cases.contains(12));
        QVERIFY(!f.cases.contains(5));
        for (std::int16_t absent : {5, 13, -1}) QVERIFY_THROWS_EXCEPTION(ui::RunTimeError, f.cases(absent));

        const int before = ui::runtime_error_count();
        f.bouton.onClick = [] { Fenetre_essai->cases(7).setText("x"); };
        click(f.bouton);
        QCOMPARE(ui::runtime_error_count(), before + 1);
        // The program goes on: the next event is handled.
        f.boite.setFocus();
        type(f.boite, "4");
        QCOMPARE(f.boite.Text(), QString("4"));
    }

    // Keypad and main-row digits have codes of their own; a release is the key
    // that went down, even after Num Lock changed; the window sees each key
    // before the box; a later event in the same place is read afresh; chords
    // leave the box as it was.
    void key_codes_and_their_order()
    {
        auto& boite = Fenetre_essai->boite;
        keypad_digit(boite, 7);
        main_row_digit(boite, 3);
        std::optional<QKeyEvent> event;  // events live on the stack: the next may take the last one's address
        auto envoyer = [&](QEvent::Type kind, Qt::Key key, Qt::KeyboardModifiers modifiers, quint32 scan_code,
                           const QString& text = {}) {
            event.emplace(kind, key, modifiers, scan_code, 0, 0, text);
            deliver(boite, *event);
        };
        envoyer(QEvent::KeyPress, Qt::Key_4, Qt::KeypadModifier, 83, "4");
        envoyer(QEvent::KeyRelease, Qt::Key_Left, Qt::KeypadModifier, 83);  // Num Lock went off meanwhile
        envoyer(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, 36);
        envoyer(QEvent::KeyPress, Qt::Key_M, Qt::ControlModifier | Qt::AltModifier, 58);
        envoyer(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, 36);
        envoyer(QEvent::KeyRelease, Qt::Key_M, Qt::NoModifier, 0);
        QCOMPARE(events, (QStringList{"form keydown 103 0", "keypress 55", "form keyup 103 0", "keyup 103 0",
                                      "form keydown 51 0", "keypress 51", "form keyup 51 0", "keyup 51 0",
                                      "form keydown 100 0", "keypress 52", "form keyup 100 0", "keyup 100 0",
                                      "form keyup 13 0", "keyup 13 0", "form keydown 77 6", "form keyup 13 0",
                                      "keyup 13 0", "form keyup 77 0", "keyup 77 0"}));

        // Chords carry their shift mask; let go before the letter, only the key going down carries it.
        events.clear();
        key_click(boite, Qt::Key_M, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
        key_press(boite, Qt::Key_M, Qt::ControlModifier | Qt::AltModifier);
        key_release(boite, Qt::Key_M);
        const auto down = events.indexOf("form keydown 77 6");
        QVERIFY2(events.contains("form keyup 77 7") && events.indexOf("form keydown 17 2") < down,
                 qPrintable(events.join(", ")));
        QVERIFY2(down >= 0 && down < events.indexOf("form keyup 77 0"), qPrintable(events.join(", ")));
        QCOMPARE(boite.Text(), QString("734"));

        // Wayland tells the keypad only by the keysym (KP_7), Num Lock on.
        events.clear();
        for (auto kind : {QEvent::KeyPress, QEvent::KeyRelease}) {
            event.emplace(kind, Qt::Key_7, Qt::NoModifier, 87, 0xffb7, 0x10, "7");
            deliver(boite, *event);
        }
        QCOMPARE(events, (QStringList{"form keydown 103 0", "keypress 55", "form keyup 103 0", "keyup 103 0"}));

        // A French keyboard's 5 is shifted: Shift let go first, the key comes
        // up as "(", and is still the key that went down.
        events.clear();
        envoyer(QEvent::KeyPress, Qt::Key_5, Qt::ShiftModifier, 14, "5");
        envoyer(QEvent::KeyRelease, Qt::Key_ParenLeft, Qt::NoModifier, 14);
        QCOMPARE(events, (QStringList{"form keydown 53 1", "keypress 53", "form keyup 53 0", "keyup 53 0"}));
    }

    // With Num Lock off the keypad's digits come as moves (End for 1, Clear
    // for 5...): they type their digit and carry the keypad's codes, on X11
    // (Qt's keypad flag) and on Wayland (the keysym alone). The keypad's
    // other keys, and the same moves on their own keys, type nothing.
    void keypad_digits_with_num_lock_off()
    {
        auto& boite = Fenetre_essai->boite;
        std::optional<QKeyEvent> event;
        auto taper = [&](Qt::Key key, Qt::KeyboardModifiers modifiers, quint32 keysym) {
            for (auto kind : {QEvent::KeyPress, QEvent::KeyRelease}) {
                event.emplace(kind, key, modifiers, 0, keysym, 0);
                deliver(boite, *event);
            }
        };
        taper(Qt::Key_End, Qt::KeypadModifier, 0xff9c);  // KP_End: 1
        taper(Qt::Key_Clear, Qt::NoModifier, 0xff9d);    // KP_Begin on Wayland: 5
        taper(Qt::Key_Insert, Qt::KeypadModifier, 0);    // KP_Insert in a browser: 0
        QCOMPARE(events, (QStringList{"form keydown 97 0", "keypress 49", "form keyup 97 0", "keyup 97 0",
                                      "form keydown 101 0", "keypress 53", "form keyup 101 0", "keyup 101 0",
                                      "form keydown 96 0", "keypress 48", "form keyup 96 0", "keyup 96 0"}));
        QCOMPARE(boite.Text(), QString("150"));

        events.clear();
        taper(Qt::Key_Delete, Qt::KeypadModifier, 0xff9f);  // KP_Delete
        taper(Qt::Key_End, Qt::NoModifier, 0xff57);         // the main End key
        QCOMPARE(events, (QStringList{"form keydown 46 0", "form keyup 46 0", "keyup 46 0", "form keydown 35 0",
                                      "form keyup 35 0", "keyup 35 0"}));
        QCOMPARE(boite.Text(), QString("150"));
    }

    // The release of a key that the focused button leaves climbs to its
    // window: the window has seen it already, even if the handler took the
    // keyboard away meanwhile.
    void a_window_sees_each_key_once()
    {
        auto& f = Fenetre_essai();
        f.bouton.setFocus();
        f.onKeyUp = [](std::int16_t code, std::int16_t) {
            events.push_back(QString("form keyup %1").arg(code));
            if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
        };
        key_release(f.bouton, Qt::Key_M);
        QCOMPARE(events.filter("form keyup"), QStringList{"form keyup 77"});
    }

    // A key held until it repeats sends no KeyDown, and the close box no key
    // at all: what they do still comes after the focus that Tab moved before.
    void a_repeated_key_or_the_close_box_comes_after_the_focus_it_follows()
    {
        auto& f = Fenetre_essai();
        f.cases(0).setFocus();
        events.clear();
        QTest::keyPress(widget(f.cases(0)), Qt::Key_Backtab, Qt::ShiftModifier);
        QKeyEvent repetition(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, "5", true);
        QApplication::sendEvent(widget(f.boite), &repetition);
        QCOMPARE(events.filter(QRegularExpression("got|lost|keypress")).join(", "),
                 QString("case 0 lost, boite got, keypress 53"));
        QTest::keyRelease(widget(f.boite), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(f.boite.Text(), QString("5"));

        f.onUnload = [] { events.push_back("unload"); };
        events.clear();
        QTest::keyPress(widget(f.boite), Qt::Key_Tab);  // let go once the window is gone
        close_box(Fenetre_essai);
        QCOMPARE(events.filter(QRegularExpression("got|lost|unload")).join(", "),
                 QString("boite lost, case 0 got, unload"));
    }

    // A held key repeats: each repeat types, and only the real release is a KeyUp.
    void a_held_key_types_again_and_goes_up_once()
    {
        auto& boite = Fenetre_essai->boite;
        boite.setFocus();
        events.clear();
        std::optional<QKeyEvent> event;
        for (auto [kind, repeat] : {std::pair{QEvent::KeyPress, false}, {QEvent::KeyRelease, true},
                                    {QEvent::KeyPress, true}, {QEvent::KeyRelease, false}}) {
            event.emplace(kind, Qt::Key_5, Qt::NoModifier, "5", repeat);
            deliver(boite, *event);
        }
        QCOMPARE(events.join(", "),
                 QString("form keydown 53 0, keypress 53, keypress 53, form keyup 53 0, keyup 53 0"));
        QCOMPARE(boite.Text(), QString("55"));
    }

    void only_what_keypress_lets_through_enters_a_box()
    {
        auto& boite = Fenetre_essai->boite;
        type(boite, "1a-+ ,2");
        for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Escape}) key_click(boite, key);
        QGuiApplication::clipboard()->setText("999");
        key_click(boite, Qt::Key_V, Qt::ControlModifier);
        key_click(boite, Qt::Key_Insert, Qt::ShiftModifier);
        key_click(boite, Qt::Key_Z, Qt::ControlModifier);
        key_click(boite, Qt::Key_X, Qt::ControlModifier);
        click(boite, Qt::MiddleButton);
        QCOMPARE(boite.Text(), QString("12"));
        QVERIFY2(events.contains("keypress 8") && events.contains("keypress 13"), qPrintable(events.join(", ")));
        // A character past what KeyPress's 16 bits hold types nothing, and raises no KeyPress.
        events.clear();
        QKeyEvent hangul(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("가"));
        deliver(boite, hangul);
        QCOMPARE(events.filter("keypress").join(", "), QString());
        QCOMPARE(boite.Text(), QString("12"));
    }

    // Lost then got, at once and once, by program, mouse or Tab; a hidden
    // control, or one in a hidden frame, leaves the focus where it is.
    void focus_moves_raise_lost_then_got()
    {
        auto& f = Fenetre_essai();
        f.boite.setFocus();
        events.clear();
        f.cases(10).setFocus();
        f.cases(10).setFocus();
        QCOMPARE(events, (QStringList{"boite lost", "case 10 got"}));
        click(f.cases(1));
        tab_from(f.cases(1));
        f.cases(0).setVisible(false);
        f.cases(0).setFocus();
        f.bouton.setVisible(false);
        f.bouton.setFocus();
        f.cadre.setVisible(false);
        f.dans_cadre.setFocus();
        QCOMPARE(events.filter(QRegularExpression("got|lost")),
                 (QStringList{"boite lost", "case 10 got", "case 10 lost", "case 1 got", "case 1 lost", "case 2 got"}));
        QCOMPARE(f.focused(), &f.cases(2));
        VERIFY_FOCUS(f.cases(2));
        // A panel's box is the window's as much as any other.
        f.cadre.setVisible(true);
        click(f.dans_cadre);
        QCOMPARE(f.focused(), &f.dans_cadre);
        QCOMPARE(events.last(), QStringLiteral("case 2 lost"));
    }

    // Menus and other windows take the keyboard without focus events.
    void menus_and_other_windows_leave_the_focus_alone()
    {
        auto& f = Fenetre_essai();
        f.boite.setFocus();
        type(f.boite, "5");
        events.clear();
        open_and_close(f.options);
        choose(f.choix);
        when_modal([] { click(Fenetre_modale->ok); Fenetre_modale.hide(); });
        Fenetre_modale.showModal(Fenetre_essai);
        activate(Fenetre_essai);
        QTRY_VERIFY(has_keyboard_focus(f.boite));
        QCOMPARE(events, (QStringList{"menu click"}));
        QCOMPARE(f.boite.Text(), QString("5"));
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

    // A modal show returns on hide and on unload, and the owner has the
    // keyboard again; the close box unloads.
    void modal_windows_the_close_box_and_unloading_from_a_handler()
    {
        when_modal([] { Fenetre_modale.hide(); });
        Fenetre_modale.showModal(Fenetre_essai);
        QVERIFY(Fenetre_modale.loaded());
        QVERIFY(!Fenetre_modale.shown());
        when_modal([] { Fenetre_modale.unload(); });
        Fenetre_modale.showModal(Fenetre_essai);
        QVERIFY(!Fenetre_modale.loaded());
        QVERIFY(QTest::qWaitFor([] { return has_keyboard_focus(Fenetre_essai->boite); }, 2000));

        const int unloads_before = unloads;
        close_box(Fenetre_essai);
        QVERIFY(!Fenetre_essai.loaded());
        QCOMPARE(unloads, unloads_before + 1);

        // Unloaded from its own KeyPress, a window unloads once, and neither the
        // character nor the key's release reaches what is left of it.
        Fenetre_essai.show();
        QVERIFY(wait_until_active(Fenetre_essai));
        auto& f = Fenetre_essai();
        int runs = 0;
        f.onUnload = [&runs] {
            ++runs;
            Fenetre_essai.unload();
        };
        f.boite.onKeyPress = [](std::int16_t&) { Fenetre_essai.unload(); };
        events.clear();
        type(f.boite, "5");
        QCOMPARE(runs, 1);
        QCOMPARE(f.boite.Text(), QString());
        QVERIFY(events.filter("keyup").isEmpty());
    }

    // Space and Enter click a focused button. A screen reader hears French
    // names and texts; its press is answered before the click, and ignored
    // under a modal window.
    void buttons_pressed_from_the_keyboard_and_by_a_screen_reader()
    {
        auto& f = Fenetre_essai();
        f.bouton.setFocus();
        key_click(f.bouton, Qt::Key_Space);
        key_click(f.bouton, Qt::Key_Return);
        key_click(f.bouton, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(events.filter("click"), (QStringList{"click", "click", "click"}));
        events.clear();
        f.boite.setText("42");
        QCOMPARE((QStringList{accessible_name(f.boite), accessible_name(f.bouton), accessible_name(f.etiquette),
                              accessible_text(f.etiquette), accessible_text(f.boite)}),
                 (QStringList{"Boîte d'essai", "Vérifier", "Chiffre d'essai, 7", "7", "42"}));
        f.etiquette.setCaption(QString());  // an empty label is called by its name alone
        QCOMPARE(accessible_name(f.etiquette), QString("Chiffre d'essai"));
        press_as_a_reader(f.bouton);
        QVERIFY(events.empty());
        QTRY_COMPARE(events, (QStringList{"click"}));
        when_modal([&f] {
            press_as_a_reader(f.bouton);
            QCoreApplication::processEvents();
            Fenetre_modale.unload();
        });
        Fenetre_modale.showModal(Fenetre_essai);
        QCoreApplication::processEvents();
        QCOMPARE(events, (QStringList{"click"}));
    }

    // Announced while the focus stays put, the words go to the control that
    // has it, until the focus leaves it.
    void an_announcement_goes_with_the_focus()
    {
        auto& f = Fenetre_essai();
        const auto description = [](const ui::Control& control) {
            return QAccessible::queryAccessibleInterface(widget(control))->text(QAccessible::Description);
        };
        f.boite.setFocus();
        f.announce("4 plus 3");
        QTRY_COMPARE(description(f.boite), QString("4 plus 3"));
        click(f.cases(0));
        QCOMPARE(description(f.boite), QString());
    }

    // What a shown panel covers takes no focus, from Tab, the program or a
    // reader's press; uncovered, it is an ordinary control again.
    void a_covered_control_takes_neither_focus_nor_press()
    {
        Fenetre_panneau.show();
        auto& f = Fenetre_panneau();
        QVERIFY(wait_until_active(Fenetre_panneau));
        events.clear();
        QStringList tabs;
        for (int tab = 0; tab < 4; ++tab) {
            tab_from(*f.focused());
            tabs << f.focused()->name();
        }
        QCOMPARE(tabs, (QStringList{"a_moitie", "dedans", "a_moitie", "dedans"}));
        f.cachee.setFocus();
        press_as_a_reader(f.dessous);
        QCoreApplication::processEvents();
        QCOMPARE(events, QStringList());
        QCOMPARE(f.focused(), &f.dedans);

        f.panneau.setVisible(false);
        f.cachee.setFocus();
        press_as_a_reader(f.dessous);
        QTRY_COMPARE(events, (QStringList{"cachee got", "dessous click"}));
        // Covered again, the control that has the focus keeps it.
        f.panneau.setVisible(true);
        VERIFY_FOCUS(f.cachee);
        tab_from(f.cachee);
        QCOMPARE(f.focused(), &f.a_moitie);
        Fenetre_panneau.unload();
    }

    void number_conversions_and_draws()
    {
        QCOMPARE((QList<double>{ui::numeric_value("05"), ui::numeric_value("  12ab3"), ui::numeric_value(""),
                                ui::numeric_value("x1"), ui::integer_part(-0.5)}),
                 (QList<double>{5, 12, 0, 0, -1}));
        // Halves round to even.
        QCOMPARE((QList<int>{ui::to_int16(2.5), ui::to_int16(3.5), ui::to_int32(-2.5), ui::to_int16(32767)}),
                 (QList<int>{2, 4, -2, 32767}));
        QVERIFY_THROWS_EXCEPTION(ui::RunTimeError, ui::to_int16(32767.5));
        QVERIFY_THROWS_EXCEPTION(ui::RunTimeError, ui::to_int16(-32769));
        QVERIFY_THROWS_EXCEPTION(ui::RunTimeError, ui::to_int32(2147483648.0));
        QCOMPARE(ui::decimal_text_spaced(1234) + ui::decimal_text_spaced(-3), QString(" 1234-3"));
        // The program's own draws stay within [0, 1).
        ui::set_random_source(nullptr);
        ui::randomize();
        for (int i = 0; i < 1000; ++i) {
            const double r = ui::rnd();
            QVERIFY2(r >= 0 && r < 1, qPrintable(QString::number(r, 'g', 17)));
        }
    }
};

TIBALOU_TEST_MAIN(UiTest)
#include "ui_test.moc"

#pragma once

// Checks of where the keyboard is that say, when they fail, where it went.

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "ui/testing.h"

// "Feuille_addition.Command2": the control that has the keyboard and its
// window, else the widget that has it, or "nothing".
inline QString keyboard_focus()
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus) return QStringLiteral("nothing");
    for (ui::Form* form : ui::testing::loaded_forms())
        for (ui::Focusable* control : form->focusables())
            if (ui::testing::widget(*control) == focus) return form->name() + '.' + control->name();
    return QString::fromLatin1(focus->metaObject()->className()) + ' ' + focus->objectName();
}

#define VERIFY_FOCUS(control) \
    QVERIFY2(ui::testing::has_keyboard_focus(control), qPrintable("the keyboard is on " + keyboard_focus()))

#include "common/jugement.h"

#include "common/score.h"
#include "ui/form.h"
#include "ui/numbers.h"

bool chiffre_juste(const ui::TextBox& box, double attendu)
{
    return !box.Text().isEmpty() && ui::numeric_value(box.Text()) == attendu;
}

void juger(ui::TextBox& box, bool juste)
{
    box.setBackColor(juste ? ui::green : ui::red);
    // The colour is the verdict on screen; the reader says it in words.
    box.setDescription(juste ? QStringLiteral("juste") : QStringLiteral("faux"));
    if (!box.Visible()) return;
    if (juste)
        ++justes_essai;
    else
        ++fausses_essai;
}

void remettre_a_neuf(ui::TextBox& box, ui::Color couleur)
{
    box.setBackColor(couleur);
    box.setDescription({});
}

bool case_jugee(const ui::TextBox& box)
{
    return box.BackColor() == ui::green || box.BackColor() == ui::red;
}

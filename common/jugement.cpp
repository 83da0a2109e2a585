#include "common/jugement.h"

#include "common/annonces.h"
#include "common/score.h"
#include "ui/numbers.h"

namespace {

bool est_juste(const ui::TextBox& box, const Attendu& attendu)
{
    const QString& texte = box.Text();
    switch (attendu.lecture) {
    case Lecture::texte:
        return texte == attendu.chiffre;
    case Lecture::chiffre:
        return !texte.isEmpty() && ui::numeric_value(texte) == ui::numeric_value(attendu.chiffre);
    case Lecture::vide_pour_zero:
        return ui::numeric_value(texte) == ui::numeric_value(attendu.chiffre);
    }
    return false;
}

void juger(ui::TextBox& box, bool juste)
{
    box.setBackColor(juste ? fond_juste : fond_faux);
    // The colour is the verdict on screen; the reader says it in words.
    box.setDescription(juste ? QStringLiteral("juste") : QStringLiteral("faux"));
    if (!box.Visible()) return;
    if (juste)
        ++justes_essai;
    else
        ++fausses_essai;
}

}  // namespace

bool deja_jugee(const ui::TextBox& box)
{
    return box.BackColor() == fond_juste || box.BackColor() == fond_faux;
}

bool encore_neutre(const ui::TextBox& box)
{
    return box.BackColor() == fond_neutre;
}

bool recoit_chiffre_abaisse(const ui::TextBox& box)
{
    return box.BackColor() == fond_abaisse;
}

void remettre_a_neuf(ui::TextBox& box, ui::Color couleur)
{
    box.setBackColor(couleur);
    box.setDescription({});
}

void verifier(ui::Form& fenetre, std::initializer_list<Rangee> rangees, Peintes peintes, Comptage comptage,
              ui::Focusable& ensuite)
{
    // Read before any box is painted.
    const bool comptee = comptage.temoin == nullptr || encore_neutre(*comptage.temoin);
    justes_essai = 0;
    fausses_essai = 0;
    for (const Rangee& rangee : rangees)
        for (auto i : rangee.cases.indices()) {
            ui::TextBox& box = rangee.cases(i);
            if (peintes == Peintes::toutes || box.Visible()) juger(box, est_juste(box, rangee.attendu(i)));
        }
    if (comptee) mettre_a_jour_totaux();
    fenetre.announce(bilan_lu());
    ensuite.setFocus();
}

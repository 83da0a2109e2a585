#include "dialogs/Feuille_A_Propos.h"

#include "common/images.h"
#include "ui/keys.h"

namespace {

void Feuille_A_Propos_Command1_Click()
{
    Feuille_A_Propos.hide();
    Feuille_A_Propos.unload();
}

const ui::Font texte{"", 9.75, false};

}  // namespace

FeuilleAPropos::FeuilleAPropos()
    : ui::Form({.name = "Feuille_A_Propos", .caption = "A propos...", .width = 3465, .height = 1680,
                .icon = image_tibalou, .dialog = true}),
      Label1(*this, {.name = "Label1", .caption = "Écrit en C++ avec Qt 6.", .left = 120,
                     .top = 720, .width = 3135, .height = 375, .align = ui::Align::center, .font = texte,
                     .accessible_name = "Comment ce logiciel a été fait"}),
      Command1(*this, {.name = "Command1", .caption = "OK", .left = 720, .top = 1200, .width = 2055, .height = 375,
                       .font = texte, .cancel = true})
{
    Command1.onClick = Feuille_A_Propos_Command1_Click;
    Command1.describedBy(Label1);
    setTabOrder(Command1);
}

namespace {
constexpr std::int16_t ctrl_alt = ui::ctrl_mask | ui::alt_mask;
}  // namespace

void RaccourciAPropos::enfonce(std::int16_t KeyCode, std::int16_t Shift)
{
    m_enfonce_avec_ctrl_alt_ = KeyCode == ui::key_M && Shift == ctrl_alt;
}

void RaccourciAPropos::relache(std::int16_t KeyCode, std::int16_t Shift, ui::FormSlotBase& fenetre)
{
    if (KeyCode != ui::key_M) return;
    const bool accord = Shift == ctrl_alt || (m_enfonce_avec_ctrl_alt_ && (Shift & ~ctrl_alt) == 0);
    m_enfonce_avec_ctrl_alt_ = false;
    if (accord) Feuille_A_Propos.openModal(fenetre);
}

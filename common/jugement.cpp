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
    if (!box.Visible()) return;
    if (juste)
        ++justes_essai;
    else
        ++fausses_essai;
}

bool case_jugee(const ui::TextBox& box)
{
    return box.BackColor() == ui::green || box.BackColor() == ui::red;
}

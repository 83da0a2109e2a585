#include "ui/keys.h"

namespace ui {

void filtre_chiffre(std::int16_t& KeyAscii)
{
    if (KeyAscii < '0' || KeyAscii > '9') KeyAscii = 0;
}

bool touche_pave_chiffre(std::int16_t KeyCode)
{
    return KeyCode >= key_numpad0 && KeyCode <= key_numpad9;
}

}  // namespace ui

#include "ui/font_start.h"

#include <fontconfig/fontconfig.h>

namespace ui {

FontConfigStart::FontConfigStart() : thread_([] { FcInit(); }) {}

FontConfigStart::~FontConfigStart()
{
    wait();
}

void FontConfigStart::wait()
{
    if (thread_.joinable()) thread_.join();
}

}  // namespace ui

#include "ui/font_start.h"

#include <QFontDatabase>
#include <QStringList>
#include <fontconfig/fontconfig.h>
#include <malloc.h>

namespace ui {

FontConfigStart::FontConfigStart()
{
    // A start's helper threads allocate little: in the one heap, what the
    // fonts leave free is the window's to take, not held apart for the thread.
    mallopt(M_ARENA_MAX, 1);
    thread_ = std::thread([made = made_.get_future()]() mutable {
        FcInit();
        if (made.get()) QFontDatabase::families();
    });
}

FontConfigStart::~FontConfigStart()
{
    if (!told_) made_.set_value(false);
    wait();
}

void FontConfigStart::application_made()
{
    told_ = true;
    made_.set_value(true);
}

void FontConfigStart::wait()
{
    if (thread_.joinable()) thread_.join();
}

}  // namespace ui

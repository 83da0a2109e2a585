#include "ui/head_start.h"

#include <QByteArray>
#include <QDBusConnection>
#include <QFontDatabase>
#include <QStringList>
#include <QThread>
#include <cstring>
#include <fontconfig/fontconfig.h>
#include <malloc.h>

namespace ui {

namespace {

// The platform the arguments or the environment ask Qt for.
QByteArray platform_asked(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return argv[i + 1];
    return qgetenv("QT_QPA_PLATFORM");
}

// Only the desktop platforms have an accessibility bridge: elsewhere the bus
// would be launched for nothing.
bool bridged(const QByteArray& platform)
{
    return !platform.startsWith("offscreen") && !platform.startsWith("minimal");
}

}  // namespace

HeadStart::HeadStart(int argc, char** argv)
{
    // A start's helper threads allocate little: in the one heap, what the
    // fonts leave free is the window's to take, not held apart for the thread.
    mallopt(M_ARENA_MAX, 1);
    // Qt takes the first thread that asks it for its thread as its main one:
    // this one asks before the helper does.
    QThread::currentThread();
    thread_ = std::thread([made = made_.get_future(), bus = bridged(platform_asked(argc, argv))]() mutable {
        // Qt keeps the connection for whoever asks next, the bridge included.
        if (bus) QDBusConnection::sessionBus();
        FcInit();
        if (made.get()) QFontDatabase::families();
    });
}

HeadStart::~HeadStart()
{
    if (!told_) made_.set_value(false);
    wait();
}

void HeadStart::application_made()
{
    told_ = true;
    made_.set_value(true);
}

void HeadStart::wait()
{
    if (thread_.joinable()) thread_.join();
}

}  // namespace ui

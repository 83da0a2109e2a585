#include "bench/paint.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

FirstPaint::FirstPaint(std::function<bool(QWidget*)> is_target, std::function<void(const Moment&)> painted)
    : is_target_(std::move(is_target)), painted_(std::move(painted))
{
    qApp->installEventFilter(this);
}

FirstPaint::~FirstPaint()
{
    qApp->removeEventFilter(this);
}

bool FirstPaint::eventFilter(QObject* receiver, QEvent* event)
{
    if (seen_ || event->type() != QEvent::Paint) return false;
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (!widget || !is_target_(widget->window())) return false;
    seen_ = true;
    // A whole window is painted in one pass, inside the event being handled:
    // a queued call runs once it is over.
    QTimer::singleShot(0, this, [this] { painted_(Moment::now()); });
    return false;
}

Moment show_and_wait_painted(QWidget& window, const std::function<void()>& show)
{
    QEventLoop loop;
    Moment at;
    FirstPaint watch([&window](QWidget* painted) { return painted == &window; },
                     [&](const Moment& moment) {
                         at = moment;
                         loop.quit();
                     });
    show();
    loop.exec();
    return at;
}

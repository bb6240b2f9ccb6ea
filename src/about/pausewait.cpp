#include "pausewait.h"

#include <QTimer>

namespace tandara::about {

bool PauseWait::wait(int ms)
{
    if (cancelled_)
        return false;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, &loop_, &QEventLoop::quit);
    timer.start(ms);
    loop_.exec();
    return !cancelled_;
}

void PauseWait::cancel()
{
    cancelled_ = true;
    loop_.quit();
}

} // namespace tandara::about

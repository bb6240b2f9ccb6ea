#pragma once
// How long the window goes without being served: a zero-interval timer
// fires each time the window's thread handles its events, and the longest
// time between two firings is the longest the window went unserved.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class GapMeter : public QObject {
public:
    GapMeter()
    {
        timer_.setInterval(0);
        connect(&timer_, &QTimer::timeout, this, [this] {
            longest_ = std::max(longest_, since_.restart());
        });
    }
    void start()
    {
        longest_ = 0;
        since_.start();
        timer_.start();
    }
    // Stops and gives the longest gap in milliseconds, counting the time
    // since the last firing too.
    qint64 stop()
    {
        timer_.stop();
        return std::max(longest_, since_.elapsed());
    }

private:
    QTimer timer_;
    QElapsedTimer since_;
    qint64 longest_ = 0;
};

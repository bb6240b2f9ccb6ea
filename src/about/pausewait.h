#pragma once
// A pause that keeps the program responsive: it runs a nested event loop
// until a single-shot timer ends it, so timers, input and painting go on
// during the wait without spinning the processor. cancel() ends it early,
// for instance when the window that paused is closed.

#include <QEventLoop>
#include <QObject>

namespace tandara::about {

class PauseWait : public QObject {
    Q_OBJECT
public:
    // Waits ms milliseconds of steady time while serving events. Returns
    // true when the time ran out, false when cancel() ended the wait (or
    // came before it).
    bool wait(int ms);

public slots:
    void cancel();

private:
    QEventLoop loop_;
    bool cancelled_ = false;
};

} // namespace tandara::about

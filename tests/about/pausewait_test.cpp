#include "about/pausewait.h"

#include <QTimer>
#include <gtest/gtest.h>

using tandara::about::PauseWait;

TEST(PauseWait, ServesEventsRunsOutAndEndsAtOnceWhenCancelled)
{
    PauseWait pause;
    bool served = false;
    QTimer::singleShot(0, [&] {
        served = true;
        pause.cancel();
    });
    // A wait that did not serve events or ignored the cancel would run for
    // a minute and then report that the time ran out.
    EXPECT_FALSE(pause.wait(60000));
    EXPECT_TRUE(served);

    PauseWait ranOut;
    EXPECT_TRUE(ranOut.wait(1));

    PauseWait early;
    early.cancel();
    EXPECT_FALSE(early.wait(60000));
}

// A scan on a share that answers slowly: the walk's thread is not held by
// a reader stuck on a slow folder, and "Annulla" takes effect at once.

#include "latencymount.h"

#include "engine/scan.h"
#include "support/temptree.h"

#include <gtest/gtest.h>

namespace tandara::test {
namespace {

TEST(SlowShare, CancelTakesEffectWhileAReaderIsStuckOnAFolder)
{
    TempDir dir;
    makeTree(dir / "backing", {{"inner/f.txt", 1, 1700000000}});
    const std::string origin = dir.folder("origin");
    makeTree(origin, {{"a.txt", 1, 1700000000}});
    // Every call on the share takes most of a second.
    LatencyMount share(dir / "backing", dir.folder("origin/slow"), dir / "stats", {"--delay-us", "800000"});
    if (!share.failure().empty())
        GTEST_SKIP() << share.failure();

    std::array<ResultList, kListCount> lists{ResultList(IconKey::NuovoO), ResultList(IconKey::NuovoD),
                                             ResultList(IconKey::AggiornatoO), ResultList(IconKey::AggiornatoD)};
    ScanState state;
    state.m_sDirRadice = {origin, dir.folder("dest"), {}, {}};
    int waits = 0;
    WalkHooks hooks;
    hooks.waiting = [&] {
        if (++waits == 3)
            state.bAnnulla = true; // as "Annulla" pressed while the window is served
    };
    EXPECT_FALSE(runScan(state, {&lists[0], &lists[1], &lists[2], &lists[3]}, hooks));
    EXPECT_EQ(waits, 3) << "the walk gave up while the folder was still being read";
    for (const ResultList &list : lists)
        EXPECT_EQ(list.count(), 0u);
}

} // namespace
} // namespace tandara::test

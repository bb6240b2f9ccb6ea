// tandara-sync ORIGIN DEST
//
// Brings DEST up to ORIGIN headless, the way the window's commands do it:
// a scan (the same walks, the same yield to the event loop after each
// subfolder), then every row of list 0 and of list 2 copied to the
// destination through CopiaFile with its list bookkeeping, last row to
// first, then a second scan. Prints what the second scan found and the
// whole time:
//   list K: N rows, B bytes      for K = 0..3
//   sync: T ms
// Files that fail are reported on stderr; the exit status is then 1.

#include "engine/scan.h"
#include "fileops/commandsteps.h"
#include "fileops/copiafile.h"
#include "lists/texts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

using namespace tandara;

namespace {

struct Lists {
    ResultListModel l0{IconKey::NuovoO}, l1{IconKey::NuovoD}, l2{IconKey::AggiornatoO}, l3{IconKey::AggiornatoD};
    ResultModels models() { return {&l0, &l1, &l2, &l3}; }
};

void scan(Lists &lists, ScanState &state)
{
    const ResultModels models = lists.models();
    for (ResultListModel *m : models) {
        m->beginBulkChange();
        m->list().clear();
    }
    state.clearTotals();
    QString statusText;
    WalkHooks hooks;
    hooks.showFolder = [&](std::string_view folder) { statusText = displayName(folder); };
    hooks.afterSubfolder = [] { QCoreApplication::processEvents(); };
    runScan(state, {&lists.l0.list(), &lists.l1.list(), &lists.l2.list(), &lists.l3.list()}, hooks);
    for (ResultListModel *m : models)
        m->endBulkChange();
}

// Copies every row of list k to the other side; gives the failures.
int copyAll(int k, Lists &lists, ScanState &state, double &copied)
{
    int failures = 0;
    FileOpHooks hooks;
    hooks.report = [&failures](const QString &message) {
        ++failures;
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    };
    const ResultModels models = lists.models();
    for (int row = models[k]->rowCount() - 1; row >= 0; --row)
        CopiaFile(k, models, row, state.m_sDirRadice[k], state.m_sDirRadice[partner(k)], state, copied, hooks);
    return failures;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: tandara-sync ORIGIN DEST\n");
        return 2;
    }
    Lists lists;
    ScanState state;
    state.m_sDirRadice[0] = normalizeRoot(argv[1]);
    state.m_sDirRadice[1] = normalizeRoot(argv[2]);

    QElapsedTimer timer;
    timer.start();
    scan(lists, state);
    double copied = 0;
    const int failures = copyAll(0, lists, state, copied) + copyAll(2, lists, state, copied);
    scan(lists, state);
    const qint64 elapsed = timer.elapsed();

    const ResultModels models = lists.models();
    for (int k = 0; k < kListCount; ++k)
        std::printf("list %d: %d rows, %.0f bytes\n", k, models[k]->rowCount(), state.dTotaleLv[k]);
    std::printf("sync: %lld ms\n", static_cast<long long>(elapsed));
    return failures == 0 ? 0 : 1;
}

// tandara-sync [--delete] ORIGIN DEST
//
// Brings DEST up to ORIGIN headless, the way the window's commands do it:
// a scan (the same walks, the same yield to the event loop after each
// subfolder), then every row of list 0 and of list 2 copied to the
// destination through CopiaFile with its list bookkeeping, last row to
// first, as one copy command ended by CopySession::finish (folder modes
// and times, then one syncfs per destination file system). With --delete,
// every row of list 1 is then deleted through CancellaFile and the
// destination's empty folders are removed (Deltree), as the window's
// "Elimina" answered "Sì" twice does. Then a second scan. Prints what the
// second scan found, the whole time, and the parts of it that the end of
// the copy command and the second, checking scan took:
//   list K: N rows, B bytes      for K = 0..3
//   copy: T ms                   the copy of lists 0 and 2 alone
//   sync: T ms
//   finish: F ms
//   check: C ms
// Files that fail are reported on stderr, one a line; the exit status is
// then 1, as it is when the scan is refused.

#include "engine/roots.h"
#include "engine/scan.h"
#include "engine/scantexts.h"
#include "fileops/cancellafile.h"
#include "fileops/commandsteps.h"
#include "fileops/copiafile.h"
#include "fileops/deltree.h"
#include "lists/texts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstring>

using namespace tandara;

namespace {

struct Lists {
    ResultListModel l0{IconKey::NuovoO}, l1{IconKey::NuovoD}, l2{IconKey::AggiornatoO}, l3{IconKey::AggiornatoD};
    ResultModels models() { return {&l0, &l1, &l2, &l3}; }
};

void printLine(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

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
    if (!state.unreadFolders.empty())
        printLine(unreadFoldersMessage(state));
}

FileOpHooks countingHooks(int &failures)
{
    FileOpHooks hooks;
    hooks.report = [&failures](const QString &message) {
        ++failures;
        printLine(message);
    };
    return hooks;
}

// Copies every row of list k to the other side; gives the failures.
int copyAll(int k, Lists &lists, ScanState &state, double &copied, CopySession &session)
{
    int failures = 0;
    const FileOpHooks hooks = countingHooks(failures);
    const ResultModels models = lists.models();
    for (int row = models[k]->rowCount() - 1; row >= 0; --row)
        CopiaFile(k, models, row, state.m_sDirRadice[k], state.m_sDirRadice[partner(k)], state, copied, session,
                  hooks);
    return failures;
}

// Deletes every row of list k, then the empty folders of its side.
int deleteAll(int k, Lists &lists, ScanState &state)
{
    int failures = 0;
    const FileOpHooks hooks = countingHooks(failures);
    const ResultModels models = lists.models();
    double deleted = 0;
    for (int row = models[k]->rowCount() - 1; row >= 0; --row) {
        const ResultRow r = models[k]->list().row(size_t(row));
        const TreeFile file{state.m_sDirRadice[k], std::string(r.folder), std::string(r.name)};
        CancellaFile(k, file, models, row, state, deleted, hooks);
    }
    Deltree(state.m_sDirRadice[k]);
    return failures;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const bool withDelete = argc == 4 && std::strcmp(argv[1], "--delete") == 0;
    if (argc != 3 && !withDelete) {
        std::fprintf(stderr, "usage: tandara-sync [--delete] ORIGIN DEST\n");
        return 2;
    }
    Lists lists;
    ScanState state;
    state.m_sDirRadice[0] = argv[argc - 2];
    state.m_sDirRadice[1] = argv[argc - 1];
    if (resolveRoots(state.m_sDirRadice[0], state.m_sDirRadice[1]) != RootsOverlap::None) {
        printLine(rootsOverlapMessage());
        return 1;
    }

    QElapsedTimer timer;
    timer.start();
    scan(lists, state);
    double copied = 0;
    QElapsedTimer copyTimer;
    copyTimer.start();
    CopySession session;
    int failures = copyAll(0, lists, state, copied, session) + copyAll(2, lists, state, copied, session);
    QElapsedTimer finishing;
    finishing.start();
    session.finish();
    const qint64 finished = finishing.elapsed();
    const qint64 copyElapsed = copyTimer.elapsed();
    if (withDelete)
        failures += deleteAll(1, lists, state);
    QElapsedTimer checking;
    checking.start();
    scan(lists, state);
    const qint64 checked = checking.elapsed();
    const qint64 elapsed = timer.elapsed();

    const ResultModels models = lists.models();
    for (int k = 0; k < kListCount; ++k)
        std::printf("list %d: %d rows, %.0f bytes\n", k, models[k]->rowCount(), state.dTotaleLv[k]);
    std::printf("copy: %lld ms\n", static_cast<long long>(copyElapsed));
    std::printf("sync: %lld ms\n", static_cast<long long>(elapsed));
    std::printf("finish: %lld ms\n", static_cast<long long>(finished));
    std::printf("check: %lld ms\n", static_cast<long long>(checked));
    return failures == 0 ? 0 : 1;
}

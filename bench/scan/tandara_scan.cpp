// tandara-scan ORIGIN DEST [--rows]
//
// Runs the scan headless the way the main window does (the same walks, the
// same yield to the event loop after each subfolder, the folder being read
// turned into display text) and prints what it found:
//   with --rows, one line per row: list index, a tab, the relative key
//   (bytes as on disk), in list order; then
//   list K: N rows, B bytes      for K = 0..3
//   scan: T ms

#include "engine/scan.h"
#include "lists/texts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>

using namespace tandara;

static void printRows(const std::array<ResultList, kListCount> &lists)
{
    for (int k = 0; k < kListCount; ++k) {
        for (size_t pos = 0; pos < lists[k].count(); ++pos) {
            const ResultRow row = lists[k].row(pos);
            std::printf("%d\t", k);
            std::fwrite(row.folder.data(), 1, row.folder.size(), stdout);
            std::fwrite(row.name.data(), 1, row.name.size(), stdout);
            std::fputc('\n', stdout);
        }
    }
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: tandara-scan ORIGIN DEST [--rows]\n");
        return 2;
    }
    const bool rows = argc > 3 && std::strcmp(argv[3], "--rows") == 0;

    std::array<ResultList, kListCount> lists{ResultList(IconKey::NuovoO), ResultList(IconKey::NuovoD),
                                             ResultList(IconKey::AggiornatoO), ResultList(IconKey::AggiornatoD)};
    ScanState state;
    state.m_sDirRadice[0] = normalizeRoot(argv[1]);
    state.m_sDirRadice[1] = normalizeRoot(argv[2]);

    QString statusText;
    WalkHooks hooks;
    hooks.showFolder = [&](std::string_view folder) { statusText = displayName(folder); };
    hooks.afterSubfolder = [] { QCoreApplication::processEvents(); };

    QElapsedTimer timer;
    timer.start();
    runScan(state, {&lists[0], &lists[1], &lists[2], &lists[3]}, hooks);
    const qint64 elapsed = timer.elapsed();

    if (rows)
        printRows(lists);
    for (int k = 0; k < kListCount; ++k)
        std::printf("list %d: %zu rows, %.0f bytes\n", k, lists[k].count(), state.dTotaleLv[k]);
    std::printf("scan: %lld ms\n", static_cast<long long>(elapsed));
    return 0;
}

// tandara-window-bench ORIGIN DEST [ROWS]
//
// The main window under measurement: the scan of two trees started from the
// window (lists hidden while it runs, shown after), then a list of ROWS
// rows (default 1,000,000) shown, selected whole, scrolled to its end,
// asked for every row's selection, as the copy and delete passes do, and
// sorted by each column through its header, with every row selected.
// Run it under xvfb-run or with QT_QPA_PLATFORM=offscreen.

#include "foldertree/folderview.h"
#include "foldertree/folderwalk.h"
#include "mainwindow/frmmain.h"
#include "widgets/resultlistview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <cstdio>
#include <cstdlib>

using namespace tandara;

namespace {

void report(const char *what, QElapsedTimer &timer)
{
    std::printf("%-34s %6lld ms\n", what, static_cast<long long>(timer.restart()));
}

void scanFromWindow(frmMain &window, const char *origin, const char *dest)
{
    if (!selectFolderPath(*window.flvList[0], origin) || !selectFolderPath(*window.flvList[1], dest)) {
        std::fprintf(stderr, "cannot select the folders\n");
        std::exit(1);
    }
    QElapsedTimer timer;
    timer.start();
    window.cpvScansione_Click();
    QApplication::processEvents();
    report("scan from the window", timer);
    for (int k = 0; k < 4; ++k)
        std::printf("  list %d: %d rows\n", k, window.models[k]->rowCount());
}

// Each header clicked once (from the smallest up), then "Nome" again (the
// other way).
void sortByEachColumn(ResultListView &view)
{
    QElapsedTimer timer;
    timer.start();
    const char *what[] = {"sort by name", "sort by folder", "sort by size", "sort by time"};
    for (int column = 0; column < ResultListModel::ColumnCount; ++column) {
        view.sortByColumn(column, Qt::AscendingOrder);
        QApplication::processEvents();
        report(what[column], timer);
    }
    view.sortByColumn(0, Qt::DescendingOrder);
    QApplication::processEvents();
    report("sort by name, the other way", timer);
    std::printf("  %zu rows still selected\n", view.resultModel()->list().selectedCount());
}

void bigList(frmMain &window, long rows)
{
    QElapsedTimer timer;
    timer.start();
    ResultListModel &model = *window.models[0];
    model.beginBulkChange();
    for (long i = 0; i < rows; ++i)
        model.list().append("file" + std::to_string(i) + ".dat", "/g" + std::to_string(i / 1000) + "/",
                            i * 7919 % 1000003, 1700000000 + i * 104729 % 100000000, true);
    model.endBulkChange();
    window.cpvTabStrip_Click(0);
    QApplication::processEvents();
    report("fill and show the rows", timer);

    ResultListView &view = *window.lvFiles[0];
    view.selectAllRows();
    QApplication::processEvents();
    report("select all", timer);
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
    QApplication::processEvents();
    report("scroll to the end", timer);
    size_t selected = 0;
    for (long i = rows; i >= 1; --i)
        selected += model.list().isSelected(size_t(i - 1));
    report("ask every row's selection", timer);
    std::printf("  %zu rows selected\n", selected);
    sortByEachColumn(view);
    timer.restart();
    window.PulisciListview();
    QApplication::processEvents();
    report("clear the lists", timer);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: tandara-window-bench ORIGIN DEST [ROWS]\n");
        return 2;
    }
    frmMain window;
    window.show();
    QApplication::processEvents();
    scanFromWindow(window, argv[1], argv[2]);
    bigList(window, argc > 3 ? std::atol(argv[3]) : 1000000);
    return 0;
}

// tandara-window-bench ORIGIN DEST [ROWS]
// tandara-window-bench --ops ORIGIN DEST
//
// The main window under measurement: the scan of two trees started from the
// window (lists hidden while it runs, shown after), then a list of ROWS
// rows (default 1,000,000) shown, selected whole, scrolled to its end,
// asked for every row's selection, as the copy and delete passes do, and
// sorted by each column through its header, with every row selected.
//
// With --ops (DEST empty): the scan, then every row of list 0 copied from
// the window ("Copia"), then a scan of an empty folder against DEST and
// every row of list 1 deleted from the window ("Elimina", "Sì", then "No"
// to the empty folders). Each step prints its time and the longest time
// the window went without being served.
// Run it under xvfb-run or with QT_QPA_PLATFORM=offscreen.

#include "foldertree/folderview.h"
#include "foldertree/folderwalk.h"
#include "gapmeter.h"
#include "mainwindow/frmmain.h"
#include "widgets/messageseam.h"
#include "widgets/resultlistview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

using namespace tandara;

namespace {

void report(const char *what, QElapsedTimer &timer)
{
    std::printf("%-34s %6lld ms\n", what, static_cast<long long>(timer.restart()));
}

// Answers "Sì" to the question whether to delete, "No" to removing folders.
class Answers : public MessageSeam {
public:
    MsgAnswer show(QWidget *, const MessageRequest &request) override
    {
        if (request.buttons == MsgButtons::Ok) {
            std::fprintf(stderr, "message: %s\n", request.text.toLocal8Bit().constData());
            return MsgAnswer::Ok;
        }
        return request.text.startsWith(QStringLiteral("Eliminare")) ? MsgAnswer::Yes : MsgAnswer::No;
    }
};

void reportGap(GapMeter &gaps)
{
    std::printf("  longest time unserved %6lld ms\n", static_cast<long long>(gaps.stop()));
}

void scanFromWindow(frmMain &window, const char *origin, const char *dest)
{
    if (!selectFolderPath(*window.flvList[0], origin) || !selectFolderPath(*window.flvList[1], dest)) {
        std::fprintf(stderr, "cannot select the folders\n");
        std::exit(1);
    }
    GapMeter gaps;
    QElapsedTimer timer;
    timer.start();
    gaps.start();
    window.cpvScansione_Click();
    QApplication::processEvents();
    report("scan from the window", timer);
    reportGap(gaps);
    for (int k = 0; k < 4; ++k)
        std::printf("  list %d: %d rows\n", k, window.models[k]->rowCount());
}

// Copies (list 0) or deletes (list 1) every row of the list from the window.
void commandFromWindow(frmMain &window, int list)
{
    window.cpvTabStrip_Click(0);
    window.lvFiles[list]->selectAllRows();
    const int rows = window.models[list]->rowCount();
    GapMeter gaps;
    QElapsedTimer timer;
    timer.start();
    gaps.start();
    if (list == 0) {
        window.Copia(0);
    } else {
        window.m_iLvCorrente = 1;
        window.Elimina();
    }
    QApplication::processEvents();
    report(list == 0 ? "copy of every row of list 0" : "delete of every row of list 1", timer);
    reportGap(gaps);
    std::printf("  %d rows, %d left\n", rows, window.models[list]->rowCount());
}

// empty: an empty folder that existed when the window was made (its
// folder trees list what is there at start).
void fileOperations(frmMain &window, const char *origin, const char *dest, const std::string &empty)
{
    Answers answers;
    setMessageSeam(&answers);
    scanFromWindow(window, origin, dest);
    commandFromWindow(window, 0);
    scanFromWindow(window, empty.c_str(), dest);
    commandFromWindow(window, 1);
    setMessageSeam(nullptr);
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
    const bool ops = argc == 4 && std::strcmp(argv[1], "--ops") == 0;
    if (argc < 3) {
        std::fprintf(stderr, "usage: tandara-window-bench ORIGIN DEST [ROWS]\n"
                             "       tandara-window-bench --ops ORIGIN DEST\n");
        return 2;
    }
    const std::string empty = (std::filesystem::temp_directory_path() / "tandara-bench-empty").string();
    if (ops)
        std::filesystem::create_directories(empty);
    frmMain window;
    window.show();
    QApplication::processEvents();
    if (ops) {
        fileOperations(window, argv[2], argv[3], empty);
        std::filesystem::remove(empty);
        return 0;
    }
    scanFromWindow(window, argv[1], argv[2]);
    bigList(window, argc > 3 ? std::atol(argv[3]) : 1000000);
    return 0;
}

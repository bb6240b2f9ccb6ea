// The "File Modificati" shots: a sorted pair of lists and a row's tooltip.

#include "shots.h"

#include "foldertree/folderwalk.h"
#include "mainwindow/frmmain.h"
#include "widgets/resultlistview.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QTemporaryDir>

namespace tandara {
namespace {

// Letters of one year, written on both sides at different times and sizes:
// every third one is newer in the destination.
void makeDocuments(const QString &origin, const QString &dest)
{
    const qint64 base = 1700000000;
    for (int i = 0; i < 24; ++i) {
        const QString folder = QStringLiteral("/Documenti/%1/").arg(2021 + i / 8);
        const QString name = QStringLiteral("Lettera %1.odt").arg(i + 1, 2, 10, QLatin1Char('0'));
        QDir().mkpath(origin + folder);
        QDir().mkpath(dest + folder);
        const bool destNewer = i % 3 == 0;
        writeFile(origin + folder + name, 20000 + i * 1711 % 9000, base + i * 86400 + (destNewer ? 0 : 3600));
        writeFile(dest + folder + name, 18000 + i * 977 % 7000, base + i * 86400 + (destNewer ? 7200 : 0));
    }
}

void hoverForTooltip(ResultListView &view, int row)
{
    const QPoint at = view.visualRect(view.model()->index(row, ResultListModel::Modificato)).center();
    QHelpEvent help(QEvent::ToolTip, at, view.viewport()->mapToGlobal(at));
    QApplication::sendEvent(view.viewport(), &help);
    QApplication::processEvents();
}

} // namespace

void shootModified(frmMain &window, const QString &docs)
{
    QTemporaryDir origin, dest;
    makeDocuments(origin.path(), dest.path());
    selectFolderPath(*window.flvList[0], QFile::encodeName(origin.path()));
    selectFolderPath(*window.flvList[1], QFile::encodeName(dest.path()));
    window.cpvScansione_Click();
    window.cpvTabStrip_Click(1);
    window.lvFiles[3]->sortByColumn(2, Qt::DescendingOrder);
    window.lvFiles[2]->selectRow(2);
    // Size and time stand right of name and folder: both lists show them.
    for (int k : {2, 3})
        window.lvFiles[k]->horizontalScrollBar()->setValue(window.lvFiles[k]->horizontalScrollBar()->maximum());
    grab(window, docs + QStringLiteral("/modified.png"));

    hoverForTooltip(*window.lvFiles[2], 4);
    grab(window, docs + QStringLiteral("/tooltip.png"));
}

} // namespace tandara

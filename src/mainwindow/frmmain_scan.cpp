// The scan command: checks the two folders, puts the window into its
// scanning state, runs the two walks and hands the window back.

#include "frmmain.h"

#include "engine/roots.h"
#include "engine/scan.h"
#include "engine/scantexts.h"
#include "fileops/creadir.h"
#include "foldertree/folderview.h"
#include "lists/texts.h"
#include "widgets/cpvbutton.h"
#include "widgets/messageseam.h"
#include "widgets/resultlistview.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>

namespace tandara {

namespace {

// How often the status label may show a new folder while a scan runs. The
// label would otherwise repaint once per folder, which on a tree of many
// small folders costs more than reading them.
constexpr qint64 kFolderLabelInterval = 40; // ms
constexpr qint64 kYieldInterval = 10;       // ms

} // namespace

void frmMain::enterScanningState()
{
    // "Annulla" comes up first, so that the keyboard focus leaving the
    // disabled "Scansione" lands on it.
    cpvAnnulla->show();
    cpvEsci->hide();
    lblStBar[1]->hide();
    chkFile->setEnabled(false);
    cpvScansione->setEnabled(false);
    for (int i = 0; i < 2; ++i) {
        cpvCopia[i]->setEnabled(false);
        cpvCopia[i]->hide();
        cpvCopia[i + 2]->setEnabled(false);
        cpvCopia[i + 2]->hide();
        cpvTabStrip[i]->setEnabled(false);
        flvList[i]->setEnabled(false);
        lvFiles[i]->hide();
        lvFiles[i + 2]->hide();
    }
}

void frmMain::cpvScansione_Click()
{
    // Cancel gives the button back while the cancelled walks still unwind;
    // a second scan started inside the first would refill the lists under
    // the first one's comparison.
    if (scanning_)
        return;
    setBusyPointer(true);
    state.clearTotals();
    PulisciListview();
    for (int i = 0; i < 2; ++i) {
        const QByteArray selected = flvList[i]->SelectedFolder().folderPathBytes();
        const std::string path(selected.constData(), size_t(selected.size()));
        if (!path.empty())
            state.m_sDirRadice[i] = path;
        if (!EsisteDir(state.m_sDirRadice[i]))
            state.m_sDirRadice[i].clear();
        if (state.m_sDirRadice[i] == "Desktop")
            state.m_sDirRadice[i].clear();
    }
    if (state.m_sDirRadice[0].empty() || state.m_sDirRadice[1].empty()) {
        setBusyPointer(false);
        showMessage(this, QStringLiteral("Devi selezionare una Directory Origine ed una Destinazione."));
        MouseOut(cpvScansione);
        return;
    }
    if (resolveRoots(state.m_sDirRadice[0], state.m_sDirRadice[1]) != RootsOverlap::None) {
        setBusyPointer(false);
        showMessage(this, rootsOverlapMessage());
        MouseOut(cpvScansione);
        return;
    }

    enterScanningState();
    QElapsedTimer sinceLabel;
    WalkHooks hooks;
    hooks.showFolder = [&](std::string_view folder) {
        if (!sinceLabel.isValid() || sinceLabel.elapsed() >= kFolderLabelInterval) {
            lblStBar[0]->setText(displayName(folder));
            sinceLabel.start();
        }
    };
    // The window is served after the first subfolder, then after a
    // subfolder once some milliseconds have passed: often enough for cancel and repaint to feel immediate, rarely
    // enough that a tree of many small folders is not read at the pace of
    // the window system.
    QElapsedTimer sinceYield;
    hooks.afterSubfolder = [&] {
        if (!sinceYield.isValid() || sinceYield.elapsed() >= kYieldInterval) {
            QCoreApplication::processEvents();
            sinceYield.start();
        }
    };
    // A folder not read yet (a slow share) does not hold the window: it is
    // served while the walk waits, and "Annulla" ends the wait.
    hooks.waiting = [] { QCoreApplication::processEvents(); };

    scanning_ = true;
    for (ResultListModel *model : models)
        model->beginBulkChange();
    const bool completed = runScan(state, resultLists(), hooks);
    for (ResultListModel *model : models)
        model->endBulkChange();
    scanning_ = false;

    if (!completed) {
        state.clearTotals();
        PulisciListview();
        return;
    }
    for (int k = 0; k < 4; ++k)
        cpvCopia[k]->setEnabled(state.m_lNumItems[k] != 0);
    Ripristina();
    if (!state.unreadFolders.empty())
        showMessage(this, unreadFoldersMessage(state), MsgIcon::Critical);
}

} // namespace tandara

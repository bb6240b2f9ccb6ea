// The copy and delete commands: the passes over the selected rows, with the
// progress dialog up and the cancel flag tested once per file.

#include "frmmain.h"

#include "fileops/cancellafile.h"
#include "fileops/commandsteps.h"
#include "fileops/copiafile.h"
#include "fileops/deltree.h"
#include "fileops/fileworker.h"
#include "fileops/optexts.h"
#include "fileops/spaziosudisco.h"
#include "lists/texts.h"
#include "mainwindow/frmserv.h"
#include "widgets/cpvbutton.h"
#include "widgets/imagelist.h"
#include "widgets/messageseam.h"
#include "widgets/windowsystem.h"

#include <QCoreApplication>

namespace tandara {

namespace {

// The per-file yield of the copy and delete passes serves the window at
// most this often: a run of tiny files is then not paced by the window
// system repainting the labels after every file.
constexpr qint64 kYieldInterval = 40; // ms

} // namespace

// Within a pass the window is served at most every kYieldInterval: its
// per-file labels would be repainted only then, so they are written only
// when it is due, with the file in hand.
bool frmMain::yieldDue() const
{
    return !sinceYield_.isValid() || sinceYield_.elapsed() >= kYieldInterval;
}

// Serves the window; the status panel of the files handled since the last
// yield is written first.
void frmMain::yieldToEvents()
{
    writePendingPanel();
    QCoreApplication::processEvents();
    sinceYield_.start();
}

// The dialog's file name and, once there is something to count, the
// percentage line.
void frmMain::showFileInDialog(std::string_view name, double done, double total, Operation operation)
{
    if (frmAnimate *dialog = progressDialog()) {
        dialog->setFileName(displayName(name));
        if (total > 0)
            dialog->setCaption(percentLine(done, total, operation));
    }
}

void frmMain::beginPass()
{
    inPass_ = true;
    sinceYield_.invalidate(); // the first file of a pass always yields
}

void frmMain::endPass()
{
    inPass_ = false;
    writePendingPanel();
}

void frmMain::showPanelOfFile(int tab)
{
    // Within a pass the labels would be repainted only at the next yield:
    // writing them for every file of a run of small files costs more than
    // the files. They are written once, at that yield or the pass's end.
    if (inPass_)
        pendingPanel_ = tab;
    else
        ScriviPanel(tab);
}

void frmMain::writePendingPanel()
{
    if (pendingPanel_ >= 0)
        ScriviPanel(pendingPanel_);
    pendingPanel_ = -1;
}

void frmMain::enterOperationState()
{
    cpvScansione->setEnabled(false);
    cpvAnnulla->show();
    cpvEsci->hide();
    setBusyPointer(true);
    state.bAnnulla = false;
}

frmAnimate &frmMain::openProgressDialog(const QString &caption, const QString &operation)
{
    if (!progressDialog()) {
        progress_ = new frmAnimate(*this, serv->picBarra(), imlIco.ListImages(QStringLiteral("Annulla")));
        progress_->move(geometry().center() - progress_->rect().center());
        tieToOwner(progress_, this);
    }
    progress_->setCaption(caption);
    progress_->setOperation(operation);
    progress_->show();
    setEnabled(false);
    return *progress_;
}

void frmMain::closeProgressDialog()
{
    if (frmAnimate *dialog = progressDialog())
        dialog->close();
}

std::optional<SelectionSizes> frmMain::sizeSelectedRows(const ResultList &list)
{
    // The window is served after each selected row; a cancel ends the pass.
    sinceYield_.invalidate();
    return sizeSelection(list, [this] {
        if (yieldDue())
            yieldToEvents();
        return !state.bAnnulla;
    });
}

// Ends a copy command on the file worker: flushing a slow stick can take
// a while, and the window keeps painting meanwhile.
void frmMain::finishCopy(CopySession &session)
{
    fileOpHooks(); // the worker
    worker_->run(
        [&session](const std::atomic<bool> &) {
            session.finish();
            return fs::FsError{};
        },
        [] { QCoreApplication::processEvents(); }, {});
}

const FileOpHooks &frmMain::fileOpHooks()
{
    if (!worker_) {
        worker_ = std::make_unique<FileWorker>();
        fileOps_.report = [this](const QString &message) { showMessage(this, message); };
        // While a file is copied or deleted the window keeps painting, the
        // clip keeps playing and "Annulla" stops a copy at once.
        const auto serve = [] { QCoreApplication::processEvents(); };
        fileOps_.copy = workerCopy(*worker_, serve, [this] { return state.bAnnulla; });
        fileOps_.remove = workerDelete(*worker_, serve);
    }
    return fileOps_;
}

void frmMain::Copia(int m_iNumLv)
{
    enterOperationState();
    ResultListModel &list = *models[m_iNumLv];
    const std::string sDirPart = state.m_sDirRadice[m_iNumLv];
    const std::string sDirPart2 = state.m_sDirRadice[partner(m_iNumLv)];
    m_dTotCopia = 0;
    m_dCopiati = 0;
    const std::optional<SelectionSizes> sizes = sizeSelectedRows(list.list());
    if (!sizes)
        return;
    m_dTotCopia = sizes->total;
    if (sizes->selected == 0) {
        showMessage(this, QStringLiteral("Per copiare un file, devi prima selezionarlo."), MsgIcon::Information);
        Annulla();
        return;
    }
    uint64_t free = 0;
    SpazioSuDisco(sDirPart2, free);
    if (!enoughSpace(free, sizes->required)) {
        showMessage(this, spaceMessage(sizes->required, free), MsgIcon::Critical, QStringLiteral("Errore"));
        Annulla();
        return;
    }
    lIdAnimazione = 101;
    openProgressDialog(QStringLiteral("Copia File"), QStringLiteral("Sto copiando:"));
    CopySession session;
    beginPass();
    for (int i = list.rowCount(); i >= 1; --i) {
        if (!list.list().isSelected(size_t(i - 1)))
            continue;
        if (yieldDue()) {
            showFileInDialog(list.list().row(size_t(i - 1)).name, m_dCopiati, m_dTotCopia, Operation::Copy);
            yieldToEvents();
        }
        CopiaFile(m_iNumLv, i - 1, sDirPart, sDirPart2, session);
        if (state.bAnnulla)
            break;
    }
    endPass();
    finishCopy(session);
    if (state.bAnnulla)
        return;
    Ripristina();
    if (list.rowCount() == 0)
        cpvCopia[m_iNumLv]->setEnabled(false);
}

void frmMain::CopiaFile(int m_iNumLv, int lRiga, const std::string &sDirPart, const std::string &sDirPart2,
                        CopySession &session)
{
    const std::optional<int> tab = tandara::CopiaFile(m_iNumLv, {models[0], models[1], models[2], models[3]},
                                                      lRiga, sDirPart, sDirPart2, state, m_dCopiati, session,
                                                      fileOpHooks());
    if (tab)
        showPanelOfFile(*tab);
}

void frmMain::Elimina()
{
    enterOperationState();
    const int index = m_iLvCorrente;
    ResultListModel &list = *models[index];
    const std::string root = state.m_sDirRadice[index];
    if (!askYesNo(this, QStringLiteral("Eliminare il/i file selezionato/i ?"))) {
        Ripristina();
        return;
    }
    lIdAnimazione = 102;
    openProgressDialog(QStringLiteral("Elimina File"), QStringLiteral("Sto eliminando:"));
    m_dTotElimina = 0;
    m_dEliminati = 0;
    const std::optional<SelectionSizes> sizes = sizeSelectedRows(list.list());
    if (!sizes)
        return;
    m_dTotElimina = sizes->total;
    beginPass();
    for (int i = list.rowCount(); i >= 1; --i) {
        if (!list.list().isSelected(size_t(i - 1)))
            continue;
        const ResultRow row = list.list().row(size_t(i - 1));
        const TreeFile sNomeFile{root, std::string(row.folder), std::string(row.name)};
        if (yieldDue()) {
            showFileInDialog(row.name, m_dEliminati, m_dTotElimina, Operation::Delete);
            yieldToEvents();
        }
        CancellaFile(index, sNomeFile, i - 1);
        if (state.bAnnulla)
            break;
    }
    endPass();
    if (state.bAnnulla)
        return;
    closeProgressDialog();
    setEnabled(true);
    if (askYesNo(this, QStringLiteral("Vuoi cancellare le eventuali Directory vuote?"))) {
        setBusyPointer(true);
        Deltree(root);
        setBusyPointer(false);
    }
    Ripristina();
    if (list.rowCount() == 0)
        cpvCopia[index]->setEnabled(false);
}

void frmMain::CancellaFile(int m_iNumLv, const TreeFile &sNomeFile, int lRiga)
{
    const std::optional<int> tab = tandara::CancellaFile(m_iNumLv, sNomeFile, {models[0], models[1], models[2], models[3]},
                                                         lRiga, state, m_dEliminati, fileOpHooks());
    if (tab)
        showPanelOfFile(*tab);
}

} // namespace tandara

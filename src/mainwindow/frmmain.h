#pragma once
// The main window: two folder trees, four result lists on two tabs, the
// status panel and the buttons that start a scan, a copy or a delete.
//
// The window holds the controls and routes their events; the work itself
// lives elsewhere: the walks and the comparison in the engine, the list
// data in the models, the file operations in fileops. Its public members
// carry the names the rest of the program and the tests use.

#include "engine/scanstate.h"
#include "fileops/commandsteps.h"
#include "fileops/optexts.h"
#include "fileops/copysession.h"
#include "fileops/rowop.h"
#include "fileops/ui/frmanimate.h"
#include "lists/resultlistmodel.h"
#include "widgets/imagelist.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

class QCheckBox;
class QLabel;

namespace tandara {

class cpvButton;
class FolderView;
class PictureBar;
class ResultListView;
class frmServ;
class FileWorker;

class frmMain : public QWidget, public ProgressOwner {
    Q_OBJECT
public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // Result lists and their data.
    void PulisciListview();
    void ScriviPanel(int Index);
    void cpvTabStrip_Click(int Index);

    // Window commands.
    void Ripristina();
    // The window keeps its size (a window manager could otherwise shrink
    // it over its controls), except maximised: then it takes the screen.
    void maximise();
    void Annulla() override;
    bool cancelFlag() const override { return state.bAnnulla; }
    void MouseIn(cpvButton *cpv);
    void MouseOut(cpvButton *cpv);

    // The scan command.
    void cpvScansione_Click();
    bool isScanning() const { return scanning_; }

    // Copy and delete of the selected rows (row positions are 0-based).
    void Copia(int m_iNumLv);
    void CopiaFile(int m_iNumLv, int lRiga, const std::string &sDirPart, const std::string &sDirPart2,
                   CopySession &session);
    void Elimina();
    void CancellaFile(int m_iNumLv, const TreeFile &sNomeFile, int lRiga);
    // The progress dialog of the running copy or delete, if any; a dialog
    // that is closing (and soon deleted) no longer counts.
    frmAnimate *progressDialog() const { return progress_ && !progress_->isClosing() ? progress_.data() : nullptr; }

    // Controls, by the names the window gives them.
    PictureBar *picBarra = nullptr;
    PictureBar *picBarraInferiore = nullptr;
    QLabel *imgFrmIco = nullptr;
    cpvButton *cpvMinimizza = nullptr;
    cpvButton *cpvMassimizza = nullptr;
    cpvButton *cpvChiudi = nullptr;
    cpvButton *cpvScansione = nullptr;
    cpvButton *cpvInfo = nullptr;
    cpvButton *cpvAnnulla = nullptr;
    cpvButton *cpvEsci = nullptr;
    std::array<cpvButton *, 4> cpvCopia{};
    std::array<cpvButton *, 2> cpvTabStrip{};
    std::array<QLabel *, 2> lblInt{};
    std::array<FolderView *, 2> flvList{};
    QCheckBox *chkFile = nullptr;
    QLabel *lblChk = nullptr;
    QLabel *Label1 = nullptr;
    std::array<ResultListView *, 4> lvFiles{};
    std::array<QLabel *, 2> lblStBar{};
    ImageList imlIco;
    frmServ *serv = nullptr;

    // Window state.
    std::array<ResultListModel *, 4> models{};
    ScanState state;
    int16_t m_iLvCorrente = 0;
    double m_dTotCopia = 0;
    double m_dCopiati = 0;
    double m_dTotElimina = 0;
    double m_dEliminati = 0;

    // The client area and the bars, in twips.
    static constexpr int kClientWidth = 10080;
    static constexpr int kClientHeight = 8130;
    static constexpr int kBarHeight = 375;

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createControls();
    void createButtons();
    void createLists();
    void createStatusBar();
    void connectEvents();
    void orderTabs();
    void loadWindow();
    void placeTwips(QWidget *widget, int left, int top, int width, int height);
    void fixSize();
    ResultLists resultLists();
    void enterScanningState();
    void setBusyPointer(bool busy);
    void showRightMenu(int Index, QPoint globalPos);
    void chkFile_Click();
    void enterOperationState();
    frmAnimate &openProgressDialog(const QString &caption, const QString &operation);
    void closeProgressDialog();
    const FileOpHooks &fileOpHooks();
    void finishCopy(CopySession &session);
    bool yieldDue() const;
    void yieldToEvents();
    void showFileInDialog(std::string_view name, double done, double total, Operation operation);
    void beginPass();
    void endPass();
    void showPanelOfFile(int tab);
    void writePendingPanel();
    std::optional<SelectionSizes> sizeSelectedRows(const ResultList &list);

    bool scanning_ = false;
    std::unique_ptr<FileWorker> worker_;
    FileOpHooks fileOps_;
    QElapsedTimer sinceYield_;
    bool inPass_ = false;   // a copy or delete pass is running
    int pendingPanel_ = -1; // the panel tab to write at the pass's next yield
    bool busyPointer_ = false;
    QPointer<frmAnimate> progress_;
};

} // namespace tandara

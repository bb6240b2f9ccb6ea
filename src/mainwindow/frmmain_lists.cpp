// The result lists, the tabs that switch between them, the show-files box
// and the status panel.

#include "frmmain.h"

#include "foldertree/folderview.h"
#include "foldertree/folderwalk.h"
#include "lists/statuspanel.h"
#include "mainwindow/frmserv.h"
#include "widgets/cpvbutton.h"
#include "widgets/resultlistview.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>

namespace tandara {

void frmMain::cpvTabStrip_Click(int Index)
{
    if (Index == 1) {
        lvFiles[0]->hide();
        lvFiles[1]->hide();
        lvFiles[2]->show();
        lvFiles[3]->show();
    }
    const int shown = Index == 0 ? 0 : 2;
    const int hidden = Index == 0 ? 2 : 0;
    for (int i = 0; i < 2; ++i) {
        lvFiles[i + shown]->show();
        lvFiles[i + hidden]->hide();
        cpvCopia[i + shown]->show();
        cpvCopia[i + hidden]->hide();
        state.m_lNumItems[i + shown] = int32_t(models[i + shown]->rowCount());
        cpvCopia[i + shown]->setEnabled(state.m_lNumItems[i + shown] != 0);
        MouseOut(cpvTabStrip[i]);
    }
    // The active tab wears the look of a button under the pointer.
    MouseIn(cpvTabStrip[Index]);
    ScriviPanel(Index);
}

void frmMain::ScriviPanel(int Index)
{
    if (Index != 0 && Index != 1)
        return;
    const int left = Index * 2;
    const int right = left + 1;
    lblStBar[0]->setText(panelText(models[left]->list().count(), state.dTotaleLv[left], PanelSide::Left));
    lblStBar[1]->setText(panelText(models[right]->list().count(), state.dTotaleLv[right], PanelSide::Right));
}

void frmMain::PulisciListview()
{
    for (ResultListModel *model : models)
        model->clear();
    ScriviPanel(0);
}

void frmMain::showRightMenu(int Index, QPoint globalPos)
{
    m_iLvCorrente = int16_t(Index);
    if (models[Index]->rowCount() > 0)
        serv->mnuMenu()->popup(globalPos);
}

void frmMain::chkFile_Click()
{
    const bool checked = chkFile->isChecked();
    flvList[0]->setShowFiles(checked);
    flvList[1]->setShowFiles(checked);
    for (FolderView *tree : flvList)
        showFilesRefresh(*tree);
}

} // namespace tandara

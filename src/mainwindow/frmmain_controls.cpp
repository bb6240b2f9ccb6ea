// The main window's buttons, lists and status bar at their places, and the
// wiring of their events.

#include "frmmain.h"

#include "about/frminfo.h"
#include "engine/treepath.h"
#include "foldertree/folderview.h"
#include "mainwindow/frmserv.h"
#include "widgets/cpvbutton.h"
#include "widgets/imagelist.h"
#include "widgets/looks.h"
#include "widgets/picturebar.h"
#include "widgets/resultlistview.h"
#include "widgets/twips.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>

namespace tandara {

namespace {

cpvButton *makeButton(QWidget *parent, const QString &caption, const QString &tooltip = {})
{
    auto *button = new cpvButton(parent);
    button->setCaption(caption);
    button->setToolTip(tooltip);
    button->setCaptionalign(4);
    button->setPicturetab(2);
    return button;
}

cpvButton *makeTitleButton(QWidget *bar, const QString &picture)
{
    auto *button = new cpvButton(bar);
    button->setFlat(true);
    button->setPicture(QPixmap(picture));
    return button;
}

} // namespace

void frmMain::createButtons()
{
    cpvMinimizza = makeTitleButton(picBarra, QStringLiteral(":/widgets/titlebar/minimizza.png"));
    placeTwips(cpvMinimizza, 8400, 45, 315, 300);
    cpvMassimizza = makeTitleButton(picBarra, QStringLiteral(":/widgets/titlebar/massimizza.png"));
    placeTwips(cpvMassimizza, 8745, 45, 315, 300);
    cpvChiudi = makeTitleButton(picBarra, QStringLiteral(":/widgets/titlebar/chiudi.png"));
    placeTwips(cpvChiudi, 9090, 45, 315, 300);

    cpvScansione = makeButton(this, QStringLiteral("Scansione"));
    cpvScansione->setPicture(QPixmap(QStringLiteral(":/widgets/buttons/scansione.png")));
    placeTwips(cpvScansione, 4275, 600, 1335, 495);
    cpvInfo = makeButton(this, QStringLiteral("Autore"), QStringLiteral("Informazioni sull'Autore"));
    cpvInfo->setPicture(QPixmap(QStringLiteral(":/widgets/buttons/autore.png")));
    placeTwips(cpvInfo, 4275, 1350, 1335, 495);
    cpvAnnulla = makeButton(this, QStringLiteral("Annulla"), QStringLiteral("Abortisci scansione"));
    placeTwips(cpvAnnulla, 4275, 1980, 1335, 495);
    cpvAnnulla->hide();
    cpvEsci = makeButton(this, QStringLiteral("Esci"));
    cpvEsci->setPicture(QPixmap(QStringLiteral(":/widgets/buttons/esci.png")));
    placeTwips(cpvEsci, 4275, 2100, 1335, 495);

    cpvTabStrip[0] = makeButton(this, QStringLiteral("File Mancanti"));
    placeTwips(cpvTabStrip[0], 120, 3160, 1770, 255);
    cpvTabStrip[1] = makeButton(this, QStringLiteral("File Modificati"));
    placeTwips(cpvTabStrip[1], 1815, 3160, 1770, 255);
    MouseIn(cpvTabStrip[0]);

    const QString toOrigin = QStringLiteral("Copia da Destinazione a Origine");
    const QString toDestination = QStringLiteral("Copia da Origine a Destinazione");
    const int copyTops[] = {4560, 6000, 4560, 6000};
    for (int i = 0; i < 4; ++i) {
        cpvCopia[i] = makeButton(this, QStringLiteral("Copia"), i % 2 == 0 ? toDestination : toOrigin);
        placeTwips(cpvCopia[i], 4275, copyTops[i], 1335, 495);
        cpvCopia[i]->setEnabled(false);
        if (i % 2 == 0) {
            cpvCopia[i]->setCaptionalign(3);
            cpvCopia[i]->setPicturetab(4);
        }
        cpvCopia[i]->setVisible(i < 2);
    }
}

void frmMain::createLists()
{
    const int lefts[] = {120, 5760, 120, 5760};
    const int widths[] = {4035, 4215, 4035, 4215};
    const int heights[] = {4320, 4320, 4320, 4200};
    for (int k = 0; k < 4; ++k) {
        lvFiles[k] = new ResultListView(this);
        lvFiles[k]->setResultModel(models[k]);
        models[k]->setRowIcon(QIcon(imlIco.ListImages(QString::fromLatin1(iconKeyName(models[k]->list().smallIcon())))));
        placeTwips(lvFiles[k], lefts[k], 3480, widths[k], heights[k]);
        lvFiles[k]->setVisible(k < 2);
        // A tooltip's full path needs the list's root, set by each scan.
        connect(models[k], &QAbstractItemModel::modelReset, this,
                [this, k] { models[k]->setPathBase(std::string(joinBase(state.m_sDirRadice[k]))); });
    }
    ResultListModel::pair(*models[2], *models[3]);
}

void frmMain::createStatusBar()
{
    picBarraInferiore = new PictureBar(this);
    placeTwips(picBarraInferiore, 0, 7755, kClientWidth, kBarHeight);
    picBarraInferiore->setFont(windowsFont(kSansSerif, 13.5, true));
    const QString texts[] = {QStringLiteral(" 00 file/ 00 kb"), QStringLiteral(" 00 file/ 00 kb   ")};
    const int lefts[] = {360, 4440};
    const int widths[] = {20000, 4035};
    for (int i = 0; i < 2; ++i) {
        lblStBar[i] = new QLabel(texts[i], picBarraInferiore);
        lblStBar[i]->setFont(windowsFont(kSansSerif, 8.25, false));
        lblStBar[i]->setAttribute(Qt::WA_TranslucentBackground);
        lblStBar[i]->setAlignment((i == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        QPalette palette = lblStBar[i]->palette();
        palette.setColor(QPalette::WindowText, kBarTextColour);
        lblStBar[i]->setPalette(palette);
        placeTwips(lblStBar[i], lefts[i], 60, widths[i], 255);
    }
}

// Tab goes through the window as a newcomer reads it: the two trees and the
// show-files box, the commands ("Annulla" right after "Scansione", whose
// place it takes while a scan runs), the tabs, each tab's lists with their
// copy buttons between them, then the title-bar buttons.
void frmMain::orderTabs()
{
    QWidget *const chain[] = {flvList[0], flvList[1], chkFile, cpvScansione, cpvAnnulla, cpvInfo, cpvEsci,
                              cpvTabStrip[0], cpvTabStrip[1], lvFiles[0], cpvCopia[0], cpvCopia[1], lvFiles[1],
                              lvFiles[2], cpvCopia[2], cpvCopia[3], lvFiles[3], cpvMinimizza, cpvMassimizza,
                              cpvChiudi};
    for (size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void frmMain::connectEvents()
{
    connect(cpvEsci, &cpvButton::clicked, this, &QWidget::close);
    connect(cpvChiudi, &cpvButton::clicked, this, &QWidget::close);
    connect(cpvMinimizza, &cpvButton::clicked, this, &QWidget::showMinimized);
    connect(cpvMassimizza, &cpvButton::clicked, this, &frmMain::maximise);
    connect(cpvInfo, &cpvButton::clicked, this, [this] { frmInfo::showInfo(this); });
    connect(cpvAnnulla, &cpvButton::clicked, this, &frmMain::Annulla);
    connect(cpvScansione, &cpvButton::clicked, this, &frmMain::cpvScansione_Click);
    for (int i = 0; i < 2; ++i)
        connect(cpvTabStrip[i], &cpvButton::clicked, this, [this, i] { cpvTabStrip_Click(i); });
    for (int i = 0; i < 4; ++i)
        connect(cpvCopia[i], &cpvButton::clicked, this, [this, i] {
            m_iLvCorrente = int16_t(i);
            Copia(i);
        });
    for (cpvButton *button : {cpvScansione, cpvAnnulla, cpvEsci, cpvInfo, cpvCopia[0], cpvCopia[1],
                              cpvCopia[2], cpvCopia[3]}) {
        connect(button, &cpvButton::mouseEntered, this, [this, button] { MouseIn(button); });
        connect(button, &cpvButton::mouseLeft, this, [this, button] { MouseOut(button); });
    }
    for (int k = 0; k < 4; ++k) {
        connect(lvFiles[k], &ResultListView::deletePressed, this, [this, k] {
            m_iLvCorrente = int16_t(k);
            Elimina();
        });
        connect(lvFiles[k], &ResultListView::rightReleased, this,
                [this, k](QPoint at) { showRightMenu(k, at); });
    }
    connect(serv->mnuElimina(), &QAction::triggered, this, &frmMain::Elimina);
    connect(chkFile, &QCheckBox::clicked, this, &frmMain::chkFile_Click);
}

} // namespace tandara

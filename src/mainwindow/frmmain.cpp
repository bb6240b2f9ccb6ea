#include "frmmain.h"

#include "fileops/fileworker.h"
#include "foldertree/folderview.h"
#include "foldertree/folderwalk.h"
#include "mainwindow/frmserv.h"
#include "widgets/cpvbutton.h"
#include "widgets/imagelist.h"
#include "widgets/looks.h"
#include "widgets/picturebar.h"
#include "widgets/programicon.h"
#include "widgets/resultlistview.h"
#include "widgets/twips.h"
#include "widgets/windowshape.h"

#include <QCheckBox>
#include <QLabel>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace tandara {

namespace {

QLabel *navyLabel(QWidget *parent, const QString &text, const QFont &font, Qt::Alignment align)
{
    auto *label = new QLabel(text, parent);
    label->setFont(font);
    label->setAlignment(align);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kNavy);
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

} // namespace

frmMain::frmMain(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tandara"));
    setWindowIcon(programIcon());
    const IconKey icons[] = {IconKey::NuovoO, IconKey::NuovoD, IconKey::AggiornatoO, IconKey::AggiornatoD};
    for (int k = 0; k < 4; ++k)
        models[k] = new ResultListModel(icons[k], this);
    loadWindow();
}

frmMain::~frmMain() = default;

void frmMain::placeTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPxX(left), twipsToPxY(top), twipsToPxX(width), twipsToPxY(height));
}

void frmMain::fixSize()
{
    setFixedSize(twipsToPxX(kClientWidth), twipsToPxY(kClientHeight));
}

ResultLists frmMain::resultLists()
{
    return {&models[0]->list(), &models[1]->list(), &models[2]->list(), &models[3]->list()};
}

// The load sequence: service window, screen factors, pictures, shape,
// button pictures, then each folder tree walked to its starting entry.
void frmMain::loadWindow()
{
    serv = new frmServ(this);
    storeTwipsPerPixel();
    fixSize();
    QPalette background = palette();
    background.setColor(QPalette::Window, kWindowBackground);
    setPalette(background);
    setAutoFillBackground(true);

    createControls();
    const QRect barTarget(0, 0, width(), twipsToPxY(kBarHeight));
    picBarra->paintPicture(serv->picBarra(), barTarget);
    picBarraInferiore->paintPicture(serv->picBarra(), barTarget);
    Arrotonda(this, picBarra);

    cpvTabStrip[0]->setPicture(imlIco.ListImages(QStringLiteral("NuovoO")));
    cpvTabStrip[1]->setPicture(imlIco.ListImages(QStringLiteral("AggiornatoO")));
    cpvCopia[0]->setPicture(imlIco.ListImages(QStringLiteral("FrecciaDx")));
    cpvCopia[1]->setPicture(imlIco.ListImages(QStringLiteral("FrecciaSx")));
    cpvCopia[2]->setPicture(imlIco.ListImages(QStringLiteral("FrecciaDx")));
    cpvCopia[3]->setPicture(imlIco.ListImages(QStringLiteral("FrecciaSx")));
    cpvAnnulla->setPicture(imlIco.ListImages(QStringLiteral("Annulla")));

    for (FolderView *tree : flvList)
        startupWalk(*tree);
    connectEvents();
    orderTabs();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmMain::createControls()
{
    imlIco = tandara::imlIco();
    picBarra = new PictureBar(this);
    placeTwips(picBarra, 0, 0, kClientWidth, kBarHeight);
    picBarra->setFont(windowsFont(kSansSerif, 13.5, true));
    QPalette barPalette = picBarra->palette();
    barPalette.setColor(QPalette::WindowText, kBarTextColour);
    picBarra->setPalette(barPalette);
    picBarra->setPrintPosition(QPoint(56, 3));
    picBarra->setDragWindow(this);
    imgFrmIco = new QLabel(picBarra);
    imgFrmIco->setScaledContents(true);
    imgFrmIco->setPixmap(programIcon().pixmap(32));
    placeTwips(imgFrmIco, 360, 40, 360, 360);

    const QFont labelFont = windowsFont(kSansSerif, 9.75, true);
    lblInt[0] = navyLabel(this, QStringLiteral("Directory Origine"), labelFont, Qt::AlignCenter);
    placeTwips(lblInt[0], 120, 360, 3555, 255);
    lblInt[1] = navyLabel(this, QStringLiteral("Directory Destinazione"), labelFont, Qt::AlignCenter);
    placeTwips(lblInt[1], 5685, 360, 3555, 255);

    flvList[0] = new FolderView(this);
    placeTwips(flvList[0], 120, 600, 3975, 2535);
    flvList[1] = new FolderView(this);
    placeTwips(flvList[1], 5760, 600, 4215, 2655);

    chkFile = new QCheckBox(this);
    placeTwips(chkFile, 4200, 2880, 195, 255);
    // The free sans face is wider than the classic one; its condensed cut
    // keeps this text inside its label.
    QFont chkFont = windowsFont(kSansSerif, 8.25, false);
    chkFont.setStretch(QFont::Condensed);
    lblChk = navyLabel(this, QStringLiteral("Visualizza i File"), chkFont, Qt::AlignLeft | Qt::AlignVCenter);
    placeTwips(lblChk, 4500, 2880, 1095, 255);
    Label1 = navyLabel(this, QStringLiteral(" Doppio Click seleziona tutti     files elenco"),
                       windowsFont(kArial, 9.75, true), Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);
    placeTwips(Label1, 4320, 5280, 1455, 735);

    createButtons();
    createLists();
    createStatusBar();
}

void frmMain::paintEvent(QPaintEvent *)
{
    // The background picture overhangs the client area by 10 twips on the
    // left and 30 on the right.
    QPainter painter(this);
    const QRect target(-twipsToPxX(10), 0, width() + twipsToPxX(40), height());
    painter.drawPixmap(target, serv->picsfondo());
}

} // namespace tandara

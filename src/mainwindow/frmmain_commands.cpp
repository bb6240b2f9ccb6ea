// The window's own commands: hover looks, maximising, the restore step,
// cancel and the exit question.

#include "frmmain.h"

#include "foldertree/folderview.h"
#include "widgets/cpvbutton.h"
#include "widgets/looks.h"
#include "widgets/messageseam.h"
#include "widgets/windowshape.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>

namespace tandara {

void frmMain::MouseIn(cpvButton *cpv)
{
    cpv->setButtoncolor(kActiveFace);
    cpv->setFontcolor(Qt::white);
    cpv->setFontBold(true);
}

void frmMain::MouseOut(cpvButton *cpv)
{
    cpv->setButtoncolor(kIdleFace);
    cpv->setFontcolor(Qt::black);
    cpv->setFontBold(false);
}

void frmMain::maximise()
{
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    showMaximized();
}

// Back from maximised, the window's size is fixed again.
void frmMain::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange
        && !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        fixSize();
}

void frmMain::setBusyPointer(bool busy)
{
    if (busy == busyPointer_)
        return;
    busyPointer_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

void frmMain::Ripristina()
{
    closeProgressDialog();
    setEnabled(true);
    cpvTabStrip_Click(cpvTabStrip[0]->fontBold() ? 0 : 1);
    for (int i = 0; i < 2; ++i) {
        flvList[i]->setEnabled(true);
        cpvTabStrip[i]->setEnabled(true);
    }
    cpvScansione->setEnabled(true);
    // The keyboard focus on "Annulla" goes back to "Scansione", whose place
    // it had taken.
    if (cpvAnnulla->hasFocus())
        cpvScansione->setFocus(Qt::TabFocusReason);
    cpvAnnulla->hide();
    cpvEsci->show();
    chkFile->setEnabled(true);
    lblStBar[1]->show();
    setBusyPointer(false);
}

void frmMain::Annulla()
{
    state.bAnnulla = true;
    Ripristina();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // A running scan, copy or delete (the cancel button is up while one
    // runs) is stopped first, as that button would.
    if (!cpvAnnulla->isHidden())
        Annulla();
    MessageRequest question;
    question.text = QStringLiteral("Sei sicuro di voler uscire?");
    question.buttons = MsgButtons::YesNo;
    question.icon = MsgIcon::Question;
    question.defaultButton = MsgAnswer::No;
    if (messages().show(this, question) != MsgAnswer::Yes) {
        event->ignore();
        return;
    }
    TogliContorno(this);
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window != this && window->objectName() != QLatin1String("frmMain"))
            window->close();
    event->accept();
}

} // namespace tandara

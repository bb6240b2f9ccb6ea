#include "frmserv.h"

#include "widgets/resources.h"

#include <QMenu>

namespace tandara {

frmServ::frmServ(QWidget *parent) : QWidget(parent), mnuMenu_(new QMenu(this))
{
    initWidgetResources();
    setObjectName(QStringLiteral("frmServ"));
    picsfondo_ = QPixmap(QString::fromLatin1(res::kSfondo));
    picBarra_ = QPixmap(QString::fromLatin1(res::kBarra));
    mnuElimina_ = mnuMenu_->addAction(QStringLiteral("Elimina"));
    mnuElimina_->setObjectName(QStringLiteral("mnuElimina"));
}

void frmServ::setVisible(bool visible)
{
    if (!visible)
        QWidget::setVisible(false);
}

} // namespace tandara

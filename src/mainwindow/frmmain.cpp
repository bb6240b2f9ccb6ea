#include "frmmain.h"

namespace tandara {

frmMain::frmMain(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Tandara"));
    resize(672, 542);
}

} // namespace tandara

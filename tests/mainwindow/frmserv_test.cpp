// The main window's hidden service window.
#include "mainwindow/frmserv.h"

#include <QMenu>
#include <gtest/gtest.h>

using namespace tandara;

namespace {

TEST(FrmServ, HoldsThePicturesAndTheMenuAndStaysHidden)
{
    frmServ serv;
    EXPECT_EQ(serv.picsfondo().size(), QSize(672, 542));
    EXPECT_EQ(serv.picBarra().size(), QSize(592, 25));
    ASSERT_EQ(serv.mnuMenu()->actions().size(), 1);
    EXPECT_EQ(serv.mnuMenu()->actions().front(), serv.mnuElimina());
    EXPECT_EQ(serv.mnuElimina()->text(), QStringLiteral("Elimina"));
    serv.show();
    EXPECT_FALSE(serv.isVisible());
}

} // namespace

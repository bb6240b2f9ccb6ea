// The image list and the hidden service window.
#include "mainwindow/controls/frmserv.h"
#include "mainwindow/controls/imagelist.h"

#include <QMenu>
#include <gtest/gtest.h>

using namespace tandara;

namespace {

TEST(ImageList, ImlIcoHoldsTheSevenPicturesInOrder)
{
    const ImageList list = imlIco();
    const QStringList keys = {"NuovoO", "AggiornatoO", "NuovoD", "AggiornatoD", "FrecciaDx", "FrecciaSx", "Annulla"};
    EXPECT_EQ(list.keys(), keys);
    for (const QString &key : keys) {
        const QPixmap picture = list.ListImages(key);
        EXPECT_FALSE(picture.isNull()) << key.toStdString();
        EXPECT_EQ(picture.size(), QSize(16, 16)) << key.toStdString();
    }
    EXPECT_TRUE(list.ListImages(QStringLiteral("nuovoo")).isNull());
}

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

// Where the windows stand and what size they keep: the progress dialog is
// placed before it is first shown, and every window has a fixed size in
// its normal state; maximising still takes the screen.

#include "mainwindow_fixture.h"

#include "fileops/ui/frmanimate.h"
#include "widgets/cpvbutton.h"
#include "widgets/resultlistview.h"

#include <QApplication>
#include <QScreen>

namespace tandara::test {
namespace {

const int64_t T = 1700000000;

bool fixedAt(const QWidget *w, QSize size)
{
    return w->size() == size && w->minimumSize() == size && w->maximumSize() == size;
}

// Notes each window's place and size at the moment it is first shown.
struct FirstShows : QObject {
    struct Seen {
        QRect geometry;
        bool fixed = false;
    };
    std::map<QString, Seen> seen;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *w = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && w && w->isWindow() && !seen.count(w->objectName()))
            seen[w->objectName()] = {w->geometry(), fixedAt(w, w->size())};
        return false;
    }
};

TEST_F(MainWindowTest, TheProgressDialogIsCentredBeforeItIsFirstShownAndKeepsItsSize)
{
    makeTree(origin.path(), {{"a", 1, T}});
    scan(origin.path(), dest.path());
    window->lvFiles[0]->selectAllRows();
    FirstShows shows;
    qApp->installEventFilter(&shows);
    window->Copia(0);
    emit window->cpvInfo->clicked();
    qApp->removeEventFilter(&shows);

    ASSERT_TRUE(shows.seen.count("frmAnimate"));
    const FirstShows::Seen dialog = shows.seen["frmAnimate"];
    EXPECT_EQ(dialog.geometry.center(), window->geometry().center()) << "no late move for a window manager to miss";
    EXPECT_TRUE(dialog.fixed);
    ASSERT_TRUE(shows.seen.count("frmInfo"));
    EXPECT_TRUE(shows.seen["frmInfo"].fixed);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((shows.seen["frmInfo"].geometry.center() - screen.center()).manhattanLength(), 2)
        << "the About window is centred on the screen before it is shown";
}

TEST_F(MainWindowTest, TheMainWindowKeepsItsSizeExceptMaximised)
{
    const QSize normal = window->size();
    EXPECT_TRUE(fixedAt(window.get(), normal));
    emit window->cpvMassimizza->clicked();
    QApplication::processEvents();
    EXPECT_TRUE(window->isMaximized());
    EXPECT_EQ(window->size(), QGuiApplication::primaryScreen()->availableGeometry().size());
    window->showNormal();
    QApplication::processEvents();
    EXPECT_TRUE(fixedAt(window.get(), normal));
}

} // namespace
} // namespace tandara::test

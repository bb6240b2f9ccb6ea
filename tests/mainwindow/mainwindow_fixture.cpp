#include "mainwindow_fixture.h"

#include "fileops/ui/frmanimate.h"
#include "foldertree/folderview.h"
#include "foldertree/folderwalk.h"
#include "widgets/cpvbutton.h"

#include <QApplication>
#include <QTest>

namespace tandara::test {

bool activeLook(const cpvButton *b)
{
    return b->fontBold() && b->buttoncolor() == QColor(21, 183, 73) && b->fontcolor() == QColor(Qt::white);
}

bool idleLook(const cpvButton *b)
{
    return !b->fontBold() && b->buttoncolor() == QColor(200, 213, 255) && b->fontcolor() == QColor(Qt::black);
}

MsgAnswer RecordingMessages::show(QWidget *, const MessageRequest &request)
{
    shown.push_back(request);
    if (onShow)
        onShow();
    if (request.buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    if (answers.empty())
        return MsgAnswer::Yes;
    const MsgAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

void MainWindowTest::SetUp()
{
    setMessageSeam(&messages);
    window = std::make_unique<frmMain>();
    window->show();
    // A key click with a modifier leaves the modifier held for the whole
    // program (the test library's release still carries it), and a held
    // Shift turns a later test's row selection into a range.
    QTest::keyRelease(window.get(), Qt::Key_Shift);
    ASSERT_EQ(QGuiApplication::keyboardModifiers(), Qt::NoModifier);
}

void MainWindowTest::TearDown()
{
    // A key click with a modifier leaves the application believing the
    // modifier is still held, which would turn the next test's selections
    // into range selections.
    QTest::keyRelease(window.get(), Qt::Key_Shift);
    window.reset();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            w->close();
    setMessageSeam(nullptr);
}

void MainWindowTest::selectDesktop(int tree)
{
    FolderView &view = *window->flvList[tree];
    view.setSelectedFolder(view.topFolder());
}

void MainWindowTest::selectFolder(int tree, const std::string &path)
{
    ASSERT_TRUE(selectFolderPath(*window->flvList[tree], QByteArray::fromStdString(path))) << path;
}

void MainWindowTest::scan(const std::string &originPath, const std::string &destPath)
{
    selectFolder(0, originPath);
    selectFolder(1, destPath);
    window->cpvScansione_Click();
}

void MainWindowTest::cancelOnceTheDialogIsUp()
{
    QObject::connect(&canceller, &QTimer::timeout, window.get(), [this] {
        if (frmAnimate *dialog = window->progressDialog(); dialog && !dialog->isClosing()) {
            emit dialog->cpvAnnulla->clicked();
            canceller.stop();
        }
    });
    canceller.start(0);
}

std::vector<std::string> MainWindowTest::names(int k) const
{
    std::vector<std::string> out;
    const ResultList &list = window->models[k]->list();
    for (size_t pos = 0; pos < list.count(); ++pos)
        out.emplace_back(list.row(pos).name);
    return out;
}

void MainWindowTest::activate()
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

} // namespace tandara::test

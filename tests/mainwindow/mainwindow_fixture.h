#pragma once
// A main window on the offscreen platform, with its questions answered by
// the test and its folder trees pointed at real temporary folders.

#include "mainwindow/frmmain.h"
#include "support/temptree.h"
#include "widgets/messageseam.h"

#include <QTimer>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

namespace tandara::test {

// Records every message and answers questions from a queue (Yes when the
// queue is empty).
class RecordingMessages : public MessageSeam {
public:
    MsgAnswer show(QWidget *, const MessageRequest &request) override;
    std::vector<MessageRequest> shown;
    std::deque<MsgAnswer> answers;
    std::function<void()> onShow; // runs inside the message, before it answers
};

// The looks the window gives a button: under the pointer (or the active
// tab), and idle.
bool activeLook(const cpvButton *b);
bool idleLook(const cpvButton *b);

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Selects the folder at path in tree i (walking down from "/").
    void selectFolder(int tree, const std::string &path);
    void selectDesktop(int tree);
    void scan(const std::string &origin, const std::string &dest);
    // Presses the progress dialog's "Annulla" as soon as a dialog is up
    // (the next time the window is served), once.
    void cancelOnceTheDialogIsUp();
    // Texts of list k's "Nome" column, in list order.
    std::vector<std::string> names(int k) const;
    // Makes the window the active one, so that it has a keyboard focus.
    void activate();

    RecordingMessages messages;
    QTimer canceller;
    std::unique_ptr<frmMain> window;
    TempDir origin, dest;
};

} // namespace tandara::test

#pragma once
// Every modal message and question of the program goes through here, so
// that tests can answer them without a person.

#include <QString>

class QWidget;

namespace tandara {

enum class MsgIcon { None, Information, Question, Critical };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

struct MessageRequest {
    QString text;
    QString title = QStringLiteral("Tandara");
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    MsgAnswer defaultButton = MsgAnswer::Ok;
};

class MessageSeam {
public:
    virtual ~MessageSeam() = default;
    virtual MsgAnswer show(QWidget *parent, const MessageRequest &request) = 0;
};

// The seam in force: a real message box unless a test installed another.
MessageSeam &messages();
// Installs seam (not owned); nullptr goes back to real message boxes.
void setMessageSeam(MessageSeam *seam);

// Short forms.
void showMessage(QWidget *parent, const QString &text, MsgIcon icon = MsgIcon::None,
                 const QString &title = QStringLiteral("Tandara"));
bool askYesNo(QWidget *parent, const QString &text, MsgAnswer defaultButton = MsgAnswer::Yes,
              const QString &title = QStringLiteral("Tandara"));

} // namespace tandara

#include "messageseam.h"

#include <QMessageBox>
#include <QPushButton>

namespace tandara {

namespace {

QMessageBox::Icon boxIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

// A real message box, with Italian button texts.
class BoxSeam : public MessageSeam {
public:
    MsgAnswer show(QWidget *parent, const MessageRequest &request) override
    {
        QMessageBox box(boxIcon(request.icon), request.title, request.text, QMessageBox::NoButton, parent);
        if (request.buttons == MsgButtons::Ok) {
            box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            box.exec();
            return MsgAnswer::Ok;
        }
        QPushButton *yes = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
        QPushButton *no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
        box.setDefaultButton(request.defaultButton == MsgAnswer::No ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MsgAnswer::Yes : MsgAnswer::No;
    }
};

BoxSeam boxSeam;
MessageSeam *current = nullptr;

} // namespace

MessageSeam &messages()
{
    return current ? *current : boxSeam;
}

void setMessageSeam(MessageSeam *seam)
{
    current = seam;
}

void showMessage(QWidget *parent, const QString &text, MsgIcon icon, const QString &title)
{
    messages().show(parent, MessageRequest{text, title, MsgButtons::Ok, icon, MsgAnswer::Ok});
}

bool askYesNo(QWidget *parent, const QString &text, MsgAnswer defaultButton, const QString &title)
{
    return messages().show(parent, MessageRequest{text, title, MsgButtons::YesNo, MsgIcon::Question,
                                                  defaultButton})
        == MsgAnswer::Yes;
}

} // namespace tandara

#pragma once
// Opening the About window's links with the desktop's default handler,
// behind a seam so that tests can see the address without a browser
// starting.

#include <QString>
#include <functional>

class QWidget;

namespace tandara::about {

// Opens url on behalf of the window owner.
using LinkOpener = std::function<void(QWidget *owner, const QString &url)>;

// Installs opener; an empty one goes back to the desktop's handler.
void setLinkOpener(LinkOpener opener);

// Opens sWebPageURL with the opener in force. Whether the handler
// succeeded is not reported: the window goes on the same way.
void Navigate(QWidget *frm, const QString &sWebPageURL);

} // namespace tandara::about

#include "linkopener.h"

#include <QDesktopServices>
#include <QUrl>

namespace tandara::about {

namespace {

LinkOpener &installed()
{
    static LinkOpener opener;
    return opener;
}

} // namespace

void setLinkOpener(LinkOpener opener)
{
    installed() = std::move(opener);
}

void Navigate(QWidget *frm, const QString &sWebPageURL)
{
    if (installed())
        installed()(frm, sWebPageURL);
    else
        QDesktopServices::openUrl(QUrl(sWebPageURL));
}

} // namespace tandara::about

#pragma once
// The About window's texts: its caption, the author's notice and contact
// addresses, and the 57 lines of the scrolling text.

#include <QString>
#include <QStringList>

namespace tandara::about {

// "Tandara 2.0.0 - Informazioni sull'autore", from the project's version.
QString infoCaption();

// The author's notice, shown in the window's heading.
QString authorNotice();

// The link captions: index 0 the web address without a scheme, index 1
// the e-mail address.
QString linkCaption(int index);

// The address a link opens: "http://" + caption for index 0, "mailto:" +
// caption for index 1.
QString linkAddress(int index, const QString &caption);

// The scrolling text, one entry a line; empty entries are blank lines.
QStringList infoLines();

} // namespace tandara::about

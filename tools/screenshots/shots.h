#pragma once
// The steps of the screenshot tool that share the grabbing and the files.

#include <QString>

class QWidget;

namespace tandara {

class frmMain;

// Saves what the screen shows around window (20 pixels beyond its frame).
void grab(const QWidget &window, const QString &path);

// Writes a file of size bytes whose time is the given second.
void writeFile(const QString &path, int size, qint64 mtime);

// Scans two trees of modified documents, shows "File Modificati" sorted by
// the destination's size, largest first, and saves modified.png; then points at a row
// of the origin side and saves tooltip.png with its tooltip up.
void shootModified(frmMain &window, const QString &docs);

} // namespace tandara

#pragma once
// Where an animation window gets its clip bytes: the program's clip
// resources (":/clips/<number>") or a file named by its native bytes.

#include <QByteArray>

#include <optional>

namespace tandara {

// Largest clip file read.
inline constexpr qint64 kMaxClipFileBytes = 64 * 1024 * 1024;

std::optional<QByteArray> readClipResource(int number);
std::optional<QByteArray> readClipFile(const char *path);

} // namespace tandara

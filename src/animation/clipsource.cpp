#include "clipsource.h"

#include <QFile>

#include <fstream>

namespace tandara {

std::optional<QByteArray> readClipResource(int number)
{
    QFile resource(QStringLiteral(":/clips/%1").arg(number));
    if (number <= 0 || !resource.open(QIODevice::ReadOnly))
        return std::nullopt;
    return resource.readAll();
}

// Read through the C++ library so that the path's bytes reach the file
// system unchanged, whatever their encoding.
std::optional<QByteArray> readClipFile(const char *path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return std::nullopt;
    const std::streamoff size = in.tellg();
    if (size < 0 || size > kMaxClipFileBytes)
        return std::nullopt;
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    in.seekg(0);
    if (!in.read(bytes.data(), size))
        return std::nullopt;
    return bytes;
}

} // namespace tandara

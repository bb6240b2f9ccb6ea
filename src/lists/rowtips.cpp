#include "rowtips.h"

#include "texts.h"

namespace tandara {
namespace {

QString sideLine(const QString &label, const ResultRow &row, bool newer)
{
    QString line = label + QStringLiteral(": ") + formatGrouped(row.size) + QStringLiteral(" byte, ")
                   + (row.mtime ? formatDateTime(*row.mtime) : QStringLiteral("data sconosciuta"));
    if (newer)
        line += QStringLiteral(" (più recente)");
    return line;
}

} // namespace

std::optional<PairSide> newerSide(const ResultRow &origin, const ResultRow &destination)
{
    if (!origin.mtime || !destination.mtime || *origin.mtime == *destination.mtime)
        return std::nullopt;
    return *origin.mtime > *destination.mtime ? PairSide::Origin : PairSide::Destination;
}

QString fullPathText(std::string_view pathBase, const ResultRow &row)
{
    std::string path(pathBase);
    path.append(row.folder);
    path.append(row.name);
    return displayName(path);
}

QString pairTip(std::string_view pathBase, PairSide own, const ResultRow &origin, const ResultRow &destination)
{
    const std::optional<PairSide> newer = newerSide(origin, destination);
    return fullPathText(pathBase, own == PairSide::Origin ? origin : destination) + u'\n'
           + sideLine(QStringLiteral("Origine"), origin, newer == PairSide::Origin) + u'\n'
           + sideLine(QStringLiteral("Destinazione"), destination, newer == PairSide::Destination);
}

} // namespace tandara

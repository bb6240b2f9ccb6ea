#pragma once
// The tooltip texts of the result rows and which side of a modified pair
// is the newer one.

#include "resultlist.h"

#include <QString>
#include <optional>
#include <string_view>

namespace tandara {

enum class PairSide { Origin, Destination };

// The side whose file was written later; none when the times are equal or
// one is unknown.
std::optional<PairSide> newerSide(const ResultRow &origin, const ResultRow &destination);

// The full path of a row's file: pathBase (the list's root, or nothing for
// the file-system root) followed by the row's folder and name.
QString fullPathText(std::string_view pathBase, const ResultRow &row);

// The tooltip of a row of a modified pair: its own full path, then each
// side's size and time, the newer one marked:
//   /home/anna/Foto/mare.jpg
//   Origine: 1.234 byte, 14/11/2023 23:13:20 (più recente)
//   Destinazione: 1.200 byte, 10/11/2023 08:00:00
QString pairTip(std::string_view pathBase, PairSide own, const ResultRow &origin, const ResultRow &destination);

} // namespace tandara

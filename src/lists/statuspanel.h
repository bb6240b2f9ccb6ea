#pragma once
// The texts of the two status labels: the row count and the kilobytes of
// one list. " 12.345 file/ 02 kb" on the left, the same with three
// trailing blanks on the right.

#include <QString>
#include <cstddef>

namespace tandara {

enum class PanelSide { Left, Right };

QString panelText(size_t rows, double bytes, PanelSide side);

} // namespace tandara

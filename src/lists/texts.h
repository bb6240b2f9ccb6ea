#pragma once
// The number and date-time texts that the lists and the status panel show,
// in the user's locale (QLocale()).

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

namespace tandara {

// "#0,0" and "0,0": digits grouped in thousands with the locale's separator,
// at least two digits (0 gives "00", 5 gives "05", 1234 gives "1.234").
QString formatGrouped2(int64_t value);

// "#,#0": grouped, without the two-digit minimum.
QString formatGrouped(int64_t value);

// A byte total in kb (1000 bytes), rounded to nearest, halves away from zero,
// written like formatGrouped2.
QString formatKb(double bytes);

// The date-time text of a file time: the locale's short date with a
// four-digit year, a blank and HH:mm:ss ("08/12/2026 02:31:51").
QString dateTimeFormat();
QString formatDateTime(int64_t secondsSinceEpoch);
// The text read back, to the second; nullopt when it is not such a text.
std::optional<int64_t> parseDateTime(const QString &text);

// Names are bytes; this is only ever for display.
QString displayName(std::string_view bytes);

} // namespace tandara

#include "texts.h"

#include <QFile>
#include <QLocale>
#include <cmath>

namespace tandara {

QString formatGrouped(int64_t value)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(qlonglong(value));
}

QString formatGrouped2(int64_t value)
{
    if (value >= 0 && value < 10)
        return QLocale().zeroDigit() + QLocale().toString(qlonglong(value));
    return formatGrouped(value);
}

QString formatKb(double bytes)
{
    return formatGrouped2(int64_t(std::round(bytes / 1000.0)));
}

QString dateTimeFormat()
{
    QString date = QLocale().dateFormat(QLocale::ShortFormat);
    // Two-digit years read back into the wrong century ("…/26" is 1926).
    if (!date.contains(QLatin1String("yyyy")))
        date.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return date + QLatin1String(" HH:mm:ss");
}

QString formatDateTime(int64_t secondsSinceEpoch)
{
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(secondsSinceEpoch), dateTimeFormat());
}

std::optional<int64_t> parseDateTime(const QString &text)
{
    const QDateTime value = QLocale().toDateTime(text, dateTimeFormat());
    if (!value.isValid())
        return std::nullopt;
    return value.toSecsSinceEpoch();
}

QString displayName(std::string_view bytes)
{
    return QFile::decodeName(QByteArray(bytes.data(), qsizetype(bytes.size())));
}

} // namespace tandara

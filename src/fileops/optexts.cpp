#include "optexts.h"

#include "lists/texts.h"

#include <cerrno>
#include <cmath>

namespace tandara {

namespace {

QString linkOnPathText(const std::string &path)
{
    return QStringLiteral("Una cartella del percorso è un collegamento, che non viene seguito: ") + displayName(path);
}

} // namespace

QString copyFailureText(const fs::FsError &error, const std::string &source, const std::string &target)
{
    switch (error.cause) {
    case fs::FsCause::LinkOnPath:
        return linkOnPathText(source) + QStringLiteral("\r\n→ ") + displayName(target);
    case fs::FsCause::NotRegular:
        return QStringLiteral("Non è un file normale né un collegamento, non viene copiato: ") + displayName(source);
    case fs::FsCause::Changed:
        return QStringLiteral("Il file è cambiato durante la copia: ") + displayName(source);
    case fs::FsCause::System:
    case fs::FsCause::Cancelled:
        break;
    }
    if (error.code == ENAMETOOLONG)
        return QStringLiteral("Nome troppo lungo, impossibile copiarlo.");
    return QString::number(error.code) + QLatin1Char(' ') + QString::fromLocal8Bit(error.description);
}

QString deleteFailureText(const fs::FsError &error, const std::string &path)
{
    if (error.cause == fs::FsCause::LinkOnPath)
        return linkOnPathText(path);
    return QString::fromLocal8Bit(error.description);
}

QString spaceMessage(uint64_t required, uint64_t free)
{
    return QStringLiteral("Lo spazio per copiare i file prescelti è insufficiente.\r\n\r\n"
                          "Occorrono almeno %1 byte liberi, invece\r\n\r\n"
                          "vi sono solo %2 byte liberi nel disco.")
        .arg(formatGrouped(int64_t(required + 100)), formatGrouped(int64_t(free)));
}

QString percentLine(double done, double total, Operation operation)
{
    const auto whole = static_cast<long long>(std::trunc(done / total * 100.0));
    return QLatin1Char(' ') + QString::number(whole)
        + (operation == Operation::Copy ? QStringLiteral("% di File Copiati") : QStringLiteral("% di File Eliminati"));
}

} // namespace tandara

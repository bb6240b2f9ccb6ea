#include "infotext.h"

#include "version.h"

namespace tandara::about {

namespace {

const QString kAuthor = QStringLiteral("Il team di Tandara");
const QString kSiteName = QStringLiteral("Tandara");
const QString kWebAddress = QStringLiteral("tandara.example.org");
const QString kMailAddress = QStringLiteral("info@tandara.example.org");
const QString kForumAddress = QStringLiteral("forum.tandara.example.org");
const QString kCredited = QStringLiteral("il team di Tandara");

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

QString infoCaption()
{
    return QStringLiteral("Tandara %1.%2.%3 - Informazioni sull'autore")
        .arg(TANDARA_VERSION_MAJOR)
        .arg(TANDARA_VERSION_MINOR)
        .arg(TANDARA_VERSION_PATCH);
}

QString authorNotice()
{
    return QStringLiteral("\u00a9 ") + kAuthor;
}

QString linkCaption(int index)
{
    return index == 0 ? kWebAddress : kMailAddress;
}

QString linkAddress(int index, const QString &caption)
{
    return (index == 0 ? QStringLiteral("http://") : QStringLiteral("mailto:")) + caption;
}

QStringList infoLines()
{
    const QString none;
    return {
        QStringLiteral("Mi presento a tutti sono"),
        none,
        kAuthor,
        none,
        QStringLiteral("per il Web ") + quoted(kSiteName) + QStringLiteral("."),
        none,
        none,
        QStringLiteral("Questo programma serve a tenere"),
        QStringLiteral("sincronizzate (cioè uguali), due"),
        QStringLiteral("directory (incluse le subdirectory)."),
        none,
        none,
        QStringLiteral("Cliccando su ") + quoted(QStringLiteral("File Nuovi")) + QStringLiteral(", verranno"),
        QStringLiteral("evidenziati, nelle 2 finestre i"),
        QStringLiteral("File differenti."),
        none,
        none,
        QStringLiteral("Cliccando su ") + quoted(QStringLiteral("File Modificati")) + QStringLiteral(", verranno"),
        QStringLiteral("evidenziati, quelli con nome e posizione"),
        QStringLiteral("uguale, ma data o grandezza differenti."),
        none,
        none,
        QStringLiteral("Per selezionare più File, cliccare con"),
        QStringLiteral("il mouse sulla finestra desiderata"),
        QStringLiteral("tenendo premuto il tasto CTRL."),
        none,
        none,
        QStringLiteral("Per selezionare tutti i File di una"),
        QStringLiteral("finestra, fare un doppio click su di essa."),
        none,
        none,
        QStringLiteral("Per eliminare (in modo definitivo) dei File,"),
        QStringLiteral("dopo averli selezionati, cliccare il tasto"),
        QStringLiteral("destro del mouse e scegliere Elimina."),
        none,
        none,
        QStringLiteral("Vorrei fare dei ringraziamenti."),
        none,
        QStringLiteral("Per prima, alla ") + quoted(QStringLiteral("GRANDE")) + QStringLiteral(" Mailing List di"),
        kForumAddress + QStringLiteral(", che mi ha aiutato"),
        QStringLiteral("molto ed ha incrementato le mie conoscenze."),
        none,
        none,
        QStringLiteral("A ") + kCredited,
        QStringLiteral("per FolderView ActiveX."),
        none,
        none,
        QStringLiteral("A ") + kCredited,
        QStringLiteral("per cpvButton.OCX"),
        none,
        none,
        QStringLiteral("A ") + kCredited,
        QStringLiteral("per la classe CAnimate"),
        none,
        none,
        QStringLiteral("Grazie e arrivederci."),
        none,
    };
}

} // namespace tandara::about

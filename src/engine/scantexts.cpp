#include "scantexts.h"

#include "engine/fsservices.h"
#include "lists/texts.h"

namespace tandara {

namespace {
constexpr size_t kNamedFolders = 5;
}

QString rootsOverlapMessage()
{
    return QStringLiteral("La Directory Origine e la Directory Destinazione coincidono o sono una dentro "
                          "l'altra: scegli due cartelle distinte.");
}

QString unreadFoldersMessage(const ScanState &state)
{
    const std::vector<UnreadFolder> &unread = state.unreadFolders;
    if (unread.empty())
        return {};
    QString text = unread.size() == 1
        ? QStringLiteral("Non è stato possibile leggere una cartella.")
        : QStringLiteral("Non è stato possibile leggere %1 cartelle.").arg(unread.size());
    text += QStringLiteral(" I file che si trovano nella stessa posizione dall'altro lato non sono elencati "
                           "e restano come sono.\r\n");
    for (size_t i = 0; i < unread.size() && i < kNamedFolders; ++i) {
        const UnreadFolder &folder = unread[i];
        const std::string path = fullPath(state.m_sDirRadice[folder.side], folder.folder, {});
        text += QStringLiteral("\r\n") + displayName(path) + QStringLiteral(": ")
            + QString::fromLocal8Bit(fs::FsError::fromErrno(folder.error).description);
    }
    if (unread.size() > kNamedFolders)
        text += QStringLiteral("\r\n… e altre %1.").arg(unread.size() - kNamedFolders);
    return text;
}

} // namespace tandara

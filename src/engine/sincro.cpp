#include "sincro.h"

namespace tandara {

std::string_view TogliNull(std::string_view text)
{
    const size_t nul = text.find('\0');
    return nul == std::string_view::npos ? text : text.substr(0, nul);
}

Sincro::Sincro(ResultLists lists, ScanState &state, WalkHooks hooks, TimeRule timeRule)
    : lists_(lists), state_(state), hooks_(std::move(hooks)), timeRule_(timeRule)
{
}

WalkConfig Sincro::walkConfig(const std::string &folder, const std::string &root, int side) const
{
    // Neither walk goes into the other tree, should it be mounted inside.
    return WalkConfig{folder, joinBase(root).size(), folderIdOf(state_.m_sDirRadice[1 - side])};
}

WalkHooks Sincro::hooksFor(int side) const
{
    WalkHooks hooks = hooks_;
    hooks.folderFailed = [this, side](std::string_view folder, int error) {
        state_.unreadFolders.push_back(UnreadFolder{side, std::string(folder), error});
    };
    return hooks;
}

void Sincro::startReading(const std::string &origin, const std::string &destination, ReadAheadOptions options)
{
    readFolders_ = {origin, destination};
    reads_ = std::make_unique<ReadAhead>(
        std::vector<WalkConfig>{walkConfig(origin, state_.m_sDirRadice[0], 0),
                                walkConfig(destination, state_.m_sDirRadice[1], 1)},
        options);
}

void Sincro::walkSide(int side, const std::string &folder, const std::string &root,
                      const std::function<void(const WalkedFile &)> &onFile)
{
    const WalkConfig config = walkConfig(folder, root, side);
    const WalkHooks hooks = hooksFor(side);
    const auto cancelled = [this] { return state_.bAnnulla; };
    if (reads_ && readFolders_[size_t(side)] == folder)
        replayTree(*reads_, side, config, hooks, cancelled, onFile);
    else
        walkTree(config, hooks, cancelled, onFile);
}

void Sincro::ScansioneOrigine(const std::string &folder, ResultList &list, const std::string &root)
{
    walkSide(0, folder, root, [&](const WalkedFile &file) {
        state_.dTotaleLv[0] += double(file.size);
        list.append(file.name, file.folder, file.size, file.mtime, true);
    });
}

void Sincro::ScansioneDestinazione(const std::string &folder, const std::string &root)
{
    beginComparison();
    walkSide(1, folder, root,
             [&](const WalkedFile &file) { ConfrontaFile(file.name, file.folder, file.size, file.mtime); });
    endComparison();
}

void Sincro::beginComparison()
{
    index_.build(*lists_[0]);
    hashedFolder_.clear();
    folderHash_ = KeyHash();
}

void Sincro::endComparison()
{
    index_.clear();
}

void Sincro::lookUpFolder(std::string_view folder)
{
    if (folder == hashedFolder_)
        return;
    hashedFolder_.assign(folder);
    folderHash_ = KeyHash();
    folderHash_.add(folder);
}

void Sincro::ConfrontaFile(std::string_view name, std::string_view folder, int64_t size, int64_t mtime)
{
    lookUpFolder(folder);
    const std::optional<size_t> slot = index_.findFirst(folderHash_, folder, name);
    if (!slot) {
        state_.dTotaleLv[1] += double(size);
        lists_[1]->append(name, folder, size, mtime, false);
        return;
    }
    ResultList &origin = *lists_[0];
    const ResultRow originRow = origin.rowOfSlot(*slot);
    const int64_t originSize = originRow.size;
    const std::optional<int64_t> originTime = originRow.mtime;
    state_.dTotaleLv[0] -= double(originSize);
    origin.removeSlot(*slot);
    if (originSize == size && originTime && timeRule_.same(*originTime, mtime))
        return;
    state_.dTotaleLv[2] += double(originSize);
    lists_[2]->append(name, folder, originSize, originTime, false);
    state_.dTotaleLv[3] += double(size);
    lists_[3]->append(name, folder, size, mtime, false);
}

} // namespace tandara

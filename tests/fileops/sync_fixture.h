#pragma once
// Two real trees, origin and dest, scanned into the four result models the
// way the window holds them, with the per-row operations at hand.

#include "engine/scan.h"
#include "fileops/cancellafile.h"
#include "fileops/commandsteps.h"
#include "fileops/copiafile.h"
#include "support/temptree.h"

#include <QStringList>
#include <set>
#include <string>

namespace tandara::test {

class SyncTrees {
public:
    explicit SyncTrees(const std::string &originRoot = {}, const std::string &destRoot = {})
        : origin(originRoot.empty() ? dir.folder("origin") : originRoot),
          dest(destRoot.empty() ? dir.folder("dest") : destRoot)
    {
        hooks.report = [this](const QString &message) { messages << message; };
    }

    void scan()
    {
        for (ResultListModel *m : models())
            m->beginBulkChange();
        for (ResultListModel *m : models())
            m->list().clear();
        state = ScanState{};
        state.m_sDirRadice[0] = normalizeRoot(origin);
        state.m_sDirRadice[1] = normalizeRoot(dest);
        runScan(state, {&l0.list(), &l1.list(), &l2.list(), &l3.list()}, {});
        for (ResultListModel *m : models())
            m->endBulkChange();
    }

    ResultModels models() { return {&l0, &l1, &l2, &l3}; }
    ResultList &list(int k) { return models()[k]->list(); }
    size_t rows(int k) { return list(k).count(); }

    // Position of the row of list k with the given relative key.
    int find(int k, const std::string &key)
    {
        for (size_t pos = 0; pos < rows(k); ++pos) {
            const ResultRow r = list(k).row(pos);
            if (std::string(r.folder) + std::string(r.name) == key)
                return int(pos);
        }
        return -1;
    }

    std::set<std::string> keys(int k)
    {
        std::set<std::string> out;
        for (size_t pos = 0; pos < rows(k); ++pos) {
            const ResultRow r = list(k).row(pos);
            out.insert(std::string(r.folder) + std::string(r.name));
        }
        return out;
    }

    std::optional<int> copy(int k, int row)
    {
        return CopiaFile(k, models(), row, state.m_sDirRadice[k], state.m_sDirRadice[partner(k)], state, done,
                         session, hooks);
    }

    TreeFile fileOf(int k, int row)
    {
        const ResultRow r = list(k).row(size_t(row));
        return TreeFile{state.m_sDirRadice[k], std::string(r.folder), std::string(r.name)};
    }

    std::optional<int> remove(int k, int row)
    {
        return CancellaFile(k, fileOf(k, row), models(), row, state, done, hooks);
    }

    TempDir dir;
    std::string origin;
    std::string dest;
    ResultListModel l0{IconKey::NuovoO}, l1{IconKey::NuovoD}, l2{IconKey::AggiornatoO}, l3{IconKey::AggiornatoD};
    ScanState state;
    CopySession session; // the copy command the copies belong to; finish() is the test's
    FileOpHooks hooks;
    QStringList messages;
    double done = 0; // m_dCopiati or m_dEliminati
};

} // namespace tandara::test

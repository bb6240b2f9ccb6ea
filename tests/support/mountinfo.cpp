#include "mountinfo.h"

#include <fstream>
#include <sstream>

namespace tandara::test {
namespace {

// mountinfo writes space, tab, newline and backslash in paths as \ooo.
std::string unescaped(const std::string &field)
{
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            out += char(std::stoi(field.substr(i + 1, 3), nullptr, 8));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

} // namespace

std::optional<MountEntry> mountAt(const std::string &folder)
{
    // Fields: id parent major:minor root mount-point options [optional…] - type source super-options
    std::ifstream in("/proc/self/mountinfo");
    std::optional<MountEntry> found;
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string id, parent, device, root, mountPoint, field;
        fields >> id >> parent >> device >> root >> mountPoint;
        if (unescaped(mountPoint) != folder)
            continue;
        while (fields >> field && field != "-") {
        }
        MountEntry entry;
        fields >> entry.type >> entry.source;
        entry.source = unescaped(entry.source);
        found = entry; // later lines are mounted over earlier ones
    }
    return found;
}

} // namespace tandara::test

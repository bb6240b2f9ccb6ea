#include "mounttable.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <linux/magic.h>
#include <sstream>
#include <sys/statfs.h>
#include <sys/sysmacros.h>

namespace tandara {

namespace {

// Mount points escape blanks and a few other bytes as \ooo.
std::string unescape(std::string_view field)
{
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string_view digits = field.substr(i + 1, 3);
            if (std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '7'; })) {
                out.push_back(char((digits[0] - '0') * 64 + (digits[1] - '0') * 8 + (digits[2] - '0')));
                i += 3;
                continue;
            }
        }
        out.push_back(field[i]);
    }
    return out;
}

bool parseLine(const std::string &line, MountEntry &entry)
{
    std::istringstream in(line);
    std::string id, parent, device, root, mountPoint, field;
    if (!(in >> id >> parent >> device >> root >> mountPoint))
        return false;
    while (in >> field && field != "-") {
    }
    std::string type;
    if (field != "-" || !(in >> type))
        return false;
    unsigned major = 0, minor = 0;
    if (std::sscanf(device.c_str(), "%u:%u", &major, &minor) != 2)
        return false;
    entry.device = makedev(major, minor);
    entry.mountPoint = unescape(mountPoint);
    entry.type = type;
    return true;
}

constexpr unsigned long kPseudoMagics[] = {
    PROC_SUPER_MAGIC, SYSFS_MAGIC,     DEVPTS_SUPER_MAGIC, CGROUP_SUPER_MAGIC, CGROUP2_SUPER_MAGIC,
    DEBUGFS_MAGIC,    TRACEFS_MAGIC,   SECURITYFS_MAGIC,   BPF_FS_MAGIC,       PSTOREFS_MAGIC,
    0x19800202 /* mqueue */, 0x62656570 /* configfs */, 0x65735543 /* fusectl */, HUGETLBFS_MAGIC,
    AUTOFS_SUPER_MAGIC, BINFMTFS_MAGIC,
};

} // namespace

std::vector<MountEntry> parseMountInfo(std::string_view text)
{
    std::vector<MountEntry> table;
    std::istringstream in{std::string(text)};
    std::string line;
    while (std::getline(in, line)) {
        MountEntry entry;
        if (parseLine(line, entry))
            table.push_back(std::move(entry));
    }
    return table;
}

std::vector<MountEntry> readMountTable()
{
    std::ifstream in("/proc/self/mountinfo");
    std::ostringstream text;
    text << in.rdbuf();
    return parseMountInfo(text.str());
}

std::string mountTypeOf(dev_t device, const std::vector<MountEntry> &table)
{
    for (auto it = table.rbegin(); it != table.rend(); ++it)
        if (it->device == device)
            return it->type;
    return {};
}

bool isKernelPseudoFs(int fd, dev_t device)
{
    struct statfs fs;
    if (fstatfs(fd, &fs) != 0)
        return false;
    const auto magic = static_cast<unsigned long>(fs.f_type);
    if (std::find(std::begin(kPseudoMagics), std::end(kPseudoMagics), magic) != std::end(kPseudoMagics))
        return true;
    // devtmpfs reports the magic of tmpfs; only the mount table tells.
    return magic == TMPFS_MAGIC && mountTypeOf(device, readMountTable()) == "devtmpfs";
}

} // namespace tandara

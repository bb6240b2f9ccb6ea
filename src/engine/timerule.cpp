#include "timerule.h"

#include <sys/stat.h>

namespace tandara {

namespace {

bool onTwoSecondFs(const std::string &root, const std::vector<MountEntry> &mounts)
{
    struct stat st;
    return stat(root.c_str(), &st) == 0 && keepsTwoSecondTimes(mountTypeOf(st.st_dev, mounts));
}

} // namespace

bool keepsTwoSecondTimes(std::string_view mountType)
{
    return mountType == "vfat" || mountType == "msdos" || mountType == "fuse.fusefat";
}

TimeRule timeRuleFor(const std::string &origin, const std::string &destination,
                     const std::vector<MountEntry> &mounts)
{
    const bool coarse = onTwoSecondFs(origin, mounts) || onTwoSecondFs(destination, mounts);
    return TimeRule{coarse ? 1 : 0};
}

} // namespace tandara

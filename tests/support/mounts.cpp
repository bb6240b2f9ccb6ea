#include "mounts.h"

#include "mountinfo.h"
#include "tools.h"

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fsys = std::filesystem;

namespace tandara::test {
namespace {

constexpr int64_t MiB = 1 << 20;
constexpr auto kMountWait = std::chrono::seconds(10);
constexpr int kServerWaitMs = 3000; // a server ends within milliseconds of its unmount

// The Debian package that brings each tool, for the skip message.
const char *packageOf(const std::string &tool)
{
    if (tool == "mkfs.vfat")
        return "dosfstools";
    if (tool == "mkntfs" || tool == "ntfs-3g")
        return "ntfs-3g";
    if (tool == "mkfs.btrfs")
        return "btrfs-progs";
    if (tool == "fusefat")
        return "fusefat";
    if (tool.starts_with("fusermount"))
        return "fuse3";
    return "mount";
}

// argv with its first word replaced by the tool's full path; the reason
// when the tool is not installed.
std::string resolve(std::vector<std::string> &argv)
{
    const std::string full = findTool(argv.at(0));
    if (full.empty())
        return argv[0] + " is not installed (Debian package " + packageOf(argv[0]) + ")";
    argv[0] = full;
    return {};
}

// The last lines a failing tool wrote, on one line.
std::string tail(std::string text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.pop_back();
    if (text.size() > 400)
        text = "…" + text.substr(text.size() - 400);
    for (char &c : text)
        if (c == '\n')
            c = ' ';
    return text;
}

std::string run(std::vector<std::string> argv)
{
    if (std::string missing = resolve(argv); !missing.empty())
        return missing;
    const ToolResult result = runTool(argv);
    if (result.ok())
        return {};
    return fsys::path(argv[0]).filename().string() + " failed: " + tail(result.output);
}

bool isFuse(FileSystem kind)
{
    return kind == FileSystem::FatFuse || kind == FileSystem::Ntfs;
}

} // namespace

const char *nameOf(FileSystem kind)
{
    switch (kind) {
    case FileSystem::FatFuse:
        return "FAT through fusefat";
    case FileSystem::FatKernel:
        return "FAT through the kernel";
    case FileSystem::Ntfs:
        return "NTFS through ntfs-3g";
    case FileSystem::Btrfs:
        return "btrfs";
    case FileSystem::Tmpfs:
        return "tmpfs";
    }
    return "?";
}

ScopedMount::ScopedMount(FileSystem kind, int64_t bytes)
    : kind_(kind)
{
    // Open to everyone, so that a run as nobody reaches the mount.
    chmod(base_.path().c_str(), 0755);
    const std::string base = fsys::canonical(base_.path()).string();
    path_ = base + "/mnt";
    image_ = base + "/image";
    fsys::create_directory(path_);
    reason_ = mount(bytes);
    if (!reason_.empty()) {
        reason_ = std::string(nameOf(kind)) + " cannot be mounted: " + reason_;
        unmount();
    }
}

ScopedMount::~ScopedMount()
{
    unmount();
}

std::string ScopedMount::mount(int64_t bytes)
{
    if (geteuid() != 0)
        return "mounting needs root, and this runs as user " + std::to_string(geteuid());
    switch (kind_) {
    case FileSystem::FatFuse:
        if (std::string why = makeImage(bytes ? bytes : 64 * MiB, {"mkfs.vfat", "-F", "32"}); !why.empty())
            return why;
        // In the foreground, so that the server is our child and ends with us.
        return startFuse({"fusefat", "-f", "-o", "rw+,allow_other", image_, path_});
    case FileSystem::FatKernel:
        if (std::string why = makeImage(bytes ? bytes : 64 * MiB, {"mkfs.vfat", "-F", "32"}); !why.empty())
            return why;
        return mountWithTool({"-t", "vfat", "-o", "loop"}, image_);
    case FileSystem::Ntfs:
        // On a loop device, as a real disk: the kernel then calls it fuseblk.
        if (std::string why = makeImage(bytes ? bytes : 64 * MiB, {"mkntfs", "-F", "-Q"}); !why.empty())
            return why;
        if (std::string why = attachLoop(); !why.empty())
            return why;
        return startFuse({"ntfs-3g", "-o", "no_detach", loopDevice_, path_}); // in the foreground too
    case FileSystem::Btrfs:
        // mkfs.btrfs refuses less than 109 MiB.
        if (std::string why = makeImage(bytes ? bytes : 128 * MiB, {"mkfs.btrfs", "-q"}); !why.empty())
            return why;
        return mountWithTool({"-t", "btrfs", "-o", "loop"}, image_);
    case FileSystem::Tmpfs:
        return mountWithTool({"-t", "tmpfs", "-o", "size=" + std::to_string(bytes ? bytes : MiB)}, "tmpfs");
    }
    return "unknown kind";
}

std::string ScopedMount::makeImage(int64_t bytes, const std::vector<std::string> &mkfs)
{
    // Sparse: the image takes only the blocks the file system writes.
    const int fd = open(image_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0 || ftruncate(fd, bytes) != 0) {
        const std::string why = "cannot make the image " + image_ + ": " + strerror(errno);
        if (fd >= 0)
            close(fd);
        return why;
    }
    close(fd);
    std::vector<std::string> argv = mkfs;
    argv.push_back(image_);
    return run(argv);
}

std::string ScopedMount::mountWithTool(const std::vector<std::string> &options, const std::string &source)
{
    std::vector<std::string> argv{"mount"};
    argv.insert(argv.end(), options.begin(), options.end());
    argv.push_back(source);
    argv.push_back(path_);
    if (std::string why = run(argv); !why.empty())
        return why;
    return mountAt(path_) ? std::string() : "mount said yes, but " + path_ + " is no mount point";
}

std::string ScopedMount::attachLoop()
{
    std::vector<std::string> argv{"losetup", "--find", "--show", image_};
    if (std::string missing = resolve(argv); !missing.empty())
        return missing;
    const ToolResult result = runTool(argv);
    if (!result.ok())
        return "losetup failed: " + tail(result.output);
    loopDevice_ = tail(result.output);
    return {};
}

std::string ScopedMount::startFuse(const std::vector<std::string> &command)
{
    if (access("/dev/fuse", R_OK | W_OK) != 0)
        return std::string("/dev/fuse cannot be opened: ") + strerror(errno);
    std::vector<std::string> argv = command;
    if (std::string missing = resolve(argv); !missing.empty())
        return missing;
    const std::string log = base_ / "server.log";
    std::string why;
    server_ = startTool(argv, log, why);
    if (server_ < 0)
        return why;
    // The mount is up once the kernel lists it; requests made before the
    // server answers its first one wait for it.
    const auto deadline = std::chrono::steady_clock::now() + kMountWait;
    while (std::chrono::steady_clock::now() < deadline) {
        if (mountAt(path_))
            return {};
        if (waitpid(server_, nullptr, WNOHANG) == server_) {
            server_ = -1;
            return command[0] + " ended without mounting: " + tail(readFile(log));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return command[0] + " did not mount within 10 s: " + tail(readFile(log));
}

void ScopedMount::unmount()
{
    // The usual way first, then lazily: a file left open keeps a normal
    // unmount busy, while a lazy one takes the mount away at once.
    const std::vector<std::vector<std::string>> ways = isFuse(kind_)
        ? std::vector<std::vector<std::string>>{{"fusermount3", "-u", path_}, {"fusermount", "-u", path_},
                                                {"fusermount3", "-u", "-z", path_}, {"umount", "-l", path_}}
        : std::vector<std::vector<std::string>>{{"umount", path_}, {"umount", "-l", path_}};
    for (std::vector<std::string> argv : ways) {
        if (!mountAt(path_))
            break;
        if (resolve(argv).empty())
            runTool(argv);
    }
    if (mountAt(path_))
        ADD_FAILURE() << path_ << " is still mounted after every way of unmounting it";
    if (server_ > 0)
        stopTool(server_, kServerWaitMs);
    server_ = -1;
    if (!loopDevice_.empty()) {
        std::vector<std::string> argv{"losetup", "--detach", loopDevice_};
        if (resolve(argv).empty())
            runTool(argv);
        loopDevice_.clear();
    }
}

ScopedSystemMount::ScopedSystemMount(const std::string &source, const std::string &target, const char *type,
                                     unsigned long flags, const char *options)
    : target_(target)
{
    if (::mount(source.c_str(), target.c_str(), type, flags, options) != 0)
        reason_ = "cannot mount " + source + " on " + target + ": " + std::strerror(errno);
}

ScopedSystemMount::~ScopedSystemMount()
{
    if (ok())
        umount2(target_.c_str(), MNT_DETACH);
}

} // namespace tandara::test

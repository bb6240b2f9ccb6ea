#include "copydata.h"

#include <algorithm>
#include <cerrno>
#include <linux/fs.h>
#include <memory>
#include <sys/ioctl.h>
#include <unistd.h>

namespace tandara::fs {

namespace {

// copy_file_range moves this much per call; reads and writes use a buffer
// of kBuffer. Between two of either the copy looks at the stop flag.
constexpr off_t kBlock = off_t(8) << 20;
// Below this size a clone saves next to nothing, and asking for one that
// the file system refuses would cost a call per small file.
constexpr off_t kCloneFrom = off_t(64) << 10;
constexpr size_t kBuffer = size_t(1) << 20;

bool stopped(const CopyControl &control)
{
    return control.stop && control.stop->load(std::memory_order_relaxed);
}

void blockDone(const CopyControl &control, off_t copied)
{
    if (control.afterBlock)
        control.afterBlock(copied);
}

int writeAll(int to, const char *data, size_t length, off_t at)
{
    for (size_t put = 0; put < length;) {
        const ssize_t n = pwrite(to, data + put, length - put, at + off_t(put));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        put += size_t(n);
    }
    return 0;
}

// Plain reads and writes of [done, end); 0 or an errno.
int copyByReading(int from, int to, off_t done, off_t end, const CopyControl &control)
{
    static thread_local const std::unique_ptr<char[]> buffer(new char[kBuffer]);
    while (done < end) {
        if (stopped(control))
            return ECANCELED;
        const ssize_t got = pread(from, buffer.get(), size_t(std::min(end - done, off_t(kBuffer))), done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            return 0; // the source shrank
        if (const int error = writeAll(to, buffer.get(), size_t(got), done))
            return error;
        done += got;
        blockDone(control, done);
    }
    return 0;
}

// [done, end) of the source to the same place in the target; 0 or an errno.
int copyRange(int from, int to, off_t done, off_t end, const CopyControl &control)
{
    while (done < end) {
        if (stopped(control))
            return ECANCELED;
        loff_t in = done, out = done;
        const ssize_t n = copy_file_range(from, &in, to, &out, size_t(std::min(end - done, kBlock)), 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP))
            return copyByReading(from, to, done, end, control);
        if (n < 0)
            return errno;
        if (n == 0)
            return 0; // the source shrank
        done += n;
        blockDone(control, done);
    }
    return 0;
}

// Blocks allocated for less than the size: the file may have holes. (A
// file with every block allocated has none, and needs no look for them.)
bool mayHaveHoles(const struct stat &st)
{
    return st.st_blocks * 512 < st.st_size;
}

// Copies the data ranges below size, skipping the holes between them.
int copyDataRanges(int from, int to, off_t size, const CopyControl &control)
{
    for (off_t at = 0; at < size;) {
        const off_t data = lseek(from, at, SEEK_DATA);
        if (data < 0 && errno == ENXIO)
            return 0; // no data after `at`
        if (data < 0)
            return copyRange(from, to, at, size, control); // no hole support here
        if (data >= size)
            return 0;
        const off_t hole = lseek(from, data, SEEK_HOLE);
        if (hole < 0)
            return errno;
        const off_t end = std::min(hole, size);
        if (const int error = copyRange(from, to, data, end, control))
            return error;
        at = end;
    }
    return 0;
}

} // namespace

int copyData(int from, int to, const struct stat &seen, const CopyControl &control)
{
    const off_t size = seen.st_size;
    if (size == 0)
        return 0;
    if (size >= kCloneFrom && ioctl(to, FICLONE, from) == 0) {
        // The clone is the whole file as it is now, which is longer than
        // `size` only if it grew since its opening: the caller sees that.
        blockDone(control, size);
        return 0;
    }
    if (!mayHaveHoles(seen))
        return copyRange(from, to, 0, size, control);
    if (const int error = copyDataRanges(from, to, size, control))
        return error;
    // A hole at the end is written as the target's length, or, where the
    // file system cannot lengthen a file that way (FAT), as a last zero.
    static constexpr char kZero = 0;
    if (ftruncate(to, size) == 0 || pwrite(to, &kZero, 1, size - 1) == 1)
        return 0;
    return errno;
}

} // namespace tandara::fs

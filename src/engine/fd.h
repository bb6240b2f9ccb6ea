#pragma once
// An owned file descriptor, closed when it goes.

#include <unistd.h>
#include <utility>

namespace tandara::fs {

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    Fd(Fd &&other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Fd &operator=(Fd &&other) noexcept
    {
        if (this != &other) {
            reset();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    ~Fd() { reset(); }

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }

    // Closes now; gives the result of close(), so a delayed write error
    // is not lost.
    int reset(int fd = -1)
    {
        int result = 0;
        if (fd_ >= 0)
            result = ::close(fd_);
        fd_ = fd;
        return result;
    }

private:
    int fd_;
};

} // namespace tandara::fs

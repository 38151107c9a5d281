#include "printer_port.h"

#include "print_error.h"
#include "stall_timer.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__linux__)
#include <linux/lp.h>
#endif

namespace printing {
namespace {

[[noreturn]] void fail(const char* step, int err)
{
    throw PrintError(std::string(step) + ": " + std::strerror(err), err);
}

void ignoreSigpipeOnce()
{
    // A device that goes away mid-ticket (a FIFO whose reader closes) must
    // fail the ticket, not end the program.
    static std::once_flag once;
    std::call_once(once, [] { std::signal(SIGPIPE, SIG_IGN); });
}

int pollMillis(std::chrono::milliseconds left)
{
    const auto ms = left.count();
    return ms > 1000 ? 1000 : (ms < 1 ? 1 : static_cast<int>(ms));
}

class PosixPort final : public PrinterPort {
public:
    PosixPort(int fd, bool isDevice, std::chrono::milliseconds stallTimeout)
        : fd_(fd), isDevice_(isDevice), stallTimeout_(stallTimeout) {}

    ~PosixPort() override
    {
        if (fd_ >= 0)
            ::close(fd_);
    }

    void write(const char* data, std::size_t size) override
    {
        StallTimer stall(stallTimeout_);
        bool pollSaidReady = false;
        while (size > 0) {
            const ssize_t n = ::write(fd_, data, size);
            if (n > 0) {
                data += n;
                size -= static_cast<std::size_t>(n);
                stall.progress();
                pollSaidReady = false;
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n == 0 || errno == EAGAIN || errno == EWOULDBLOCK) {
                pollSaidReady = waitUntilWritable(stall, pollSaidReady);
                continue;
            }
            fail("write", errno);
        }
    }

    void flush() override
    {
        // The USB printer driver accepts a non-blocking write before sending
        // it and cancels what is still in flight at close: wait until the
        // device is ready for more, which means it has taken the last bytes.
        if (!isDevice_)
            return;
        const StallTimer stall(stallTimeout_);
        for (;;) {
            pollfd p{fd_, POLLOUT, 0};
            const auto left = remaining(stall);
            const int r = ::poll(&p, 1, pollMillis(left));
            if (r < 0 && errno == EINTR)
                continue;
            if (r < 0)
                fail("flush", errno);
            if (r > 0 && (p.revents & (POLLERR | POLLNVAL)))
                fail("flush", EIO);
            if (r > 0)
                return;
        }
    }

    void close() override
    {
        const int fd = fd_;
        fd_ = -1;
        // On Linux the descriptor is released even when close() reports
        // EINTR, so it is never closed twice.
        if (::close(fd) != 0 && errno != EINTR)
            fail("close", errno);
    }

private:
    static std::chrono::milliseconds remaining(const StallTimer& stall)
    {
        const auto left = stall.left();
        if (left.count() <= 0)
            fail("device stalled", ETIMEDOUT);
        return left;
    }

    // Returns whether poll() reported the device ready.
    bool waitUntilWritable(const StallTimer& stall, bool pollSaidReadyBefore)
    {
        const auto left = remaining(stall);
        if (pollSaidReadyBefore) {
            // Ready by poll, busy by write: back off instead of spinning.
            ::poll(nullptr, 0, pollMillis(std::min(left, busyBackoff)));
            return false;
        }
        pollfd p{fd_, POLLOUT, 0};
        const int r = ::poll(&p, 1, pollMillis(left));
        if (r < 0 && errno != EINTR)
            fail("poll", errno);
        // POLLERR / POLLHUP: the next write() reports the real error.
        return r > 0;
    }

    int fd_;
    bool isDevice_;
    std::chrono::milliseconds stallTimeout_;
};

void askDriverToReportErrors(int fd)
{
#if defined(__linux__) && defined(LPABORT)
    // Paper out or off line: fail the write at once instead of retrying
    // for ever inside the driver.
    int on = 1;
    if (::ioctl(fd, LPABORT, on) != 0 && errno != ENOTTY && errno != EINVAL) {
        const int err = errno;
        ::close(fd);
        fail("LPABORT", err);
    }
#else
    (void)fd;
#endif
}

} // namespace

std::unique_ptr<PrinterPort> openPrinterPort(const PrinterSettings& settings)
{
    ignoreSigpipeOnce();
    // No O_CREAT: a missing /dev/lp0 is a missing printer, never a new
    // plain file that swallows every ticket. O_NONBLOCK makes a FIFO with
    // no reader fail at once; writes wait with poll() instead.
    int fd;
    do {
        fd = ::open(settings.device.c_str(),
                    O_WRONLY | O_TRUNC | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        fail("open", errno);

    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        fail("fstat", err);
    }
    const bool isDevice = S_ISCHR(st.st_mode);
    if (!isDevice && !S_ISFIFO(st.st_mode) && !S_ISREG(st.st_mode)) {
        ::close(fd);
        fail("not a printer device", ENODEV);
    }
    if (isDevice)
        askDriverToReportErrors(fd);
    return std::make_unique<PosixPort>(fd, isDevice, settings.stallTimeout);
}

} // namespace printing

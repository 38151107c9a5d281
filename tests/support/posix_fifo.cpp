#include "posix_fifo.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

Fifo::Fifo(const std::filesystem::path& path)
{
    if (::mkfifo(path.c_str(), 0600) != 0)
        return;
    // Non-blocking open: there is no writer yet. Reads then block.
    readEnd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (readEnd_ < 0)
        return;
    ::fcntl(readEnd_, F_SETFL, 0);
    shrunk_ = ::fcntl(readEnd_, F_SETPIPE_SZ, static_cast<int>(pipeSize)) ==
              static_cast<int>(pipeSize);
}

Fifo::~Fifo()
{
    release();
    if (reader_.joinable())
        reader_.join();
    closeReadEnd();
}

void Fifo::startReading(Plan plan)
{
    reader_ = std::thread([this, plan = std::move(plan)] { read(plan); });
}

void Fifo::release()
{
    if (!releasedSet_) {
        releasedSet_ = true;
        released_.set_value();
    }
}

std::string Fifo::received()
{
    if (reader_.joinable())
        reader_.join();
    return got_;
}

void Fifo::read(const Plan& plan)
{
    if (plan.beforeReading)
        plan.beforeReading();
    std::string buf(plan.chunk, '\0');
    bool stalled = false;
    for (;;) {
        // Until a writer has come, poll() waits for data where read() would
        // report an end at once. The timeout only keeps a broken test from
        // hanging.
        pollfd p{readEnd_, POLLIN, 0};
        const int r = ::poll(&p, 1, 20000);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            break;
        // Data is there, so the writer is at work: closing now is closing
        // under a writer, also after no byte at all.
        if (got_.size() >= plan.closeAfter)
            break;
        if (!stalled && got_.size() >= plan.stallAfter) {
            stalled = true;
            released_.get_future().wait();
        }
        std::size_t want = std::min(plan.chunk, plan.closeAfter - got_.size());
        if (!stalled)
            want = std::min(want, plan.stallAfter - got_.size());
        const ssize_t n = ::read(readEnd_, buf.data(), want);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got_.append(buf.data(), static_cast<std::size_t>(n));
    }
    closeReadEnd();
}

void Fifo::closeReadEnd()
{
    if (readEnd_ >= 0)
        ::close(readEnd_);
    readEnd_ = -1;
}

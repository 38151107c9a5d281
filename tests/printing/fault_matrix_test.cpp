// Every way the printer device can fail, tried on real objects at the device
// path. Each row checks three things: what reached the device (the whole
// ticket, or a prefix of it, never a byte out of order), whether printTicket
// reported a failure, and that the next ticket, on a working device at the
// same path, is whole from its first byte.
#include "note_ticket.h"
#include "posix_fifo.h"
#include "print_error.h"
#include "printer_port.h"
#include "same_bytes.h"
#include "ticket_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Body = std::vector<std::string>;
using namespace std::chrono_literals;

const Body cardBody = expectedCardBody("1234567890", "pw");

// Longer than two pipe buffers after its opening rows, so a writer is still
// writing when the reader stops at any of those rows.
const Body longCardBody = [] {
    Body body = expectedCardBody("1234567890", "pw");
    body.push_back(std::string(20000, 'n'));
    return body;
}();

// A note of 200 KiB on one line, half of it Chinese.
Body bigNote()
{
    std::u16string line;
    while (line.size() * 3 / 2 < 200 * 1024)
        line += u"便笺 note 0123 ";
    const std::u16string_view lines[] = {line};
    return *printing::note::ticketBody(lines);
}

// What stands at the device path for the first ticket.
class Device {
public:
    virtual ~Device() = default;
    // Empty when the object can be made here, else why not.
    virtual std::string unavailable() const { return {}; }
    // After the first ticket: what reached the device.
    virtual std::string received() { return {}; }
    // After the second ticket went to the replacement.
    virtual void checkAfterReplacement(const std::string& /*firstTicket*/) {}
};

class MissingPath : public Device {
public:
    explicit MissingPath(fs::path p) : path_(std::move(p)) {}
    std::string received() override
    {
        EXPECT_FALSE(fs::exists(fs::symlink_status(path_))) << "the printer was created";
        return {};
    }

private:
    fs::path path_;
};

class Directory : public Device {
public:
    explicit Directory(const fs::path& p) { fs::create_directory(p); }
};

// A link to an object elsewhere: /dev/full, a read-only sysctl file.
class LinkTo : public Device {
public:
    LinkTo(const fs::path& p, const fs::path& target) { fs::create_symlink(target, p); }
};

// A sysctl file that refuses to be opened for writing, even by root, which
// is beyond the reach of file modes.
class ReadOnlySysctl : public Device {
public:
    explicit ReadOnlySysctl(const fs::path& p)
    {
        for (const char* f : {"/proc/sys/kernel/ostype", "/proc/sys/kernel/osrelease",
                              "/proc/sys/kernel/version", "/proc/sys/fs/file-nr"}) {
            const int fd = ::open(f, O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                ::close(fd);
                continue;
            }
            if (errno == EACCES || errno == EPERM || errno == EROFS) {
                target_ = f;
                before_ = readFile(f);
                fs::create_symlink(target_, p);
                return;
            }
        }
    }
    std::string unavailable() const override
    {
        return target_.empty() ? "no sysctl file here refuses writes" : "";
    }
    std::string received() override
    {
        if (target_ != "/proc/sys/fs/file-nr")
            EXPECT_EQ(readFile(target_), before_);
        return {};
    }

private:
    fs::path target_;
    std::string before_;
};

class FifoWithoutReader : public Device {
public:
    explicit FifoWithoutReader(const fs::path& p) { ok_ = ::mkfifo(p.c_str(), 0600) == 0; }
    std::string unavailable() const override { return ok_ ? "" : "mkfifo failed"; }

private:
    bool ok_ = false;
};

class FifoWithReader : public Device {
public:
    FifoWithReader(const fs::path& p, Fifo::Plan plan) : fifo_(p)
    {
        if (fifo_.ready())
            fifo_.startReading(std::move(plan));
    }
    std::string unavailable() const override
    {
        return fifo_.ready() ? "" : "cannot make a FIFO with a one-page buffer";
    }
    std::string received() override
    {
        fifo_.release();
        return fifo_.received();
    }

protected:
    explicit FifoWithReader(const fs::path& p) : fifo_(p) {}
    Fifo fifo_;
};

// A FIFO whose writer gets SIGALRM every millisecond, from a handler
// installed without SA_RESTART, so its waits end in EINTR. The reader starts
// only after several signals, when the writer is sure to be waiting on a
// full pipe.
class FifoUnderTimerSignals : public FifoWithReader {
public:
    static constexpr int signalsBeforeReading = 5;

    explicit FifoUnderTimerSignals(const fs::path& p) : FifoWithReader(p)
    {
        if (!fifo_.ready() || ::pipe2(wake_, O_NONBLOCK | O_CLOEXEC) != 0)
            return;
        wakeWrite = wake_[1];
        signals = 0;

        // Only the test's own thread, the writer, takes the signal.
        sigset_t alarm;
        sigemptyset(&alarm);
        sigaddset(&alarm, SIGALRM);
        ::pthread_sigmask(SIG_BLOCK, &alarm, nullptr);
        Fifo::Plan plan;
        plan.chunk = 512;
        plan.beforeReading = [this] {
            char c;
            // Gives up once the timer is stopped: a ticket that failed
            // early must not leave the reader waiting.
            for (int seen = 0; seen < signalsBeforeReading && !stopped_;) {
                if (::read(wake_[0], &c, 1) == 1)
                    ++seen;
                else
                    waitForWake();
            }
        };
        fifo_.startReading(std::move(plan));
        ::pthread_sigmask(SIG_UNBLOCK, &alarm, nullptr);

        struct sigaction sa {};
        sa.sa_handler = onAlarm;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = 0; // no SA_RESTART
        ::sigaction(SIGALRM, &sa, &previous_);
        const itimerval every1ms{{0, 1000}, {0, 1000}};
        ::setitimer(ITIMER_REAL, &every1ms, nullptr);
        armed_ = true;
    }

    ~FifoUnderTimerSignals() override
    {
        stop();
        if (wake_[0] >= 0) {
            ::close(wake_[0]);
            ::close(wake_[1]);
        }
    }

    std::string received() override
    {
        stop();
        EXPECT_GE(signals.load(), signalsBeforeReading);
        return FifoWithReader::received();
    }

private:
    static inline std::atomic<int> signals{0};
    static inline int wakeWrite = -1;

    static void onAlarm(int)
    {
        const int saved = errno;
        ++signals;
        const char c = 1;
        [[maybe_unused]] const auto n = ::write(wakeWrite, &c, 1);
        errno = saved;
    }

    void waitForWake()
    {
        pollfd p{wake_[0], POLLIN, 0};
        ::poll(&p, 1, 1000);
    }

    void stop()
    {
        if (!armed_)
            return;
        armed_ = false;
        const itimerval off{};
        stopped_ = true;
        ::setitimer(ITIMER_REAL, &off, nullptr);
        ::sigaction(SIGALRM, &previous_, nullptr);
    }

    int wake_[2] = {-1, -1};
    struct sigaction previous_ {};
    bool armed_ = false;
    std::atomic<bool> stopped_{false};
};

// A regular file with stale contents, kept under a second name so that it
// can be looked at after the path was given to another device.
class ReplacedFile : public Device {
public:
    explicit ReplacedFile(const fs::path& p) : old_(p.string() + ".old")
    {
        std::ofstream(p) << std::string(50000, 'z');
        fs::create_hard_link(p, old_);
    }
    std::string received() override { return readFile(old_); }
    void checkAfterReplacement(const std::string& firstTicket) override
    {
        EXPECT_TRUE(sameBytes(readFile(old_), firstTicket))
            << "the replaced device got bytes of the next ticket";
    }

private:
    fs::path old_;
};

enum class Reaches { Nothing, Prefix, Whole };

struct FaultCase {
    std::string name;
    std::function<std::unique_ptr<Device>(const fs::path&)> install;
    Body body;
    std::vector<int> errors; // empty: the ticket succeeds
    Reaches reaches;
    std::size_t prefixAtLeast = 0; // for Reaches::Prefix
    std::size_t prefixAtMost = std::string::npos;
    std::chrono::milliseconds stallTimeout = 10s;
};

std::ostream& operator<<(std::ostream& os, const FaultCase& c)
{
    return os << c.name;
}

template <class D, class... Args>
std::function<std::unique_ptr<Device>(const fs::path&)> make(Args... args)
{
    return [=](const fs::path& p) { return std::make_unique<D>(p, args...); };
}

Fifo::Plan closeAfter(std::size_t n)
{
    Fifo::Plan plan;
    plan.closeAfter = n;
    return plan;
}

// The reader closes after N bytes, for N at every row boundary where the
// writer is sure to be still writing (more than two pipe buffers left), and
// for N inside body lines and inside a 128-byte handover. Rows within the
// last pipe-full may already sit in the pipe when the reader goes; that
// race belongs to the pipe, not to the writer.
std::vector<FaultCase> readerClosesCases()
{
    const std::string ticket = expectedTicket(longCardBody);
    std::vector<std::size_t> cuts{0, 2, 36, 70};
    std::size_t at = 70;
    for (const auto& line : longCardBody) {
        at += line.size() + 2;
        cuts.push_back(at);
    }
    // Inside the labels, the card number and a line end; inside the long
    // line, which starts at byte 100: around its first 128-byte handover
    // (bytes 100 to 227) and far into it.
    for (std::size_t inside : {72, 83, 99, 101, 227, 228, 229, 5100})
        cuts.push_back(inside);
    std::sort(cuts.begin(), cuts.end());

    std::vector<FaultCase> cases;
    for (std::size_t n : cuts) {
        if (ticket.size() - n <= 2 * Fifo::pipeSize)
            continue;
        cases.push_back(FaultCase{"readerClosesAfter" + std::to_string(n) + "Bytes",
                                  make<FifoWithReader>(closeAfter(n)), longCardBody,
                                  {EPIPE}, Reaches::Prefix, n, n});
    }
    return cases;
}

std::vector<FaultCase> faultCases()
{
    Fifo::Plan stopsAfter1000;
    stopsAfter1000.stallAfter = 1000;
    Fifo::Plan slow;
    slow.chunk = 100;

    std::vector<FaultCase> cases{
        {"missingPath", make<MissingPath>(), cardBody, {ENOENT}, Reaches::Nothing},
        {"directory", make<Directory>(), cardBody, {EISDIR}, Reaches::Nothing},
        {"permissionRefusedEvenForRoot", make<ReadOnlySysctl>(), cardBody,
         {EACCES, EPERM, EROFS}, Reaches::Nothing},
        {"devFullRefusesEveryWrite", make<LinkTo>(fs::path("/dev/full")), cardBody, {ENOSPC},
         Reaches::Nothing},
        {"fifoWithoutReader", make<FifoWithoutReader>(), cardBody, {ENXIO}, Reaches::Nothing},
        {"fifoStopsReading", make<FifoWithReader>(stopsAfter1000), Body{std::string(30000, 's')},
         {ETIMEDOUT}, Reaches::Prefix, 1000, 1000 + 2 * Fifo::pipeSize, 200ms},
        {"slowReaderBigNote", make<FifoWithReader>(slow), bigNote(), {}, Reaches::Whole},
        {"timerSignalEveryMillisecond", make<FifoUnderTimerSignals>(),
         Body{std::string(256 * 1024, 't'), std::string(300, 'u')}, {}, Reaches::Whole},
        {"deviceReplacedBetweenTickets", make<ReplacedFile>(), cardBody, {}, Reaches::Whole},
    };
    for (auto& c : readerClosesCases())
        cases.push_back(std::move(c));
    return cases;
}

class FaultMatrix : public testing::TestWithParam<FaultCase> {
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/velmora-faults-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
        path_ = dir_ / "lp0";
    }
    void TearDown() override { fs::remove_all(dir_); }

    // The system error of the failure, or 0 after success.
    static int print(const fs::path& device, std::chrono::milliseconds stall, const Body& body)
    {
        try {
            printing::printTicket(printing::PrinterSettings{device.string(), stall}, body);
            return 0;
        } catch (const printing::PrintError& e) {
            return e.systemError() ? e.systemError() : -1;
        }
    }

    fs::path dir_;
    fs::path path_;
};

TEST_P(FaultMatrix, ReportsTheOutcomeSendsAPrefixAndTheNextTicketIsWhole)
{
    const FaultCase& c = GetParam();
    const std::string ticket = expectedTicket(c.body);

    auto device = c.install(path_);
    if (const auto why = device->unavailable(); !why.empty())
        GTEST_SKIP() << why;
    const int error = print(path_, c.stallTimeout, c.body);
    const std::string got = device->received();

    if (c.errors.empty()) {
        EXPECT_EQ(error, 0) << "the ticket was reported as failed";
    } else {
        EXPECT_NE(std::find(c.errors.begin(), c.errors.end(), error), c.errors.end())
            << "system error " << error;
    }
    switch (c.reaches) {
    case Reaches::Nothing:
        EXPECT_TRUE(got.empty()) << got.size() << " bytes reached the device";
        break;
    case Reaches::Prefix:
        EXPECT_GE(got.size(), c.prefixAtLeast);
        EXPECT_LE(got.size(), c.prefixAtMost);
        EXPECT_LT(got.size(), ticket.size());
        EXPECT_TRUE(sameBytes(got, ticket.substr(0, got.size())));
        break;
    case Reaches::Whole:
        EXPECT_TRUE(sameBytes(got, ticket));
        break;
    }

    // The next ticket, on a working device put at the same path.
    fs::remove_all(path_);
    Fifo next(path_);
    ASSERT_TRUE(next.ready());
    next.startReading();
    EXPECT_EQ(print(path_, 10s, cardBody), 0);
    EXPECT_TRUE(sameBytes(next.received(), expectedTicket(cardBody)));
    device->checkAfterReplacement(ticket);
}

INSTANTIATE_TEST_SUITE_P(RealObjects, FaultMatrix, testing::ValuesIn(faultCases()),
                         [](const testing::TestParamInfo<FaultCase>& info) {
                             return info.param.name;
                         });

// A port write larger than the pipe can take: non-blocking writes come back
// short and the port goes on from where the device stopped taking bytes.
TEST(FaultMatrixPort, ShortWritesContinueUntilEveryByteIsTaken)
{
    char tmpl[] = "/tmp/velmora-faults-XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    const fs::path path = fs::path(tmpl) / "lp0";
    std::string bytes;
    for (int i = 0; bytes.size() < 200 * 1024; ++i)
        bytes += std::to_string(i) + ',';
    {
        Fifo fifo(path);
        ASSERT_TRUE(fifo.ready());
        Fifo::Plan slow;
        slow.chunk = 100;
        fifo.startReading(slow);
        auto port = printing::openPrinterPort(printing::PrinterSettings{path.string(), 10s});
        port->write(bytes.data(), bytes.size());
        port->flush();
        port->close();
        EXPECT_TRUE(sameBytes(fifo.received(), bytes));
    }
    fs::remove_all(tmpl);
}

} // namespace

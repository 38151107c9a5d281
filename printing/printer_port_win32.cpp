#include "printer_port.h"

#include "print_error.h"
#include "stall_timer.h"

#include <windows.h>

#include <algorithm>
#include <limits>

namespace printing {
namespace {

using std::chrono::milliseconds;

// One WriteFile call takes at most this much, so its count fits a DWORD.
constexpr std::size_t maxWriteSize = 1u << 20;

std::string systemMessage(DWORD err)
{
    char* text = nullptr;
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, err, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = n && text ? std::string(text, n) : std::string();
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == ' ' || message.back() == '.'))
        message.pop_back();
    return message;
}

[[noreturn]] void fail(const char* step, DWORD err)
{
    std::string what = std::string(step) + ": Win32 error " + std::to_string(err);
    if (const std::string message = systemMessage(err); !message.empty())
        what += " (" + message + ")";
    throw PrintError(what, static_cast<int>(err));
}

DWORD clampedMillis(milliseconds ms)
{
    const auto count = ms.count();
    if (count < 1)
        return 1;
    // INFINITE is 0xFFFFFFFF: stay below it.
    return static_cast<DWORD>(std::min<long long>(count, std::numeric_limits<DWORD>::max() - 1));
}

class Win32Port final : public PrinterPort {
public:
    Win32Port(HANDLE handle, HANDLE event, DWORD fileType, milliseconds stallTimeout)
        : handle_(handle), event_(event), fileType_(fileType), stallTimeout_(stallTimeout) {}

    ~Win32Port() override
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
        CloseHandle(event_);
    }

    void write(const char* data, std::size_t size) override
    {
        StallTimer stall(stallTimeout_);
        while (size > 0) {
            const DWORD taken = writeOnce(data, std::min(size, maxWriteSize), stall);
            if (taken > 0) {
                data += taken;
                size -= taken;
                stall.progress();
                continue;
            }
            // Completed without taking a byte: the device is busy. Ask again
            // shortly, until it has made no progress for the stall timeout.
            Sleep(clampedMillis(std::min(remaining(stall), busyBackoff)));
        }
    }

    void flush() override
    {
        // A pipe's flush waits, with no time limit, until the reader has read
        // everything; the bytes are already handed over, so leave it.
        if (fileType_ == FILE_TYPE_PIPE)
            return;
        if (FlushFileBuffers(handle_))
            return;
        const DWORD err = GetLastError();
        // A device without a flush of its own has nothing to wait for.
        if (err == ERROR_INVALID_FUNCTION || err == ERROR_NOT_SUPPORTED ||
            err == ERROR_INVALID_PARAMETER)
            return;
        fail("flush", err);
    }

    void close() override
    {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        if (!CloseHandle(handle))
            fail("close", GetLastError());
    }

private:
    static milliseconds remaining(const StallTimer& stall)
    {
        const auto left = stall.left();
        if (left.count() <= 0)
            fail("device stalled", ERROR_TIMEOUT);
        return left;
    }

    // One WriteFile; waits for it until the stall timeout since the last
    // progress has passed. Returns the bytes the device took.
    DWORD writeOnce(const char* data, std::size_t size, const StallTimer& stall)
    {
        OVERLAPPED ov{};
        ov.hEvent = event_;
        // The handle is overlapped, so a file has no position of its own:
        // the offset says where. Devices and pipes ignore it.
        ov.Offset = static_cast<DWORD>(offset_);
        ov.OffsetHigh = static_cast<DWORD>(offset_ >> 32);
        DWORD taken = 0;
        if (!WriteFile(handle_, data, static_cast<DWORD>(size), nullptr, &ov)) {
            const DWORD err = GetLastError();
            if (err != ERROR_IO_PENDING)
                fail("write", err);
            const DWORD waited = WaitForSingleObject(event_, clampedMillis(remaining(stall)));
            if (waited == WAIT_TIMEOUT) {
                CancelIoEx(handle_, &ov);
                // Wait for the cancellation itself: the OVERLAPPED lives on
                // this stack frame.
                if (GetOverlappedResult(handle_, &ov, &taken, TRUE) && taken > 0)
                    return advance(taken);
                fail("device stalled", ERROR_TIMEOUT);
            }
            if (waited != WAIT_OBJECT_0) {
                const DWORD waitErr = GetLastError();
                CancelIoEx(handle_, &ov);
                GetOverlappedResult(handle_, &ov, &taken, TRUE);
                fail("wait", waitErr);
            }
        }
        if (!GetOverlappedResult(handle_, &ov, &taken, FALSE))
            fail("write", GetLastError());
        return advance(taken);
    }

    DWORD advance(DWORD taken)
    {
        if (fileType_ == FILE_TYPE_DISK)
            offset_ += taken;
        return taken;
    }

    HANDLE handle_;
    HANDLE event_;
    DWORD fileType_;
    milliseconds stallTimeout_;
    unsigned long long offset_ = 0;
};

// A parallel or serial port gets the stall timeout as its own write timeout,
// so the driver gives up instead of retrying an off-line printer for ever.
// Other kinds of handle do not know the request; the wait in write() covers
// them.
void setDriverWriteTimeout(HANDLE handle, milliseconds stallTimeout)
{
    COMMTIMEOUTS timeouts{};
    timeouts.WriteTotalTimeoutConstant = clampedMillis(stallTimeout);
    SetCommTimeouts(handle, &timeouts);
}

} // namespace

std::unique_ptr<PrinterPort> openPrinterPort(const PrinterSettings& settings)
{
    // Write only, others may read; create-or-truncate: an existing file is
    // emptied, and for a device this simply opens it.
    const HANDLE handle = CreateFileA(settings.device.c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                      nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        fail("open", GetLastError());

    auto release = [handle](const char* step, DWORD err) {
        CloseHandle(handle);
        fail(step, err);
    };

    SetLastError(NO_ERROR);
    const DWORD type = GetFileType(handle);
    if (type != FILE_TYPE_DISK && type != FILE_TYPE_CHAR && type != FILE_TYPE_PIPE) {
        // Whatever it is, it is no printer we know how to write to.
        const DWORD err = GetLastError();
        release("unknown kind of device", err != NO_ERROR ? err : ERROR_NOT_SUPPORTED);
    }
    if (type == FILE_TYPE_CHAR)
        setDriverWriteTimeout(handle, settings.stallTimeout);

    const HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!event)
        release("create event", GetLastError());
    return std::make_unique<Win32Port>(handle, event, type, settings.stallTimeout);
}

} // namespace printing

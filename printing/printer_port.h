#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

namespace printing {

// A write-only byte channel to the printer device, open for one ticket.
// Every failure is thrown as PrintError. Destroying an open port releases
// it without reporting errors; close() reports them.
class PrinterPort {
public:
    virtual ~PrinterPort() = default;

    // Hands bytes to the device. Returns once the device has taken every
    // byte; a partial write continues, it never drops bytes.
    virtual void write(const char* data, std::size_t size) = 0;

    // Waits until the device has taken what was written, where the device
    // can tell.
    virtual void flush() = 0;

    virtual void close() = 0;
};

// Where tickets go and how long a device may stall before the ticket fails.
struct PrinterSettings {
    std::string device;
    std::chrono::milliseconds stallTimeout{std::chrono::seconds(30)};
};

// The device this build prints to (VELMORA_PRINTER_DEVICE) with the
// default stall timeout.
PrinterSettings defaultPrinterSettings();

// Opens the device for writing only. A path that does not exist is a
// missing printer: nothing is created.
std::unique_ptr<PrinterPort> openPrinterPort(const PrinterSettings& settings);

} // namespace printing

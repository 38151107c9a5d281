#pragma once

#include <stdexcept>
#include <string>

namespace printing {

// Raised by the printer port when the device cannot be opened, written,
// flushed or closed. The user only ever sees one notice for any of these;
// the text and the system error number are kept for tests and debugging.
class PrintError : public std::runtime_error {
public:
    PrintError(const std::string& what, int systemError)
        : std::runtime_error(what), systemError_(systemError) {}
    int systemError() const noexcept { return systemError_; }

private:
    int systemError_;
};

} // namespace printing

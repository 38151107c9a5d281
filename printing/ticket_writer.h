#pragma once

#include "printer_port.h"

#include <span>
#include <string>

namespace printing {

// Writes one ticket to an open port: ESC @, the header and separator rows,
// each body line as its own row, the closing separator, the contact row,
// the two star rows and the form feed. Body lines are code page 936 bytes
// without line ends; any of them may be empty or of any length.
// Port failures propagate as PrintError; rows already handed over stay sent.
void writeTicket(PrinterPort& port, std::span<const std::string> body);

// One whole ticket on the configured device: open, write, flush, close.
// Throws PrintError on the first failure; the device is always released.
void printTicket(const PrinterSettings& settings, std::span<const std::string> body);

} // namespace printing

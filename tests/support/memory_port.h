#pragma once

#include "printer_port.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// A port that keeps every handover in memory, and can refuse one of them.
class MemoryPort final : public printing::PrinterPort {
public:
    // Handovers taken so far, one entry per write() call.
    std::vector<std::string> handovers;
    bool flushed = false;
    bool closed = false;

    // When set, the write with this index (0-based) fails and takes nothing.
    std::optional<std::size_t> failAtWrite;

    void write(const char* data, std::size_t size) override;
    void flush() override;
    void close() override;

    std::string bytes() const;
};

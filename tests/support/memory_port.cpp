#include "memory_port.h"

#include "print_error.h"

#include <cerrno>

void MemoryPort::write(const char* data, std::size_t size)
{
    if (failAtWrite && *failAtWrite == handovers.size())
        throw printing::PrintError("write refused", EIO);
    handovers.emplace_back(data, size);
}

void MemoryPort::flush()
{
    flushed = true;
}

void MemoryPort::close()
{
    closed = true;
}

std::string MemoryPort::bytes() const
{
    std::string all;
    for (const auto& h : handovers)
        all += h;
    return all;
}

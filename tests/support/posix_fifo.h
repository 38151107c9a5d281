#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <future>
#include <string>
#include <thread>

// A FIFO at a device path with its reading end open, read by a thread of
// the test. Its buffer is shrunk to one page, so a ticket longer than that
// must wait for the reader: the writer is still writing when the reader
// stops or closes.
class Fifo {
public:
    static constexpr std::size_t pipeSize = 4096;
    static constexpr std::size_t unlimited = static_cast<std::size_t>(-1);

    // How the reader thread reads.
    struct Plan {
        std::size_t chunk = 1024;           // bytes asked for per read()
        std::size_t closeAfter = unlimited; // close the reading end after this many
        std::size_t stallAfter = unlimited; // stop reading until release(), then drain
        std::function<void()> beforeReading; // runs on the reader thread first
    };

    explicit Fifo(const std::filesystem::path& path);
    ~Fifo();
    Fifo(const Fifo&) = delete;
    Fifo& operator=(const Fifo&) = delete;

    // Whether the FIFO was made, opened and shrunk.
    bool ready() const { return readEnd_ >= 0 && shrunk_; }

    void startReading(Plan plan);
    void startReading() { startReading(Plan{}); }

    // Lets a stalled reader go on: it drains what is left until the writer closes.
    void release();

    // Waits for the reader thread and returns what it read.
    std::string received();

private:
    void read(const Plan& plan);
    void closeReadEnd();

    int readEnd_ = -1;
    bool shrunk_ = false;
    std::string got_;
    std::thread reader_;
    std::promise<void> released_;
    bool releasedSet_ = false;
};

#pragma once

#include "printer_port.h"

#include <QTemporaryDir>

#include <string>

// A regular file standing in for the printer device: each ticket truncates it.
class TicketFile {
public:
    TicketFile();

    printing::PrinterSettings settings() const;
    std::string bytes() const;
    QString path() const { return path_; }

private:
    QTemporaryDir dir_;
    QString path_;
};

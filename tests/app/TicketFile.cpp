#include "TicketFile.h"

#include "ticket_bytes.h"

#include <QFile>

TicketFile::TicketFile()
    : path_(dir_.filePath(QStringLiteral("lp0")))
{
    QFile file(path_);
    file.open(QIODevice::WriteOnly);
}

printing::PrinterSettings TicketFile::settings() const
{
    return printing::PrinterSettings{path_.toStdString()};
}

std::string TicketFile::bytes() const
{
    return readFile(path_.toStdString());
}

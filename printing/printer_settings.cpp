#include "printer_port.h"

namespace printing {

PrinterSettings defaultPrinterSettings()
{
    return PrinterSettings{VELMORA_PRINTER_DEVICE};
}

} // namespace printing

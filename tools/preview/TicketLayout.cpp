#include "TicketLayout.h"

#include <unicode/ucnv.h>

#include <memory>

namespace preview {
namespace {

constexpr char16_t replacement = u'\uFFFD';

struct ConverterCloser {
    void operator()(UConverter* c) const noexcept { ucnv_close(c); }
};

// One character's bytes in code page 936 as text; U+FFFD where the code page
// has no character for them.
class CodePage936 {
public:
    CodePage936()
    {
        UErrorCode status = U_ZERO_ERROR;
        conv_.reset(ucnv_open("windows-936", &status));
        if (U_FAILURE(status))
            conv_.reset();
        else
            ucnv_setToUCallBack(conv_.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr,
                                nullptr, &status);
    }

    QString decode(std::string_view bytes) const
    {
        if (!conv_)
            return QString(replacement);
        ucnv_resetToUnicode(conv_.get());
        UChar out[4];
        UErrorCode status = U_ZERO_ERROR;
        const int32_t n = ucnv_toUChars(conv_.get(), out, 4, bytes.data(),
                                        static_cast<int32_t>(bytes.size()), &status);
        if (U_FAILURE(status) || n <= 0)
            return QString(replacement);
        return QString(reinterpret_cast<const QChar*>(out), n);
    }

private:
    std::unique_ptr<UConverter, ConverterCloser> conv_;
};

bool isLeadByte(unsigned char b)
{
    return b >= 0x81 && b <= 0xFE;
}

bool isTrailByte(unsigned char b)
{
    return b >= 0x40 && b <= 0xFE && b != 0x7F;
}

class Printer {
public:
    void put(int width, QString text)
    {
        if (column_ + width > ticketColumns)
            feed();
        line_.push_back(Cell{column_, width, std::move(text)});
        column_ += width;
    }

    void tab()
    {
        // Past the last tab stop on the line, HT does nothing.
        const int next = (column_ / tabColumns + 1) * tabColumns;
        if (next < ticketColumns)
            column_ = next;
    }

    void feed()
    {
        lines_.push_back(std::move(line_));
        line_.clear();
        column_ = 0;
    }

    void reset()
    {
        line_.clear();
        column_ = 0;
    }

    // Prints what the buffer holds, if anything.
    void finish()
    {
        if (column_ > 0)
            feed();
    }

    std::vector<PrintedLine> take() { return std::move(lines_); }

private:
    std::vector<PrintedLine> lines_;
    PrintedLine line_;
    int column_ = 0;
};

} // namespace

std::vector<PrintedLine> layOutTicket(std::string_view bytes)
{
    static const CodePage936 codePage;
    Printer printer;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        switch (b) {
        case 0x0A:
            printer.feed();
            ++i;
            continue;
        case 0x0D:
            ++i;
            continue;
        case 0x0C:
            printer.finish();
            return printer.take();
        case 0x09:
            printer.tab();
            ++i;
            continue;
        case 0x1B:
        case 0x1C:
        case 0x1D:
            if (b == 0x1B && i + 1 < bytes.size() && bytes[i + 1] == '@')
                printer.reset();
            i += 2;
            continue;
        default:
            break;
        }
        if (b < 0x20 || b == 0x7F) {
            ++i;
        } else if (b < 0x80) {
            printer.put(1, QString(QChar(b)));
            ++i;
        } else if (isLeadByte(b) && i + 1 < bytes.size()
                   && isTrailByte(static_cast<unsigned char>(bytes[i + 1]))) {
            printer.put(2, codePage.decode(bytes.substr(i, 2)));
            i += 2;
        } else {
            // 0x80 is the euro sign; 0xFF and a lead byte without its trail
            // byte are not characters.
            printer.put(1, b == 0x80 ? codePage.decode(bytes.substr(i, 1))
                                     : QString(replacement));
            ++i;
        }
    }
    printer.finish();
    return printer.take();
}

} // namespace preview

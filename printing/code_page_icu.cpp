#include "code_page.h"

#include "print_error.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/ucnv_err.h>

#include <memory>

namespace printing {
namespace {

struct ConverterCloser {
    void operator()(UConverter* c) const noexcept { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// One '?' for each character the code page lacks. ICU calls this once per
// code point, so a surrogate pair is one '?' and so is a lone surrogate.
// ICU's own substitute callback drops unmappable default-ignorable
// characters (U+FEFF, U+200B, ...) without a trace; here they count too.
void substituteQuestionMark(const void*, UConverterFromUnicodeArgs* args, const UChar*,
                            int32_t, UChar32, UConverterCallbackReason reason,
                            UErrorCode* status)
{
    if (reason > UCNV_IRREGULAR)
        return;
    *status = U_ZERO_ERROR;
    ucnv_cbFromUWriteBytes(args, "?", 1, 0, status);
}

Converter openTicketConverter()
{
    UErrorCode status = U_ZERO_ERROR;
    Converter conv(ucnv_open("windows-936", &status));
    if (U_FAILURE(status))
        throw PrintError("code page 936 converter unavailable", 0);
    ucnv_setFromUCallBack(conv.get(), substituteQuestionMark, nullptr, nullptr, nullptr,
                          &status);
    if (U_FAILURE(status))
        throw PrintError("code page 936 converter setup failed", 0);
    return conv;
}

UConverter* ticketConverter()
{
    // Opening a converter costs far more than converting a card number;
    // keep one per thread.
    thread_local Converter conv = openTicketConverter();
    ucnv_resetFromUnicode(conv.get());
    return conv.get();
}

} // namespace

std::string toTicketCodePage(std::u16string_view text)
{
    std::string out;
    if (text.empty())
        return out;
    UConverter* conv = ticketConverter();
    // GBK needs at most two bytes per UTF-16 unit.
    out.resize(text.size() * 2);
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = ucnv_fromUChars(conv, out.data(), static_cast<int32_t>(out.size()),
                                      text.data(), static_cast<int32_t>(text.size()), &status);
    if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING)
        throw PrintError("code page 936 conversion failed", 0);
    out.resize(static_cast<size_t>(n));
    maskControlBytes(out);
    return out;
}

} // namespace printing

// Code page 936 conversion of 1 MiB of mixed Chinese and ASCII text (UTF-16),
// ours beside ICU's own ucnv_fromUChars (the floor: ours is built on it) and
// glibc's iconv to CP936 (a peer).
#include "code_page.h"

#include <benchmark/benchmark.h>
#include <unicode/ucnv.h>

#include <iconv.h>

#include <cstring>
#include <string>

namespace {

constexpr std::size_t textBytes = 1 << 20;

const std::u16string& mixedText()
{
    static const std::u16string text = [] {
        const std::u16string piece =
            u"充值卡的卡号和密码打印在小票上，每行以回车换行结束。"
            u"Card 1234-5678-9012, password 8765 4321; printed line by line.\t";
        std::u16string t;
        while (t.size() * sizeof(char16_t) < textBytes)
            t += piece;
        t.resize(textBytes / sizeof(char16_t));
        return t;
    }();
    return text;
}

void Ours(benchmark::State& state)
{
    const std::u16string& text = mixedText();
    for (auto _ : state)
        benchmark::DoNotOptimize(printing::toTicketCodePage(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * textBytes));
}

void Icu(benchmark::State& state)
{
    const std::u16string& text = mixedText();
    UErrorCode status = U_ZERO_ERROR;
    UConverter* conv = ucnv_open("windows-936", &status);
    std::string out(text.size() * 2, '\0');
    for (auto _ : state) {
        status = U_ZERO_ERROR;
        ucnv_resetFromUnicode(conv);
        const int32_t n = ucnv_fromUChars(conv, out.data(), static_cast<int32_t>(out.size()),
                                          text.data(), static_cast<int32_t>(text.size()),
                                          &status);
        benchmark::DoNotOptimize(n);
        benchmark::DoNotOptimize(out.data());
    }
    if (U_FAILURE(status))
        state.SkipWithError("ICU conversion failed");
    ucnv_close(conv);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * textBytes));
}

void Iconv(benchmark::State& state)
{
    const std::u16string& text = mixedText();
    iconv_t cd = iconv_open("CP936", "UTF-16LE");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        state.SkipWithError("iconv has no CP936");
        return;
    }
    std::string out(text.size() * 2, '\0');
    for (auto _ : state) {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(reinterpret_cast<const char*>(text.data()));
        std::size_t inLeft = textBytes;
        char* o = out.data();
        std::size_t outLeft = out.size();
        if (iconv(cd, &in, &inLeft, &o, &outLeft) == static_cast<std::size_t>(-1)) {
            state.SkipWithError("iconv failed");
            break;
        }
        benchmark::DoNotOptimize(out.data());
    }
    iconv_close(cd);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * textBytes));
}

BENCHMARK(Ours)->Name("code_page/ours");
BENCHMARK(Icu)->Name("code_page/icu");
BENCHMARK(Iconv)->Name("code_page/iconv");

} // namespace

BENCHMARK_MAIN();

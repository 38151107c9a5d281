// libFuzzer target: arbitrary user text through conversion to code page 936,
// the card checks, the note body and the ticket writer into memory, with a
// port that may refuse one handover. Any broken invariant aborts.
#include "card_ticket.h"
#include "code_page.h"
#include "memory_port.h"
#include "note_ticket.h"
#include "print_error.h"
#include "ticket_bytes.h"
#include "ticket_writer.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

using Body = std::vector<std::string>;

const std::u16string numberHintText = u"请把充值卡［卡号］粘贴在这里...";
const std::u16string passwordHintText = u"请把充值卡［密码］粘贴在这里...";

void require(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

bool isControl(unsigned char b)
{
    return (b < 0x20 && b != '\t') || b == 0x7F;
}

std::u16string takeText(FuzzedDataProvider& in)
{
    const std::string raw = in.ConsumeRandomLengthString(4096);
    std::u16string text(raw.size() / 2, u'\0');
    std::memcpy(text.data(), raw.data(), text.size() * 2);
    return text;
}

std::string convert(const std::u16string& text)
{
    const std::string bytes = printing::toTicketCodePage(text);
    require(bytes.size() <= 2 * text.size(), "more than two bytes per UTF-16 unit");
    bool plainAscii = true;
    for (const char16_t c : text)
        plainAscii = plainAscii && ((c >= 0x20 && c < 0x7F) || c == u'\t');
    if (plainAscii)
        require(bytes == std::string(text.begin(), text.end()), "ASCII text changed");
    for (const char c : bytes)
        require(!isControl(static_cast<unsigned char>(c)), "control byte in converted text");
    return bytes;
}

// Writes the body, then checks the frame, the body lines and the length.
void checkTicket(const Body& body, std::optional<std::size_t> failAt)
{
    // The frame as the test support spells it out, not taken from the library.
    const std::string& opening = expectedOpening;
    const std::string& closing = expectedClosing;
    std::string expected = opening;
    std::size_t bodyLength = 0;
    for (const auto& line : body) {
        expected += line + "\r\n";
        bodyLength += line.size() + 2;
    }
    expected += closing;

    MemoryPort port;
    port.failAtWrite = failAt;
    bool failed = false;
    try {
        printing::writeTicket(port, body);
    } catch (const printing::PrintError&) {
        failed = true;
    }
    for (const std::string& handover : port.handovers)
        require(!handover.empty() && handover.size() <= 128, "handover outside 1..128 bytes");
    const std::string sent = port.bytes();

    if (failed) {
        require(failAt && port.handovers.size() == *failAt, "failure at the wrong handover");
        require(expected.compare(0, sent.size(), sent) == 0,
                "bytes sent before a failure are not a prefix of the ticket");
        return;
    }
    require(sent.size() == opening.size() + bodyLength + closing.size(),
            "ticket length is not frame plus body lines and line ends");
    require(sent.compare(0, opening.size(), opening) == 0, "opening rows damaged");
    require(sent.compare(sent.size() - closing.size(), closing.size(), closing) == 0,
            "closing rows damaged");
    // Split the body on line ends: exactly the body lines come back.
    std::size_t at = opening.size();
    const std::size_t end = sent.size() - closing.size();
    std::size_t lines = 0;
    while (at < end) {
        const std::size_t lineEnd = sent.find("\r\n", at);
        require(lineEnd != std::string::npos && lineEnd < end, "body line without line end");
        require(lines < body.size(), "more body lines than given");
        require(sent.compare(at, lineEnd - at, body[lines]) == 0, "body line changed");
        for (std::size_t i = at; i < lineEnd; ++i)
            require(!isControl(static_cast<unsigned char>(sent[i])),
                    "control byte in a body line");
        ++lines;
        at = lineEnd + 2;
    }
    require(lines == body.size(), "body lines lost");
}

std::optional<std::size_t> takeFailure(FuzzedDataProvider& in)
{
    if (!in.ConsumeBool())
        return std::nullopt;
    return in.ConsumeIntegralInRange<std::size_t>(0, 64);
}

void fuzzCard(FuzzedDataProvider& in)
{
    // Mostly free text, sometimes the hint texts or near misses of them.
    const auto field = [&in](const std::u16string& hint) {
        switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return hint;
        case 1:
            return hint + takeText(in);
        case 2:
            return hint.substr(0, in.ConsumeIntegralInRange<std::size_t>(0, hint.size()));
        default:
            return takeText(in);
        }
    };
    const std::u16string numberText = field(numberHintText);
    const std::u16string passwordText = field(passwordHintText);
    const std::optional<std::size_t> failAt = takeFailure(in);

    const std::string number = convert(numberText);
    const std::string password = convert(passwordText);
    const auto body = printing::card::ticketBody(number, password);
    const bool stops = numberText == numberHintText || numberText.empty() ||
                       passwordText == passwordHintText;
    require(body.has_value() != stops, "card check decided wrongly");
    if (!body)
        return;
    require(*body == expectedCardBody(number, password),
            "card body is not label, number, label, password");
    checkTicket(*body, failAt);
}

void fuzzNote(FuzzedDataProvider& in)
{
    std::vector<std::u16string> texts(in.ConsumeIntegralInRange(0, 12));
    for (auto& t : texts)
        t = takeText(in);
    const std::optional<std::size_t> failAt = takeFailure(in);

    const std::vector<std::u16string_view> lines(texts.begin(), texts.end());
    const auto body = printing::note::ticketBody(lines);
    const bool empty = texts.empty() || (texts.size() == 1 && texts[0].empty());
    require(body.has_value() != empty, "note emptiness decided wrongly");
    if (!body)
        return;
    std::size_t n = texts.size();
    if (texts.back().empty())
        --n;
    require(body->size() == n, "note lines lost or added");
    for (std::size_t i = 0; i < n; ++i)
        require((*body)[i] == convert(texts[i]), "note line is not its converted text");
    checkTicket(*body, failAt);
}

// Bytes pasted as code page 936 already: masking alone must clean them.
void fuzzRawLines(FuzzedDataProvider& in)
{
    Body body(in.ConsumeIntegralInRange(0, 8));
    for (auto& line : body) {
        line = in.ConsumeRandomLengthString(4096);
        std::string masked = line;
        printing::maskControlBytes(masked);
        for (std::size_t i = 0; i < line.size(); ++i) {
            const auto b = static_cast<unsigned char>(line[i]);
            require(masked[i] == (isControl(b) ? '?' : line[i]), "masking changed a text byte");
        }
        line = masked;
    }
    checkTicket(body, takeFailure(in));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0:
        fuzzCard(in);
        break;
    case 1:
        fuzzNote(in);
        break;
    default:
        fuzzRawLines(in);
        break;
    }
    return 0;
}

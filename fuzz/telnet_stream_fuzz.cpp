// Feeds arbitrary bytes from a network serial server through the telnet decoder, in reads whose
// sizes the input chooses, and answers every option verb as the link does. The decoder must
// decode the same whatever the cut, keep its subnegotiations bounded, and give back exactly
// the register's bytes it was sent with 0xFF doubled; the negotiation answers with one
// three-byte command or nothing.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "device/link/telnet_codec.h"
#include "fuzz/fuzz_check.h"

using namespace orvik::device::telnet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t chunk = 1 + data[0] % 17;
    const std::span<const std::uint8_t> stream(data + 1, size - 1);

    std::vector<std::uint8_t> whole;
    std::vector<Event> wholeEvents;
    Decoder().Feed(stream, &whole, &wholeEvents);

    Decoder decoder;
    std::vector<std::uint8_t> cut;
    std::vector<Event> cutEvents;
    OptionNegotiation options;
    options.Offers();
    for (std::size_t at = 0; at < stream.size(); at += chunk) {
        const std::size_t before = cutEvents.size();
        decoder.Feed(stream.subspan(at, std::min(chunk, stream.size() - at)), &cut, &cutEvents);
        for (std::size_t i = before; i < cutEvents.size(); ++i) {
            const Event& event = cutEvents[i];
            if (event.verb == kSb) {
                Check(event.payload.size() <= Decoder::kMaxPayload);
                DescribeEvent(event);
            } else {
                const auto answer = options.Receive(event.verb, event.option);
                Check(answer.empty() ||
                      (answer.size() == 3 && answer[0] == kIac && answer[2] == event.option));
            }
        }
    }
    Check(cut == whole);
    Check(cutEvents == wholeEvents);

    // The register's bytes, escaped, come back as they were and carry no command.
    std::vector<std::uint8_t> escaped;
    AppendEscaped(stream, &escaped);
    std::vector<std::uint8_t> back;
    std::vector<Event> none;
    Decoder().Feed(escaped, &back, &none);
    Check(none.empty());
    Check(std::vector<std::uint8_t>(stream.begin(), stream.end()) == back);
    return 0;
}

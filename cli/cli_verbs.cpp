#include "cli_verbs.h"

#include <cstdio>
#include <functional>
#include <map>

#include "orvik_core.h"
#include "port_names.h"
#include "stderr_prompt.h"
#include "terminal_exchange.h"
#include "text_codec.h"

namespace {

int UsageError(const std::string& message) {
    std::fprintf(stderr, "orvik-cli: %s\n", message.c_str());
    return kExitUsage;
}

int ListPorts(const CliOptions& options) {
    if (!options.arguments.empty()) {
        return UsageError("ports takes no arguments");
    }
    for (const std::string& name : orvik::ListExistingPorts()) {
        std::printf("%s\n", name.c_str());
    }
    return kExitOk;
}

// Each text is one terminal line: ">" and the text, then every reply as received.
int SendTexts(const CliOptions& options) {
    if (options.port.empty()) {
        return UsageError("send needs --port COMn");
    }
    if (!orvik::ParsePortName(options.port)) {
        return UsageError("\"" + options.port + "\" is not a port name (COM1 to COM24)");
    }
    if (options.arguments.empty()) {
        return UsageError("send needs at least one TEXT");
    }
    if (!options.raw) {
        return UsageError(
            "send without --raw needs the log-in, which this build does not have yet");
    }
    CStderrPrompt prompt;
    COrvikCore core;
    core.SetPrompt(&prompt);
    if (!Succeeded(core.OpenLink(options.port))) {
        return kExitFailed;
    }
    bool allReady = true;
    for (const std::string& text : options.arguments) {
        std::printf(">%s\n", text.c_str());
        std::fflush(stdout);
        const bool ready =
            orvik::ExchangeTerminalLine(core, orvik::FromUtf8(text), [](std::u16string_view reply) {
                std::printf("%s\n", orvik::ToUtf8(reply).c_str());
                std::fflush(stdout);
            });
        allReady = allReady && ready;
    }
    core.StopReceiverAndClosePort();
    return allReady ? kExitOk : kExitFailed;
}

}  // namespace

int RunVerb(const CliOptions& options) {
    static const std::map<std::string, std::function<int(const CliOptions&)>> kVerbs = {
        {"ports", ListPorts},
        {"send", SendTexts},
    };
    const auto it = kVerbs.find(options.verb);
    if (it == kVerbs.end()) {
        return UsageError("unknown verb \"" + options.verb + "\"");
    }
    return it->second(options);
}

#include "cli/json_document.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <map>
#include <sstream>
#include <vector>

#include "cli/verb_arguments.h"
#include "console/stderr_prompt.h"
#include "res/string_table.h"
#include "support/text_codec.h"

namespace orvik::cli {

namespace {

bool IsValueName(const std::string& name) {
    if (name.empty() || !std::isalpha(static_cast<unsigned char>(name[0]))) {
        return false;
    }
    for (const char c : name) {
        // apply-profile names its settings as the profile does, "line-spacing".
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-') {
            return false;
        }
    }
    return true;
}

std::string JsonList(const std::vector<std::string>& texts) {
    std::string json = "[";
    for (std::size_t i = 0; i < texts.size(); ++i) {
        json += (i ? "," : "") + JsonString(texts[i]);
    }
    return json + "]";
}

}  // namespace

const char* OutcomeName(int status) {
    switch (status) {
        case 0:
            return "ok";
        case 1:
            return "failed";
        case 2:
            return "usage";
        case 3:
            return "unknown";
        case 4:
            return "held";
        case 130:
            return "interrupted";
        case 143:
            return "terminated";
        default:
            return "error";
    }
}

std::string JsonDocument(const CliOptions& options, int status, const std::string& printed) {
    std::string json =
        "{\"verb\":" + JsonString(options.verb) + ",\"port\":" + JsonString(options.port) +
        ",\"status\":" + std::to_string(status) + ",\"outcome\":" + JsonString(OutcomeName(status));
    if (options.verb == "doctor" || options.verb == "journal") {
        // Already a JSON document of their own.
        std::string report = printed;
        while (!report.empty() && (report.back() == '\n' || report.back() == ' ')) {
            report.pop_back();
        }
        json += ",\"report\":" + (report.empty() ? std::string("null") : report);
    } else {
        std::vector<std::string> lines;
        std::vector<std::string> order;
        std::map<std::string, std::vector<std::string>> values;
        // read-profile prints a profile, whose values stand after " = ".
        const std::string separator = options.verb == "read-profile" ? " = " : ": ";
        std::istringstream in(printed);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
            const std::size_t colon = line.find(separator);
            const std::string name = colon == std::string::npos ? "" : line.substr(0, colon);
            if (IsValueName(name)) {
                if (values[name].empty()) {
                    order.push_back(name);
                }
                values[name].push_back(line.substr(colon + separator.size()));
            }
        }
        json += ",\"values\":{";
        for (std::size_t i = 0; i < order.size(); ++i) {
            const std::vector<std::string>& value = values[order[i]];
            json += (i ? "," : "") + JsonString(order[i]) + ":" +
                    (value.size() == 1 ? JsonString(value[0]) : JsonList(value));
        }
        json += "},\"lines\":" + JsonList(lines);
    }
    json += ",\"messages\":[";
    bool first = true;
    for (const console::StderrPrompt::Printed& message : console::StderrPrompt::AllPrinted()) {
        const int number = FindMessageNumber(message.text);
        json += std::string(first ? "" : ",") +
                "{\"number\":" + (number ? std::to_string(number) : std::string("null")) +
                ",\"kind\":" + JsonString(message.kind) +
                ",\"text\":" + JsonString(support::ToUtf8(message.text)) + "}";
        first = false;
    }
    return json + "]}\n";
}

int RunAsJsonDocument(const CliOptions& options, const std::function<int()>& run) {
    std::fflush(stdout);
    const int saved = ::dup(1);
    const int captured = ::memfd_create("orvik-cli-output", MFD_CLOEXEC);
    if (saved < 0 || captured < 0 || ::dup2(captured, 1) < 0) {
        std::fprintf(stderr, "orvik-cli: cannot capture the output for --json\n");
        if (saved >= 0) {
            ::close(saved);
        }
        if (captured >= 0) {
            ::close(captured);
        }
        return 1;
    }
    const int status = run();
    std::fflush(stdout);
    ::dup2(saved, 1);
    ::close(saved);
    std::string printed;
    char buffer[4096];
    for (off_t at = 0;;) {
        const ssize_t n = ::pread(captured, buffer, sizeof(buffer), at);
        if (n <= 0) {
            break;
        }
        printed.append(buffer, static_cast<std::size_t>(n));
        at += n;
    }
    ::close(captured);
    std::fputs(JsonDocument(options, status, printed).c_str(), stdout);
    return status;
}

}  // namespace orvik::cli

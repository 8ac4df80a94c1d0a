#include "cli/cli_verbs.h"

#include <cstdio>
#include <functional>
#include <map>

#include "cli/core_verb.h"
#include "cli/fleet_run.h"
#include "cli/info_lines.h"
#include "cli/interrupt.h"
#include "cli/journal_verb.h"
#include "cli/json_document.h"
#include "cli/password_source.h"
#include "cli/port_verbs.h"
#include "cli/receipt_outcome_verbs.h"
#include "cli/verb_arguments.h"
#include "console/journal_table.h"
#include "console/receipt_journal.h"
#include "console/stderr_prompt.h"
#include "device/link/line_address.h"
#include "device/link/protocol_trace.h"
#include "device/link/registers_file.h"
#include "device/orvik_core.h"
#include "device/protocol/session_commands.h"
#include "device/terminal_exchange.h"
#include "support/text_codec.h"

namespace orvik::cli {

namespace {

struct Verb {
    // The usage error in the verb's arguments, or empty.
    std::function<std::string(const CliOptions&)> check;
    // Runs the verb on a connected core (or, with --raw, an open port) and returns the exit
    // status. Nullptr for a verb that needs no register.
    std::function<int(const CliOptions&, device::COrvikCore&)> run;
    // Runs a verb that needs no register.
    std::function<int(const CliOptions&)> runAlone;
    bool takesRaw = false;
    // A verb of the core verb table: reads its arguments into the plan it runs.
    CoreVerb prepare;
};

int UsageError(const std::string& message) {
    std::fprintf(stderr, "orvik-cli: %s\n", support::EscapeControls(message).c_str());
    return kExitUsage;
}

// The texts send would send: at most 254 characters each, none the register cannot receive
// (a control character would end or break the command frame). Refused, not cut.
std::string CheckSendTexts(const std::vector<std::string>& texts) {
    for (const std::string& text : texts) {
        const std::u16string line = orvik::support::FromUtf8(text);
        if (line.size() > orvik::device::kMaxTerminalLine) {
            return "send: \"" + text + "\" is longer than 254 characters";
        }
        if (!RegisterText(text)) {
            return "send: \"" + text +
                   "\" holds a control character or a character the register cannot receive";
        }
    }
    return {};
}

// What the log-in sends: the register takes a password of at most 10 characters and an
// operator name of at most 9, in its own code page. Refused rather than cut.
std::string CheckCredentials(const CliOptions& options) {
    const std::u16string name = orvik::support::FromUtf8(options.operatorName);
    const std::u16string password = orvik::support::FromUtf8(options.password);
    if (password.size() > orvik::device::kMaxPasswordLength) {
        return "the password is longer than 10 characters";
    }
    if (name.size() > orvik::device::kMaxOperatorNameLength) {
        return "--operator \"" + options.operatorName + "\" is longer than 9 characters";
    }
    if (!RegisterText(options.password)) {
        return "the password holds a character the register cannot receive";
    }
    if (!RegisterText(options.operatorName)) {
        return "--operator \"" + options.operatorName +
               "\" holds a character the register cannot receive";
    }
    return {};
}

// Each text as one line of the terminal page: ">" and the text, then every reply as received.
// Empty texts are skipped, as the page skips empty lines.
int SendTexts(const CliOptions& options, device::COrvikCore& core) {
    bool allReady = true;
    for (const std::string& text : options.arguments) {
        if (Interrupted()) {
            break;
        }
        if (text.empty()) {
            continue;
        }
        // CheckSendTexts has refused what is too long or holds what the register cannot take.
        const std::u16string line = orvik::support::FromUtf8(text);
        std::printf(">%s\n", support::EscapeControls(support::ToUtf8(line)).c_str());
        std::fflush(stdout);
        const bool ready =
            orvik::device::ExchangeTerminalLine(core, line, [](std::u16string_view reply) {
                std::printf("%s\n", support::EscapeControls(support::ToUtf8(reply)).c_str());
                std::fflush(stdout);
            });
        allReady = allReady && ready;
    }
    return allReady ? kExitOk : kExitFailed;
}

int PrintInfo(const CliOptions&, device::COrvikCore& core) {
    for (const std::string& line : PrinterInfoLines(core)) {
        std::printf("%s\n", support::EscapeControls(line).c_str());
    }
    return kExitOk;
}

// Whether the operator's name opens a service session, as the log-in will decide.
bool IsServiceOperator(const std::string& operatorName) {
    return device::BuildLoginCommand(support::FromUtf8(operatorName), u"").serviceSession;
}

// The verbs of the core verb table read their arguments once, before connecting, into the plan
// they then run.
void AddCoreVerbs(std::map<std::string, Verb>& verbs) {
    cli::CoreVerbTable table;
    cli::AddReportVerbs(table);
    cli::AddSettingsVerbs(table);
    cli::AddReceiptVerbs(table);
    AddReceiptOutcomeVerbs(table);
    cli::AddLogoFooterVerbs(table);
    cli::AddProfileVerbs(table);
    for (const auto& entry : table) {
        verbs[entry.first] = Verb{nullptr, nullptr, nullptr, false, entry.second};
    }
}

// The usage error of a core verb's plan, or of its log-in.
std::string CheckPlan(const std::string& name, const VerbPlan& plan, const CliOptions& options) {
    if (!plan.usageError.empty()) {
        return plan.usageError;
    }
    if (cli::NeedsServiceLogin(name) && !IsServiceOperator(options.operatorName)) {
        return name + " needs the service log-in: --operator " +
               support::ToUtf8(device::kServiceOperatorName);
    }
    return {};
}

const std::map<std::string, Verb>& Verbs() {
    static const std::map<std::string, Verb> kVerbs = [] {
        std::map<std::string, Verb> verbs = {
            {"ports", {CheckPortsArguments, nullptr, RunPorts, false, nullptr}},
            {"doctor", {CheckDoctorArguments, nullptr, RunDoctor, false, nullptr}},
            {"journal", {CheckJournalArguments, nullptr, RunJournal, false, nullptr}},
            {"info",
             {[](const CliOptions& o) -> std::string {
                  if (!o.arguments.empty()) {
                      return "info takes no arguments";
                  }
                  return o.raw ? "info needs the connection; leave out --raw" : "";
              },
              PrintInfo, nullptr, false, nullptr}},
            {"send",
             {[](const CliOptions& o) {
                  return o.arguments.empty() ? std::string("send needs at least one TEXT")
                                             : CheckSendTexts(o.arguments);
              },
              SendTexts, nullptr, true, nullptr}},
        };
        AddCoreVerbs(verbs);
        return verbs;
    }();
    return kVerbs;
}

// Opens the link (--raw) or connects as the console does. False, with the reason on standard
// error, when that failed.
bool Open(const CliOptions& options, device::COrvikCore& core,
          const console::StderrPrompt& prompt) {
    if (options.raw) {
        return device::Succeeded(core.OpenLink(options.port));
    }
    const device::HRESULT result =
        core.Connect(options.port, orvik::support::FromUtf8(options.operatorName),
                     orvik::support::FromUtf8(options.password));
    if (device::Succeeded(result)) {
        return true;
    }
    if (!prompt.ShownAny() && !Interrupted()) {
        // A failure the core shows no message for (the receiver did not start).
        std::fprintf(stderr, "orvik-cli: cannot connect to the register on %s\n",
                     options.port.c_str());
    }
    return false;
}

// Opens the trace and the journal, connects (or with --raw opens the port), runs the verb and
// disconnects.
int RunConnected(const CliOptions& options, const Verb& verb, const VerbPlan& plan) {
    device::ProtocolTrace trace;
    if (!options.tracePath.empty()) {
        // A trace that stops on the way is said once; the exchange goes on untraced.
        trace.SetFailureHandler(PrintProblem);
        std::string error;
        if (!trace.Open(options.tracePath, &error)) {
            PrintProblem(error);
            return kExitFailed;
        }
    }
    // The receipt journal: where closes whose outcome is unknown wait for the next run that
    // reaches their register, and without which no receipt is printed.
    std::string journalError;
    const std::string journalPath = console::DefaultJournalPath();
    const auto journal =
        options.raw ? nullptr : console::ReceiptJournal::Open(journalPath, &journalError);
    if (!journal && plan.journalAction) {
        PrintProblem(support::ToUtf8(console::JournalUnusableText(journalPath, journalError)));
        return kExitFailed;
    }
    console::StderrPrompt prompt;
    device::COrvikCore core;
    core.SetPrompt(&prompt);
    core.SetStopRequest([] { return Interrupted(); });
    core.SetTrace(&trace);
    core.SetCloseJournal(journal.get());
    if (!Open(options, core, prompt)) {
        return Interrupted() ? InterruptExitStatus() : kExitFailed;
    }
    int status = kExitFailed;
    if (Interrupted()) {
        // Nothing starts after a signal.
    } else if (plan.journalAction) {
        status = plan.journalAction(
            core, JournalSession{*journal, support::FromUtf8(options.operatorName)});
    } else if (plan.action) {
        status = plan.action(core);
    } else {
        status = verb.run(options, core);
    }
    // Disconnect cancels a receipt left open, also one a signal stopped.
    if (options.raw) {
        core.StopReceiverAndClosePort();
    } else {
        core.Disconnect();
    }
    return Interrupted() ? InterruptExitStatus() : status;
}

}  // namespace

// The password from the options, the environment or the prompt; without one, the exit status:
// the signal's when the prompt was interrupted, else a usage error with the reason.
struct PasswordOrExit {
    std::optional<std::string> password;
    int exitStatus = 0;
};
PasswordOrExit ObtainPassword(const CliOptions& options) {
    PasswordSource source = FindPassword(options);
    if (source.password) {
        return {std::move(source.password), 0};
    }
    if (Interrupted()) {
        return {std::nullopt, InterruptExitStatus()};
    }
    return {std::nullopt, UsageError(source.error)};
}

// The verb on several registers (--port given more than once, or --all), once everything that
// can be checked before connecting is right.
int RunOnSeveral(const CliOptions& options, const Verb& verb) {
    if (verb.runAlone) {
        return UsageError(options.verb + " takes one register, not several");
    }
    if (options.verb == "print-receipt") {
        return UsageError("a receipt is printed on one register: give one --port");
    }
    if (!options.tracePath.empty()) {
        return UsageError("--trace records one register: give one --port");
    }
    if (options.verb == "read-profile" && !options.arguments.empty()) {
        return UsageError("read-profile FILE writes one register's profile: give one --port");
    }
    std::vector<std::string> registers = options.ports;
    const device::RegistersFile file = device::ReadRegistersFile(device::RegistersFilePath());
    if (options.all) {
        if (!file.problem.empty()) {
            return UsageError("the registers file " + file.path + ": " + file.problem);
        }
        for (const device::NamedRegister& entry : file.registers) {
            registers.push_back(entry.name);
        }
        if (registers.empty()) {
            return UsageError("--all: the registers file " + file.path + " names no register");
        }
    }
    for (const std::string& name : registers) {
        std::string unknown;
        if (!device::ResolveLineAddress(name, file, &unknown)) {
            return UsageError(unknown);
        }
    }
    std::optional<std::string> password;
    if (!options.raw) {
        // Asked once for all of them.
        const PasswordOrExit found = ObtainPassword(options);
        if (!found.password) {
            return found.exitStatus;
        }
        password = found.password;
    }
    return RunFleet(options, registers, password);
}

int RunVerbAsPrinted(const CliOptions& options) {
    const auto it = Verbs().find(options.verb);
    if (it == Verbs().end()) {
        return UsageError("unknown verb \"" + options.verb + "\"");
    }
    const Verb& verb = it->second;
    VerbPlan plan;
    if (verb.prepare) {
        plan = verb.prepare(options.arguments);
        if (const std::string problem = CheckPlan(options.verb, plan, options); !problem.empty()) {
            return UsageError(problem);
        }
    } else if (const std::string problem = verb.check(options); !problem.empty()) {
        return UsageError(problem);
    }
    if (plan.alone) {
        // Nothing reaches a register, so several of them make one run.
        const bool several = options.all || options.ports.size() > 1;
        return options.json && several ? RunAsJsonDocument(options, plan.alone) : plan.alone();
    }
    if (options.all || options.ports.size() > 1) {
        return RunOnSeveral(options, verb);
    }
    if (verb.runAlone) {
        return verb.runAlone(options);
    }
    if (options.raw && !verb.takesRaw) {
        return UsageError(options.verb + " cannot be used with --raw");
    }
    if (options.port.empty()) {
        return UsageError(options.verb + " needs --port COMn");
    }
    std::string unknownPort;
    const auto address = orvik::device::ResolveLineAddress(options.port, &unknownPort);
    if (!address) {
        return UsageError(unknownPort);
    }
    CliOptions withPassword = options;
    if (!options.operatorGiven && !address->operatorName.empty()) {
        withPassword.operatorName = address->operatorName;
    }
    if (plan.serviceLogin) {
        withPassword.operatorName = support::ToUtf8(device::kServiceOperatorName);
    }
    if (!options.raw) {
        // Asked for (or read) only once everything else is known to be right.
        const PasswordOrExit found = ObtainPassword(options);
        if (!found.password) {
            return found.exitStatus;
        }
        withPassword.password = *found.password;
        if (const std::string problem = CheckCredentials(withPassword); !problem.empty()) {
            return UsageError(problem);
        }
    }
    return RunConnected(withPassword, verb, plan);
}

int RunVerb(const CliOptions& options) {
    if (!options.json || options.all || options.ports.size() > 1) {
        return RunVerbAsPrinted(options);
    }
    CliOptions asJson = options;
    // doctor and journal write JSON of their own.
    if ((options.verb == "doctor" || options.verb == "journal") &&
        std::find(options.arguments.begin(), options.arguments.end(), "--json") ==
            options.arguments.end()) {
        asJson.arguments.push_back("--json");
    }
    return RunAsJsonDocument(asJson, [&asJson] { return RunVerbAsPrinted(asJson); });
}

}  // namespace orvik::cli

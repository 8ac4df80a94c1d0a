// The verbs of settings profiles: apply-profile sets what a profile holds on a register, in a
// fixed order, and says how each setting went; read-profile writes what a register lets be read
// back as a profile.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include "cli/core_verb.h"
#include "cli/interrupt.h"
#include "cli/settings_profile.h"
#include "cli/verb_arguments.h"
#include "console/logo_footer_page.h"
#include "device/orvik_core.h"
#include "device/protocol/settings_commands.h"
#include "support/atomic_file.h"
#include "support/text_codec.h"
#include "support/text_line_reader.h"

namespace orvik::cli {

namespace {

enum class StepStatus { Ok, Skipped, Failed };

struct StepOutcome {
    StepStatus status = StepStatus::Ok;
    std::string note;  // why it was skipped or failed, or what the register made of it
    device::HRESULT result = device::S_OK;  // of the command that failed
};

// One setting of a profile: what it sends, for --dry-run, and how it is set on a register.
struct ProfileStep {
    std::string key;
    std::vector<std::u16string> commands;
    std::function<StepOutcome(device::COrvikCore&)> apply;
};

StepOutcome Sent(device::HRESULT result, std::string note = {}) {
    if (device::Succeeded(result)) {
        return {StepStatus::Ok, std::move(note)};
    }
    return {StepStatus::Failed, {}, result};
}

StepOutcome Skipped(std::string why) {
    return {StepStatus::Skipped, std::move(why)};
}

// A setting only some registers have: skipped elsewhere, which is no failure in a mixed fleet.
std::function<StepOutcome(device::COrvikCore&)> WhereItHas(
    bool device::RegisterCapabilities::*needs, std::string what,
    std::function<StepOutcome(device::COrvikCore&)> set) {
    return [=](device::COrvikCore& core) {
        if (!(core.Capabilities().*needs)) {
            return Skipped("only family 1 model 8 has " + what);
        }
        return set(core);
    };
}

// A header or footer line: the register prints as many characters as it has room for.
std::function<StepOutcome(device::COrvikCore&)> Line(
    std::u16string text, device::HRESULT (device::COrvikCore::*set)(std::u16string_view)) {
    return [text = std::move(text), set](device::COrvikCore& core) {
        const auto limit = core.Capabilities().headerTextWidth;
        if (!limit) {
            return StepOutcome{StepStatus::Failed, "the register's model is not known"};
        }
        const std::string cut = text.size() > *limit
                                    ? "cut to " + std::to_string(*limit) + " characters"
                                    : std::string();
        return Sent((core.*set)(text), cut);
    };
}

// The register's page operations on the core, keeping the last result: a register that stopped
// answering halfway through the logo or the footer is known as one.
class ResultKeepingRegister final : public console::ILogoFooterRegister {
  public:
    explicit ResultKeepingRegister(device::COrvikCore& core) : m_inner(core) {}
    device::HRESULT LoadLogoLine(std::int32_t lineIndex, std::u16string_view hexText) override {
        return Keep(m_inner.LoadLogoLine(lineIndex, hexText));
    }
    device::HRESULT SetLogoHeight(std::int32_t lines) override {
        return Keep(m_inner.SetLogoHeight(lines));
    }
    device::HRESULT RunCommand(std::u16string_view command) override {
        return Keep(m_inner.RunCommand(command));
    }
    std::u16string QueryLineSpacing() override { return m_inner.QueryLineSpacing(); }
    std::u16string QueryDiscountPrintMode() override { return m_inner.QueryDiscountPrintMode(); }
    device::HRESULT SetLineSpacing(std::int32_t value) override {
        return Keep(m_inner.SetLineSpacing(value));
    }
    device::HRESULT SetDiscountPrintMode(std::int32_t mode) override {
        return Keep(m_inner.SetDiscountPrintMode(mode));
    }
    bool ServiceSession() const override { return m_inner.ServiceSession(); }
    device::HRESULT LastResult() const { return m_last; }

  private:
    device::HRESULT Keep(device::HRESULT result) {
        m_last = result;
        return result;
    }
    console::CCoreLogoFooterRegister m_inner;
    device::HRESULT m_last = device::S_OK;
};

std::vector<std::u16string> LogoCommands(const SettingsProfile& p) {
    std::vector<std::u16string> commands;
    const std::int32_t rows = std::min(p.logoBitmap.height, console::kMaxLogoHeight);
    for (std::int32_t row = 0; row < rows; ++row) {
        commands.push_back(
            device::BuildLogoLineCommand(row, console::LogoRowText(p.logoBitmap, row)));
    }
    commands.push_back(device::BuildLogoHeightCommand(rows));
    return commands;
}

// Cutter, beeper and, where the register has it, the partial cut: one command. A register's
// partial cut the profile does not give is kept as the register tells it.
StepOutcome SetCutter(device::COrvikCore& core, const SettingsProfile& p) {
    const device::RegisterCapabilities& caps = core.Capabilities();
    if (!caps.cutter) {
        return Skipped("this register has no cutter or beeper to set");
    }
    std::string note;
    std::int32_t partial = p.partialCut.value_or(0);
    if (p.partialCut && !caps.partialCut) {
        note = "partial-cut left out: only family 1 model 8 has it";
    } else if (!p.partialCut && caps.partialCut) {
        const auto options = device::ParseCutterOptions(core.QueryCutterOptions());
        if (!options) {
            return {StepStatus::Failed, "the register did not tell its partial cut, to keep it"};
        }
        partial = options->partialCut;
    }
    return Sent(core.SetCutterAndBeeper(*p.cutter, *p.beeper, partial), note);
}

// The profile's settings in the order they are set: the clock first, as the morning's run is
// mostly about it, the footer lines before the logo that prints above them.
std::vector<ProfileStep> ProfileSteps(const SettingsProfile& p) {
    std::vector<ProfileStep> steps;
    if (p.clock) {
        const support::LocalDateTime shown = p.clockTime.value_or(support::CurrentLocalDateTime());
        steps.push_back({"clock", {device::BuildClockCommand(shown)}, [&p](device::COrvikCore& c) {
                             // "Now" is taken when it is sent, not when the profile was read.
                             return Sent(
                                 c.SetClock(p.clockTime.value_or(support::CurrentLocalDateTime())));
                         }});
    }
    if (p.cutter) {
        steps.push_back({"cutter",
                         {device::BuildCutterCommand(*p.cutter, *p.beeper, p.partialCut)},
                         [&p](device::COrvikCore& c) { return SetCutter(c, p); }});
    }
    if (p.header) {
        steps.push_back({"header",
                         {device::BuildHeaderTextCommand(*p.header, p.header->size())},
                         Line(*p.header, &device::COrvikCore::SetHeaderText)});
    }
    if (p.footer) {
        steps.push_back({"footer",
                         {device::BuildFooterTextCommand(*p.footer, p.footer->size())},
                         Line(*p.footer, &device::COrvikCore::SetFooterText)});
    }
    if (p.footerLines) {
        steps.push_back(
            {"footer-lines", console::FooterCommands(*p.footerLines), [&p](device::COrvikCore& c) {
                 ResultKeepingRegister device(c);
                 if (console::SendFooter(device, *p.footerLines)) {
                     return StepOutcome{};
                 }
                 return Sent(device.LastResult());
             }});
    }
    if (p.logo) {
        steps.push_back({"logo", LogoCommands(p), [&p](device::COrvikCore& c) {
                             if (!c.Capabilities().logo) {
                                 return Skipped("only family 1 model 8 has a logo");
                             }
                             ResultKeepingRegister device(c);
                             const bool print = p.logoBitmap.height > 0;
                             if (console::SendLogo(device, &p.logoBitmap, print) ==
                                 console::LogoSendResult::Sent) {
                                 return StepOutcome{};
                             }
                             return Sent(device.LastResult());
                         }});
    }
    const auto number = [&steps](const char* key, const std::optional<std::int32_t>& value,
                                 std::u16string command,
                                 std::function<StepOutcome(device::COrvikCore&)> apply) {
        if (value) {
            steps.push_back({key, {std::move(command)}, std::move(apply)});
        }
    };
    const auto set = [](device::HRESULT (device::COrvikCore::*operation)(std::int32_t),
                        std::int32_t value) {
        return [=](device::COrvikCore& c) { return Sent((c.*operation)(value)); };
    };
    const std::int32_t none = 0;
    number("line-spacing", p.lineSpacing,
           device::BuildLineSpacingCommand(p.lineSpacing.value_or(none)),
           WhereItHas(&device::RegisterCapabilities::lineSpacing, "line spacing",
                      set(&device::COrvikCore::SetLineSpacing, p.lineSpacing.value_or(none))));
    number(
        "discount-print", p.discountPrint,
        device::BuildDiscountPrintCommand(p.discountPrint.value_or(none)),
        WhereItHas(&device::RegisterCapabilities::discountPrintMode, "discount printing",
                   set(&device::COrvikCore::SetDiscountPrintMode, p.discountPrint.value_or(none))));
    number("article-mode", p.articleMode,
           device::BuildArticleModeCommand(p.articleMode.value_or(none)),
           set(&device::COrvikCore::SetArticleMode, p.articleMode.value_or(none)));
    number("tax-calculation", p.taxCalculation,
           device::BuildTaxCalculationCommand(p.taxCalculation.value_or(none)),
           set(&device::COrvikCore::SetTaxCalculationMode, p.taxCalculation.value_or(none)));
    number("tax-print", p.taxPrint, device::BuildTaxPrintCommand(p.taxPrint.value_or(none)),
           set(&device::COrvikCore::SetTaxPrintMode, p.taxPrint.value_or(none)));
    number("message-set", p.messageSet, device::BuildMessageSetCommand(p.messageSet.value_or(none)),
           set(&device::COrvikCore::SetMessageSet, p.messageSet.value_or(none)));
    if (p.department) {
        steps.push_back(
            {"department",
             {device::BuildDepartmentCommand(*p.department)},
             [&p](device::COrvikCore& c) { return Sent(c.SetDepartmentMnemonic(*p.department)); }});
    }
    return steps;
}

void PrintStep(const std::string& key, const std::string& result, const std::string& note) {
    std::printf("%s: %s%s\n", key.c_str(), result.c_str(),
                note.empty() ? "" : (" (" + support::EscapeControls(note) + ")").c_str());
}

// Every setting in turn, each said as it ends; after a register that stopped answering (or a
// signal) the rest are not sent, rather than each waiting out its own time-out.
int Apply(device::COrvikCore& core, const SettingsProfile& profile) {
    bool anyFailed = false;
    bool stopped = false;
    if (profile.footerLines) {
        PrintStep("log-in", "service", "the footer lines need it");
    }
    for (const ProfileStep& step : ProfileSteps(profile)) {
        if (stopped || Interrupted()) {
            PrintStep(step.key, "not sent", "");
            continue;
        }
        const StepOutcome outcome = step.apply(core);
        static const char* const kResults[] = {"ok", "skipped", "failed"};
        PrintStep(step.key, kResults[static_cast<int>(outcome.status)], outcome.note);
        std::fflush(stdout);
        if (outcome.status == StepStatus::Failed) {
            anyFailed = true;
            stopped = outcome.result == device::E_ABORT || core.LinkEnded();
        }
    }
    return anyFailed ? 1 : 0;
}

int DryRun(const SettingsProfile& profile) {
    if (profile.footerLines) {
        PrintStep("log-in", "service", "the footer lines need it");
    }
    for (const ProfileStep& step : ProfileSteps(profile)) {
        for (const std::u16string& command : step.commands) {
            std::printf("%s: %s\n", step.key.c_str(),
                        support::EscapeControls(support::ToUtf8(command)).c_str());
        }
    }
    return 0;
}

VerbPlan ApplyProfile(const std::vector<std::string>& arguments) {
    std::vector<std::string> files;
    bool dryRun = false;
    for (const std::string& argument : arguments) {
        if (argument == "--dry-run") {
            dryRun = true;
        } else {
            files.push_back(argument);
        }
    }
    if (files.size() != 1) {
        return Refuse("apply-profile needs one FILE, a settings profile");
    }
    ProfileRead read = ReadSettingsProfile(files[0]);
    if (!read.error.empty()) {
        return Refuse("apply-profile: " + read.error);
    }
    auto profile = std::make_shared<const SettingsProfile>(std::move(read.profile));
    VerbPlan plan;
    if (dryRun) {
        plan.alone = [profile] { return DryRun(*profile); };
        return plan;
    }
    plan.serviceLogin = profile->footerLines.has_value();
    plan.action = [profile](device::COrvikCore& core) { return Apply(core, *profile); };
    return plan;
}

// What read-profile asks the register; false when a value it should tell did not come.
bool ReadBack(device::COrvikCore& core, std::string& clockRead, SettingsProfile& values) {
    const device::RegisterCapabilities& caps = core.Capabilities();
    bool complete = true;
    const auto missing = [&complete](const char* what) {
        PrintProblem(std::string("read-profile: the register did not tell its ") + what +
                     "; it is left out");
        complete = false;
    };
    if (const auto clock = device::ParseRegisterDateTime(core.QueryDateTime())) {
        clockRead = FormatDateTime(*clock);
    } else {
        missing("clock");
    }
    if (caps.cutterQuery) {
        if (const auto options = device::ParseCutterOptions(core.QueryCutterOptions())) {
            values.cutter = options->cutter != 0;
            values.beeper = options->beeper != 0;
            if (caps.partialCut) {
                values.partialCut = options->partialCut != 0;
            }
        } else {
            missing("cutter and beeper");
        }
    }
    if (caps.lineSpacing) {
        values.lineSpacing = console::LineSpacingFromAnswer(core.QueryLineSpacing());
        if (!values.lineSpacing) {
            missing("line spacing");
        }
    }
    if (caps.discountPrintMode) {
        values.discountPrint = console::DiscountPrintModeFromAnswer(core.QueryDiscountPrintMode());
        if (!values.discountPrint) {
            missing("discount print mode");
        }
    }
    values.articleMode = core.ArticleMode();
    return complete;
}

VerbPlan ReadProfile(const std::vector<std::string>& arguments) {
    if (arguments.size() > 1) {
        return Refuse("read-profile takes at most one FILE to write the profile to");
    }
    const std::string file = arguments.empty() ? std::string() : arguments[0];
    return {[file](device::COrvikCore& core) {
                std::string clockRead;
                SettingsProfile values;
                const bool complete = ReadBack(core, clockRead, values);
                const device::RegisterCapabilities& caps = core.Capabilities();
                const std::string heading = "Settings of register " +
                                            support::ToUtf8(core.PrinterInfo().serialNumber) +
                                            " (family " + std::to_string(caps.family) + " model " +
                                            std::to_string(caps.model) + "), read " +
                                            FormatDateTime(support::CurrentLocalDateTime());
                const std::string text = ProfileText(heading, clockRead, values);
                if (file.empty()) {
                    std::fputs(text.c_str(), stdout);
                } else if (const support::FileWriteResult written =
                               support::WriteFileReplacing(file, text);
                           written.status != support::FileWriteStatus::Written) {
                    PrintProblem("read-profile: cannot write " + file + ": " +
                                 support::ToUtf8(support::SystemErrorText(written.error)));
                    return 1;
                } else {
                    std::printf("profile: %s\n", file.c_str());
                }
                return complete ? 0 : 1;
            },
            {}};
}

}  // namespace

void AddProfileVerbs(CoreVerbTable& table) {
    table["apply-profile"] = ApplyProfile;
    table["read-profile"] = ReadProfile;
}

}  // namespace orvik::cli

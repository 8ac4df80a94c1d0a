// The verbs that read and change the register's programmable settings.
#include <cstdio>

#include "cli/core_verb.h"
#include "cli/verb_arguments.h"
#include "console/device_settings_page.h"
#include "device/orvik_core.h"
#include "device/protocol/settings_commands.h"
#include "support/text_codec.h"

namespace orvik::cli {

namespace {

// The department mnemonic the settings page takes.
using console::kMaxDepartmentLength;
// The line spacings the logo page offers, in eighths of a millimetre.
constexpr std::int32_t kMinLineSpacing = 3;
constexpr std::int32_t kMaxLineSpacing = 20;

VerbPlan NoArguments(const std::vector<std::string>& arguments, const std::string& verb,
                     CoreAction action) {
    if (!arguments.empty()) {
        return Refuse(verb + " takes no arguments");
    }
    return {std::move(action), {}};
}

// Prints the register's clock; false (with a message) when it did not say.
bool PrintRegisterClock(device::COrvikCore& core) {
    const std::u16string answer = core.QueryDateTime();
    if (answer.empty()) {
        PrintProblem("the register did not tell its clock");
        return false;
    }
    const auto clock = orvik::device::ParseRegisterDateTime(answer);
    if (!clock) {
        PrintProblem("the register's clock reads \"" + orvik::support::ToUtf8(answer) +
                     "\", which is no date and time");
        return false;
    }
    std::printf("%s\n", FormatDateTime(*clock).c_str());
    return true;
}

// A verb with one number argument from min to max: `what` names it in the messages, with its
// article ("an article mode"). With `needs`, only a register with that capability is sent it.
CoreVerb OneNumber(const std::string& verb, const std::string& what, std::int32_t min,
                   std::int32_t max,
                   std::function<device::HRESULT(device::COrvikCore&, std::int32_t)> operation,
                   bool device::RegisterCapabilities::*needs = nullptr) {
    return [=](const std::vector<std::string>& arguments) {
        const std::string range = " from " + std::to_string(min) + " to " + std::to_string(max);
        if (arguments.size() != 1) {
            return Refuse(verb + " needs one argument, " + what + range);
        }
        const auto value = ParseNumberInRange(arguments[0], min, max);
        if (!value) {
            return Refuse(verb + ": \"" + arguments[0] + "\" is not " + what + range);
        }
        return VerbPlan{[=, value = *value](device::COrvikCore& core) {
                            if (needs && !RequireCapability(core, needs, verb)) {
                                return 1;
                            }
                            return ExitStatusFor(operation(core, value));
                        },
                        {}};
    };
}

// set-header TEXT and set-footer TEXT: the register prints as many characters as its model
// has room for, and the rest is left off; the user is told.
CoreVerb OneLine(const std::string& verb,
                 device::HRESULT (device::COrvikCore::*operation)(std::u16string_view)) {
    return [=](const std::vector<std::string>& arguments) {
        if (arguments.size() != 1) {
            return Refuse(verb + " needs one argument: the TEXT of the line");
        }
        const auto text = RegisterText(arguments[0]);
        if (!text) {
            return Refuse(verb + ": the text holds a character the register cannot print");
        }
        return VerbPlan{[=, text = *text](device::COrvikCore& core) {
                            const auto limit = core.Capabilities().headerTextWidth;
                            if (limit && text.size() > *limit) {
                                PrintProblem(verb + ": this register prints " +
                                             std::to_string(*limit) + " characters; \"" +
                                             orvik::support::ToUtf8(text.substr(0, *limit)) +
                                             "\" is sent");
                            }
                            return ExitStatusFor((core.*operation)(text));
                        },
                        {}};
    };
}

VerbPlan SetClock(const std::vector<std::string>& arguments) {
    if (arguments.size() > 1) {
        return Refuse("set-clock takes at most one argument: the time HH:MM:SS");
    }
    std::optional<orvik::support::LocalDateTime> time;
    if (!arguments.empty()) {
        time = ParseTimeOfDay(arguments[0]);
        if (!time) {
            return Refuse("set-clock: \"" + arguments[0] + "\" is not a time HH:MM:SS");
        }
    }
    return {[time](device::COrvikCore& core) {
                // "Now" is taken once connected, so that the time spent connecting is not lost.
                const orvik::support::LocalDateTime value =
                    time ? *time : orvik::support::CurrentLocalDateTime();
                const device::HRESULT result = core.SetClock(value);
                if (!device::Succeeded(result)) {
                    return ExitStatusFor(result);
                }
                // As the settings page does: the clock read back shows what the register took.
                return PrintRegisterClock(core) ? 0 : 1;
            },
            {}};
}

VerbPlan SetCutter(const std::vector<std::string>& arguments) {
    if (arguments.size() < 2 || arguments.size() > 3) {
        return Refuse("set-cutter needs CUTTER BEEPER [PARTIAL], each 0 or 1");
    }
    std::int32_t values[3] = {0, 0, 0};
    static const char* const kNames[] = {"CUTTER", "BEEPER", "PARTIAL"};
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const auto value = ParseNumberInRange(arguments[i], 0, 1);
        if (!value) {
            return Refuse(std::string("set-cutter: ") + kNames[i] + " \"" + arguments[i] +
                          "\" is not 0 or 1");
        }
        values[i] = *value;
    }
    const bool partialGiven = arguments.size() == 3;
    return {[=](device::COrvikCore& core) {
                const device::RegisterCapabilities& caps = core.Capabilities();
                if (!caps.cutter) {
                    PrintProblem("set-cutter: this register (family " +
                                 std::to_string(caps.family) + ") has no cutter or beeper to set");
                    return 1;
                }
                if (partialGiven && !caps.partialCut) {
                    PrintProblem("set-cutter: only family 1 model 8 takes PARTIAL; it is left out");
                }
                return ExitStatusFor(core.SetCutterAndBeeper(values[0], values[1], values[2]));
            },
            {}};
}

VerbPlan SetDepartment(const std::vector<std::string>& arguments) {
    if (arguments.size() != 1) {
        return Refuse("set-department needs one argument: the mnemonic TEXT");
    }
    const auto text = RegisterText(arguments[0]);
    if (!text) {
        return Refuse("set-department: the text holds a character the register cannot print");
    }
    if (text->size() > kMaxDepartmentLength) {
        return Refuse("set-department: the mnemonic has at most 5 characters");
    }
    return {[text = *text](device::COrvikCore& core) {
                return ExitStatusFor(core.SetDepartmentMnemonic(text));
            },
            {}};
}

}  // namespace

void AddSettingsVerbs(CoreVerbTable& table) {
    table["get-clock"] = [](const std::vector<std::string>& arguments) {
        return NoArguments(arguments, "get-clock", [](device::COrvikCore& core) {
            return PrintRegisterClock(core) ? 0 : 1;
        });
    };
    table["set-clock"] = SetClock;
    table["set-cutter"] = SetCutter;
    table["set-header"] = OneLine("set-header", &device::COrvikCore::SetHeaderText);
    table["set-footer"] = OneLine("set-footer", &device::COrvikCore::SetFooterText);
    table["set-article-mode"] =
        OneNumber("set-article-mode", "an article mode", 0, 2,
                  [](device::COrvikCore& core, std::int32_t v) { return core.SetArticleMode(v); });
    table["set-tax-calculation"] = OneNumber(
        "set-tax-calculation", "a tax calculation mode", 0, 1,
        [](device::COrvikCore& core, std::int32_t v) { return core.SetTaxCalculationMode(v); });
    table["set-tax-print"] =
        OneNumber("set-tax-print", "a tax print mode", 0, 1,
                  [](device::COrvikCore& core, std::int32_t v) { return core.SetTaxPrintMode(v); });
    table["set-message-set"] =
        OneNumber("set-message-set", "a message set", 0, 3,
                  [](device::COrvikCore& core, std::int32_t v) { return core.SetMessageSet(v); });
    table["set-department"] = SetDepartment;
    table["set-discount-print"] = OneNumber(
        "set-discount-print", "a discount print mode", 0, 1,
        [](device::COrvikCore& core, std::int32_t v) { return core.SetDiscountPrintMode(v); },
        &device::RegisterCapabilities::discountPrintMode);
    table["set-line-spacing"] = OneNumber(
        "set-line-spacing", "a line spacing in eighths of a millimetre", kMinLineSpacing,
        kMaxLineSpacing,
        [](device::COrvikCore& core, std::int32_t v) { return core.SetLineSpacing(v); },
        &device::RegisterCapabilities::lineSpacing);
}

}  // namespace orvik::cli

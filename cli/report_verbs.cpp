// The verbs that make the register print its reports and test documents.
#include <cstdio>

#include "cli/core_verb.h"
#include "cli/verb_arguments.h"
#include "device/link/message_container.h"
#include "device/orvik_core.h"

namespace orvik::cli {

namespace {

// Z-report numbers the register keeps in its fiscal memory.
constexpr std::int32_t kFirstZReportNumber = 1;
constexpr std::int32_t kLastZReportNumber = 4000;

// A verb without arguments that runs one report operation.
CoreVerb Simple(const std::string& verb, device::HRESULT (device::COrvikCore::*operation)()) {
    return [verb, operation](const std::vector<std::string>& arguments) {
        if (!arguments.empty()) {
            return Refuse(verb + " takes no arguments");
        }
        return VerbPlan{
            [operation](device::COrvikCore& core) { return ExitStatusFor((core.*operation)()); },
            {}};
    };
}

// As the reports page does: the replies still queued are blanked first, so that nothing left
// from before is taken for the report's answer, and the counters are read afterwards whatever
// the report's result, so that the new Z-report number is known.
VerbPlan ZReport(const std::vector<std::string>& arguments, const std::string& verb, bool zero) {
    if (!arguments.empty()) {
        return Refuse(verb + " takes no arguments");
    }
    return {[verb, zero](device::COrvikCore& core) {
                if (zero && !RequireModel8(core, verb)) {
                    return 1;
                }
                core.Queue().BlankTexts();
                const device::HRESULT result = zero ? core.PrintZeroZReport() : core.PrintZReport();
                device::DocumentCounters counters;
                if (!core.QueryDocumentCounters(counters).empty()) {
                    std::printf("lastZReportNumber: %d\n",
                                static_cast<int>(core.printerInfo.lastZReportNumber));
                }
                return ExitStatusFor(result);
            },
            {}};
}

// periodic-report --from YYYY-MM-DD --to YYYY-MM-DD [--full]
// periodic-report --from-number N --to-number M [--full]
VerbPlan PeriodicReport(const std::vector<std::string>& arguments) {
    std::optional<orvik::support::LocalDateTime> fromDate, toDate;
    std::optional<std::int32_t> fromNumber, toNumber;
    bool full = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (name == "--full") {
            full = true;
            continue;
        }
        const bool dateOption = name == "--from" || name == "--to";
        const bool numberOption = name == "--from-number" || name == "--to-number";
        if (!dateOption && !numberOption) {
            return Refuse("periodic-report: unknown argument \"" + name + "\"");
        }
        if (i + 1 >= arguments.size()) {
            return Refuse("periodic-report: " + name + " needs a value");
        }
        const std::string& value = arguments[++i];
        if (dateOption) {
            const auto date = ParseCalendarDate(value);
            if (!date) {
                return Refuse("periodic-report: " + name + " \"" + value +
                              "\" is not a date YYYY-MM-DD");
            }
            (name == "--from" ? fromDate : toDate) = date;
        } else {
            const auto number = ParseNumberInRange(value, kFirstZReportNumber, kLastZReportNumber);
            if (!number) {
                return Refuse("periodic-report: " + name + " \"" + value +
                              "\" is not a Z-report number from 1 to 4000");
            }
            (name == "--from-number" ? fromNumber : toNumber) = number;
        }
    }
    const bool byDates = fromDate || toDate;
    const bool byNumbers = fromNumber || toNumber;
    if (byDates && byNumbers) {
        return Refuse("periodic-report: give either dates or Z-report numbers, not both");
    }
    if (byDates && (!fromDate || !toDate)) {
        return Refuse("periodic-report needs both --from and --to");
    }
    if (byNumbers && (!fromNumber || !toNumber)) {
        return Refuse("periodic-report needs both --from-number and --to-number");
    }
    if (!byDates && !byNumbers) {
        return Refuse(
            "periodic-report needs --from and --to dates or --from-number and --to-number");
    }
    if (byDates) {
        return {[from = *fromDate, to = *toDate, full](device::COrvikCore& core) {
                    return ExitStatusFor(core.PrintPeriodicReportByDates(from, to, full));
                },
                {}};
    }
    return {[from = *fromNumber, to = *toNumber, full](device::COrvikCore& core) {
                return ExitStatusFor(core.PrintPeriodicReportByNumbers(from, to, full));
            },
            {}};
}

}  // namespace

void AddReportVerbs(CoreVerbTable& table) {
    table["x-report"] = Simple("x-report", &device::COrvikCore::PrintXReport);
    table["z-report"] = [](const std::vector<std::string>& arguments) {
        return ZReport(arguments, "z-report", false);
    };
    table["zero-z-report"] = [](const std::vector<std::string>& arguments) {
        return ZReport(arguments, "zero-z-report", true);
    };
    table["article-report"] = Simple("article-report", &device::COrvikCore::PrintArticleReport);
    table["discount-report"] = Simple("discount-report", &device::COrvikCore::PrintDiscountReport);
    table["zero-receipt"] = Simple("zero-receipt", &device::COrvikCore::PrintZeroReceipt);
    table["hardware-state"] = Simple("hardware-state", &device::COrvikCore::PrintHardwareState);
    table["periodic-report"] = PeriodicReport;
}

}  // namespace orvik::cli

// The verbs that make the register print its reports and test documents.
#include <cstdio>

#include "cli/core_verb.h"
#include "cli/verb_arguments.h"
#include "console/reports_page.h"
#include "console/z_report_sequence.h"
#include "device/orvik_core.h"

namespace orvik::cli {

namespace {

using console::kFirstZReportNumber;
using console::kLastZReportNumber;

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

// The reports page's Z-report sequence; the new Z-report number is printed once the register
// has told it.
VerbPlan ZReport(const std::vector<std::string>& arguments, const std::string& verb, bool zero) {
    if (!arguments.empty()) {
        return Refuse(verb + " takes no arguments");
    }
    return {[verb, zero](device::COrvikCore& core) {
                if (zero &&
                    !RequireCapability(core, &device::RegisterCapabilities::zeroZReport, verb)) {
                    return 1;
                }
                const console::ZReportOutcome outcome = console::RunZReport(
                    core, zero ? console::ZReportKind::Zero : console::ZReportKind::Ordinary);
                if (outcome.countersRead) {
                    std::printf("lastZReportNumber: %d\n",
                                static_cast<int>(core.PrinterInfo().lastZReportNumber));
                }
                return ExitStatusFor(outcome.result);
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

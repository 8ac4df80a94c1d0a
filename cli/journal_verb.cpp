#include "cli/journal_verb.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <optional>

#include "cli/cli_verbs.h"
#include "cli/core_verb.h"
#include "cli/verb_arguments.h"
#include "console/journal_table.h"
#include "console/receipt_checks.h"
#include "console/receipt_journal.h"
#include "res/string_table.h"
#include "support/text_codec.h"

namespace orvik::cli {

namespace {

enum class Format { Text, Json, Csv };

struct JournalOptions {
    std::optional<std::int64_t> since;  // local midnight of the day given
    std::u16string serialNumber;
    Format format = Format::Text;
};

// Seconds since the epoch at the start of a local day.
std::int64_t DayStart(const support::LocalDateTime& day) {
    std::tm start{};
    start.tm_year = day.year - 1900;
    start.tm_mon = day.month - 1;
    start.tm_mday = day.day;
    start.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&start));
}

std::string ReadJournalOptions(const std::vector<std::string>& args, JournalOptions& options) {
    bool formatGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--json" || name == "--csv") {
            if (formatGiven) {
                return "journal: give one of --json and --csv";
            }
            formatGiven = true;
            options.format = name == "--json" ? Format::Json : Format::Csv;
            continue;
        }
        if (name != "--since" && name != "--register") {
            return "journal: unknown argument \"" + name + "\"";
        }
        if (i + 1 >= args.size()) {
            return "journal: " + name + " needs a value";
        }
        const std::string& value = args[++i];
        if (name == "--since") {
            const auto day = ParseCalendarDate(value);
            if (!day) {
                return "journal: --since \"" + value + "\" is not a date YYYY-MM-DD";
            }
            options.since = DayStart(*day);
        } else {
            if (value.empty()) {
                return "journal: --register needs a serial number";
            }
            options.serialNumber = support::FromUtf8(value);
        }
    }
    return {};
}

std::string Json(const console::JournalCopy& copy) {
    const console::JournalCells cells = console::JournalRowCells(copy, false);
    std::string json = "{\"time\":" + JsonString(support::ToUtf8(cells[0])) +
                       ",\"register\":" + JsonString(support::ToUtf8(copy.serialNumber)) +
                       ",\"number\":" + (copy.number ? std::to_string(*copy.number) : "null") +
                       ",\"total\":" + JsonString(support::ToUtf8(cells[3])) +
                       ",\"cash\":" + JsonString(support::ToUtf8(cells[4])) +
                       ",\"outcome\":" + JsonString(support::ToUtf8(cells[5])) +
                       ",\"copy\":" + std::to_string(copy.copy) +
                       ",\"copies\":" + std::to_string(copy.copies) +
                       ",\"operator\":" + JsonString(support::ToUtf8(copy.operatorName)) + "}";
    return json;
}

// Columns padded to their widest cell, in characters rather than bytes.
void PrintTable(const std::vector<console::JournalCells>& rows) {
    std::array<std::size_t, console::kJournalColumnCount> widths{};
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += support::ToUtf8(row[c]);
            if (c + 1 < row.size()) {
                line += std::string(widths[c] - row[c].size() + 2, ' ');
            }
        }
        std::printf("%s\n", support::EscapeControls(line).c_str());
    }
}

}  // namespace

std::string CheckJournalArguments(const CliOptions& options) {
    JournalOptions journal;
    return ReadJournalOptions(options.arguments, journal);
}

int RunJournal(const CliOptions& options) {
    JournalOptions journalOptions;
    ReadJournalOptions(options.arguments, journalOptions);
    std::string error;
    const std::string path = console::DefaultJournalPath();
    const auto journal = console::ReceiptJournal::Open(path, &error);
    if (!journal) {
        PrintProblem("the receipt journal " + path + " cannot be used: " + error);
        return kExitFailed;
    }
    const console::JournalRows rows =
        journal->List(journalOptions.since, journalOptions.serialNumber);
    if (!rows.error.empty()) {
        PrintProblem("the receipt journal " + path + " cannot be read: " + rows.error);
        return kExitFailed;
    }
    if (rows.refused > 0) {
        PrintProblem(std::to_string(rows.refused) +
                     " rows of the journal hold values it cannot have and are left out");
    }
    switch (journalOptions.format) {
        case Format::Json: {
            std::string json = "[";
            for (std::size_t i = 0; i < rows.copies.size(); ++i) {
                json += (i > 0 ? ",\n " : "") + Json(rows.copies[i]);
            }
            std::printf("%s]\n", json.c_str());
            break;
        }
        case Format::Csv: {
            const console::JournalCells names = console::JournalColumnNames(false);
            std::fputs(console::CsvLine(names).c_str(), stdout);
            for (const console::JournalCopy& copy : rows.copies) {
                std::fputs(console::CsvLine(console::JournalRowCells(copy, false)).c_str(), stdout);
            }
            break;
        }
        case Format::Text: {
            std::vector<console::JournalCells> table{console::JournalColumnNames(false)};
            for (const console::JournalCopy& copy : rows.copies) {
                table.push_back(console::JournalRowCells(copy, false));
            }
            PrintTable(table);
            break;
        }
    }
    return 0;
}

}  // namespace orvik::cli

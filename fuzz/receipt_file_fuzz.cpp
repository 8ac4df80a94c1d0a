// Feeds arbitrary bytes to the receipt file reader. Whatever it loads must convert to numbers
// without harm, be writable, and read back the same; whatever it refuses must say why and keep
// nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "console/receipt_file.h"
#include "console/receipt_numbers.h"
#include "console/receipt_row.h"
#include "fuzz/fuzz_check.h"
#include "support/text_line_reader.h"

using namespace orvik::console;

namespace {

using namespace orvik::console;

ReceiptFileLoad Read(std::string_view bytes, ReadMode mode = ReadMode::Lenient) {
    orvik::support::MemoryTextSource source(bytes);
    return ReadReceipt(source, mode);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ReceiptFileLoad load = Read(bytes);

    Check(load.status == LoadStatus::Loaded || load.status == LoadStatus::NotAReceipt);
    Check(load.rowLines.size() == load.rows.size() && load.rowProblems.size() == load.rows.size());

    // The strict reading takes a file only when the lenient one found nothing to tell, and
    // refuses with the line it stopped at.
    const ReceiptFileLoad strict = Read(bytes, ReadMode::Strict);
    if (strict.status == LoadStatus::Loaded) {
        Check(load.status == LoadStatus::Loaded && load.warningCount == 0);
        Check(strict.rows == load.rows);
        for (const std::u16string& problem : load.rowProblems) {
            Check(problem.empty());
        }
    } else if (strict.status == LoadStatus::Malformed) {
        // The strict reading may stop at a bad row before the line that makes the lenient one
        // refuse the whole file as binary.
        Check(strict.rows.empty() && strict.errorLine > 0 && !strict.error.empty());
    } else {
        Check(strict.status == LoadStatus::NotAReceipt && load.status == LoadStatus::NotAReceipt);
    }
    Check(load.warnings.size() <= kMaxWarnings && load.warnings.size() <= load.warningCount);
    Check(load.rows.size() <= kMaxReceiptFileRows);
    if (load.status == LoadStatus::NotAReceipt) {
        Check(!load.error.empty() && load.rows.empty() && !load.hasHeader);
        return 0;
    }
    Check(load.error.empty());
    Check(load.rows.empty() || load.hasHeader);
    Check(load.returnFlag.has_value() == load.hasHeader);

    // Every row converts, as printing and the total do, at every scale the register may use.
    for (const ReceiptRow& row : load.rows) {
        for (int decimals = 0; decimals <= 3; ++decimals) {
            const RowLine line = ConvertRow(row, decimals);
            Check(line.line.name == row.name);
        }
        NormalizeNumberText(row.quantity.text, 3, true);
        CashDialogUnits(row.price.text, 2);
    }

    // What was loaded is written and read back field for field.
    ReceiptFileContent content;
    content.returnFlag = load.returnFlag.value_or(false);
    content.payments = load.payments;
    content.rows = load.rows;
    // Only a file read as UTF-8 can hold text that CP1251, the saved files' code page, cannot
    // carry; saving it is refused, naming the row.
    if (CheckReceiptWritable(content).has_value()) {
        Check(load.utf8);
        return 0;
    }
    const std::string written = FormatReceiptFile(content);
    const ReceiptFileLoad again = Read(written);
    Check(again.status == LoadStatus::Loaded);
    // CP1251 text whose bytes happen to be well-formed UTF-8 (for example "п»ї", the bytes of a
    // byte-order mark) reads back as UTF-8: the one case a saved file cannot tell apart.
    if (again.utf8) {
        return 0;
    }
    Check(again.warnings.empty() || !load.warnings.empty());
    Check(again.rows == load.rows);
    if (load.hasHeader) {
        Check(again.hasHeader && again.payments == load.payments);
        Check(again.returnFlag == load.returnFlag);
    }
    return 0;
}

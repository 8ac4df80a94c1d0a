#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace orvik::device {

// What the connected register prints and takes: the limits of its fields and the optional
// commands it knows, derived once from its family, model and article mode. Whatever the console
// does differently from one register to another asks this value; the family and model numbers
// it carries are for showing only. A default value is the register not known yet (before a
// configuration has been read): no optional command, no header width.
struct RegisterCapabilities {
    // What the value was derived from, to be shown ("family 1 model 8"); -1 before a
    // configuration has been read.
    std::int32_t family = -1;
    std::int32_t model = -1;
    std::int32_t articleMode = 0;

    // --- Limits ----------------------------------------------------------------------------
    // Characters of a header or footer line the register prints; none while the register is
    // not known, which must not be sent a line at all.
    std::optional<std::size_t> headerTextWidth;
    // Characters of an item name a receipt line may have, its continuation included.
    int itemNameWidth = 36;
    // The highest article number the line command takes; none where the model sets no limit of
    // its own and the register's is kept.
    std::optional<std::int32_t> articleLimit;
    // The largest quantity one line takes (pieces, or thousandths of a divisible good).
    std::int32_t maxLineQuantity = 99999;
    // How much of a long name the register takes after the line command's name field; 0: the
    // rest of the name is dropped.
    std::size_t nameContinuationLimit = 0;
    // A weighed good's long name goes on in whole tape lines.
    bool weighedNameInTapeLines = false;
    // Lines go out as "FICD"/"BFCD" with nine-digit articles instead of "FISC"/"BFIS".
    bool codedArticles = false;
    // How many characters of the receipt's department "PREP" carries.
    std::size_t departmentLength = 15;

    // --- The session -----------------------------------------------------------------------
    bool taxNames = false;             // "CNAL1": tells the names of its tax slots
    bool deviceOptions = false;        // "dset": tells its option digits
    bool receiptCounter = false;       // "GLCN": tells its last receipt number and counters
    bool accessLevels = false;         // "SVSL": has access levels instead of a key, and prints
                                       // the X, Z, article and discount reports at level 2
    bool tableMode = false;            // "TABL" is sent at connect
    bool taxPerItemAtConnect = false;  // "PPMD1" is sent at connect
    bool pauseBeforeCancel = false;    // takes "CANC" only after a pause (cancelPause)
    bool pauseAfterOpen = false;       // prints the receipt's head after "PREP" before it answers
                                       // anything else (openReceiptPause)

    // --- Optional commands -----------------------------------------------------------------
    bool cutter = false;             // "CUTR" sets the cutter and the beeper
    bool cutterQuery = false;        // "CUTR" alone asks them (elsewhere it is a setting)
    bool partialCut = false;         // "CUTR" takes the partial-cut digit as well
    bool logo = false;               // "LUPC" logo lines and "AUPC" logo height
    bool lineSpacing = false;        // "BLFI": the line spacing, set and asked
    bool discountPrintMode = false;  // "NPDI": where discounts are printed, set and asked
    bool zeroZReport = false;        // "nrep"
    bool tapeMode = false;           // "NCDC": ordinary or continuous tape, set and asked
    bool compoundTax = false;        // "NLPR": tax on tax for the next line
    bool barcode = false;            // "PCOD": a barcode in the receipt

    bool operator==(const RegisterCapabilities&) const = default;
};

// The capabilities of the register of this family and model in this article mode, from one
// table of models. A model of family 0 or 1 that the table does not name takes its family's
// row; any other family (-1 before a configuration has been read) is the register not known.
RegisterCapabilities CapabilitiesOf(std::int32_t family, std::int32_t model,
                                    std::int32_t articleMode);

}  // namespace orvik::device

#pragma once

#include <string>

// Every user-visible text of the program lives here under its numeric id.
namespace orvik {

// The text with the given id, or nullptr when the table has no such string.
const char16_t* FindString(int id);

// The text with the given id, or the empty text when the table has no such string.
std::u16string LoadString(int id);

// Ids the code refers to by name.
enum StringId : int {
    kStrNoAnswer = 1003,
    kStrPasswordRefused = 1004,
    kStrTaxLetters = 1017,
    // Receipts: the device core's checks of a line and of the payments.
    kStrLineQuantityTooLarge = 1060,
    kStrPaymentTooSmall = 1061,
    kStrLineAmountOutOfRange = 1062,
    // Receipt files: %1 is a line number, %2 a count or field number, %3 a text.
    kStrReceiptFileBinary = 1063,
    kStrReceiptFileLineTooLong = 1064,
    kStrReceiptFileTooManyRows = 1065,
    kStrReceiptFileFieldCount = 1066,
    kStrReceiptFileNotANumber = 1067,
    kStrReceiptTextBreaksFormat = 1068,
    kStrReceiptTextNotInCodePage = 1069,
    kStrReceiptLineTooLongToSave = 1070,
    kStrReceiptTooManyRowsToSave = 1071,
    // The device settings page: what it says once the register has taken a setting.
    kStrCutterSet = 1080,
    kStrHeaderFooterSet = 1081,
    kStrArticleModeSet = 1082,
    kStrTaxCalculationSet = 1083,
    kStrTaxPrintSet = 1084,
    kStrMessageSetSet = 1085,
    kStrDepartmentSet = 1086,
    // A number field holds no whole number in its range: %1 the least, %2 the greatest.
    kStrIntegerBetween = 1087,
    kStrPortOpenFailed = 3012,
};

}  // namespace orvik

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
    // The receipt page's checks of an item (the ids the page's messages have always had).
    kStrItemNameEmpty = 140,
    kStrDiscountIncomplete = 141,
    kStrSameTaxTwice = 142,
    kStrItemPriceWrong = 161,
    kStrTaxKindsDiffer = 162,
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
    // Receipt items and payments refused before anything is sent; %1, %2 ... are values.
    kStrItemTextBreaksFormat = 1072,
    kStrItemTextNotPrintable = 1073,
    kStrQuantityNotPositive = 1074,
    kStrPieceQuantityNotWhole = 1075,
    kStrWeightTooFine = 1076,
    kStrMoneyTooManyDecimals = 1077,
    kStrTaxSlotMissing = 1078,
    kStrDiscountAboveLine = 1079,
    // The field-format messages of the page's fields.
    kStrFieldNotInteger = 1080,
    kStrFieldIntegerRange = 1081,
    kStrFieldTooLong = 1082,
    kStrPaymentNotANumber = 1083,
    kStrPaymentNegative = 1084,
    kStrPaymentTooLarge = 1085,
    kStrPaymentsExceedTotal = 1086,
    // The device core's refusal of a close whose payments are below 0 or overpay the receipt.
    kStrClosePaymentsWrong = 1087,
    // Receipt files read strictly, and files too large: %1 line, %2 count or field, %3 text.
    kStrReceiptFileWrongFieldCount = 1088,
    kStrReceiptFileFieldNotANumber = 1089,
    kStrReceiptFileTooLarge = 1090,
    // The device settings page: what it says once the register has taken a setting.
    kStrCutterSet = 1091,
    kStrHeaderFooterSet = 1092,
    kStrArticleModeSet = 1093,
    kStrTaxCalculationSet = 1094,
    kStrTaxPrintSet = 1095,
    kStrMessageSetSet = 1096,
    kStrDepartmentSet = 1097,
    kStrPortOpenFailed = 3012,
};

}  // namespace orvik

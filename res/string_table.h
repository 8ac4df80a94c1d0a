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
    kStrPortOpenFailed = 3012,
    // A receipt whose close got no answer: %1 is the register's receipt number.
    kStrReceiptRegistered = 3100,
    kStrReceiptNotRegistered = 3101,
    kStrReceiptOutcomePending = 3102,
    kStrReceiptOutcomeUnknowable = 3103,
    kStrLeftOpenReceiptCancelled = 3104,
    // %1 is the system's reason.
    kStrLinkEnded = 3105,
    kStrFallbackRateRefused = 3106,
    // The protocol trace: the menu item, the file dialog's title, a file that cannot be
    // written (%1 the reason) and the status line while it runs (%1 the file).
    kStrTraceMenuItem = 3107,
    kStrTraceFileTitle = 3108,
    kStrTraceCannotStart = 3109,
    kStrTraceRunning = 3110,
};

}  // namespace orvik

#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Every user-visible text of the program lives here under its numeric id, in Russian,
// Ukrainian and English (res/translations/).
namespace orvik {

// The languages of the texts. Russian is the default. Pseudo wraps every text in "[[" and "]]",
// so that a test can see which texts the window shows without passing them through here.
enum class Language { Russian, Ukrainian, English, Pseudo };

// The language FindString and LoadString answer in. Set once at start, before any other
// thread runs; the texts the register receives (the tax letters, the default operator name)
// are the same in every language.
void SetLanguage(Language language);
Language CurrentLanguage();

// The text with the given id, or nullptr when the table has no such string; in the current
// language or the one given. A text without a finished translation is the Russian one.
const char16_t* FindString(int id);
const char16_t* FindString(int id, Language language);

// The text with the given id, or the empty text when the table has no such string.
std::u16string LoadString(int id);

// The number of the message a shown text is, in the current language: the text itself, or its
// first lines when a reason follows on lines of its own, or a formatted message whose text
// before its first "%1" begins it. The longest such match wins; 0 when none does (a status word
// the table does not know is shown as it came).
int FindMessageNumber(std::u16string_view shown);

// The text with its markers %1 to %9 replaced by the arguments, in one pass: a marker with no
// argument stays as it is, an argument missing from the text is left out, and an argument that
// itself holds "%2" is not replaced again.
std::u16string FormatText(std::u16string_view text,
                          std::initializer_list<std::u16string_view> arguments);
// The same for the text with the given id.
std::u16string FormatMessage(int id, std::initializer_list<std::u16string_view> arguments);

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
    // A 0/1 field (a return flag, divisible, tax on tax) holding other than "0" or "1".
    kStrReceiptFileFieldNotAFlag = 1098,
    // The device settings page: what it says once the register has taken a setting.
    kStrCutterSet = 1091,
    kStrHeaderFooterSet = 1092,
    kStrArticleModeSet = 1093,
    kStrTaxCalculationSet = 1094,
    kStrTaxPrintSet = 1095,
    kStrMessageSetSet = 1096,
    kStrDepartmentSet = 1097,
    // The receipt page: the tax-rate lists, the list's headings (11 in column order), the
    // file dialogs, the running total and the cash dialog.
    kStrNoTax = 1100,
    kStrTaxKindIncluded = 1101,
    kStrTaxKindAdded = 1102,
    kStrTaxKindWinnings = 1103,
    kStrSalesColumnFirst = 1104,  // to 1114
    kStrSaveReceiptTitle = 1115,
    kStrLoadReceiptTitle = 1116,
    kStrReceiptFilesFilter = 1117,
    kStrRowRefused = 1120,
    kStrTotalDue = 1121,
    kStrTotalSales = 1122,
    kStrTotalReturns = 1123,
    kStrTotalSlotTax = 1124,
    kStrTotalPaid = 1125,
    kStrTotalChange = 1126,
    kStrTotalShort = 1127,
    kStrTotalRowsLeftOut = 1128,
    kStrTotalCompoundBox = 1129,
    kStrTotalNoRegister = 1130,
    kStrReceiptFileWarnings = 1131,
    kStrReceiptRowPlace = 1132,
    kStrReceiptPaymentPlace = 1133,
    kStrTotalWinningsNote = 1134,
    // "Сложный налог" ticked with payments 1 to 3 filled in: %1 the amount due.
    kStrTotalCompoundDropsPayments = 1135,
    kStrPortOpenFailed = 3012,
    // Follow message 3012 after the system's reason: the remedy for a missing permission, and
    // a port held by another program.
    kStrPortAccessRemedy = 3013,
    kStrPortBusy = 3014,
    // Follows the system's reason when the port's link in the ports folder leads nowhere: %1
    // is where it leads.
    kStrPortLinkTargetMissing = 3015,
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
    // The receipt journal: a counter that could not be read before the close; a journal that
    // cannot be used (%1 the file, %2 the reason); a receipt printed before whose outcome was
    // unknown (%1 the time it was sent, %2 the register's number for it), and the question
    // the page asks then.
    kStrReceiptNumberUnread = 3111,
    kStrJournalUnusable = 3112,
    kStrReprintRegistered = 3113,
    kStrReprintUnknown = 3114,
    kStrReprintQuestion = 3115,
    // The journal's window: menu item, title, "Сохранить в CSV", its file filter, the columns
    // (separated by ";") and the outcomes (%1 the receipt number).
    kStrJournalMenuItem = 3116,
    kStrJournalTitle = 3117,
    kStrJournalSaveCsv = 3118,
    kStrCsvFilesFilter = 3119,
    kStrJournalColumns = 3120,
    kStrOutcomeRegistered = 3121,
    kStrOutcomeNotRegistered = 3122,
    kStrOutcomeUnknown = 3123,
    kStrOutcomeCancelled = 3124,
    // The journal's window: a journal that cannot be opened (%1 the file, %2 the reason), the
    // rows it leaves out because their values are not the journal's own (%1 how many), and the
    // button that closes it.
    kStrJournalCannotOpen = 3125,
    kStrJournalRowsLeftOut = 3126,
    kStrJournalClose = 3127,
    // Asked before a Z report (and the zero Z report) closes the fiscal day; "Нет" by default.
    kStrZReportQuestion = 3128,
    // Why the link ended, after message 3105: the line hung up; reading it failed (%1 the
    // system's error number).
    kStrLineHungUp = 3129,
    kStrLineReadFailed = 3130,
    // A receipt printing: its progress (%1 the copy, %2 the copies, %3 the line, %4 the
    // lines), the button that stops it, and what a stop did.
    kStrPrintProgress = 3131,
    kStrStopPrinting = 3132,
    kStrPrintingStopped = 3133,

    // The console's window: title, connection bar checks, status bar, commands and menus.
    kStrConsoleTitle = 6000,
    kStrNoPort = 6001,
    kStrNoOperatorName = 6002,
    kStrNoPassword = 6003,
    kStrDefaultOperatorName = 6004,
    kStrIdle = 6005,
    kStrStateFormat = 6006,   // %s the state
    kStrSerialFormat = 6007,  // %s the serial number
    kStrConnected = 6008,
    kStrNotConnected = 6009,
    kStrNumLock = 6010,
    kStrCapsLock = 6011,
    kStrConnectPrompt = 6012,
    kStrDisconnectPrompt = 6013,
    kStrPromptTitle = 6014,  // the title of the device core's boxes
    kStrConnectMenuItem = 6020,
    kStrConnectButton = 6021,
    kStrDisconnectMenuItem = 6022,
    kStrDisconnectButton = 6023,
    kStrExitMenuItem = 6024,
    kStrExitTip = 6025,
    kStrStatusBarMenuItem = 6026,
    kStrStatusBarTip = 6027,
    kStrAboutMenuItem = 6028,
    kStrAboutTip = 6029,
    kStrToolStripTitle = 6030,
    kStrConnectionStripTitle = 6031,
    kStrConnectionMenu = 6032,
    kStrViewMenu = 6033,
    kStrToolStripMenuItem = 6034,
    kStrToolStripTip = 6035,
    kStrHelpMenu = 6036,
    kStrVersionFormat = 6037,  // %1 to %4 the four parts of the version
    // "Вид" → "Язык": the submenu, its status tip, and the box after a choice.
    kStrLanguageMenu = 6038,
    kStrLanguageTip = 6039,
    kStrLanguageAfterRestart = 6045,
    // Under the register's name on the contact picture.
    kStrPictureCaption = 6046,
    // The tab pages' titles, in tab order.
    kStrSettingsPageTitle = 6040,
    kStrSettings2PageTitle = 6041,
    kStrReportsPageTitle = 6042,
    kStrSalesPageTitle = 6043,
    kStrTerminalPageTitle = 6044,

    // The protocol terminal page.
    kStrTerminalLogColumn = 6100,
    kStrOpenCommandsTitle = 6101,
    kStrSaveCommandsTitle = 6102,
    kStrCommandFilesFilter = 6103,
    kStrSaveReportTitle = 6104,
    kStrReportFilesFilter = 6105,
    kStrAllFilesFilter = 6106,
    kStrFileErrorFormat = 6107,       // %1 the file, %2 the system's description
    kStrBinaryCommandFile = 6108,     // %1 the file, %2 a line number
    kStrTooManyCommands = 6109,       // %1 the file, %2 the largest number of commands
    kStrCharactersLostOnSave = 6110,  // asked before a file is written

    // The hyperlink label: a failed open shows kStrHyperlinkFailed and the description of the
    // status, string kStrHyperlinkStatusBase + status, or kStrHyperlinkUnknownStatus (%1 the
    // status) for a status without one.
    kStrHyperlinkFailed = 6198,
    kStrHyperlinkUnknownStatus = 6199,
    kStrHyperlinkStatusBase = 6200,
    // The logo and footer page.
    kStrLogoLoadFailed = 4300,
    kStrLogoWrongFormat = 4301,
    kStrLogoNoBits = 4302,
    kStrLogoSendFailed = 4303,
    kStrFooterSet = 4304,
    kStrFooterEraseQuestion = 4305,
    kStrFooterSetFailed = 4306,
    kStrLineSpacingSet = 4307,
    kStrLineSpacingFailed = 4308,
    kStrDiscountPrintSet = 4309,
    kStrDiscountPrintFailed = 4310,
    kStrFooterLineEmpty = 4311,
    // %1 the character.
    kStrFooterLineNotInCodePage = 4313,
    kStrFooterNeedsServiceLogin = 4314,
    // The list's columns.
    kStrFooterColumnText = 4315,
    kStrFooterColumnJournal = 4316,
    kStrFooterColumnFormat = 4317,
    // The logo's file dialog.
    kStrLogoOpenTitle = 4318,
    kStrLogoBitmapFilter = 4319,
    kStrLogoImageFilter = 4320,
    kStrLogoAllFilesFilter = 4321,
    // A line spacing in millimetres: %1 the number with three decimals.
    kStrLineSpacingMillimetres = 4322,
};

}  // namespace orvik

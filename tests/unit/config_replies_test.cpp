// The configuration replies read field by field, with replies laid out as a register sends
// them.
#include "device/protocol/config_replies.h"

#include <gtest/gtest.h>

#include <string>

#include "support/text_codec.h"

using namespace orvik::support;
using namespace orvik::device;

using orvik::support::LocalDateTime;

namespace {

// Builds a reply text by placing fields at their positions; gaps are blanks.
class ReplyLayout {
  public:
    explicit ReplyLayout(std::u16string_view tag) : m_text(tag) {}
    ReplyLayout& Put(std::size_t position, std::u16string_view field) {
        if (m_text.size() < position + field.size()) {
            m_text.resize(position + field.size(), u' ');
        }
        m_text.replace(position, field.size(), field);
        return *this;
    }
    const std::u16string& Text() const { return m_text; }

  private:
    std::u16string m_text;
};

// A fixed "now" so that replaced dates and times are known: 14 March 2024, 09:05:07.
constexpr LocalDateTime kNow{2024, 3, 14, 9, 5, 7};

std::string Utf8(std::u16string_view text) {
    return orvik::support::ToUtf8(text);
}

// A complete configuration reply of a model-8 register.
ReplyLayout FullConfiguration() {
    ReplyLayout reply(u"CONf");
    reply.Put(4, u"MT00012345")
        .Put(14, u"3000123456")
        .Put(24, u"ТОВ \"Ромашка\"     ")
        .Put(42, u"м. Київ           ")
        .Put(60, u"20240229")
        .Put(68, u"1359084")  // 13:59:08, then the key code at 74
        .Put(81, u"1")
        .Put(82, u"000000000042")
        .Put(110, u"MTMT")
        .Put(114, u"20060927")
        .Put(122, u"Дякуємо за покупку")
        .Put(140, u"20050101")
        .Put(148, u"2")
        .Put(149, u"ГРН");
    return reply;
}

}  // namespace

TEST(ConfigurationReply, FillsEveryFieldFromItsPosition) {
    CPrinterInfo info;
    orvik::device::ParseConfigurationReply(FullConfiguration().Text(), kNow, info);
    EXPECT_EQ(Utf8(info.serialNumber), "MT00012345");
    EXPECT_EQ(Utf8(info.fiscalNumber), "3000123456");
    EXPECT_EQ(Utf8(info.ownerLine1), "ТОВ \"Ромашка\"     ");
    EXPECT_EQ(Utf8(info.ownerLine2), "м. Київ           ");
    EXPECT_EQ(Utf8(info.deviceDate), "02/29/24");
    EXPECT_EQ(Utf8(info.deviceTime), "13:59:08");
    EXPECT_EQ(info.keyPosition, u'Z');
    EXPECT_EQ(info.zReportMade, 1);
    EXPECT_EQ(info.lastZReportNumber, 42);
    EXPECT_EQ(Utf8(info.firmwareName), "MTMT");
    EXPECT_EQ(Utf8(info.firmwareDate), "09/27/06");
    EXPECT_EQ(Utf8(info.ownerLine3), "Дякуємо за покупку");
    EXPECT_EQ(Utf8(info.currencyDate), "01/01/05");
    EXPECT_EQ(info.decimalPointPosition, 2);
    EXPECT_EQ(Utf8(info.currencyName), "ГРН");
}

TEST(ConfigurationReply, SecondSoftwareIdentifierReplacesTheFirst) {
    ReplyLayout reply = FullConfiguration();
    reply.Put(152, u"UMTM").Put(156, u"20050131");
    CPrinterInfo info;
    orvik::device::ParseConfigurationReply(reply.Text(), kNow, info);
    EXPECT_EQ(Utf8(info.firmwareName), "UMTM");
    EXPECT_EQ(Utf8(info.firmwareDate), "01/31/05");

    // The name alone replaces the date too: the missing date becomes today's.
    ReplyLayout nameOnly = FullConfiguration();
    nameOnly.Put(152, u"NFCP");
    orvik::device::ParseConfigurationReply(nameOnly.Text(), kNow, info);
    EXPECT_EQ(Utf8(info.firmwareName), "NFCP");
    EXPECT_EQ(Utf8(info.firmwareDate), "03/14/24");

    // Blanks that only pad the reply name no software.
    ReplyLayout padded = FullConfiguration();
    padded.Put(152, u"            ");
    orvik::device::ParseConfigurationReply(padded.Text(), kNow, info);
    EXPECT_EQ(Utf8(info.firmwareName), "MTMT");
    EXPECT_EQ(Utf8(info.firmwareDate), "09/27/06");
}

TEST(ConfigurationReply, ShortReplyLeavesLaterFieldsEmpty) {
    CPrinterInfo info;
    info.currencyName = u"OLD";
    info.lastZReportNumber = 77;
    ReplyLayout reply(u"CONF");
    reply.Put(4, u"4400000001").Put(14, u"12345");
    orvik::device::ParseConfigurationReply(reply.Text(), kNow, info);
    EXPECT_EQ(Utf8(info.serialNumber), "4400000001");
    EXPECT_EQ(Utf8(info.fiscalNumber), "12345");
    EXPECT_TRUE(info.ownerLine1.empty());
    EXPECT_TRUE(info.firmwareName.empty());
    EXPECT_TRUE(info.currencyName.empty());
    EXPECT_EQ(info.lastZReportNumber, 0);
    EXPECT_EQ(info.keyPosition, u'O');
    // Missing dates and times are today's.
    EXPECT_EQ(Utf8(info.deviceDate), "03/14/24");
    EXPECT_EQ(Utf8(info.deviceTime), "09:05:07");
    EXPECT_EQ(Utf8(info.firmwareDate), "03/14/24");

    orvik::device::ParseConfigurationReply(u"", kNow, info);
    EXPECT_TRUE(info.serialNumber.empty());
}

TEST(ConfigurationReply, LargeAndGarbledNumbersAreReadSafely) {
    ReplyLayout reply = FullConfiguration();
    reply.Put(82, u"999999999999").Put(81, u"x").Put(148, u"?");
    CPrinterInfo info;
    orvik::device::ParseConfigurationReply(reply.Text(), kNow, info);
    EXPECT_EQ(info.lastZReportNumber, 2147483647);
    EXPECT_EQ(info.zReportMade, 0);
    EXPECT_EQ(info.decimalPointPosition, 0);
}

TEST(ReadNumber, DigitsPrefixAfterBlanks) {
    EXPECT_EQ(orvik::device::ReadNumber(u""), 0);
    EXPECT_EQ(orvik::device::ReadNumber(u"2147483647"), 2147483647);
    EXPECT_EQ(orvik::device::ReadNumber(u"2147483648"), 2147483647);
    EXPECT_EQ(orvik::device::ReadNumber(u"0000000123"), 123);
    EXPECT_EQ(orvik::device::ReadNumber(u"  77"), 77);
    EXPECT_EQ(orvik::device::ReadNumber(u"5x9"), 5);
    EXPECT_EQ(orvik::device::ReadNumber(u"-5"), 0);
    EXPECT_EQ(orvik::device::ReadNumber(u"99999999999999999999999"), 2147483647);
}

TEST(DateRewriting, FullAndShortYears) {
    EXPECT_EQ(Utf8(orvik::device::RewriteDate(u"20050131", kNow)), "01/31/05");
    EXPECT_EQ(Utf8(orvik::device::RewriteDate(u"19991231", kNow)), "12/31/99");
    // A year read below 2000 counts from 2000 by its characters 2-3.
    EXPECT_EQ(Utf8(orvik::device::RewriteDate(u"00050131", kNow)), "01/31/05");
    EXPECT_EQ(Utf8(orvik::device::RewriteDate(u"01070704", kNow)), "07/04/07");
    // 2000 plus "00" is a leap year, so 29 February stands.
    EXPECT_EQ(Utf8(orvik::device::RewriteDate(u"19000229", kNow)), "02/29/00");
    EXPECT_EQ(Utf8(orvik::device::RewriteDate(u"20240229", kNow)), "02/29/24");
}

TEST(DateRewriting, InvalidDatesBecomeToday) {
    for (std::u16string_view bad :
         {u"20051331", u"20050031", u"20050100", u"20050132", u"20050230", u"20230229", u"20050431",
          u"", u"2005", u"0501311x", u"2005ab31", u"20050 3x"}) {
        EXPECT_EQ(Utf8(orvik::device::RewriteDate(bad, kNow)), "03/14/24") << Utf8(bad);
    }
}

TEST(TimeRewriting, ValidAndInvalidTimes) {
    EXPECT_EQ(Utf8(orvik::device::RewriteTime(u"235959", kNow)), "23:59:59");
    EXPECT_EQ(Utf8(orvik::device::RewriteTime(u"000000", kNow)), "00:00:00");
    EXPECT_EQ(Utf8(orvik::device::RewriteTime(u"07080912", kNow)), "07:08:09");
    for (std::u16string_view bad : {u"240000", u"126000", u"120060", u"", u"1230", u"12a000"}) {
        EXPECT_EQ(Utf8(orvik::device::RewriteTime(bad, kNow)), "09:05:07") << Utf8(bad);
    }
}

TEST(KeyPosition, DigitsAndCharacterCodes) {
    EXPECT_EQ(orvik::device::KeyPositionFromCode(u"1"), u'R');
    EXPECT_EQ(orvik::device::KeyPositionFromCode(u"2"), u'X');
    EXPECT_EQ(orvik::device::KeyPositionFromCode(u"4"), u'Z');
    EXPECT_EQ(orvik::device::KeyPositionFromCode(u"8"), u'P');
    EXPECT_EQ(orvik::device::KeyPositionFromCode(std::u16string(1, char16_t{1})), u'R');
    EXPECT_EQ(orvik::device::KeyPositionFromCode(std::u16string(1, char16_t{2})), u'X');
    EXPECT_EQ(orvik::device::KeyPositionFromCode(std::u16string(1, char16_t{3})), u'Z');
    EXPECT_EQ(orvik::device::KeyPositionFromCode(std::u16string(1, char16_t{4})), u'P');
    for (std::u16string_view other : {u"3", u"0", u"R", u"", u"9"}) {
        EXPECT_EQ(orvik::device::KeyPositionFromCode(other), u'O') << Utf8(other);
    }
    // In a reply the key code is the last character of the time field.
    ReplyLayout reply(u"CONf");
    reply.Put(68, u"1200008");
    CPrinterInfo info;
    orvik::device::ParseConfigurationReply(reply.Text(), kNow, info);
    EXPECT_EQ(info.keyPosition, u'P');
    EXPECT_EQ(Utf8(info.deviceTime), "12:00:00");
}

TEST(TaxRecords, RecordsAndEmptySlots) {
    ReplyLayout reply(u"CNAL");
    reply
        .Put(4, u"20050131 02000")            // slot 1: included 20.00
        .Put(4 + 14, u"0000000000000")        // slot 2: unused
        .Put(4 + 2 * 14, u"20060101 10700")   // slot 3: added 7.00
        .Put(4 + 3 * 14, u"20231301 21500");  // slot 4: bad date, winnings 15.00
    CPrinterInfo info;
    for (TaxSlot& slot : info.taxSlots) {
        slot.name = u"stale";
        slot.kind = u"9";
    }
    orvik::device::ParseTaxRecords(reply.Text(), kNow, info);

    EXPECT_EQ(Utf8(info.taxSlots[0].date), "01/31/05");
    EXPECT_EQ(Utf8(info.taxSlots[0].kind), "0");
    EXPECT_EQ(Utf8(info.taxSlots[0].rateDigits), "2000");
    EXPECT_EQ(Utf8(info.taxSlots[0].rateText), "20.00");
    EXPECT_EQ(Utf8(info.taxSlots[0].name), "stale");  // names come from the names reply

    for (int cleared : {1, 4, 5, 6, 7}) {
        const TaxSlot& slot = info.taxSlots[static_cast<std::size_t>(cleared)];
        EXPECT_TRUE(slot.kind.empty()) << cleared;
        EXPECT_TRUE(slot.name.empty()) << cleared;
        EXPECT_TRUE(slot.date.empty()) << cleared;
        EXPECT_TRUE(slot.rateDigits.empty()) << cleared;
        EXPECT_TRUE(slot.rateText.empty()) << cleared;
    }

    EXPECT_EQ(Utf8(info.taxSlots[2].kind), "1");
    EXPECT_EQ(Utf8(info.taxSlots[2].rateText), "07.00");
    EXPECT_EQ(Utf8(info.taxSlots[3].date), "03/14/24");
    EXPECT_EQ(Utf8(info.taxSlots[3].kind), "2");
    EXPECT_EQ(Utf8(info.taxSlots[3].rateText), "15.00");
}

TEST(TaxRecords, RecordCutByTheReplyEnd) {
    CPrinterInfo info;
    orvik::device::ParseTaxRecords(u"CNAL20050131 020", kNow, info);
    EXPECT_EQ(Utf8(info.taxSlots[0].kind), "0");
    EXPECT_EQ(Utf8(info.taxSlots[0].rateDigits), "20");
    EXPECT_EQ(Utf8(info.taxSlots[0].rateText), "20");
    EXPECT_TRUE(info.taxSlots[1].kind.empty());
}

TEST(TaxNames, TrimmedNamesByIndex) {
    ReplyLayout reply(u"CNAM");
    reply.Put(4, u"  ПДВ              ").Put(4 + 19, u"Акциз").Put(4 + 7 * 19, u"\tОстанній\t");
    CPrinterInfo info;
    info.taxSlots[2].name = u"stale";
    orvik::device::ParseTaxNames(reply.Text(), info);
    EXPECT_EQ(Utf8(info.taxSlots[0].name), "ПДВ");
    EXPECT_EQ(Utf8(info.taxSlots[1].name), "Акциз");
    EXPECT_TRUE(info.taxSlots[2].name.empty());
    EXPECT_EQ(Utf8(info.taxSlots[7].name), "Останній");
}

TEST(ConfigCounters, FourNumbersClampedToInt32) {
    ReplyLayout reply(u"CRES");
    reply.Put(4, u"0000000001").Put(14, u"2147483647").Put(24, u"9999999999").Put(34, u"12");
    CPrinterInfo info;
    orvik::device::ParseConfigCounters(reply.Text(), info);
    EXPECT_EQ(info.configCounters[0], 1);
    EXPECT_EQ(info.configCounters[1], 2147483647);
    EXPECT_EQ(info.configCounters[2], 2147483647);
    EXPECT_EQ(info.configCounters[3], 12);

    orvik::device::ParseConfigCounters(u"CRES", info);
    for (std::int32_t value : info.configCounters) {
        EXPECT_EQ(value, 0);
    }
}

TEST(DocumentCountersAnswer, FieldsAndZReportFlag) {
    // The answer starts after the tag: three 10-digit counters, the article mode, an unused
    // character, the Z-report digit and the last Z-report number.
    const std::u16string answer =
        u"0000000123"
        u"0000000456"
        u"0000000789"
        u"2"
        u"x"
        u"5"
        u"0042";
    const DocumentCounters counters = orvik::device::ParseDocumentCounters(answer);
    EXPECT_EQ(counters.lastReceiptNumber, 123);
    EXPECT_EQ(counters.lastDocumentNumber, 456);
    EXPECT_EQ(counters.lastServiceDocumentNumber, 789);
    EXPECT_EQ(counters.articleMode, 2);
    EXPECT_EQ(counters.zReportMade, 1);
    EXPECT_EQ(counters.lastZReportNumber, 42);

    EXPECT_EQ(
        orvik::device::ParseDocumentCounters(u"0000000001000000000200000000031x00007").zReportMade,
        0);

    const DocumentCounters empty = orvik::device::ParseDocumentCounters(u"");
    EXPECT_EQ(empty.lastReceiptNumber, 0);
    EXPECT_EQ(empty.articleMode, 0);
    EXPECT_EQ(empty.zReportMade, 0);
    EXPECT_EQ(empty.lastZReportNumber, 0);
}

TEST(DeviceOptions, OnlyAnswersLongerThanTwoCharacters) {
    CPrinterInfo info;
    EXPECT_EQ(info.optionDigit1, 1);
    EXPECT_EQ(info.optionDigit2, 0);
    orvik::device::ApplyDeviceOptions(u"371", info);
    EXPECT_EQ(info.optionDigit1, 3);
    EXPECT_EQ(info.optionDigit2, 7);
    orvik::device::ApplyDeviceOptions(u"52", info);
    EXPECT_EQ(info.optionDigit1, 3);
    orvik::device::ApplyDeviceOptions(u"", info);
    EXPECT_EQ(info.optionDigit2, 7);
    orvik::device::ApplyDeviceOptions(u"1000", info);
    EXPECT_EQ(info.optionDigit1, 1);
    EXPECT_EQ(info.optionDigit2, 0);
}

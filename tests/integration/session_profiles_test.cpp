// Every simulated register connected as the console connects: the family and model the console
// derives, its limits and capabilities, the printer information it reads and the commands that
// prepare it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "support/text_codec.h"
#include "tests/integration/session_fixture.h"

using namespace orvik::device;

namespace sim_test {
namespace {

// The capabilities the console derives for the register: its widths and limits, and the names
// of the capabilities it has, in the order OptionalNames gives them.
struct ExpectedCapabilities {
    std::size_t headerTextWidth;
    int itemNameWidth;
    std::int32_t maxLineQuantity;
    std::size_t nameContinuationLimit;
    const char* has;
};

std::string OptionalNames(const RegisterCapabilities& caps) {
    const std::pair<bool, const char*> flags[] = {
        {caps.taxPerItemAtConnect, "taxPerItemAtConnect"},
        {caps.pauseBeforeCancel, "pauseBeforeCancel"},
        {caps.pauseAfterOpen, "pauseAfterOpen"},
        {caps.taxNames, "taxNames"},
        {caps.cutter, "cutter"},
        {caps.tableMode, "tableMode"},
        {caps.weighedNameInTapeLines, "weighedNameInTapeLines"},
        {caps.accessLevels, "accessLevels"},
        {caps.receiptCounter, "receiptCounter"},
        {caps.codedArticles, "codedArticles"},
        {caps.deviceOptions, "deviceOptions"},
        {caps.cutterQuery, "cutterQuery"},
        {caps.partialCut, "partialCut"},
        {caps.logo, "logo"},
        {caps.lineSpacing, "lineSpacing"},
        {caps.discountPrintMode, "discountPrintMode"},
        {caps.zeroZReport, "zeroZReport"},
        {caps.tapeMode, "tapeMode"},
        {caps.compoundTax, "compoundTax"},
        {caps.barcode, "barcode"},
    };
    std::string names;
    for (const auto& [set, name] : flags) {
        if (set) {
            names += names.empty() ? name : std::string(" ") + name;
        }
    }
    return names;
}

constexpr const char* kFamily0 = "taxPerItemAtConnect pauseBeforeCancel pauseAfterOpen";
constexpr const char* kTableModel = "taxNames cutter tableMode weighedNameInTapeLines";

struct Expected {
    const char* profile;
    std::int32_t family;
    std::int32_t model;
    const char16_t* serialNumber;
    const char16_t* firmwareName;
    const char16_t* firmwareDate;
    std::int32_t maxArticleNumber;
    std::int32_t articleMode;
    std::array<std::int32_t, 2> optionDigits;
    std::array<std::int32_t, 4> configCounters;
    std::int32_t zReportMade;
    // What the register receives after the log-in.
    Texts commands;
    ExpectedCapabilities capabilities;
};

const std::vector<Expected> kExpected{
    {"f0m0",
     0,
     0,
     u"0400012345",
     u"EP01",
     u"03/15/01",
     1999,
     0,
     {1, 0},
     {1, 0, 18, 500},
     0,
     {"CONf", "CNAL", "CRES", "PPMD1"},
     {18, 36, 99999, 0, kFamily0}},
    {"f0m1",
     0,
     1,
     u"4410003456",
     u"EP02",
     u"06/20/03",
     1999,
     0,
     {1, 0},
     {1, 0, 20, 2000},
     1,
     {"CONf", "CNAL", "CRES", "PPMD1"},
     {18, 36, 99999, 0, kFamily0}},
    {"f1m2",
     1,
     2,
     u"4500004567",
     u"vTTs",
     u"02/10/04",
     1999,
     0,
     {1, 0},
     {1, 0, 20, 2000},
     0,
     {"CONf", "CNAL", "CNAL1", "CRES"},
     {36, 36, 99999, 24, "taxNames cutter"}},
    {"f1m3",
     1,
     3,
     u"5000005678",
     u"NFPR",
     u"09/05/04",
     9999,
     0,
     {1, 0},
     {1, 0, 20, 2000},
     0,
     {"CONf", "CNAL", "CNAL1", "CRES", "TABL"},
     {43, 41, 99999, 29, kTableModel}},
    {"f1m4",
     1,
     4,
     u"5100006789",
     u"UMTM",
     u"10/15/04",
     9999,
     0,
     {1, 0},
     {1, 0, 20, 2000},
     0,
     {"CONf", "CNAL", "CNAL1", "CRES", "TABL"},
     {43, 41, 99999, 29, kTableModel}},
    // Updated software: the name and date at the end of the reply win.
    {"f1m6",
     1,
     6,
     u"5000007890",
     u"NFCP",
     u"09/27/06",
     999999999,
     2,
     {1, 0},
     {1, 0, 20, 2000},
     0,
     {"CONf", "CNAL", "CNAL1", "CRES", "GLCN", "TABL"},
     {43, 116, 999999, 104,
      "taxNames cutter tableMode weighedNameInTapeLines receiptCounter codedArticles"}},
    {"f1m7",
     1,
     7,
     u"ЕК52000123",
     u"IMTM",
     u"11/22/04",
     4999,
     0,
     {1, 0},
     {1, 0, 20, 2000},
     0,
     {"CONf", "CNAL", "CNAL1", "CRES", "SVSL17260", "TABL"},
     {43, 41, 99999, 29, "taxNames cutter tableMode weighedNameInTapeLines accessLevels"}},
    {"f1m8",
     1,
     8,
     u"6000008901",
     u"MTMT",
     u"05/20/08",
     20688,
     0,
     {1, 1},
     {12, 3, 150, 9000},
     0,
     {"CONf", "dset", "CNAL", "CNAL1", "CRES", "GLCN", "TABL"},
     {43, 41, 99999, 29,
      "taxNames cutter tableMode weighedNameInTapeLines receiptCounter deviceOptions cutterQuery "
      "partialCut logo lineSpacing discountPrintMode zeroZReport tapeMode compoundTax barcode"}},
    {"unknown",
     1,
     4,
     u"9990009012",
     u"ABCD",
     u"01/01/10",
     9999,
     0,
     {1, 0},
     {1, 0, 20, 2000},
     0,
     {"CONf", "CNAL", "CNAL1", "CRES", "TABL"},
     {43, 41, 99999, 29, kTableModel}},
};

// What every profile's register holds besides its identity.
void ExpectCommonInformation(const CPrinterInfo& info, bool hasTaxNames) {
    EXPECT_EQ(Utf8(info.fiscalNumber), "3100123456");
    EXPECT_EQ(Utf8(info.ownerLine1), "ООО \"Ромашка\"     ");
    EXPECT_EQ(Utf8(info.ownerLine2), "Киев, Садовая 1   ");
    EXPECT_EQ(Utf8(info.ownerLine3), "Магазин Ромашка   ");
    EXPECT_EQ(Utf8(info.currencyDate), "09/02/96");
    EXPECT_EQ(info.decimalPointPosition, 2);
    EXPECT_EQ(Utf8(info.currencyName), "ГРН");
    EXPECT_EQ(info.keyPosition, u'R');
    EXPECT_EQ(info.lastZReportNumber, 41);

    struct Slot {
        const char* kind;
        const char* rateDigits;
        const char* rateText;
        const char* date;
        const char* name;
    };
    const std::array<Slot, 8> slots{{
        {"0", "2000", "20.00", "01/01/11", "ПДВ 20%"},
        {"0", "0000", "00.00", "01/01/11", "ПДВ 0%"},
        {"1", "0500", "05.00", "03/01/15", "Акциз 5%"},
        {"2", "3000", "30.00", "06/15/09", "Налог на выигрыш"},
        {"", "", "", "", ""},
        {"", "", "", "", ""},
        {"", "", "", "", ""},
        {"", "", "", "", ""},
    }};
    for (std::size_t i = 0; i < slots.size(); ++i) {
        SCOPED_TRACE("tax slot " + std::to_string(i + 1));
        const TaxSlot& slot = info.taxSlots[i];
        EXPECT_EQ(Utf8(slot.kind), slots[i].kind);
        EXPECT_EQ(Utf8(slot.rateDigits), slots[i].rateDigits);
        EXPECT_EQ(Utf8(slot.rateText), slots[i].rateText);
        EXPECT_EQ(Utf8(slot.date), slots[i].date);
        EXPECT_EQ(Utf8(slot.name), hasTaxNames ? slots[i].name : "");
    }
}

TEST_F(SessionTest, EveryProfileHasARow) {
    ASSERT_EQ(kExpected.size(), orvik::sim::RegisterProfiles().size());
    for (const orvik::sim::RegisterProfile& profile : orvik::sim::RegisterProfiles()) {
        EXPECT_TRUE(std::any_of(kExpected.begin(), kExpected.end(), [&](const Expected& row) {
            return profile.name == row.profile;
        })) << profile.name;
    }
}

// One row of kExpected per case.
class SessionProfileTest : public SessionTest, public testing::WithParamInterface<Expected> {};

TEST_P(SessionProfileTest, ConnectsAsTheRegisterItStandsFor) {
    const Expected& expected = GetParam();
    orvik::support::LocalDateTime clock;
    clock.year = 2024;
    clock.month = 2;
    clock.day = 29;
    clock.hour = 12;

    UseProfile(expected.profile);
    ASSERT_TRUE(State([&](auto& state) { return state.clock.Set(clock); }));
    TakeReceived();
    const std::size_t wakesBefore = WakeBytes();

    // The console makes a new core for every connection.
    COrvikCore console;
    console.SetPrompt(&prompt);
    ASSERT_EQ(console.Connect(kPort, u"Касир", kPassword), S_OK) << Utf8(console.LastMessage());
    EXPECT_TRUE(prompt.entries.empty());
    EXPECT_EQ(WakeBytes() - wakesBefore, 1u);
    // The line stays at the rate it was opened with.
    EXPECT_EQ(sim.LineBaud(), 115200);
    Texts commands = TakeReceived();
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.front(), "UPAS0000      Касир");
    commands.erase(commands.begin());
    EXPECT_EQ(commands, expected.commands);

    EXPECT_EQ(console.DeviceFamily(), expected.family);
    EXPECT_EQ(console.DeviceModel(), expected.model);
    EXPECT_EQ(console.ArticleMode(), expected.articleMode);
    // The capabilities, derived at connect from what the register told of itself.
    const RegisterCapabilities& caps = console.Capabilities();
    EXPECT_EQ(caps, CapabilitiesOf(expected.family, expected.model, expected.articleMode));
    EXPECT_EQ(caps.headerTextWidth, expected.capabilities.headerTextWidth);
    EXPECT_EQ(caps.itemNameWidth, expected.capabilities.itemNameWidth);
    EXPECT_EQ(caps.maxLineQuantity, expected.capabilities.maxLineQuantity);
    EXPECT_EQ(caps.nameContinuationLimit, expected.capabilities.nameContinuationLimit);
    EXPECT_EQ(OptionalNames(caps), expected.capabilities.has);
    EXPECT_FALSE(console.ServiceSession());
    EXPECT_FALSE(console.ReceiptOpen());

    const CPrinterInfo& info = console.PrinterInfo();
    EXPECT_EQ(info.serialNumber, expected.serialNumber);
    EXPECT_EQ(info.firmwareName, expected.firmwareName);
    EXPECT_EQ(info.firmwareDate, expected.firmwareDate);
    EXPECT_EQ(info.maxArticleNumber, expected.maxArticleNumber);
    EXPECT_EQ(info.optionDigit1, expected.optionDigits[0]);
    EXPECT_EQ(info.optionDigit2, expected.optionDigits[1]);
    EXPECT_EQ(info.configCounters, expected.configCounters);
    EXPECT_EQ(info.zReportMade, expected.zReportMade);
    EXPECT_EQ(Utf8(info.deviceDate), "02/29/24");
    // The register's clock runs on from noon.
    EXPECT_EQ(Utf8(info.deviceTime).substr(0, 6), "12:00:");
    ExpectCommonInformation(info, expected.family == 1);

    // The register's side of the session.
    State([&](const orvik::sim::RegisterState& state) {
        EXPECT_TRUE(state.session.loggedIn);
        EXPECT_FALSE(state.session.serviceSession);
        EXPECT_EQ(Utf8(state.session.operatorName), "Касир");
        EXPECT_EQ(state.session.tableMode, expected.family == 1 && expected.model >= 3);
        EXPECT_EQ(state.session.accessLevel, expected.model == 7 ? 1 : 0);
        EXPECT_EQ(state.taxPerItem, expected.family == 0);
    });

    EXPECT_EQ(console.Disconnect().code, S_OK);
    EXPECT_FALSE(console.IsPortOpen());
}

INSTANTIATE_TEST_SUITE_P(Profiles, SessionProfileTest, testing::ValuesIn(kExpected),
                         [](const testing::TestParamInfo<Expected>& row) {
                             return std::string(row.param.profile);
                         });

TEST_F(SessionTest, KeyPositionsAndAConnectWhileConnected) {
    using orvik::sim::KeyPosition;
    const std::vector<std::pair<KeyPosition, char16_t>> keys{
        {KeyPosition::Registration, u'R'}, {KeyPosition::XReport, u'X'},
        {KeyPosition::ZReport, u'Z'},      {KeyPosition::Programming, u'P'},
        {KeyPosition::Off, u'O'},
    };
    for (const auto& [key, letter] : keys) {
        State([key = key](auto& state) { state.key = key; });
        // Connecting again while connected disconnects first and starts over.
        ASSERT_EQ(Connect(), S_OK);
        EXPECT_EQ(core.printerInfo.keyPosition, letter);
        EXPECT_TRUE(core.IsPortOpen());
    }
    const Texts commands = TakeReceived();
    EXPECT_EQ(std::count(commands.begin(), commands.end(), "UPAS0000      Касир"), 5);
    EXPECT_EQ(WakeBytes(), 5u);
    EXPECT_TRUE(prompt.entries.empty());
}

}  // namespace
}  // namespace sim_test

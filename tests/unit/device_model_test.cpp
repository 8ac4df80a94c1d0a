// Telling the register's family and model from its serial number and software, and the
// article limits of each model.
#include "device/protocol/device_model.h"

#include <gtest/gtest.h>

#include "device/protocol/register_capabilities.h"

#include "support/text_codec.h"

using namespace orvik::device;

using orvik::device::DeriveFamilyAndModel;
using orvik::device::FamilyAndModel;
using orvik::device::ModelArticleLimit;

namespace {

struct DerivationCase {
    const char16_t* serial;
    const char16_t* firmwareName;
    const char16_t* firmwareDate;
    int family;
    int model;
};

std::string Describe(const DerivationCase& c) {
    return orvik::support::ToUtf8(c.serial) + " " + orvik::support::ToUtf8(c.firmwareName) + " " +
           orvik::support::ToUtf8(c.firmwareDate);
}

}  // namespace

TEST(ModelCode, DigitFirstOrLetterFirst) {
    EXPECT_EQ(orvik::device::ModelCode(u"4401234567"), u"440");
    EXPECT_EQ(orvik::device::ModelCode(u"AB5401234"), u"540");
    EXPECT_EQ(orvik::device::ModelCode(u"ЗН0412345"), u"041");
    EXPECT_EQ(orvik::device::ModelCode(u"44"), u"44");
    EXPECT_EQ(orvik::device::ModelCode(u"AB"), u"");
    EXPECT_EQ(orvik::device::ModelCode(u""), u"");
}

TEST(FamilyAndModel, EachRuleAndItsOverrides) {
    const DerivationCase cases[] = {
        // Nothing matches: family 1 model 4.
        {u"9990000001", u"ABCD", u"01/01/05", 1, 4},
        {u"", u"", u"", 1, 4},
        // Rule 1 and rule 2 by the code alone.
        {u"0400000001", u"UMTM", u"01/01/05", 0, 0},
        {u"0410000001", u"", u"", 0, 0},
        {u"0420000001", u"", u"", 0, 0},
        {u"4400000001", u"", u"", 0, 1},
        {u"4410000001", u"XXXX", u"", 0, 1},
        {u"AB4400001", u"", u"", 0, 1},
        // The code must be exact: a letter-first serial does not take its first digits.
        {u"A4400000", u"", u"", 1, 4},
        // Rule 3 needs the software as well.
        {u"4500000001", u"vTTs", u"", 1, 2},
        {u"4600000001", u"vTTs", u"", 1, 2},
        {u"4500000001", u"VTTS", u"", 1, 4},
        // Rule 4: "460" with UMTM overrides nothing earlier but is itself rule 4.
        {u"5000000001", u"UMTM", u"01/01/04", 1, 3},
        {u"4600000001", u"NFPR", u"", 1, 3},
        {u"5000000001", u"vTTs", u"", 1, 4},
        // Rule 5.
        {u"5100000001", u"UMTM", u"01/01/04", 1, 4},
        // Rule 6 overrides rules 4 and 5 through the software date or code 540.
        {u"5000000001", u"UMTM", u"01/31/05", 1, 6},
        {u"5100000001", u"UMTM", u"02/08/05", 1, 6},
        {u"5400000001", u"UMTM", u"12/12/12", 1, 6},
        {u"5400000001", u"NFPR", u"12/12/12", 1, 4},
        {u"0400000001", u"NFCP", u"09/27/06", 1, 6},
        {u"4400000001", u"NFCP", u"09/28/06", 0, 1},
        // Rule 7 overrides the code rules.
        {u"4400000001", u"IMTM", u"11/22/04", 1, 7},
        {u"4400000001", u"IMTM", u"11/23/04", 0, 1},
        // Rule 8 wins whatever the serial number and date.
        {u"0400000001", u"MTMT", u"01/31/05", 1, 8},
        {u"MT5400000", u"MTMP", u"", 1, 8},
        {u"4400000001", u"mtmt", u"", 0, 1},
    };
    for (const DerivationCase& c : cases) {
        const FamilyAndModel result =
            DeriveFamilyAndModel(c.serial, c.firmwareName, c.firmwareDate);
        EXPECT_EQ(result.family, c.family) << Describe(c);
        EXPECT_EQ(result.model, c.model) << Describe(c);
    }
}

TEST(ArticleLimits, TableOfModels) {
    constexpr std::int32_t kKept = 12345;
    EXPECT_EQ(ModelArticleLimit(0, 1, 0, kKept), 1999);
    EXPECT_EQ(ModelArticleLimit(0, 0, 2, kKept), kKept);
    EXPECT_EQ(ModelArticleLimit(1, 3, 2, kKept), 9999);
    EXPECT_EQ(ModelArticleLimit(1, 4, 0, kKept), 9999);
    EXPECT_EQ(ModelArticleLimit(1, 5, 2, kKept), 999999999);
    EXPECT_EQ(ModelArticleLimit(1, 5, 1, kKept), 9999);
    EXPECT_EQ(ModelArticleLimit(1, 6, 2, kKept), 999999999);
    EXPECT_EQ(ModelArticleLimit(1, 6, 0, kKept), 9999);
    EXPECT_EQ(ModelArticleLimit(1, 7, 2, kKept), 4999);
    EXPECT_EQ(ModelArticleLimit(1, 8, 2, kKept), 999999999);
    EXPECT_EQ(ModelArticleLimit(1, 8, 1, kKept), 20688);
    EXPECT_EQ(ModelArticleLimit(1, 2, 2, kKept), 1999);
    EXPECT_EQ(ModelArticleLimit(1, 0, 0, kKept), 1999);
    // Before a configuration has been read the limit is left alone.
    EXPECT_EQ(ModelArticleLimit(-1, -1, 0, kKept), kKept);
}

TEST(ArticleLimits, DerivedRegistersEndToEnd) {
    // A serial number beginning 440 is family 0 model 1 with 1999 articles.
    FamilyAndModel r = DeriveFamilyAndModel(u"4401234567", u"UMTM", u"01/01/04");
    EXPECT_EQ(ModelArticleLimit(r.family, r.model, 0, 1999), 1999);
    // MTMT is model 8 whatever the serial number.
    r = DeriveFamilyAndModel(u"0401234567", u"MTMT", u"");
    EXPECT_EQ(ModelArticleLimit(r.family, r.model, 2, 1999), 999999999);
    EXPECT_EQ(ModelArticleLimit(r.family, r.model, 0, 1999), 20688);
}

// The rows the connected profiles do not reach (session_profiles_test holds those): the register
// not known before a configuration has been read, a family 1 register of a model no row names,
// and model 5, which is never derived.
TEST(RegisterCapabilities, UnknownRegisterFamilyDefaultsAndModel5) {
    const RegisterCapabilities unknown = CapabilitiesOf(-1, -1, 0);
    EXPECT_EQ(unknown, RegisterCapabilities{});
    EXPECT_EQ(unknown.headerTextWidth, std::nullopt);  // no header line is sent
    EXPECT_EQ(unknown.articleLimit, std::nullopt);     // the register's limit is kept
    EXPECT_EQ(unknown.departmentLength, 15u);
    EXPECT_EQ(unknown.itemNameWidth, 36);
    EXPECT_EQ(unknown.maxLineQuantity, 99999);
    EXPECT_EQ(unknown.nameContinuationLimit, 0u);
    EXPECT_FALSE(unknown.taxNames || unknown.cutter || unknown.taxPerItemAtConnect ||
                 unknown.pauseBeforeCancel || unknown.tableMode || unknown.receiptCounter);

    const RegisterCapabilities family1 = CapabilitiesOf(1, -1, 2);
    EXPECT_EQ(family1.headerTextWidth, 36u);
    EXPECT_EQ(family1.itemNameWidth, 36);
    EXPECT_EQ(family1.nameContinuationLimit, 24u);
    EXPECT_EQ(family1.articleLimit, 1999);
    EXPECT_TRUE(family1.taxNames && family1.cutter);
    EXPECT_FALSE(family1.tableMode || family1.codedArticles || family1.partialCut);

    const RegisterCapabilities model5 = CapabilitiesOf(1, 5, 2);
    EXPECT_EQ(model5.headerTextWidth, 43u);
    EXPECT_EQ(model5.itemNameWidth, 116);
    EXPECT_EQ(model5.maxLineQuantity, 999999);
    EXPECT_EQ(model5.nameContinuationLimit, 104u);
    EXPECT_TRUE(model5.codedArticles && model5.receiptCounter && model5.tableMode);
    EXPECT_FALSE(model5.zeroZReport || model5.logo || model5.accessLevels);
    EXPECT_EQ(CapabilitiesOf(1, 5, 1).itemNameWidth, 41);
}

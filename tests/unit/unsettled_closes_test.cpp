// The closes waiting to be settled: kept per register in a small file that every run of the
// program shares, and read back whatever else the file holds.
#include "device/receipt_outcome.h"

#include <gtest/gtest.h>

#include "tests/unit/scratch_folder.h"

namespace {

using orvik::device::ReceiptOutcome;
using orvik::device::UnsettledCloses;

TEST(UnsettledCloses, AnotherRunFindsWhatOneRemembered) {
    ScratchFolder folder;
    const std::string path = (folder / "state" / "unsettled-receipts").string();
    {
        UnsettledCloses closes(path);
        closes.Remember(u"ОР12345678", 41);
        closes.Remember(u"0000000002", 7);
    }
    UnsettledCloses later(path);
    EXPECT_EQ(later.Find(u"ОР12345678"), 41);
    EXPECT_EQ(later.Find(u"0000000002"), 7);
    EXPECT_EQ(later.Find(u"0000000003"), std::nullopt);
    later.Forget(u"ОР12345678");
    EXPECT_EQ(UnsettledCloses(path).Find(u"ОР12345678"), std::nullopt);
    EXPECT_EQ(UnsettledCloses(path).Find(u"0000000002"), 7);
}

TEST(UnsettledCloses, SkipsLinesThatDoNotRead) {
    ScratchFolder folder;
    WriteBytes(folder / "u", "A1\t12\nno tab\n\t5\nB2\tx\nC3\t9 \nD4\t-3\n");
    UnsettledCloses closes((folder / "u").string());
    EXPECT_EQ(closes.Find(u"A1"), 12);
    EXPECT_EQ(closes.Find(u"D4"), -3);
    for (const char16_t* serial : {u"B2", u"C3", u"", u"no tab"}) {
        EXPECT_EQ(closes.Find(serial), std::nullopt);
    }
}

TEST(UnsettledCloses, WithoutAFileTheyStayInMemory) {
    UnsettledCloses closes;
    closes.Remember(u"A1", 3);
    EXPECT_EQ(closes.Find(u"A1"), 3);
    closes.Forget(u"A1");
    EXPECT_EQ(closes.Find(u"A1"), std::nullopt);
}

TEST(SettleFromCounters, ACounterThatMovedOnMeansRegistered) {
    const auto moved = orvik::device::SettleFromCounters(41, 42);
    EXPECT_EQ(moved.outcome, ReceiptOutcome::Registered);
    EXPECT_EQ(moved.receiptNumber, 42);
    EXPECT_EQ(orvik::device::SettleFromCounters(41, 41).outcome, ReceiptOutcome::NotRegistered);
}

}  // namespace

// The receipt journal against the real SQLite engine: what one program writes another finds
// and settles; the older state file is taken over once, line by line checked; a file or folder
// that cannot be trusted is refused; rows outside the schema are never trusted; many writers
// at once lose nothing.
#include "console/receipt_journal.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <thread>

#include "support/text_codec.h"
#include "tests/unit/scratch_folder.h"

namespace {

using orvik::console::JournalCopy;
using orvik::console::JournalOutcome;
using orvik::console::ReceiptJournal;
using orvik::console::Settlement;
using orvik::device::CloseOutcome;
using orvik::device::ReceiptOutcome;

std::unique_ptr<ReceiptJournal> OpenJournal(const std::filesystem::path& path) {
    std::string error;
    auto journal = ReceiptJournal::Open(path.string(), &error);
    EXPECT_NE(journal, nullptr) << error;
    return journal;
}

// A copy sent, its close still to be settled.
JournalCopy Pending(std::u16string serial, std::int32_t before, char digestDigit = 'a') {
    JournalCopy copy;
    copy.serialNumber = std::move(serial);
    copy.operatorName = u"Касир";
    copy.digest = std::string(64, digestDigit);
    copy.numberBefore = before;
    copy.total = 1250;
    copy.cash = 1250;
    return copy;
}

void RunSql(const std::filesystem::path& path, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    char* message = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, &message), SQLITE_OK)
        << (message ? message : "");
    sqlite3_free(message);
    sqlite3_close(db);
}

TEST(ReceiptJournal, AnotherProgramFindsAndSettlesWhatOneWrote) {
    ScratchFolder folder;
    const auto path = folder / "state" / "journal.sqlite3";
    {
        auto journal = OpenJournal(path);
        ASSERT_NE(journal->Add(Pending(u"ОР12345678", 41)), 0);
        ASSERT_NE(journal->Add(Pending(u"0000000002", 7, 'b')), 0);
    }
    auto later = OpenJournal(path);
    EXPECT_EQ(later->Unsettled(u"ОР12345678"), std::vector<std::int32_t>{41});
    EXPECT_EQ(later->Unsettled(u"0000000003"), std::vector<std::int32_t>{});
    const std::int64_t now = ::time(nullptr);
    // Unknown: the same receipt is held back.
    EXPECT_TRUE(later->FindHeld(u"ОР12345678", std::string(64, 'a'), now - 60));
    later->Settle(u"ОР12345678", 41, CloseOutcome{ReceiptOutcome::Registered, 42, false, true});
    later->Settle(u"0000000002", 7, CloseOutcome{ReceiptOutcome::NotRegistered, 0, false, true});
    EXPECT_TRUE(OpenJournal(path)->Unsettled(u"ОР12345678").empty());
    // Registered after its answer was lost: still held back; not registered: free to print.
    const auto held = later->FindHeld(u"ОР12345678", std::string(64, 'a'), now - 60);
    ASSERT_TRUE(held);
    EXPECT_EQ(held->number, 42);
    EXPECT_EQ(held->settled, Settlement::Later);
    EXPECT_FALSE(later->FindHeld(u"0000000002", std::string(64, 'b'), now - 60));
    // Only within the time given.
    EXPECT_FALSE(later->FindHeld(u"ОР12345678", std::string(64, 'a'), now + 60));
    const auto rows = later->List(std::nullopt);
    ASSERT_EQ(rows.copies.size(), 2u);
    EXPECT_EQ(rows.refused, 0u);
}

TEST(ReceiptJournal, TakesOverTheOlderStateFileOnceCheckingEveryLine) {
    ScratchFolder folder;
    WriteBytes(folder / "unsettled-receipts",
               "A1\t12\nno tab\n\t5\nB2\tx\nC3\t9 \nD4\t-3\nE5\t+4\nF6\t99999999999\n"
               "ОР1\t1241\n");
    auto journal = OpenJournal(folder / "journal.sqlite3");
    EXPECT_EQ(journal->Unsettled(u"A1"), std::vector<std::int32_t>{12});
    EXPECT_EQ(journal->Unsettled(u"ОР1"), std::vector<std::int32_t>{1241});
    for (const char16_t* serial : {u"B2", u"C3", u"D4", u"E5", u"F6", u"no tab", u""}) {
        EXPECT_TRUE(journal->Unsettled(serial).empty()) << orvik::support::ToUtf8(serial);
    }
    journal->Settle(u"A1", 12, CloseOutcome{ReceiptOutcome::NotRegistered, 0, false, true});
    journal.reset();
    // Opened again, the file is not taken over a second time; it is left as it was.
    EXPECT_TRUE(OpenJournal(folder / "journal.sqlite3")->Unsettled(u"A1").empty());
    EXPECT_TRUE(std::filesystem::exists(folder / "unsettled-receipts"));

    // A state file that is a FIFO nobody writes, or a link to the endless /dev/zero, is not one
    // the program wrote: the journal opens at once and takes nothing over.
    for (const auto& make : std::vector<std::function<void(const std::filesystem::path&)>>{
             [](const auto& p) { ::mkfifo(p.c_str(), 0600); },
             [](const auto& p) { std::filesystem::create_symlink("/dev/zero", p); }}) {
        ScratchFolder odd;
        make(odd / "unsettled-receipts");
        auto fresh = OpenJournal(odd / "journal.sqlite3");
        ASSERT_TRUE(fresh);
        EXPECT_TRUE(fresh->List(std::nullopt).copies.empty());
    }
}

TEST(ReceiptJournal, FileAndFolderAreTheUsersAlone) {
    ScratchFolder folder;
    const auto path = folder / "a" / "b" / "journal.sqlite3";
    ASSERT_TRUE(OpenJournal(path));
    struct stat info {};
    ASSERT_EQ(::stat((folder / "a" / "b").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

// Each row: what stands at the journal's place, and a part of the reason it is refused with.
TEST(ReceiptJournal, RefusesWhatItCannotTrust) {
    struct Row {
        const char* what;
        std::function<void(const std::filesystem::path&)> make;
        const char* reason;
    };
    const std::vector<Row> rows = {
        {"its folder is a file", [](const auto& p) { WriteBytes(p.parent_path(), "x"); },
         "is not a folder"},
        {"not a database",
         [](const auto& p) {
             std::filesystem::create_directories(p.parent_path());
             WriteBytes(p, std::string(4096, 'x'));
         },
         "not a database"},
        {"a FIFO",
         [](const auto& p) {
             std::filesystem::create_directories(p.parent_path());
             ::mkfifo(p.c_str(), 0600);
         },
         "not a plain file"},
        {"a symbolic link",
         [](const auto& p) {
             std::filesystem::create_directories(p.parent_path());
             std::filesystem::create_symlink("/dev/zero", p);
         },
         "cannot open it"},
        {"a newer schema",
         [](const auto& p) {
             std::filesystem::create_directories(p.parent_path());
             RunSql(p, "PRAGMA user_version = 2");
         },
         "newer version"},
        {"a table without its checks",
         [](const auto& p) {
             std::filesystem::create_directories(p.parent_path());
             RunSql(p,
                    "CREATE TABLE receipt_copies (id INTEGER PRIMARY KEY, register TEXT); "
                    "PRAGMA user_version = 1");
         },
         "not the receipt journal's"},
        {"a row past its checks",
         [](const auto& p) {
             ASSERT_TRUE(OpenJournal(p));
             RunSql(p,
                    "PRAGMA ignore_check_constraints = 1; "
                    "INSERT INTO receipt_copies (sent_at, register, operator, digest, copy, "
                    "copies, number_before, decimals, outcome, answered, settled) VALUES "
                    "(1, 'ОР1', '', '', 1, 1, -5, 2, 'unknown', 0, 'pending')");
         },
         "integrity check"},
        {"someone else's table",
         [](const auto& p) {
             std::filesystem::create_directories(p.parent_path());
             RunSql(p, "CREATE TABLE t (x)");
         },
         "not a receipt journal"},
    };
    for (const Row& row : rows) {
        ScratchFolder folder;
        const auto path = folder / "state" / "journal.sqlite3";
        row.make(path);
        std::string error;
        EXPECT_EQ(ReceiptJournal::Open(path.string(), &error), nullptr) << row.what;
        EXPECT_NE(error.find(row.reason), std::string::npos) << row.what << ": " << error;
    }
    if (::geteuid() != 0) {
        // The superuser writes anywhere; everyone else is stopped by a read-only folder.
        ScratchFolder folder;
        std::filesystem::create_directories(folder / "ro");
        ::chmod((folder / "ro").c_str(), 0500);
        std::string error;
        EXPECT_EQ(ReceiptJournal::Open((folder / "ro" / "j.sqlite3").string(), &error), nullptr);
        ::chmod((folder / "ro").c_str(), 0700);
    }
}

TEST(ReceiptJournal, RowsOutsideTheSchemaAreNotTrusted) {
    ScratchFolder folder;
    const auto path = folder / "journal.sqlite3";
    ASSERT_NE(OpenJournal(path)->Add(Pending(u"ОР1", 1240)), 0);
    // Changed by hand within the checks but not their types: fractions where whole numbers
    // belong.
    RunSql(path,
           "INSERT INTO receipt_copies (sent_at, register, operator, digest, copy, copies, "
           "number_before, decimals, outcome, answered, settled) VALUES "
           "(1.5, 'ОР1', '', '', 1, 1, 12, 2, 'unknown', 0, 'pending'), "
           "(1, 'ОР1', '', '', 1.5, 2, 13, 2, 'unknown', 0, 'pending'), "
           "(1, 'ОР1', '', '', 1, 1, 14, 2.5, 'unknown', 0, 'pending')");
    auto journal = OpenJournal(path);
    EXPECT_EQ(journal->Unsettled(u"ОР1"), std::vector<std::int32_t>{1240});
    const auto rows = journal->List(std::nullopt);
    EXPECT_EQ(rows.copies.size(), 1u);
    EXPECT_EQ(rows.refused, 3u);
}

TEST(ReceiptJournal, ManyWritersAtOnceLoseNothing) {
    ScratchFolder folder;
    const auto path = folder / "journal.sqlite3";
    ASSERT_TRUE(OpenJournal(path));
    constexpr int kWriters = 4;
    constexpr int kCopies = 25;
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w) {
        writers.emplace_back([&path, w] {
            // Each writer a program of its own: its own connection to the file.
            auto journal = OpenJournal(path);
            for (int i = 0; i < kCopies; ++i) {
                EXPECT_NE(journal->Add(Pending(
                              u"R" + std::u16string(1, static_cast<char16_t>(u'0' + w)), i)),
                          0);
            }
        });
    }
    for (auto& writer : writers) {
        writer.join();
    }
    EXPECT_EQ(OpenJournal(path)->List(std::nullopt).copies.size(),
              static_cast<std::size_t>(kWriters * kCopies));
}

// Each row: the counter before the close, after it, and what that says.
TEST(SettleFromCounters, OnlyOneStepOnIsThisReceipt) {
    struct Row {
        std::int32_t before, now;
        ReceiptOutcome outcome;
        std::int32_t number;
    };
    for (const Row& row : std::vector<Row>{{41, 42, ReceiptOutcome::Registered, 42},
                                           {41, 41, ReceiptOutcome::NotRegistered, 0},
                                           {12, 1242, ReceiptOutcome::Unknown, 0},
                                           {41, 40, ReceiptOutcome::Unknown, 0}}) {
        const CloseOutcome settled = orvik::device::SettleFromCounters(row.before, row.now);
        EXPECT_EQ(settled.outcome, row.outcome) << row.before << " " << row.now;
        EXPECT_EQ(settled.receiptNumber, row.number) << row.before << " " << row.now;
        EXPECT_FALSE(settled.settleable);
    }
}

}  // namespace

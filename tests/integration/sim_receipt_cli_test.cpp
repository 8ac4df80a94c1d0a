// The receipt and cash verbs of orvik-cli as a script runs them against the simulated
// register: what they print, their exit status, and that a refused argument sends nothing.
#include <filesystem>
#include <fstream>

#include "tests/integration/sim_receipt_cli_fixture.h"

namespace sim_test {
namespace {

// A receipt file as the console saves it: CP1251, CR LF.
constexpr const char* kReceiptFile =
    "0;0.00;0.00;0.00\n"
    "# a comment line the reader skips\n"
    "0;Молоко пастеризованное 2,5%;15;0;2;1.99;1;0;0;;;0\n"
    "0;Сыр российский весовой;16;1;1.250;95.40;3;0;1;Скидка;1.00;0\n"
    "0;Доставка;17;0;1;10.00;0;0;2;Ночь;2.00;0\n"
    "1;Пакет;18;0;1;0.50;0;0;0;;;0\n";

TEST_F(SimReceiptCliTest, PrintReceiptPrintsTheFileAsThePageDoes) {
    UseProfile("f1m8");
    const std::string path = WriteReceipt(kReceiptFile);
    const CliRun run = Cli({"print-receipt", path, "--number", "15", "--barcode-type", "b",
                            "--barcode", "abc123", "--tape-mode", "1"});
    EXPECT_EQ(run.status, 0) << run.err;
    // 3.98 + 118.25 + 5.91 (5 % added) + 12.00 - 0.50
    EXPECT_EQ(run.out, "total: 139.64\ncash: 139.64\ncopiesPrinted: 1 of 1\noutcome: registered " +
                           std::to_string(LastReceiptNumber()) + "\n");
    EXPECT_EQ(run.err, "");
    const auto closed = LastClosed();
    ASSERT_TRUE(closed);
    EXPECT_EQ(closed->due, 13964);
    EXPECT_EQ(closed->cash, 13964);
    const Texts received = TakeReceived();
    for (const char* command : {"BCHN15", "NCDC1", "PCOD110hABC123"}) {
        EXPECT_NE(std::find(received.begin(), received.end(), command), received.end()) << command;
    }
    EXPECT_TRUE(TapeHasLine("Молоко пастеризованное 2,5%"));
    EXPECT_TRUE(PrintedLineWith({"НОМЕР ПО КАССЕ", "15"}));
    EXPECT_TRUE(PrintedLineWith({"НАДБАВКА Ночь", "+2.00"}));
    EXPECT_TRUE(PrintedLineWith({"||| ABC123 |||"}));
    EXPECT_TRUE(PrintedLineWith({"К ОПЛАТЕ", "139.64"}));
    EXPECT_FALSE(RegisterHasOpenReceipt());
}

class SimReceiptCliEveryRegisterTest : public SimReceiptCliTest,
                                       public ::testing::WithParamInterface<const char*> {};

TEST_P(SimReceiptCliEveryRegisterTest, PrintsTheReceiptFile) {
    UseProfile(GetParam());
    const CliRun run = Cli({"print-receipt", WriteReceipt(kReceiptFile)});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "total: 139.64\ncash: 139.64\ncopiesPrinted: 1 of 1\noutcome: registered " +
                           std::to_string(LastReceiptNumber()) + "\n");
    const auto closed = LastClosed();
    ASSERT_TRUE(closed);
    EXPECT_EQ(closed->due, 13964);
    EXPECT_EQ(closed->returnsSum, 50);
    EXPECT_TRUE(PrintedLineWith({"К ОПЛАТЕ", "139.64"}));
}

INSTANTIATE_TEST_SUITE_P(Registers, SimReceiptCliEveryRegisterTest,
                         ::testing::Values("f0m0", "f0m1", "f1m2", "f1m3", "f1m4", "f1m6", "f1m7",
                                           "f1m8", "unknown"),
                         [](const ::testing::TestParamInfo<const char*>& param) {
                             return std::string(param.param);
                         });

TEST_F(SimReceiptCliTest, ACopyThatFailsEndsTheRunWithExitStatus1) {
    UseProfile("f1m8");
    const std::string path = WriteReceipt("0;0.00;0.00;0.00\n0;Хлеб;1;0;1;3.50;0;0;0;;;0\n");
    // The paper runs out at the line of the second copy.
    State([](RegisterState& s) { s.receipt.paperRunsOutAtLine = 2; });
    const CliRun run = Cli({"print-receipt", path, "--copies", "3"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "total: 3.50\ncash: 3.50\ncopiesPrinted: 1 of 3\noutcome: not registered\n");
    EXPECT_NE(run.err.find(Message(2020)), std::string::npos) << run.err;
    EXPECT_EQ(State([](RegisterState& s) { return s.day.receipts; }), 1);
}

TEST_F(SimReceiptCliTest, GivenCashShortIsRefusedMoreGetsChangeAndNoneClosesWithoutPayments) {
    UseProfile("f1m4");
    const std::string path = WriteReceipt("0;0.00;0.00;0.00\n0;Хлеб;1;0;2;3.50;0;0;0;;;0\n");
    const CliRun run = Cli({"print-receipt", path, "--cash", "6,00"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "total: 7.00\ncash: 6.00\ncopiesPrinted: 0 of 1\noutcome: not registered\n");
    EXPECT_NE(run.err.find(Utf8(orvik::LoadString(orvik::kStrPaymentTooSmall))), std::string::npos)
        << run.err;
    // The receipt left open is cancelled when the command line disconnects.
    EXPECT_FALSE(RegisterHasOpenReceipt());
    EXPECT_EQ(TakeReceived().back(), "CANC");

    const CliRun paid = Cli({"print-receipt", path, "--cash", "10"});
    EXPECT_EQ(paid.status, 0) << paid.err;
    EXPECT_EQ(LastClosed()->cashBack, 300);

    // No payment at all: the close without payments, which the register takes as paid
    // exactly, in cash.
    const CliRun unpaid = Cli({"print-receipt", path, "--cash", "0"});
    EXPECT_EQ(unpaid.status, 0) << unpaid.err;
    EXPECT_EQ(unpaid.out, "total: 7.00\ncash: 0.00\ncopiesPrinted: 1 of 1\noutcome: registered " +
                              std::to_string(LastReceiptNumber()) + "\n");
    ASSERT_TRUE(LastClosed());
    EXPECT_TRUE(LastClosed()->withoutPayments);
    EXPECT_EQ(LastClosed()->cash, 700);
    EXPECT_EQ(Drawer(), 700 + 700);
}

TEST_F(SimReceiptCliTest, BadArgumentsAndUnprintableFilesExitWith2BeforeConnecting) {
    UseProfile("f1m8");
    const std::string good = WriteReceipt("0;0.00;0.00;0.00\n0;Хлеб;1;0;1;3.50;0;0;0;;;0\n");
    const std::string headerOnly = WriteReceipt("0;1.00;0.00;0.00\n", "header.check");
    const std::string flagTwo =
        WriteReceipt("0;0.00;0.00;0.00\n2;Хлеб;1;0;1;3.50;0;0;0;;;0\n", "flag.check");
    const std::string binary = ports.Path() + "/binary.check";
    std::ofstream(binary, std::ios::binary) << std::string("\x00\x01\x02;\xff", 5);
    const std::vector<std::vector<std::string>> bad{
        {"print-receipt"},
        {"print-receipt", good, good},
        {"print-receipt", ports.Path() + "/missing.check"},
        {"print-receipt", headerOnly},
        {"print-receipt", flagTwo},
        {"print-receipt", binary},
        {"print-receipt", good, "--copies", "0"},
        {"print-receipt", good, "--copies", "101"},
        {"print-receipt", good, "--copies"},
        {"print-receipt", good, "--number", "100000"},
        {"print-receipt", good, "--cash", "много"},
        {"print-receipt", good, "--cash", "12345678.901"},
        {"print-receipt", good, "--cash", "1.001"},
        {"print-receipt", good, "--barcode", "123"},
        {"print-receipt", good, "--tape-mode", "2"},
        {"print-receipt", good, "--barcode-type", "D", "--barcode", "1"},
        {"print-receipt", good, "--barcode-type", "A"},
        {"print-receipt", good, "--barcode", "123456789012345678"},
        {"print-receipt", good, "--copies", "2", "--copies", "3"},
        {"print-receipt", good, "--colour"},
        {"cash", "1"},
        {"cash-in"},
        {"cash-in", "1", "2"},
        {"cash-in", "abc"},
        {"cash-out", "12abc"},
    };
    for (const auto& args : bad) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, 2) << args[0] << " " << (args.size() > 1 ? args.back() : "");
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("orvik-cli: ", 0), 0u) << run.err;
    }
    EXPECT_EQ(Received(), 0u);
    EXPECT_EQ(WakeBytes(), 0u);
}

TEST_F(SimReceiptCliTest, CashVerbsShowAndMoveTheDrawerAsTheDialogDoes) {
    UseProfile("f1m8");
    CliRun run = Cli({"cash"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "0.00 ГРН\n");

    run = Cli({"cash-in", "1,15"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1.15 ГРН\n");
    EXPECT_EQ(Drawer(), 115);
    run = Cli({"cash-in", "0.01"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Drawer(), 116);

    // More than the drawer holds is refused once the drawer is known, and no cash command is
    // sent; an amount no currency has (0 or less, a fraction of a kopeck, which the dialog
    // would round) is a usage error before connecting.
    TakeReceived();
    run = Cli({"cash-out", "1.17"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("nothing sent"), std::string::npos) << run.err;
    for (const char* amount : {"0", "-5", "0.004", "0.005"}) {
        run = Cli({"cash-out", amount});
        EXPECT_EQ(run.status, 2) << amount;
        EXPECT_EQ(run.out, "");
    }
    run = Cli({"cash-in", "0"});
    EXPECT_EQ(run.status, 2);
    for (const std::string& command : TakeReceived()) {
        EXPECT_NE(command.substr(0, 4), "CAIO") << command;
    }
    EXPECT_EQ(Drawer(), 116);

    run = Cli({"cash-out", "1.16"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "0.00 ГРН\n");
    EXPECT_EQ(TakeReceived().back(), "CCAS");
    EXPECT_EQ(Drawer(), 0);

    // The register's own refusal: the key away from registration.
    TurnKey(KeyPosition::XReport);
    run = Cli({"cash-in", "5"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(Message(2012)), std::string::npos) << run.err;
}

}  // namespace
}  // namespace sim_test

// What orvik-cli refuses to register, as a script runs it against the simulated register:
// receipts that would have cost the shop money or registered the wrong goods, and arguments
// the register would have taken otherwise than typed. Nothing of a refused receipt reaches the
// register, and the drawer keeps what it held.
#include <algorithm>
#include <fstream>

#include "res/string_table.h"
#include "tests/integration/sim_receipt_cli_fixture.h"

namespace sim_test {
namespace {

constexpr const char* kHeader = "0;0.00;0.00;0.00\n";
constexpr const char* kTea = "0;Чай;12;0;2;3.50;0;0;0;;;0\n";

class SimReceiptRefusalTest : public SimReceiptCliTest {
  protected:
    void SetUp() override {
        SimReceiptCliTest::SetUp();
        UseProfile("f1m4");
        State([](RegisterState& s) { s.cash = 100000; });
    }

    // Whether the register received any receipt command since the last look.
    bool ReceiptCommandsReceived() {
        const Texts received = TakeReceived();
        return std::any_of(received.begin(), received.end(), [](const std::string& command) {
            for (const char* name : {"PREP", "FISC", "BFIS", "FICD", "BFCD", "COMP", "CAIO"}) {
                if (command.rfind(name, 0) == 0) {
                    return true;
                }
            }
            return false;
        });
    }

    // Runs print-receipt on the file and expects the refusal: exit 2, the file's line and the
    // reason on standard error, nothing printed on standard output, no receipt command sent.
    void ExpectRefused(const std::string& what, const std::string& file, std::size_t line,
                       const std::string& reason) {
        const std::string path = WriteReceipt(file);
        const CliRun run = Cli({"print-receipt", path});
        EXPECT_EQ(run.status, 2) << what << "\n" << run.err;
        EXPECT_EQ(run.out, "") << what;
        const std::string where = path + ":" + std::to_string(line) + ": ";
        EXPECT_NE(run.err.find(where), std::string::npos) << what << "\n" << run.err;
        EXPECT_NE(run.err.find(reason), std::string::npos) << what << "\n" << run.err;
        EXPECT_FALSE(ReceiptCommandsReceived()) << what;
        EXPECT_FALSE(LastClosed()) << what;
        EXPECT_EQ(Drawer(), 100000) << what;
    }
};

// The drawer lost a million for a 3.50 receipt whose header paid 999999.00 by card; a payment of
// -5.00 went out as a 32-bit wrap-around.
TEST_F(SimReceiptRefusalTest, OverpaidAndNegativePaymentsAreRefusedWithNothingSent) {
    ExpectRefused("overpaid by card", std::string("0;999999.00;0.00;0.00\n") + kTea, 1,
                  "Оплаты 1-3 (999999.00 + 0.00 + 0.00 = 999999.00) превышают сумму чека 7.00");
    ExpectRefused("negative payment", std::string("0;0.00;-5.00;0.00\n") + kTea, 1,
                  "Сумма оплаты не может быть меньше нуля: -5.00.");

    // --cash below 0 is a usage error before connecting.
    const CliRun negative =
        Cli({"print-receipt", WriteReceipt(std::string(kHeader) + kTea), "--cash", "-1"});
    EXPECT_EQ(negative.status, 2);
    EXPECT_NE(negative.err.find("--cash \"-1\" is below 0"), std::string::npos) << negative.err;
    EXPECT_TRUE(TakeReceived().empty());
}

// What is printed is what the register was told; a refund's cash is paid back as its amount.
TEST_F(SimReceiptRefusalTest, TheAmountsPrintedAreTheAmountsSent) {
    const CliRun paid = Cli(
        {"print-receipt", WriteReceipt(std::string("0;2.00;0.00;0.00\n") + kTea), "--cash", "10"});
    EXPECT_EQ(paid.status, 0) << paid.err;
    EXPECT_EQ(paid.out,
              "total: 7.00\ncash: 10.00\npayments: 2.00 0.00 0.00\n"
              "copiesPrinted: 1 of 1\noutcome: registered " +
                  std::to_string(LastReceiptNumber()) + "\n");
    ASSERT_TRUE(LastClosed());
    EXPECT_EQ(LastClosed()->cash, 1000);
    EXPECT_EQ(LastClosed()->cashBack, 500);

    const CliRun refund =
        Cli({"print-receipt", WriteReceipt("1;0.00;0.00;0.00\n1;Чай;12;0;2;3.50;0;0;0;;;0\n")});
    EXPECT_EQ(refund.status, 0) << refund.err;
    EXPECT_EQ(refund.out, "total: -7.00\ncash: 7.00\ncopiesPrinted: 1 of 1\noutcome: registered " +
                              std::to_string(LastReceiptNumber()) + "\n");
    ASSERT_TRUE(LastClosed());
    EXPECT_EQ(LastClosed()->cashBack, 700);
    EXPECT_EQ(Drawer(), 100000 + 500 - 700);

    // With the compound-tax box the file's payments are not read: the receipt is paid in cash
    // with the amount due the core kept, and that is printed once it is known.
    UseProfile("f1m8");
    const std::string file = WriteReceipt("0;9.00;0.00;0.00\n0;Чай;12;0;2;3.50;1;2;0;;;1\n");
    const CliRun compound = Cli({"print-receipt", file, "--compound-tax"});
    EXPECT_EQ(compound.status, 0) << compound.err;
    EXPECT_EQ(compound.out, "total: 7.00\ncash: 7.00\ncopiesPrinted: 1 of 1\noutcome: registered " +
                                std::to_string(LastReceiptNumber()) + "\n");
    ASSERT_TRUE(LastClosed());
    EXPECT_EQ(LastClosed()->cash, 700);
}

// Each kind of row that was registered anyway ("0 x 0.00" lines, shifted fields, rounded or
// dropped values) is refused with its line.
TEST_F(SimReceiptRefusalTest, EachBadRowIsRefusedWithItsLineNumber) {
    struct Case {
        const char* what;
        const char* row;
        const char* reason;
    };
    const Case cases[] = {
        {"five fields", "0;Хлеб;1;0;1\n", "полей 5, а должно быть 12"},
        {"a name holding \";\"", "0;Чай;зеленый;12;0;2;3.50;0;0;0;;;0\n",
         "полей 13, а должно быть 12"},
        {"quantity 0", "0;Хлеб;1;0;0;3.50;0;0;0;;;0\n", "должно быть числом больше нуля"},
        {"quantity -2", "0;Хлеб;1;0;-2;3.50;0;0;0;;;0\n", "должно быть числом больше нуля"},
        {"1.5 pieces", "0;Хлеб;1;0;1.5;3.50;0;0;0;;;0\n", "должно быть целым числом"},
        {"weighed 0.0001", "0;Сыр;1;1;0.0001;95.40;0;0;0;;;0\n", "не меньше 0.001"},
        {"price 3.505", "0;Хлеб;1;0;1;3.505;0;0;0;;;0\n", "больше знаков после точки"},
        {"tax slot 9", "0;Хлеб;1;0;1;3.50;9;0;0;;;0\n", "between 0 and 8"},
        {"tax slot not programmed", "0;Хлеб;1;0;1;3.50;5;0;0;;;0\n",
         "Налоговая ставка 5 не запрограммирована"},
        {"article 999999999", "0;Хлеб;999999999;0;1;3.50;0;0;0;;;0\n", "between 1 and"},
        {"a discount larger than the line", "0;Хлеб;1;0;1;3.50;0;0;1;Акция;5.00;0\n",
         "Сумма скидки 5.00 больше суммы товарной позиции 3.50"},
        {"a quantity that is no number", "0;Хлеб;1;0;x;3.50;0;0;0;;;0\n", "не является числом"},
    };
    for (const Case& c : cases) {
        // The bad row is the third line, after a good one.
        ExpectRefused(c.what, std::string(kHeader) + kTea + c.row, 3, c.reason);
    }
}

TEST_F(SimReceiptRefusalTest, FilesThatAreNoReceiptAreRefusedBeforeConnecting) {
    const CliRun status = Cli({"print-receipt", "/proc/self/status"});
    EXPECT_EQ(status.status, 2);
    EXPECT_NE(status.err.find("/proc/self/status:1: "), std::string::npos) << status.err;
    EXPECT_EQ(WakeBytes(), 0u);
    EXPECT_TRUE(TakeReceived().empty());
}

// A receipt file saved in UTF-8, as Linux editors do, registers exactly what its Windows-1251
// copy does; "И" is text, not binary data.
TEST_F(SimReceiptRefusalTest, AUtf8FileAndItsCp1251CopyRegisterTheSameBytes) {
    const std::string text = std::string(kHeader) +
                             "0;Сир Игорь;16;1;1.250;95.40;1;0;1;Скидка;1.00;0\n"
                             "0;Чай;12;0;2;3.50;0;0;0;;;0\n";
    const CliRun cp1251 = Cli({"print-receipt", WriteReceipt(text, "cp1251.check")});
    ASSERT_EQ(cp1251.status, 0) << cp1251.err;
    const Texts sentForCp1251 = TakeReceived();

    const std::string utf8Path = ports.Path() + "/utf8.check";
    std::ofstream(utf8Path, std::ios::binary) << "\xEF\xBB\xBF" << text;
    const CliRun utf8 = Cli({"print-receipt", utf8Path});
    ASSERT_EQ(utf8.status, 0) << utf8.err;
    // The same lines, one receipt number further on.
    EXPECT_EQ(utf8.out.substr(0, utf8.out.find("outcome: ")),
              cp1251.out.substr(0, cp1251.out.find("outcome: ")));
    EXPECT_EQ(TakeReceived(), sentForCp1251);
    EXPECT_TRUE(PrintedLineWith({"Сир Игорь"}));
}

// Arguments the register would have taken otherwise than typed: refused with exit 2 before the
// port is even woken.
TEST_F(SimReceiptRefusalTest, RefusedArgumentsSendNothing) {
    const std::string file = WriteReceipt(std::string(kHeader) + kTea);
    const std::vector<std::vector<std::string>> refused{
        {"--password", "12345678901", "info"},
        {"--operator", "Старший кассир", "info"},
        {"--operator", "Кассир ☕", "info"},
        {"cash-in", "0"},
        {"cash-in", "-5"},
        {"cash-out", "1.005"},
        {"cash-in", "99999999999"},
        {"send", std::string(255, 'A')},
        {"send", "NULL\x01"},
        {"print-receipt", file, "--cash", "-1"},
    };
    for (const auto& args : refused) {
        ChildProgram cli(ORVIK_CLI_PROGRAM, [&] {
            std::vector<std::string> all{"--port", kPort};
            if (args[0].rfind("--", 0) != 0) {
                all.insert(all.end(), {"--password", "0000"});
            }
            all.insert(all.end(), args.begin(), args.end());
            return all;
        }());
        EXPECT_EQ(cli.Finish(), 2) << args[0] << " " << args[1];
        EXPECT_EQ(cli.Output(), "");
        EXPECT_EQ(cli.Errors().rfind("orvik-cli: ", 0), 0u) << cli.Errors();
    }
    EXPECT_EQ(WakeBytes(), 0u);
    EXPECT_TRUE(TakeReceived().empty());
    EXPECT_EQ(Drawer(), 100000);
}

// A script must learn that its output was lost, and read each message of the register once.
TEST_F(SimReceiptRefusalTest, OutputThatCannotBeWrittenAndMessagesShownOnce) {
    ChildProgram full("/bin/sh", {"-c", std::string(ORVIK_CLI_PROGRAM) + " --port " + kPort +
                                            " --password 0000 info > /dev/full"});
    EXPECT_EQ(full.Finish(), 1);
    EXPECT_NE(full.Errors().find("cannot write standard output"), std::string::npos)
        << full.Errors();

    // The paper runs out at the receipt's line; the cancel at the end meets the same.
    State([](RegisterState& s) { s.receipt.paperRunsOutAtLine = 1; });
    const CliRun run = Cli({"print-receipt", WriteReceipt(std::string(kHeader) + kTea)});
    EXPECT_EQ(run.status, 1);
    const std::string message = Message(2020);
    const std::size_t first = run.err.find(message);
    ASSERT_NE(first, std::string::npos) << run.err;
    EXPECT_EQ(run.err.find(message, first + 1), std::string::npos) << run.err;
}

}  // namespace
}  // namespace sim_test

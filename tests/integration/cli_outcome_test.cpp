// orvik-cli against the simulated register when the line misbehaves: print-receipt's outcome
// line and exit status for a close answered, refused, lost and hung up; a close left unknown
// settled by the next run; SIGINT in the middle of a receipt; and the protocol trace.
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "tests/integration/child_program.h"
#include "tests/integration/sim_receipt_fixture.h"

namespace sim_test {
namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

constexpr const char* kReceipt = "0;0.00;0.00;0.00\n0;Хлеб;1;0;1;12.50;0;0;0;;;0\n";

class CliOutcomeTest : public SimReceiptTest {
  protected:
    void SetUp() override {
        SimReceiptTest::SetUp();
        UseProfile("f1m8");
        receiptPath = ports.Path() + "/r.check";
        std::ofstream(receiptPath, std::ios::binary) << kReceipt;
    }

    static std::vector<std::string> WithLogin(std::vector<std::string> args) {
        args.insert(args.begin(), {"--port", kPort, "--password", "0000"});
        return args;
    }

    CliRun Cli(std::vector<std::string> args) {
        ChildProgram cli(ORVIK_CLI_PROGRAM, WithLogin(std::move(args)));
        CliRun run;
        run.status = cli.Finish();
        run.out = cli.Output();
        run.err = cli.Errors();
        return run;
    }

    static std::string LastLine(const std::string& text) {
        const auto lines = SplitLines(text);
        return lines.empty() ? std::string() : lines.back();
    }

    std::string receiptPath;
};

// Each row: the fault at the close, the outcome line, the exit status and whether the register
// registered the receipt.
TEST_F(CliOutcomeTest, PrintReceiptSaysWhatBecameOfTheReceipt) {
    struct Row {
        const char* what;
        std::function<void(orvik::sim::FaultPlan&)> fault;
        bool registered;
        int status;
    };
    const std::vector<Row> rows = {
        {"answered", [](orvik::sim::FaultPlan&) {}, true, 0},
        {"refused", [](orvik::sim::FaultPlan& f) { f.InjectStatus(u"COMP", u"SOFTCHECK"); }, false,
         1},
        {"answer lost", [](orvik::sim::FaultPlan& f) { f.DropReplyTo(u"COMP"); }, true, 0},
        {"hung up", [](orvik::sim::FaultPlan& f) { f.HangUpOn(u"COMP"); }, false, 3},
        {"READY alone", [](orvik::sim::FaultPlan& f) { f.InjectStatus(u"COMP", u"READY"); }, false,
         1},
    };
    for (const Row& row : rows) {
        ASSERT_TRUE(sim.Reconnect()) << row.what;
        const std::int64_t before = LastReceiptNumber();
        row.fault(sim.Faults());
        // The same receipt each time, on purpose.
        const CliRun run = Cli({"print-receipt", receiptPath, "--again"});
        EXPECT_EQ(run.status, row.status) << row.what << "\n" << run.err << run.out;
        const std::string expected = row.status == 3 ? "outcome: unknown"
                                     : row.registered
                                         ? "outcome: registered " + std::to_string(before + 1)
                                         : "outcome: not registered";
        EXPECT_EQ(LastLine(run.out), expected) << row.what;
        EXPECT_EQ(LastReceiptNumber(), before + (row.registered ? 1 : 0)) << row.what;
        sim.Faults().ClearAnswerFaults();
        State([](RegisterState& s) { s.receipt.open.reset(); });
    }
}

TEST_F(CliOutcomeTest, TheNextRunSettlesACloseLeftUnknown) {
    const std::int64_t before = LastReceiptNumber();
    sim.Faults().HangUpOn(u"COMP");
    const CliRun lost = Cli({"print-receipt", receiptPath});
    EXPECT_EQ(lost.status, 3) << lost.err;
    EXPECT_NE(lost.err.find(Message(orvik::kStrReceiptOutcomePending)), std::string::npos)
        << lost.err;

    ASSERT_TRUE(sim.Reconnect());
    const CliRun next = Cli({"print-receipt", receiptPath});
    EXPECT_EQ(next.status, 0) << next.err;
    // The earlier receipt was not registered, the receipt left open was cancelled, and the
    // receipt was printed once.
    EXPECT_NE(next.err.find(Message(orvik::kStrReceiptNotRegistered)), std::string::npos)
        << next.err;
    EXPECT_NE(next.err.find(Message(orvik::kStrLeftOpenReceiptCancelled)), std::string::npos)
        << next.err;
    EXPECT_EQ(LastLine(next.out), "outcome: registered " + std::to_string(before + 1));
    EXPECT_EQ(LastReceiptNumber(), before + 1);
}

TEST_F(CliOutcomeTest, CancelReceiptCancelsAReceiptLeftOpen) {
    Connect();
    ASSERT_EQ(Run(u"PREPСЕРВІС"), orvik::device::S_OK);
    core.Disconnect();
    ASSERT_TRUE(RegisterHasOpenReceipt());
    const CliRun run = Cli({"cancel-receipt"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(RegisterHasOpenReceipt());
}

// Each row: the signal and the exit status it gives.
TEST_F(CliOutcomeTest, ASignalMidReceiptLeavesNoReceiptOpen) {
    // A long receipt, each answer a little slow, so that the signal comes between its lines.
    std::string receipt = "0;0.00;0.00;0.00\n";
    for (int i = 0; i < 40; ++i) {
        receipt +=
            "0;Товар " + std::to_string(i) + ";" + std::to_string(i + 1) + ";0;1;1.00;0;0;0;;;0\n";
    }
    std::ofstream(receiptPath, std::ios::binary | std::ios::trunc) << receipt;
    orvik::sim::ReplyShape slow;
    slow.answerDelay = std::chrono::milliseconds(20);
    ASSERT_TRUE(sim.Faults().SetShape(slow));

    for (const auto& [signal, status] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
        TakeReceived();
        const auto before = sim.Activity().Snapshot().commands;
        const auto linesBefore = static_cast<std::size_t>(std::count_if(
            before.begin(), before.end(), [](const auto& c) { return c.rfind(u"FISC", 0) == 0; }));
        ChildProgram cli(ORVIK_CLI_PROGRAM, WithLogin({"print-receipt", receiptPath}));
        ASSERT_TRUE(sim.Activity().WaitUntil(
            [linesBefore](const orvik::sim::Activity& a) {
                return static_cast<std::size_t>(
                           std::count_if(a.commands.begin(), a.commands.end(), [](const auto& c) {
                               return c.rfind(u"FISC", 0) == 0;
                           })) >= linesBefore + 3;
            },
            kBound))
            << signal;
        ASSERT_GT(cli.Pid(), 0);
        ASSERT_EQ(kill(cli.Pid(), signal), 0);
        EXPECT_EQ(cli.Finish(), status) << cli.Errors();
        EXPECT_FALSE(RegisterHasOpenReceipt()) << signal;
        const Texts received = TakeReceived();
        EXPECT_EQ(std::count_if(received.begin(), received.end(),
                                [](const std::string& c) { return c.rfind("COMP", 0) == 0; }),
                  0)
            << signal;
        // The cancel is the last thing the register heard.
        ASSERT_FALSE(received.empty());
        EXPECT_EQ(received.back(), "CANC") << signal;
    }
}

TEST_F(CliOutcomeTest, TheTraceOfAConnectHoldsEveryFrameWithItsChecksumVerdict) {
    const std::string tracePath = ports.Path() + "/connect.trace";
    ChildProgram cli(ORVIK_CLI_PROGRAM, WithLogin({"--trace", tracePath, "info"}));
    ASSERT_EQ(cli.Finish(), 0) << cli.Errors();
    std::ifstream in(tracePath);
    const std::regex line(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{6} (.*)$)");
    std::size_t sent = 0;
    std::size_t received = 0;
    bool woke = false;
    for (std::string text; std::getline(in, text);) {
        std::smatch match;
        ASSERT_TRUE(std::regex_match(text, match, line)) << text;
        const std::string event = match[1];
        if (event.rfind("> \"", 0) == 0) {
            ++sent;
        } else if (event.rfind("< \"", 0) == 0) {
            ++received;
            EXPECT_NE(event.find(" checksum ok"), std::string::npos) << event;
        }
        woke = woke || event == "> wake 55";
    }
    EXPECT_TRUE(woke);
    // Every command the register received was traced, and at least as many replies.
    EXPECT_EQ(sent, sim.Activity().Snapshot().commands.size());
    EXPECT_GE(received, sent);
}

}  // namespace
}  // namespace sim_test

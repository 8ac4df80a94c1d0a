// orvik-cli against the simulated register when the line misbehaves: print-receipt's outcome
// line and exit status for a close answered, refused, lost and hung up; a close left unknown
// settled by the next run; SIGINT in the middle of a receipt; and the protocol trace.
#include <signal.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "sim/profiles.h"

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

// The same receipt printed again after its run was killed while waiting for the close's
// answer: the next connect settles it from the register's counter, the re-run prints nothing
// (exit 4) and says which receipt holds it, --again prints a second one, and the journal says
// what the tape says.
TEST_F(CliOutcomeTest, AReceiptKilledAtItsCloseIsSettledAndNotPrintedTwice) {
    const std::int64_t before = LastReceiptNumber();
    sim.Faults().DropReplyTo(u"COMP");
    {
        ChildProgram killed(ORVIK_CLI_PROGRAM, WithLogin({"print-receipt", receiptPath}));
        // The register has carried the close out; its answer is lost on the way.
        ASSERT_TRUE(Eventually([&] { return LastReceiptNumber() == before + 1; }));
        ASSERT_EQ(kill(killed.Pid(), SIGKILL), 0);
        killed.Finish();
    }
    const std::string registered = "held: registered " + std::to_string(before + 1);
    ASSERT_TRUE(sim.Reconnect());

    const CliRun again = Cli({"print-receipt", receiptPath});
    EXPECT_EQ(again.status, 4) << again.err << again.out;
    EXPECT_EQ(LastLine(again.out), registered);
    std::string told = Message(orvik::kStrReceiptRegistered);
    told.replace(told.find("%1"), 2, std::to_string(before + 1));
    EXPECT_NE(again.err.find(told), std::string::npos) << again.err;
    EXPECT_EQ(LastReceiptNumber(), before + 1);

    const CliRun forced = Cli({"print-receipt", receiptPath, "--again"});
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_EQ(LastReceiptNumber(), before + 2);

    const CliRun journal = Cli({"journal", "--csv"});
    EXPECT_EQ(journal.status, 0) << journal.err;
    const auto lines = SplitLines(journal.out);
    ASSERT_EQ(lines.size(), 3u) << journal.out;
    EXPECT_EQ(lines[0], "time,register,number,total,cash,outcome,copy\r");
    for (std::size_t i = 1; i < 3; ++i) {
        const std::int64_t number = before + 3 - static_cast<std::int64_t>(i);
        EXPECT_NE(lines[i].find("," + std::to_string(number) + ",12.50,12.50,registered " +
                                std::to_string(number) + ",1/1"),
                  std::string::npos)
            << lines[i];
    }
}

// Each row: what stands where the journal belongs. Nothing is sent to the register.
TEST_F(CliOutcomeTest, AJournalThatCannotBeUsedPrintsNothing) {
    const std::string state = ports.Path() + "/broken-state";
    const std::vector<std::pair<const char*, std::function<void()>>> rows = {
        {"a file where its folder belongs", [&] { std::ofstream(state) << "x"; }},
        {"a damaged journal",
         [&] {
             std::filesystem::create_directories(state);
             std::ofstream(state + "/journal.sqlite3") << std::string(4096, 'x');
         }},
    };
    const std::string saved = std::getenv("ORVIK_STATE_DIR");
    setenv("ORVIK_STATE_DIR", state.c_str(), 1);
    for (const auto& [what, make] : rows) {
        std::filesystem::remove_all(state);
        make();
        TakeReceived();
        const CliRun run = Cli({"print-receipt", receiptPath});
        EXPECT_EQ(run.status, 1) << what << run.err;
        EXPECT_NE(run.err.find(state), std::string::npos) << what << run.err;
        EXPECT_TRUE(TakeReceived().empty()) << what;
    }
    setenv("ORVIK_STATE_DIR", saved.c_str(), 1);
}

// Two runs against two registers whose lines hang up at the close at the same moment: both
// closes are kept to be settled.
TEST_F(CliOutcomeTest, TwoRunsFailingAtOnceKeepBothCloses) {
    orvik::sim::Simulator second{{"COM8", ports.Path() + "/tape2.txt"}};
    std::string error;
    ASSERT_TRUE(second.Start(&error)) << error;
    second.LoadProfile(*orvik::sim::FindProfile("f1m8"));
    second.WithState([](RegisterState& s) { s.identity.serialNumber = u"6000008902"; });
    sim.Faults().HangUpOn(u"COMP");
    second.Faults().HangUpOn(u"COMP");
    std::vector<std::string> args = WithLogin({"print-receipt", receiptPath});
    ChildProgram one(ORVIK_CLI_PROGRAM, args);
    args[1] = "COM8";
    ChildProgram two(ORVIK_CLI_PROGRAM, args);
    EXPECT_EQ(one.Finish(), 3) << one.Errors();
    EXPECT_EQ(two.Finish(), 3) << two.Errors();
    second.Stop();
    const CliRun journal = Cli({"journal"});
    const auto lines = SplitLines(journal.out);
    EXPECT_EQ(
        std::count_if(lines.begin(), lines.end(),
                      [](const std::string& l) { return l.find("unknown") != std::string::npos; }),
        2)
        << journal.out;
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

// A register that never answers: the signal ends the wake-up at once (it used to run on for 13
// seconds); the bound leaves room for a slow sanitizer build.
TEST_F(CliOutcomeTest, ASignalWhileConnectingToASilentRegisterEndsTheRunAtOnce) {
    sim.Faults().Silence(u"");
    for (const auto& [signal, status] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
        const std::size_t wakesBefore = sim.Activity().Snapshot().wakeBytes;
        ChildProgram cli(ORVIK_CLI_PROGRAM, WithLogin({"info"}));
        ASSERT_TRUE(sim.Activity().WaitUntil(
            [wakesBefore](const orvik::sim::Activity& a) { return a.wakeBytes > wakesBefore; },
            kBound))
            << signal;
        ASSERT_EQ(kill(cli.Pid(), signal), 0);
        const auto sent = std::chrono::steady_clock::now();
        EXPECT_EQ(cli.Finish(), status) << cli.Errors();
        EXPECT_LT(std::chrono::steady_clock::now() - sent, std::chrono::seconds(5)) << signal;
        EXPECT_EQ(cli.Errors().find("cannot connect"), std::string::npos) << cli.Errors();
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
    std::size_t logins = 0;
    bool woke = false;
    for (std::string text; std::getline(in, text);) {
        std::smatch match;
        ASSERT_TRUE(std::regex_match(text, match, line)) << text;
        const std::string event = match[1];
        if (event.rfind("> \"UPAS", 0) == 0 || event.rfind("> \"SPAS", 0) == 0) {
            // The password "0000" shows neither as text nor as bytes.
            ++logins;
            EXPECT_EQ(event.find("PAS0000"), std::string::npos) << event;
            EXPECT_EQ(event.find("30 30 30 30"), std::string::npos) << event;
            EXPECT_NE(event.find("PAS**********"), std::string::npos) << event;
        }
        if (event.rfind("> \"", 0) == 0) {
            ++sent;
        } else if (event.rfind("< \"", 0) == 0) {
            ++received;
            EXPECT_NE(event.find(" checksum ok"), std::string::npos) << event;
        }
        woke = woke || event == "> wake 55";
    }
    EXPECT_TRUE(woke);
    EXPECT_GE(logins, 1u);
    // Every command the register received was traced, and at least as many replies.
    EXPECT_EQ(sent, sim.Activity().Snapshot().commands.size());
    EXPECT_GE(received, sent);
}

// A FIFO nobody reads is refused at once, before the register is woken: the run never waits in
// the open for a reader.
TEST_F(CliOutcomeTest, ATraceFifoNobodyReadsIsRefusedAtOnce) {
    const std::string fifo = ports.Path() + "/trace.fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::size_t wakesBefore = sim.Activity().Snapshot().wakeBytes;
    const CliRun run = Cli({"--trace", fifo, "info"});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.err,
              "orvik-cli: cannot write the trace " + fifo + ": no program reads the FIFO\n");
    EXPECT_EQ(sim.Activity().Snapshot().wakeBytes, wakesBefore);
}

}  // namespace
}  // namespace sim_test

// One verb on several registers from one orvik-cli: two simulated registers of two models and
// a port with no device, each run on its own, every line after its register's name, a summary
// table, the highest exit status; the password handed to the runs, not on their command lines.
// Settings profiles applied to both models, refused, dry-run and read back.
#include <csignal>
#include <fstream>
#include <regex>

#include "tests/integration/cli_run.h"
#include "tests/integration/sim_register_fixture.h"

namespace sim_test {
namespace {

class CliFleetTest : public SimRegisterTest {
  protected:
    void SetUp() override {
        SimRegisterTest::SetUp();
        std::string error;
        ASSERT_TRUE(second.Start(&error)) << error;
    }
    void TearDown() override {
        second.Stop();
        SimRegisterTest::TearDown();
    }

    static std::size_t ClockCommands(const orvik::sim::Simulator& register_) {
        const auto commands = register_.Activity().Commands();
        return static_cast<std::size_t>(
            std::count_if(commands.begin(), commands.end(),
                          [](const std::u16string& c) { return c.starts_with(u"CTIM"); }));
    }

    // What a register received since `from` commands, as UTF-8.
    static Texts CommandsSince(const orvik::sim::Simulator& register_, std::size_t from) {
        const auto commands = Utf8(register_.Activity().Commands());
        return Texts(commands.begin() + static_cast<std::ptrdiff_t>(from), commands.end());
    }

    std::string WriteFile(const std::string& name, const std::string& text) {
        const std::string path = ports.Path() + "/" + name;
        std::ofstream(path) << text;
        return path;
    }

    // A register of family 0 beside the default family 1 model 8.
    orvik::sim::Simulator second{{"COM8", ports.Path() + "/tape8.txt", "f0m1"}};
};

TEST_F(CliFleetTest, EachRegisterRunsOnItsOwnAndTheTableSaysHowEachEnded) {
    const CliRun run = RunCli({"--port", kPort, "--port", "COM8", "--port", "COM20", "--jobs", "2",
                               "--password", "0000", "set-clock", "10:20:30"});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(ClockCommands(sim), 1u);
    EXPECT_EQ(ClockCommands(second), 1u);
    // Each register's line after its name; the table after them all.
    for (const char* name : {"COM7", "COM8"}) {
        EXPECT_TRUE(std::regex_search(
            run.out, std::regex(std::string("(^|\n)") + name + ": \\d{4}-\\d{2}-\\d{2} 10:2")))
            << run.out;
    }
    const std::string header = "register  result       message\n";
    const std::size_t table = run.out.find(header);
    ASSERT_NE(table, std::string::npos) << run.out;
    EXPECT_TRUE(run.out.substr(table + header.size())
                    .starts_with("COM7      ok\nCOM8      ok\nCOM20     failed       COM20: "))
        << run.out;
    EXPECT_NE(run.err.find("COM20: "), std::string::npos) << run.err;
}

// --json: one document for one register, an array of them, each with its register, for
// several; the messages with their numbers.
TEST_F(CliFleetTest, JsonGivesOneDocumentPerRegister) {
    CliRun run = RunCli({"--port", kPort, "--password", "0000", "--json", "info"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with(
        "{\"verb\":\"info\",\"port\":\"COM7\",\"status\":0,\"outcome\":\"ok\",\"values\":{"
        "\"serialNumber\":\"6000008901\","))
        << run.out;
    EXPECT_TRUE(run.out.ends_with("\"messages\":[]}\n")) << run.out;

    run = RunCli({"--port", kPort, "--port", "COM20", "--password", "0000", "--json", "info"});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_TRUE(
        run.out.starts_with("[\n{\"register\":\"COM7\",\"verb\":\"info\",\"port\":\"COM7\","
                            "\"status\":0,"))
        << run.out;
    EXPECT_NE(run.out.find(",\n{\"register\":\"COM20\",\"verb\":\"info\",\"port\":\"COM20\","
                           "\"status\":1,\"outcome\":\"failed\",\"values\":{},\"lines\":[],"
                           "\"messages\":[{\"number\":3012,\"kind\":\"error\","),
              std::string::npos)
        << run.out;
    EXPECT_TRUE(run.out.ends_with("}\n]\n")) << run.out;
}

// Every verb's --json, read by a real JSON parser (Python's), has the keys the manual page
// names: values and lines, or the report of doctor and journal.
TEST_F(CliFleetTest, EveryVerbsJsonIsOneDocumentAParserReads) {
    const std::string profile = WriteFile("clock.profile", "clock = now\ntax-print = 1\n");
    // One verb of each way of printing: named values, plain lines, a report of its own, no
    // register at all, a usage error, and a profile's "key = value" lines.
    const std::vector<Texts> verbs = {
        {"info"},
        {"get-clock"},
        {"send", "GETD"},
        {"doctor"},
        {"journal"},
        {"apply-profile", "--dry-run", profile},
        {"set-line-spacing", "99"},
        {"read-profile"},
    };
    const std::string check =
        "import json, sys\n"
        "d = json.load(open(sys.argv[1]))\n"
        "keys = ['verb', 'port', 'status', 'outcome']\n"
        "keys += ['report'] if d['verb'] in ('doctor', 'journal') else ['values', 'lines']\n"
        "assert list(d) == keys + ['messages'], list(d)\n"
        "assert d['verb'] == sys.argv[2] and isinstance(d['status'], int)\n"
        "for m in d['messages']:\n"
        "    assert list(m) == ['number', 'kind', 'text'], m\n";
    for (const Texts& verb : verbs) {
        SCOPED_TRACE(verb.front());
        Texts args = {"--port", kPort, "--password", "0000", "--json"};
        args.insert(args.end(), verb.begin(), verb.end());
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, verb.front() == "set-line-spacing" ? 2 : 0) << run.out << run.err;
        const std::string document = WriteFile("document.json", run.out);
        ChildProgram parser("/usr/bin/python3", {"-c", check, document, verb.front()});
        EXPECT_EQ(parser.Finish(), 0) << run.out << parser.Errors();
    }
}

// A register that answers nothing keeps only its own run waiting: the other register's line
// comes while the silent one still tries to wake its register up, and an interrupt then ends
// the whole run at once.
TEST_F(CliFleetTest, ASilentRegisterDelaysNoOther) {
    sim.Faults().Silence(u"");
    ChildProgram cli(ORVIK_CLI_PROGRAM, {"--port", kPort, "--port", "COM8", "--jobs", "2",
                                         "--password", "0000", "get-clock"});
    ASSERT_TRUE(cli.WaitForOutput("COM8: ")) << cli.Output() << cli.Errors();
    EXPECT_EQ(cli.Output().find("register  result"), std::string::npos) << cli.Output();
    ASSERT_EQ(kill(cli.Pid(), SIGINT), 0);
    EXPECT_EQ(cli.Finish(), 130) << cli.Errors();
}

// One profile on two models: each register receives what it has, in the fixed order, the
// service log-in first for the footer lines; what only family 1 model 8 has is skipped on the
// other; the partial cut the profile leaves out is kept as the register tells it.
TEST_F(CliFleetTest, AProfileIsAppliedToEachModelAsItHasTheSettings) {
    WriteFile("footer.txt", "JW Дякуємо!\n");
    const std::string profile = WriteFile("shop.profile",
                                          "# the shops\n"
                                          "clock = 07:30:00\n"
                                          "cutter = 1\n"
                                          "beeper = 0\n"
                                          "header = \"  ТОВ Ромашка\" ; the shop\n"
                                          "footer-lines = footer.txt\n"
                                          "line-spacing = 8\n"
                                          "discount-print = 1\n"
                                          "tax-print = 1\n"
                                          "department = Каса\n");
    State([](RegisterState& state) { state.settings.partialCut = 1; });
    const std::size_t before7 = sim.Activity().Commands().size();
    const std::size_t before8 = second.Activity().Commands().size();

    // --dry-run reaches no register, and lists the commands in the order they would go.
    CliRun run = RunCli({"--port", kPort, "apply-profile", "--dry-run", profile});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(
        run.out.starts_with("log-in: service (the footer lines need it)\n"
                            "clock: CTIM073000\n"
                            "cutter: CUTR10\n"
                            "header: HEAD  ТОВ Ромашка\n"
                            "footer-lines: BOTm011Дякуємо!\n"
                            "footer-lines: BOTm1\n"))
        << run.out;
    EXPECT_TRUE(
        run.out.ends_with("line-spacing: BLFI08\ndiscount-print: NPDI1\n"
                          "tax-print: PPOD\ndepartment: DEPTКаса\n"))
        << run.out;
    EXPECT_EQ(sim.Activity().Commands().size(), before7);

    run =
        RunCli({"--port", kPort, "--port", "COM8", "--password", "0000", "apply-profile", profile});
    EXPECT_EQ(run.status, 0) << run.err;
    for (const char* line :
         {"COM7: cutter: ok\n", "COM7: line-spacing: ok\n",
          "COM8: cutter: skipped (this register has no cutter or beeper to set)\n",
          "COM8: line-spacing: skipped (only family 1 model 8 has line spacing)\n",
          "COM8: department: ok\n"}) {
        EXPECT_NE(run.out.find(line), std::string::npos) << line << run.out;
    }
    const Texts seven = CommandsSince(sim, before7);
    const Texts eight = CommandsSince(second, before8);
    ASSERT_FALSE(seven.empty());
    EXPECT_TRUE(std::any_of(seven.begin(), seven.end(),
                            [](const std::string& c) { return c.starts_with("SPAS"); }));
    const auto from = [](const Texts& all, const char* first) {
        const auto at = std::find_if(
            all.begin(), all.end(), [first](const std::string& c) { return c.starts_with(first); });
        return Texts(at, all.end());
    };
    const Texts footer = {"BOTm011Дякуємо!", "BOTm1", "BOTm2", "BOTm3", "BOTm4",
                          "BOTm5",           "BOTm6", "BOTm7", "BOTm8", "BOTm9"};
    Texts expected7 = {"CTIM073000", "CUTR", "CUTR101", "HEAD  ТОВ Ромашка"};
    expected7.insert(expected7.end(), footer.begin(), footer.end());
    expected7.insert(expected7.end(), {"BLFI08", "NPDI1", "PPOD", "DEPTКаса"});
    EXPECT_EQ(from(seven, "CTIM"), expected7);
    Texts expected8 = {"CTIM073000", "HEAD  ТОВ Ромашка"};
    expected8.insert(expected8.end(), footer.begin(), footer.end());
    expected8.insert(expected8.end(), {"PPOD", "DEPTКаса"});
    EXPECT_EQ(from(eight, "CTIM"), expected8);

    // What the register tells, read back as a profile: applied again it sets the same.
    run = RunCli({"--port", kPort, "--password", "0000", "--json", "read-profile"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"values\":{\"clock\":\"now\",\"cutter\":\"1\",\"beeper\":\"0\","
                           "\"partial-cut\":\"1\",\"line-spacing\":\"8\",\"discount-print\":\"1\","
                           "\"article-mode\":\"0\"}"),
              std::string::npos)
        << run.out;
}

// A profile is checked whole before any register is reached: each fault is a usage error
// naming its line, and nothing is sent.
TEST_F(CliFleetTest, ABadProfileIsRefusedWithItsLineAndNothingIsSent) {
    WriteFile("empty.txt", "");
    const std::pair<const char*, const char*> rows[] = {
        {"line-spacing = 30", "line 2: line-spacing: \"30\" is not a number from 3 to 20"},
        {"line-spacing = 8 # eight",
         "line 2: line-spacing: \"8 # eight\" is not a number from 3 to 20 (a comment after a "
         "value begins with \" ;\", not \" #\")"},
        {"clock = soon", "line 2: clock: \"soon\" is neither now nor HH:MM:SS"},
        {"cutter = 1", "line 2: cutter: the cutter and the beeper are set together"},
        {"header = Кава ; чай", "line 2: header: \" ;\" starts a comment"},
        {"header = \"Кава ; чай\"", "line 2: header: \" ;\" starts a comment"},
        {"header = 12345678901234567890123456789012345678901234",
         "line 2: header: the text has more than 43 characters"},
        {"department = ☃", "line 2: department: the text holds a character the register"},
        {"logo = missing.bmp", "line 2: logo: cannot read "},
        {"footer-lines = empty.txt", "line 2: footer-lines: empty.txt holds no footer line"},
        {"colour = red", "line 2: colour: unknown key"},
        {"tax-print = 1\ntax-print = 0", "line 3: \"tax-print\" is given twice"},
        {"[shop]\nclock = now", "line 3: a profile has no [sections]"},
        {"just words", "line 2: not a key = value line"},
        // A line inih would read in two pieces.
        {"header = \"                                                                      "
         "                                                                                    "
         "                                      \"",
         "line 2: longer than 198 bytes"},
    };
    const std::size_t before = sim.Activity().Commands().size();
    for (const auto& [text, reason] : rows) {
        const std::string profile = WriteFile("bad.profile", std::string("# x\n") + text + "\n");
        const CliRun run =
            RunCli({"--port", kPort, "--password", "0000", "apply-profile", profile});
        EXPECT_EQ(run.status, 2) << text;
        EXPECT_NE(run.err.find(profile + ": " + reason), std::string::npos) << run.err;
    }
    EXPECT_EQ(sim.Activity().Commands().size(), before);
}

// A register that stops answering halfway gets none of the settings after it, each said.
TEST_F(CliFleetTest, AfterARegisterStopsAnsweringTheRestOfAProfileIsNotSent) {
    const std::string profile = WriteFile(
        "modes.profile", "article-mode = 1\ntax-calculation = 1\ntax-print = 0\nmessage-set = 2\n");
    sim.Faults().Silence(u"PPMD");
    const CliRun run = RunCli({"--port", kPort, "--password", "0000", "apply-profile", profile});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out,
              "article-mode: ok\ntax-calculation: failed\ntax-print: not sent\n"
              "message-set: not sent\n");
    const auto commands = Utf8(sim.Activity().Commands());
    EXPECT_EQ(std::count(commands.begin(), commands.end(), "TMOD2"), 0);
}

}  // namespace
}  // namespace sim_test

// One verb on several registers from one orvik-cli: two simulated registers and a port with
// no device, each run on its own, every line after its register's name, a summary table, the
// highest exit status; the password handed to the runs, not on their command lines.
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

    orvik::sim::Simulator second{{"COM8", ports.Path() + "/tape8.txt"}};
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

}  // namespace
}  // namespace sim_test

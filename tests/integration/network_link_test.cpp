// A register behind a real ser2net, reached by its name in the registers file over telnet with
// RFC 2217, in the clear and in TLS: the connect at either rate, a receipt and the logo from
// orvik-cli, a server gone at the close settled by the next run, and the refusals.
#include <signal.h>
#include <stdlib.h>
#include <sys/socket.h>

#include <fstream>

#include "tests/integration/cli_run.h"
#include "tests/integration/ser2net_server.h"
#include "tests/integration/sim_register_fixture.h"
#include "tests/support/bmp_builder.h"

namespace sim_test {
namespace {

constexpr const char* kName = "Каса на Садовой";
constexpr const char* kReceipt = "0;0.00;0.00;0.00\n0;Хлеб;1;0;1;12.50;0;0;0;;;0\n";

// The certificates, made once for all the tests of the program.
const std::string& Certificates() {
    static const std::string folder = [] {
        std::string pattern = std::filesystem::temp_directory_path() / "orvik-tls-XXXXXX";
        if (!::mkdtemp(pattern.data()) || !MakeCertificates(pattern)) {
            return std::string();
        }
        return pattern;
    }();
    return folder;
}

class NetworkTest : public SimRegisterTest {
  protected:
    void SetUp() override {
        SimRegisterTest::SetUp();
        UseProfile("f1m8");
        registersPath = ports.Path() + "/registers.conf";
        ::setenv("ORVIK_REGISTERS", registersPath.c_str(), 1);
    }

    void TearDown() override {
        SimRegisterTest::TearDown();
        ::unsetenv("ORVIK_REGISTERS");
    }

    void Serve(bool tls) {
        ASSERT_FALSE(tls && Certificates().empty()) << "openssl could not make certificates";
        std::string error;
        ASSERT_TRUE(server.Start(sim.SlavePath(), ports.Path(), tls ? Certificates() : "", &error))
            << error;
    }

    void Name(const std::string& name, const std::string& address, const std::string& ca = "") {
        std::ofstream(registersPath, std::ios::app)
            << "[" << name << "]\naddress = " << address << "\n"
            << (ca.empty() ? "" : "ca = " + ca + "\n");
    }

    std::int64_t LastReceiptNumber() {
        return State([](RegisterState& s) { return s.counters.lastReceiptNumber; });
    }

    static std::vector<std::string> Login(std::vector<std::string> args) {
        args.insert(args.begin(), {"--port", kName, "--password", "0000"});
        return args;
    }

    std::string registersPath;
    Ser2netServer server;
};

// Plain (false) and TLS (true): one fixture, the same cases.
class NetworkLinkTest : public NetworkTest, public ::testing::WithParamInterface<bool> {
  protected:
    void SetUp() override {
        NetworkTest::SetUp();
        Serve(GetParam());
        Name(kName, server.Address(), GetParam() ? Certificates() + "/ca.pem" : "");
    }
};

TEST_P(NetworkLinkTest, ConnectsAtEitherRateAsOverACable) {
    for (const bool only57600 : {false, true}) {
        SCOPED_TRACE(only57600 ? "57600 only" : "115200");
        sim.SetWakeOnlyAt57600(only57600);
        ASSERT_EQ(core.Connect(kName, u"Касир", kPassword), orvik::device::S_OK)
            << Utf8(core.lastMessage);
        EXPECT_EQ(Utf8(core.PrinterInfo().serialNumber), "6000008901");
        // ser2net set the rate the register listens at on its serial line.
        EXPECT_EQ(sim.LineBaud(), only57600 ? 57600 : 115200);
        core.Disconnect();
    }
}

TEST_P(NetworkLinkTest, PrintsAReceiptAndTheLogoFromTheCommandLine) {
    const std::string receipt = ports.Path() + "/r.check";
    std::ofstream(receipt, std::ios::binary) << kReceipt;
    const std::string trace = ports.Path() + "/trace.txt";
    const std::int64_t before = LastReceiptNumber();
    CliRun run = RunCli(Login({"--trace", trace, "print-receipt", receipt}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("outcome: registered " + std::to_string(before + 1)), std::string::npos)
        << run.out;
    EXPECT_EQ(LastReceiptNumber(), before + 1);
    std::ifstream traced(trace);
    const std::string text((std::istreambuf_iterator<char>(traced)),
                           std::istreambuf_iterator<char>());
    for (const char* step : {"telnet < DO COM-PORT-OPTION",
                             "rfc2217 < SB COM-PORT-OPTION "
                             "SET-BAUDRATE 115200",
                             "> wake 55"}) {
        EXPECT_NE(text.find(step), std::string::npos) << step;
    }

    // The register's largest logo: 192 rows and the height, 193 commands.
    const std::string logo = ports.Path() + "/logo.bmp";
    std::ofstream(logo, std::ios::binary) << BmpString(
        {.width = 432, .height = 192, .index1 = [](int x, int y) { return (x + y) % 3 != 0; }});
    TakeReceived();
    run = RunCli(Login({"set-logo", logo}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "logoRows: 192\n");
    const Texts received = TakeReceived();
    EXPECT_EQ(std::count_if(received.begin(), received.end(),
                            [](const std::string& c) { return c.starts_with("LUPC"); }),
              192);
    EXPECT_EQ(State([](RegisterState& s) { return s.settings.logoHeight; }), 192);
}

// ser2net killed while the register carries out the close: the connection's end is a hang-up,
// the outcome unknown; the next run settles it from the register's counter and refuses to
// print the same receipt again.
TEST_P(NetworkLinkTest, AServerGoneAtTheCloseIsSettledByTheNextRun) {
    const std::string receipt = ports.Path() + "/r.check";
    std::ofstream(receipt, std::ios::binary) << kReceipt;
    const std::int64_t before = LastReceiptNumber();
    sim.Faults().DropReplyTo(u"COMP");
    {
        ChildProgram cli(ORVIK_CLI_PROGRAM, Login({"print-receipt", receipt}));
        ASSERT_TRUE(Eventually([&] { return LastReceiptNumber() == before + 1; }));
        server.Kill();
        EXPECT_EQ(cli.Finish(), 3) << cli.Errors();
        EXPECT_NE(cli.Output().find("outcome: unknown"), std::string::npos) << cli.Output();
    }
    sim.Faults().ClearAnswerFaults();
    Serve(GetParam());
    const CliRun again = RunCli(Login({"print-receipt", receipt}));
    EXPECT_EQ(again.status, 4) << again.err << again.out;
    EXPECT_NE(again.out.find("held: registered " + std::to_string(before + 1)), std::string::npos)
        << again.out;
    EXPECT_EQ(LastReceiptNumber(), before + 1);
}

INSTANTIATE_TEST_SUITE_P(Links, NetworkLinkTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& link) {
                             return std::string(link.param ? "tls" : "plain");
                         });

// Each row: a register that cannot be reached, and what the connect says. Nothing reaches
// the register, and a refusal comes at once.
TEST_F(NetworkTest, WhatCannotBeReachedIsRefusedWithItsReason) {
    Serve(true);
    const int tlsPort = server.Port();
    // A listener that takes the connection and never speaks telnet.
    int silentPort = 0;
    const int silent = SilentListener(&silentPort);
    ASSERT_GE(silent, 0);

    Name("other CA", "rfc2217+tls://localhost:" + std::to_string(tlsPort),
         Certificates() + "/other-ca.pem");
    Name("plain to TLS", "rfc2217://127.0.0.1:" + std::to_string(tlsPort));
    struct Row {
        std::string port;
        const char* reason;
    };
    const Row rows[] = {
        {"other CA", "the server's certificate was refused"},
        {"rfc2217://127.0.0.1:" + std::to_string(FreeTcpPort()), "Connection refused"},
        {"rfc2217://127.0.0.1:" + std::to_string(silentPort), "did not agree to COM-PORT-OPTION"},
        {"no such register", "is not a port name (COM1 to COM24), a network address"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.port);
        EXPECT_NE(core.Connect(row.port, u"Касир", kPassword), orvik::device::S_OK);
        const std::vector<std::string> shown = TakeShown();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_NE(shown[0].find(Message(orvik::kStrPortOpenFailed)), std::string::npos);
        EXPECT_NE(shown[0].find(row.reason), std::string::npos) << shown[0];
    }
    EXPECT_EQ(WakeBytes(), 0u);
    ::close(silent);
}

// SIGINT while the server has taken the connection and says nothing: heard at once, not after
// the negotiation's time-out.
TEST_F(NetworkTest, ASignalWhileTheServerIsSilentEndsTheConnectAtOnce) {
    int silentPort = 0;
    const int silent = SilentListener(&silentPort);
    ASSERT_GE(silent, 0);
    ChildProgram cli(ORVIK_CLI_PROGRAM,
                     {"--port", "rfc2217://127.0.0.1:" + std::to_string(silentPort), "--password",
                      "0000", "info"});
    // Taken: the program now waits for the telnet negotiation.
    const int taken = ::accept4(silent, nullptr, nullptr, SOCK_CLOEXEC);
    ASSERT_GE(taken, 0);
    ASSERT_EQ(::kill(cli.Pid(), SIGINT), 0);
    EXPECT_EQ(cli.Finish(), 130);
    // Heard in the connect or the negotiation, whichever the signal met; never their time-outs.
    EXPECT_NE(cli.Errors().find(": interrupted "), std::string::npos) << cli.Errors();
    ::close(taken);
    ::close(silent);
}

}  // namespace
}  // namespace sim_test

// Opening the simulated register's port: links in the ports folder, exclusive use, the line
// settings both ends share, reconnecting, and the tape.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "device/link/port_names.h"
#include "res/string_table.h"
#include "tests/integration/sim_link_fixture.h"

using namespace orvik::device;

namespace sim_test {
namespace {

namespace fs = std::filesystem;

std::string LinkTarget(const std::string& path) {
    std::error_code ec;
    const fs::path target = fs::read_symlink(path, ec);
    return ec ? std::string() : target.string();
}

TEST(PortOpenTest, ComNameWithoutLinkOrDeviceFailsWithTheReasonInTheMessage) {
    TempPortsDir ports;
    // COM24 stands for /dev/ttyACM9 when the ports folder has no link of that name.
    ASSERT_FALSE(fs::exists(orvik::device::ResolvePortPath("COM24")));
    RecordingPrompt prompt;
    COrvikCore core;
    core.SetPrompt(&prompt);
    const orvik::device::CoreResult opened = core.OpenPort("COM24");
    EXPECT_EQ(opened.code, E_FAIL);
    EXPECT_EQ(opened.systemError, ENOENT);
    EXPECT_FALSE(core.IsPortOpen());
    EXPECT_NE(core.OpenFailureReason().find("/dev/ttyACM9"), std::string::npos)
        << core.OpenFailureReason();

    EXPECT_EQ(core.OpenLink("COM24"), E_FAIL);
    ASSERT_EQ(prompt.entries.size(), 1u);
    EXPECT_EQ(Utf8(prompt.entries[0].text), Utf8(orvik::LoadString(orvik::kStrPortOpenFailed)) +
                                                "\nCOM24: " + core.OpenFailureReason());
    EXPECT_EQ(core.StopReceiverAndClosePort().code, S_FALSE);
}

TEST(SimulatorLinkTest, LinksItsPortWhileRunningAndReplacesOnlyStaleLinks) {
    TempPortsDir ports;
    const std::string link = ports.Path() + "/COM5";
    // A link left behind by a simulator that was killed.
    ASSERT_EQ(symlink("/dev/pts/does-not-exist", link.c_str()), 0);

    orvik::sim::Simulator first({"COM5", ""});
    std::string error;
    ASSERT_TRUE(first.Start(&error)) << error;
    EXPECT_EQ(first.LinkPath(), link);
    EXPECT_EQ(LinkTarget(link), first.SlavePath());
    EXPECT_TRUE(orvik::device::PortExists("COM5"));

    // A second simulator may not take over a name that a running one serves.
    orvik::sim::Simulator second({"COM5", ""});
    EXPECT_FALSE(second.Start(&error));
    EXPECT_NE(error.find("COM5"), std::string::npos) << error;
    EXPECT_EQ(LinkTarget(link), first.SlavePath());

    first.Stop();
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
    EXPECT_FALSE(orvik::device::PortExists("COM5"));

    // Something that is not a link is nobody's to replace.
    std::ofstream(ports.Path() + "/COM6") << "not a device";
    orvik::sim::Simulator third({"COM6", ""});
    EXPECT_FALSE(third.Start(&error));
    EXPECT_NE(error.find("not a link"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_regular_file(ports.Path() + "/COM6"));
}

TEST(SimulatorLinkTest, CreatesAMissingPortsFolderAndRefusesNamesThatAreNoPorts) {
    TempPortsDir ports;
    const std::string nested = ports.Path() + "/a/b/ports";
    setenv("ORVIK_PORTS_DIR", nested.c_str(), 1);
    orvik::sim::Simulator sim({"COM2", ""});
    std::string error;
    ASSERT_TRUE(sim.Start(&error)) << error;
    EXPECT_EQ(LinkTarget(nested + "/COM2"), sim.SlavePath());
    sim.Stop();

    orvik::sim::Simulator bad({"COM25", ""});
    EXPECT_FALSE(bad.Start(&error));
    EXPECT_NE(error.find("COM25"), std::string::npos) << error;
}

using PortLinkTest = SimLinkTest;

TEST(SimulatorLineTest, TheLineIsRawBeforeAnyConsoleOpensIt) {
    TempPortsDir ports;
    orvik::sim::Simulator sim({"COM3", ""});
    std::string error;
    ASSERT_TRUE(sim.Start(&error)) << error;
    // An echoing line would send the register's own answers back to it as commands.
    const int fd = ::open((ports.Path() + "/COM3").c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    termios tio{};
    ASSERT_EQ(tcgetattr(fd, &tio), 0);
    ::close(fd);
    EXPECT_EQ(tio.c_lflag & (ECHO | ICANON | ISIG | IEXTEN), 0u);
    EXPECT_EQ(tio.c_oflag & OPOST, 0u);
    EXPECT_EQ(tio.c_iflag & (ICRNL | IXON | ISTRIP), 0u);
}

TEST_F(PortLinkTest, SecondOpenIsRefusedWhileTheFirstHoldsThePort) {
    COrvikCore second;
    EXPECT_EQ(second.OpenPort(kPort).code, E_FAIL);
    EXPECT_FALSE(second.OpenFailureReason().empty());

    // Released by the first, the port is the second's.
    ASSERT_EQ(core.StopReceiverAndClosePort().code, S_OK);
    ASSERT_EQ(second.OpenPort(kPort).code, S_OK) << second.OpenFailureReason();
    ASSERT_TRUE(second.StartReceiver());
    second.SendCommand(u"NULL");
    EXPECT_EQ(second.WaitForReady(3000), S_OK);
}

TEST_F(PortLinkTest, TheRegisterStaysReachableAcrossConsoleConnections) {
    for (int connection = 0; connection < 3; ++connection) {
        SCOPED_TRACE(connection);
        EXPECT_EQ(Run(u"NULL"), S_OK);
        ASSERT_EQ(core.StopReceiverAndClosePort().code, S_OK);
        ASSERT_EQ(core.OpenPort(kPort).code, S_OK) << core.OpenFailureReason();
        ASSERT_TRUE(core.StartReceiver());
    }
    EXPECT_EQ(Run(u"NULL"), S_OK);
    EXPECT_FALSE(sim.Activity().Snapshot().hungUp);
    EXPECT_EQ(sim.Activity().Commands().size(), 4u);
}

TEST_F(PortLinkTest, TheRegisterSeesTheBaudRateTheConsoleSets) {
    EXPECT_EQ(sim.LineBaud(), 115200);
    core.Port().SetBaudRate(57600);
    EXPECT_EQ(sim.LineBaud(), 57600);
    // Handlers see it too, as it was when their command arrived.
    sim.RegisterCommand(u"BAUD", [](std::u16string_view, orvik::sim::RegisterState& state) {
        return orvik::sim::Replies{
            u"BAUD" + orvik::support::FromUtf8(std::to_string(state.lineBaud)), u"READY"};
    });
    core.SendCommand(u"BAUD");
    EXPECT_EQ(ReadReplies(2), (Texts{"BAUD57600", "READY"}));
}

// Where a separate input rate sits in c_cflag (the kernel's IBSHIFT, which the C library's
// headers lack).
constexpr int kInputRateShift = std::countr_zero(static_cast<unsigned>(CIBAUD));

// Serial drivers keep a line's settings between programs, so the console must set every part of
// 8E2 at 115200 itself, and hand the line back as it found it.
TEST(PortSettingsTest, LineIs8E2At115200WhateverWasLeftAndIsRestoredOnClose) {
    TempPortsDir ports;
    orvik::sim::Simulator sim({"COM8", ""});
    std::string error;
    ASSERT_TRUE(sim.Start(&error)) << error;

    // Another program left stick (mark/space) parity, odd parity and a separate input rate.
    const int other = ::open((ports.Path() + "/COM8").c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(other, 0);
    termios left{};
    ASSERT_EQ(tcgetattr(other, &left), 0);
    left.c_cflag |= PARODD | CMSPAR | (B9600 << kInputRateShift);
    ASSERT_EQ(tcsetattr(other, TCSANOW, &left), 0);
    ASSERT_EQ(tcgetattr(other, &left), 0);
    ::close(other);
    ASSERT_EQ(left.c_cflag & CIBAUD, B9600 << kInputRateShift)
        << "the line does not keep an input rate";

    LinkAccessCore core;
    ASSERT_EQ(core.OpenPort("COM8").code, S_OK) << core.OpenFailureReason();
    termios tio{};
    ASSERT_EQ(tcgetattr(core.Port().Fd(), &tio), 0);
    EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    // A pseudo-terminal never keeps PARENB, so even parity shows here as neither odd nor stick
    // parity.
    EXPECT_EQ(tio.c_cflag & (PARODD | CMSPAR), 0u);
    EXPECT_NE(tio.c_cflag & CSTOPB, 0u);
    EXPECT_EQ(tio.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(cfgetospeed(&tio), static_cast<speed_t>(B115200));
    // No input rate of its own: the kernel then receives at the output rate.
    EXPECT_EQ(tio.c_cflag & CIBAUD, 0u);
    EXPECT_NE(tio.c_iflag & INPCK, 0u);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | IXANY | IGNPAR | PARMRK | ISTRIP), 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);

    ASSERT_EQ(core.StopReceiverAndClosePort().code, S_OK);
    const int after = ::open((ports.Path() + "/COM8").c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(after, 0);
    termios restored{};
    ASSERT_EQ(tcgetattr(after, &restored), 0);
    ::close(after);
    EXPECT_EQ(restored.c_cflag, left.c_cflag);
    EXPECT_EQ(restored.c_iflag, left.c_iflag);
}

// A console killed while it held the line leaves its own settings behind: 115200 baud, two stop
// bits, parity checking, but no parity, which a pseudo-terminal does not keep. Asked for
// nothing but that parity, the kernel answers EINVAL; the next console opens the line all the
// same and talks to the register.
TEST(PortSettingsTest, ALineLeftByAKilledConsoleOpensAgain) {
    TempPortsDir ports;
    orvik::sim::Simulator sim({"COM8", ""});
    std::string error;
    ASSERT_TRUE(sim.Start(&error)) << error;
    termios left{};
    {
        SerialPort killed;
        ASSERT_TRUE(killed.Open("COM8", &error)) << error;
        ASSERT_EQ(tcgetattr(killed.Fd(), &left), 0);
    }
    const int other = ::open((ports.Path() + "/COM8").c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(other, 0);
    ASSERT_EQ(tcsetattr(other, TCSANOW, &left), 0);
    ::close(other);
    ASSERT_NE(left.c_cflag & CSTOPB, 0u);
    ASSERT_NE(left.c_iflag & INPCK, 0u);

    COrvikCore core;
    ASSERT_EQ(core.OpenPort("COM8").code, S_OK) << core.OpenFailureReason();
    ASSERT_TRUE(core.StartReceiver());
    core.SendCommand(u"NULL");
    EXPECT_EQ(core.WaitForReady(3000), S_OK);
}

TEST(SimulatorTapeTest, TheTapeRecordsCommandsAnswersAndBrokenFramesReadably) {
    TempPortsDir ports;
    const std::string tape = ports.Path() + "/tape.txt";
    {
        orvik::sim::Simulator sim({"COM4", tape});
        std::string error;
        ASSERT_TRUE(sim.Start(&error)) << error;
        LinkAccessCore core;
        ASSERT_EQ(core.OpenPort("COM4").code, S_OK) << core.OpenFailureReason();
        ASSERT_TRUE(core.StartReceiver());
        sim.Scripts().Add(u"FISC", {u"Хлеб\tчёрный", u"READY"});
        core.SendCommand(u"FISCХлеб");
        EXPECT_EQ(core.WaitForReady(3000), S_OK);
        core.SendCommand(u"WHAT");
        EXPECT_EQ(core.WaitForReady(3000), E_UNEXPECTED);
        ASSERT_TRUE(core.Port().Write(std::vector<std::uint8_t>{0xFD, 0xFE, 0x00, 0x00}));
        EXPECT_EQ(core.WaitForReady(3000), E_UNEXPECTED);
        core.StopReceiverAndClosePort();
        sim.Stop();
    }
    std::ifstream in(tape);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    const std::regex stamp(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3}  (.*)$)");
    std::vector<std::string> records;
    for (const std::string& line : lines) {
        std::smatch match;
        ASSERT_TRUE(std::regex_match(line, match, stamp)) << line;
        records.push_back(match[1]);
    }
    ASSERT_EQ(records.size(), 9u);
    EXPECT_EQ(records[0].rfind("-- switched on: COM4 is ", 0), 0u) << records[0];
    EXPECT_EQ(std::vector<std::string>(records.begin() + 1, records.end() - 1),
              (Texts{"<< FISCХлеб", ">> Хлеб\\x09чёрный", ">> READY", "<< WHAT", ">> SOFTCOMMAN",
                     "<< broken frame (no length byte): FD FE 00 00", ">> SOFTBLOCK"}));
    EXPECT_EQ(records.back(), "-- switched off");
}

}  // namespace
}  // namespace sim_test

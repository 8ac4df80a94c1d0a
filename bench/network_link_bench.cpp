// The register on the network beside the register on its cable, in one run: the command
// round trip and the connect, over the pseudo-terminal directly, through ser2net (telnet with
// RFC 2217) on loopback, and through ser2net with TLS; and ser2net's own round trip, measured
// by a bare socket client that sends the same frame, so that what the console adds per
// command stands apart from what ser2net takes.
//
//   orvik_network_bench [--commands N] [--connects N]
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "device/link/frame.h"
#include "device/orvik_core.h"
#include "sim/simulator.h"

extern char** environ;

using namespace orvik::device;

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

pid_t Spawn(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return -1;
    }
    return pid;
}

int FreePort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t n = sizeof(a);
    bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof(a));
    getsockname(fd, reinterpret_cast<sockaddr*>(&a), &n);
    close(fd);
    return ntohs(a.sin_port);
}

// ser2net in front of the pty on a port of its own; TLS with the certificates in dir.
pid_t StartSer2net(const std::string& dir, const std::string& pty, int port, bool tls) {
    const std::string config = dir + (tls ? "/tls.yaml" : "/plain.yaml");
    std::ofstream(config) << "connection: &c\n  accepter: telnet(rfc2217),"
                          << (tls ? "ssl(key=" + dir + "/server.key,cert=" + dir + "/server.pem),"
                                  : std::string())
                          << "tcp,127.0.0.1," << port << "\n  connector: serialdev," << pty
                          << ",115200e82,local\n  options:\n    kickolduser: true\n"
                          << "    chardelay: false\n";
    const pid_t pid = Spawn({"/usr/sbin/ser2net", "-n", "-c", config, "-P", config + ".pid"});
    // Listening once a connection is taken.
    for (int i = 0; i < 500; ++i) {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(static_cast<std::uint16_t>(port));
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const bool up = connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof(a)) == 0;
        close(fd);
        if (up) {
            return pid;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
}

struct Figures {
    double p50 = 0;
    double p99 = 0;
    double connect = 0;
    int failures = 0;
};

Figures Measure(const std::string& port, int commands, int connects) {
    Figures figures;
    COrvikCore core;
    std::vector<double> times;
    for (int i = 0; i < connects; ++i) {
        const auto start = Clock::now();
        figures.failures += core.Connect(port, u"Касир", u"0000") == S_OK ? 0 : 1;
        times.push_back(Milliseconds(Clock::now() - start));
        if (i + 1 < connects) {
            core.Disconnect();
        }
    }
    figures.connect = Percentile(times, 0.5);
    times.clear();
    for (int i = 0; i < commands; ++i) {
        const auto start = Clock::now();
        core.SendCommand(u"NULL");
        figures.failures += core.WaitForReady(core.Timings().replyTimeout) == S_OK ? 0 : 1;
        times.push_back(Milliseconds(Clock::now() - start));
    }
    figures.p50 = Percentile(times, 0.5);
    figures.p99 = Percentile(times, 0.99);
    core.Disconnect();
    return figures;
}

// ser2net's own round trip: the frame written on a bare socket, the bytes read until the
// "READY" frame's end has come. Telnet negotiation is left to ser2net's defaults.
Figures MeasureBare(int port, int commands) {
    Figures figures;
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    const int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof(one));
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<std::uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof(a)) != 0) {
        figures.failures = commands;
        return figures;
    }
    std::array<std::uint8_t, kCommandFrameCapacity> frame{};
    const std::size_t length = BuildCommandFrame(u"NULL", frame);
    std::vector<double> times;
    std::string seen;
    std::array<char, 4096> buffer{};
    for (int i = 0; i < commands; ++i) {
        seen.clear();
        const auto start = Clock::now();
        if (write(fd, frame.data(), length) != static_cast<ssize_t>(length)) {
            ++figures.failures;
            break;
        }
        // "READY" then the length byte and the frame end.
        while (seen.find("READY\x06\xFE") == std::string::npos) {
            const ssize_t n = read(fd, buffer.data(), buffer.size());
            if (n <= 0) {
                ++figures.failures;
                break;
            }
            seen.append(buffer.data(), static_cast<std::size_t>(n));
        }
        times.push_back(Milliseconds(Clock::now() - start));
        // The checksum and trailer bytes after the frame end arrive with it or just after.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        while (recv(fd, buffer.data(), buffer.size(), MSG_DONTWAIT) > 0) {
        }
    }
    close(fd);
    figures.p50 = Percentile(times, 0.5);
    figures.p99 = Percentile(times, 0.99);
    return figures;
}

void Print(const char* what, const Figures& f) {
    std::printf("  %-34s round trip p50 %7.3f ms  p99 %7.3f ms  connect p50 %7.1f ms%s\n", what,
                f.p50, f.p99, f.connect, f.failures ? "  (failures!)" : "");
}

}  // namespace

int main(int argc, char** argv) {
    int commands = 2000;
    int connects = 10;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--commands") == 0) {
            commands = std::max(10, std::atoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--connects") == 0) {
            connects = std::max(1, std::atoi(argv[i + 1]));
        }
    }
    char dir[] = "/tmp/orvik-network-bench-XXXXXX";
    if (!mkdtemp(dir)) {
        std::perror("mkdtemp");
        return 1;
    }
    setenv("ORVIK_PORTS_DIR", dir, 1);
    setenv("ORVIK_STATE_DIR", dir, 1);
    const std::string folder = dir;
    const std::string certificates =
        "cd " + folder +
        " && k='-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes'"
        " && openssl req -x509 $k -keyout ca.key -out ca.pem -days 2 -subj /CN=ca"
        " && openssl req $k -keyout server.key -out server.csr -subj /CN=localhost"
        " && printf 'subjectAltName=DNS:localhost\\n' > ext"
        " && openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial"
        " -out server.pem -days 2 -extfile ext 2>/dev/null >/dev/null";
    if (std::system((certificates + " 2>/dev/null").c_str()) != 0) {
        std::fprintf(stderr, "openssl could not make the certificates\n");
        return 1;
    }
    const std::string registers = folder + "/registers.conf";
    setenv("ORVIK_REGISTERS", registers.c_str(), 1);

    orvik::sim::Simulator sim({"COM9", ""});
    std::string error;
    if (!sim.Start(&error)) {
        std::fprintf(stderr, "simulator: %s\n", error.c_str());
        return 1;
    }
    const int plainPort = FreePort();
    const int tlsPort = FreePort();
    const pid_t plain = StartSer2net(folder, sim.SlavePath(), plainPort, false);
    const pid_t tls = StartSer2net(folder, sim.SlavePath(), tlsPort, true);
    if (plain < 0 || tls < 0) {
        std::fprintf(stderr, "ser2net did not start (is it installed?)\n");
        return 1;
    }
    std::ofstream(registers) << "[tls]\naddress = rfc2217+tls://localhost:" << tlsPort
                             << "\nca = " << folder << "/ca.pem\n";

    std::printf("%d commands \"NULL\" and %d connects each, against the simulated register:\n",
                commands, connects);
    const Figures direct = Measure("COM9", commands, connects);
    Print("pseudo-terminal, directly", direct);
    const Figures bare = MeasureBare(plainPort, commands);
    Print("ser2net, bare socket client", bare);
    const Figures network = Measure("rfc2217://127.0.0.1:" + std::to_string(plainPort), commands,
                                    connects);
    Print("ser2net, the console (RFC 2217)", network);
    const Figures secure = Measure("tls", commands, connects);
    Print("ser2net with TLS, the console", secure);
    std::printf("  the console's own cost per command beyond ser2net's: %.3f ms (p50)\n",
                network.p50 - bare.p50);

    kill(plain, SIGTERM);
    kill(tls, SIGTERM);
    waitpid(plain, nullptr, 0);
    waitpid(tls, nullptr, 0);
    sim.Stop();
    std::filesystem::remove_all(folder);
    const int failures = direct.failures + bare.failures + network.failures + secure.failures;
    return failures == 0 ? 0 : 1;
}

// Measures the command round trip (SendCommand until WaitForReady returns) against the
// simulated register over a pseudo-terminal, and the CPU time the device core spends while the
// line is idle.
//
//   orvik_bench [--commands N] [--idle-seconds S]
#include <stdlib.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "device/orvik_core.h"
#include "sim/simulator.h"

using namespace orvik::device;

namespace {

using Clock = std::chrono::steady_clock;

// The floor of a design whose reads end only after 100 ms of line silence.
constexpr double kSilenceReadFloorMs = 100.0;

double ThreadCpuSeconds(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1));
    return values[index];
}

}  // namespace

int main(int argc, char** argv) {
    int commands = 2000;
    int idleSeconds = 10;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--commands") == 0) {
            commands = std::max(1, std::atoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--idle-seconds") == 0) {
            idleSeconds = std::max(0, std::atoi(argv[i + 1]));
        }
    }

    char dir[] = "/tmp/orvik-bench-ports-XXXXXX";
    if (!mkdtemp(dir)) {
        std::perror("mkdtemp");
        return 1;
    }
    setenv("ORVIK_PORTS_DIR", dir, 1);

    orvik::sim::Simulator sim({"COM9", ""});
    std::string error;
    if (!sim.Start(&error)) {
        std::fprintf(stderr, "simulator: %s\n", error.c_str());
        return 1;
    }
    COrvikCore core;
    if (!Succeeded(core.OpenLink("COM9"))) {
        std::fprintf(stderr, "cannot open COM9: %s\n", core.OpenFailureReason().c_str());
        return 1;
    }

    std::vector<double> millis;
    millis.reserve(static_cast<std::size_t>(commands));
    int failures = 0;
    for (int i = 0; i < commands; ++i) {
        const auto start = Clock::now();
        core.SendCommand(u"NULL");
        failures += core.WaitForReady(core.Timings().replyTimeout) == S_OK ? 0 : 1;
        millis.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::printf("command round trip over %d commands (%d failed):\n", commands, failures);
    std::printf("  p50 %.3f ms  p99 %.3f ms  max %.3f ms\n", Percentile(millis, 0.5),
                Percentile(millis, 0.99), *std::max_element(millis.begin(), millis.end()));
    std::printf("  floor of a read that ends after line silence: %.0f ms per reply\n",
                kSilenceReadFloorMs);

    if (idleSeconds > 0) {
        // The whole process: the receiver and the simulator's thread both wait in poll.
        const double cpuBefore = ThreadCpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
        std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
        const double cpuAfter = ThreadCpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
        std::printf("idle connection for %d s: %.3f ms CPU (receiver and simulator together)\n",
                    idleSeconds, (cpuAfter - cpuBefore) * 1000.0);
    }

    core.StopReceiverAndClosePort();
    sim.Stop();
    std::filesystem::remove_all(dir);
    return failures == 0 ? 0 : 1;
}

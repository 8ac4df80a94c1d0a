// Measures the connect time of the device core against the simulated register over a
// pseudo-terminal: Connect from opening the port until the register is woken, the operator
// logged in, the configuration read and the register prepared. Once for a family 0 register
// and once for a family 1 model 8, which answers the most configuration queries.
//
//   orvik_connect_bench [--connects N]
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "device/orvik_core.h"
#include "sim/simulator.h"

using namespace orvik::device;

namespace {

using Clock = std::chrono::steady_clock;

// A design whose reads end only after 100 ms of line silence waits that long for every answer.
constexpr double kSilenceReadFloorMs = 100.0;

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1));
    return values[index];
}

// Connects `connects` times to a register of the profile; false when a connect failed.
bool MeasureProfile(const char* profile, int connects) {
    orvik::sim::SimulatorOptions options;
    options.portName = "COM9";
    options.profile = profile;
    orvik::sim::Simulator sim(options);
    std::string error;
    if (!sim.Start(&error)) {
        std::fprintf(stderr, "simulator: %s\n", error.c_str());
        return false;
    }

    std::vector<double> millis;
    millis.reserve(static_cast<std::size_t>(connects));
    int failures = 0;
    std::size_t answersPerConnect = 0;
    for (int i = 0; i < connects; ++i) {
        // One core per connection, as the console makes it.
        COrvikCore core;
        const std::size_t answersBefore = sim.Activity().Snapshot().answers;
        const auto start = Clock::now();
        const HRESULT result = core.Connect("COM9", u"Касир", u"0000");
        millis.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        failures += Succeeded(result) ? 0 : 1;
        answersPerConnect = sim.Activity().Snapshot().answers - answersBefore;
        core.Disconnect();
    }
    sim.Stop();

    std::printf("%s: connect (open to connected) over %d connects (%d failed):\n", profile,
                connects, failures);
    std::printf("  p50 %.3f ms  p90 %.3f ms  max %.3f ms\n", Percentile(millis, 0.5),
                Percentile(millis, 0.9), *std::max_element(millis.begin(), millis.end()));
    std::printf(
        "  the register answered %zu times per connect; a read that ends after %.0f ms of\n"
        "  line silence puts the floor at %.0f ms\n",
        answersPerConnect, kSilenceReadFloorMs,
        static_cast<double>(answersPerConnect) * kSilenceReadFloorMs);
    return failures == 0;
}

}  // namespace

int main(int argc, char** argv) {
    int connects = 50;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--connects") == 0) {
            connects = std::max(1, std::atoi(argv[i + 1]));
        }
    }

    char dir[] = "/tmp/orvik-bench-ports-XXXXXX";
    if (!mkdtemp(dir)) {
        std::perror("mkdtemp");
        return 1;
    }
    setenv("ORVIK_PORTS_DIR", dir, 1);

    bool ok = true;
    for (const char* profile : {"f0m0", "f1m8"}) {
        ok = MeasureProfile(profile, connects) && ok;
    }
    std::filesystem::remove_all(dir);
    return ok ? 0 : 1;
}

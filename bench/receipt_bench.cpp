// Measures printing a whole receipt as the receipt page prints it (PrintReceipt on the device
// core) against the simulated register over a pseudo-terminal: open, the lines, the close.
// Twice: with the core's pending-status check as it is (it listens for a status token the
// register might send unasked, until that many ms of silence, before every line and the
// close), and with that silence set to 0, which leaves the link and the register alone.
//
//   orvik_receipt_bench [--lines N] [--runs R]
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "console/receipt_printing.h"
#include "console/receipt_register.h"
#include "console/receipt_total.h"
#include "device/orvik_core.h"
#include "sim/simulator.h"
#include "support/text_codec.h"

using namespace orvik::device;
using namespace orvik::console;

namespace {

using Clock = std::chrono::steady_clock;
namespace receipt = orvik::console;

// A design whose reads end only after 100 ms of line silence waits that long for every answer.
constexpr double kSilenceReadFloorMs = 100.0;
constexpr double kGoalSeconds = 0.2;

std::vector<receipt::ReceiptRow> Rows(int lines) {
    std::vector<receipt::ReceiptRow> rows;
    for (int i = 0; i < lines; ++i) {
        const bool weighed = i % 3 == 1;
        const bool discounted = i % 10 == 0;
        receipt::ReceiptRow row;
        row.name = orvik::support::FromUtf8("Товар номер " + std::to_string(i + 1));
        row.article = i + 1;
        row.divisible = weighed;
        row.quantity = receipt::EnteredNumber::FromText(weighed ? u"0.750" : u"2");
        row.price = receipt::EnteredNumber::FromText(
            orvik::support::FromUtf8(std::to_string(i + 1) + ".25"));
        row.taxSlot1 = i % 2 == 0 ? 1 : 3;
        if (discounted) {
            row.discountKind = 1;
            row.discountName = u"Акция";
            row.discountAmount = receipt::EnteredNumber::FromText(u"0.10");
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Prints the receipt `runs` times; the seconds each took, or nothing when one failed.
std::vector<double> Measure(COrvikCore& core, const std::vector<receipt::ReceiptRow>& rows,
                            int runs) {
    receipt::CoreReceiptRegister reg(core);
    const int decimals = core.PrinterInfo().decimalPointPosition;
    const receipt::CashFields cash =
        receipt::RecalculateCash(receipt::ComputeReceiptTotal(rows, decimals, &reg), {}, decimals);
    receipt::PrintRequest request;
    request.cash = cash.cash;
    request.moneyDecimals = decimals;
    std::vector<double> seconds;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        const receipt::PrintOutcome outcome = receipt::PrintReceipt(reg, rows, request);
        seconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
        if (outcome.failed) {
            std::fprintf(stderr, "the receipt failed: %s\n",
                         orvik::support::ToUtf8(core.LastMessage()).c_str());
            return {};
        }
    }
    return seconds;
}

void Report(const char* what, const std::vector<double>& seconds) {
    std::printf("  %-44s median %7.3f s  min %7.3f s  max %7.3f s\n", what, Median(seconds),
                *std::min_element(seconds.begin(), seconds.end()),
                *std::max_element(seconds.begin(), seconds.end()));
}

}  // namespace

int main(int argc, char** argv) {
    int lines = 100;
    int runs = 5;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--lines") == 0) {
            lines = std::clamp(std::atoi(argv[i + 1]), 1, 1000);
        } else if (std::strcmp(argv[i], "--runs") == 0) {
            runs = std::clamp(std::atoi(argv[i + 1]), 1, 100);
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
    if (core.Connect("COM9", u"Касир", u"0000") != S_OK) {
        std::fprintf(stderr, "cannot connect: %s\n",
                     orvik::support::ToUtf8(core.LastMessage()).c_str());
        return 1;
    }
    const std::vector<receipt::ReceiptRow> rows = Rows(lines);
    // The commands of one receipt that the register answers: open, the lines, the close.
    const int answers = lines + 2;

    std::printf(
        "printing a receipt of %d lines against the simulated register (family 1 "
        "model 8), %d runs:\n",
        lines, runs);
    const orvik::device::CoreTimings defaults = core.Timings();
    const std::vector<double> asIs = Measure(core, rows, runs);
    orvik::device::CoreTimings noPendingWait = defaults;
    noPendingWait.pendingStatusTimeout = 0;
    core.SetTimings(noPendingWait);
    const std::vector<double> linkOnly = Measure(core, rows, runs);
    core.SetTimings(defaults);
    if (asIs.empty() || linkOnly.empty()) {
        return 1;
    }
    const std::string withCheck =
        "pending-status check of " + std::to_string(defaults.pendingStatusTimeout) + " ms:";
    Report(withCheck.c_str(), asIs);
    Report("pending-status check of 0 ms:", linkOnly);
    std::printf("  reference design's floor: %d replies x %.0f ms of silence = %.2f s\n", answers,
                kSilenceReadFloorMs, answers * kSilenceReadFloorMs / 1000.0);
    std::printf("  goal: below %.1f s\n", kGoalSeconds);

    core.Disconnect();
    sim.Stop();
    std::filesystem::remove_all(dir);
    return 0;
}

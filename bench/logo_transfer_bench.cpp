// Measures sending the largest logo (432 x 192, 192 rows of 108 hexadecimal digits and the
// height) and a ten-line footer as the logo and footer page sends them, against the simulated
// register over a pseudo-terminal, and how long packing the logo's rows takes on its own.
//
//   orvik_logo_bench [--runs N]
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "console/logo_footer_page.h"
#include "device/orvik_core.h"
#include "sim/simulator.h"

using namespace orvik;

namespace {

using Clock = std::chrono::steady_clock;

double MillisSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 5;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0) {
            runs = std::max(1, std::atoi(argv[i + 1]));
        }
    }
    char dir[] = "/tmp/orvik-bench-ports-XXXXXX";
    if (!mkdtemp(dir)) {
        std::perror("mkdtemp");
        return 1;
    }
    setenv("ORVIK_PORTS_DIR", dir, 1);
    sim::Simulator simulator({"COM9", ""});
    std::string error;
    if (!simulator.Start(&error)) {
        std::fprintf(stderr, "simulator: %s\n", error.c_str());
        return 1;
    }
    device::COrvikCore core;
    if (core.Connect("COM9", u"СЕРВІС", u"0000") != device::S_OK) {
        std::fprintf(stderr, "cannot connect on COM9\n");
        return 1;
    }

    const console::MonoBitmap logo = console::MakeMonoBitmap(
        console::kMaxLogoWidth, console::kMaxLogoHeight, [](int x, int y) { return (x ^ y) & 1; });
    const auto packStart = Clock::now();
    std::size_t digits = 0;
    for (int row = 0; row < logo.height; ++row) {
        digits += console::LogoRowText(logo, row).size();
    }
    std::printf("packing 192 rows: %.3f ms (%zu hexadecimal digits)\n", MillisSince(packStart),
                digits);

    std::vector<console::FooterLine> footer;
    for (int i = 0; i < 10; ++i) {
        footer.push_back({std::u16string(43, u'Ж'), i % 2 == 0, false, false});
    }
    console::CCoreLogoFooterRegister device(core);
    std::vector<double> logoMs;
    std::vector<double> footerMs;
    int failures = 0;
    for (int run = 0; run < runs; ++run) {
        auto start = Clock::now();
        failures += console::SendLogo(device, &logo, true) == console::LogoSendResult::Sent ? 0 : 1;
        logoMs.push_back(MillisSince(start));
        start = Clock::now();
        failures += console::SendFooter(device, footer) ? 0 : 1;
        footerMs.push_back(MillisSince(start));
    }
    std::printf("over %d runs (%d failed), median:\n", runs, failures);
    std::printf("  logo of 432 x 192 (193 commands): %.1f ms\n", Median(logoMs));
    std::printf("  footer of ten lines (10 commands): %.1f ms\n", Median(footerMs));
    core.Disconnect();
    simulator.Stop();
    std::filesystem::remove_all(dir);
    return 0;
}

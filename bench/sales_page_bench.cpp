// Measures the receipt page with a long receipt, connected to the simulated register: adding a
// line to a list of up to 500 (the check, the new row, the columns sized, the cash and the
// running total recalculated), recalculating the cash of 500 lines, and painting the page
// with them (into an image, so that it is measured the same with any platform plug-in). A frame at
// 60 Hz is 16.7 ms. Prints figures; asserts nothing.
//
//   orvik_sales_page_bench [--lines N] [--runs R]
#include <stdlib.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "gui/document/orvik_service_doc.h"
#include "gui/pages/tab_sales.h"
#include "sim/simulator.h"

namespace {

using Clock = std::chrono::steady_clock;

// Shows nothing: the bench must never wait on a box.
class SilentPrompt : public orvik::device::IPrompt {
  public:
    void ShowError(const std::u16string&) override {}
    void ShowWarning(const std::u16string&) override {}
    bool AskRetry(const std::u16string&) override { return false; }
};

class SilentMessages : public orvik::gui::IConsoleMessages {
  public:
    void Show(QWidget*, Icon, const QString&) override { ++shown; }
    bool AskYesNo(QWidget*, const QString&, bool) override { return false; }
    int shown = 0;
};

template <class F>
double Millis(F&& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Report(const char* what, std::vector<double> millis) {
    std::sort(millis.begin(), millis.end());
    const auto at = [&millis](double p) {
        return millis[static_cast<std::size_t>(p * static_cast<double>(millis.size() - 1))];
    };
    std::printf("  %-44s p50 %7.3f ms  p90 %7.3f ms  max %7.3f ms\n", what, at(0.5), at(0.9),
                millis.back());
}

void SetText(orvik::gui::CTabSales& page, const char* field, const QString& text) {
    page.findChild<QLineEdit*>(QString::fromLatin1(field))->setText(text);
}

}  // namespace

int main(int argc, char** argv) {
    int lines = 500;
    int runs = 50;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--lines") == 0) {
            lines = std::max(2, std::atoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--runs") == 0) {
            runs = std::max(1, std::atoi(argv[i + 1]));
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);

    char dir[] = "/tmp/orvik-bench-ports-XXXXXX";
    if (!mkdtemp(dir)) {
        std::perror("mkdtemp");
        return 1;
    }
    setenv("ORVIK_PORTS_DIR", dir, 1);
    orvik::sim::SimulatorOptions options;
    options.portName = "COM9";
    options.profile = "f1m8";
    orvik::sim::Simulator sim(options);
    std::string error;
    if (!sim.Start(&error)) {
        std::fprintf(stderr, "simulator: %s\n", error.c_str());
        return 1;
    }

    SilentPrompt prompt;
    SilentMessages messages;
    int status = 0;
    {
        orvik::gui::COrvikServiceDoc document;
        document.SetPrompt(&prompt);
        document.SetMessages(&messages);
        document.OnConnect({"COM9", u"Касир", u"0000"});
        if (!document.IsConnected()) {
            std::fprintf(stderr, "could not connect to the simulated register\n");
            status = 1;
        } else {
            orvik::gui::CTabSales page(&document, nullptr);
            page.resize(page.sizeHint());
            page.show();
            page.UpdateDialog();
            QApplication::processEvents();

            // Every line is taxed, every third weighed, so that the total has work to do.
            std::vector<double> adds;
            for (int i = 0; i < lines; ++i) {
                SetText(page, "nameEdit", QStringLiteral("Товар %1").arg(i + 1));
                const bool weighed = i % 3 == 1;
                auto* divisible = page.findChild<QCheckBox*>(QStringLiteral("divisibleCheck"));
                if (divisible->isChecked() != weighed) {
                    divisible->click();
                }
                SetText(page, "quantityEdit", weighed ? QStringLiteral("0.750") : "2");
                SetText(page, "priceEdit", QStringLiteral("%1.25").arg(i % 90 + 1));
                SetText(page, "articleEdit", QString::number(i + 1));
                const double ms = Millis([&page] { page.AddLine(); });
                if (i >= lines - runs) {
                    adds.push_back(ms);
                }
            }
            std::vector<double> recalculations;
            std::vector<double> repaints;
            std::vector<double> listRepaints;
            auto* list = page.findChild<QWidget*>(QStringLiteral("linesList"));
            for (int i = 0; i < runs; ++i) {
                recalculations.push_back(Millis([&page] { page.RecalculateCash(); }));
                // Painting the whole page with its list into an image: what a repaint costs.
                repaints.push_back(Millis([&page] { page.grab(); }));
                listRepaints.push_back(Millis([list] { list->grab(); }));
            }
            std::printf("receipt page, %d lines, %d runs each (goal: under 16 ms per action):\n",
                        static_cast<int>(page.Model().Rows().size()), runs);
            Report("add a line (last lines of the list)", adds);
            Report("recalculate the cash and the running total", recalculations);
            Report("repaint the list", listRepaints);
            Report("repaint the whole page", repaints);
            if (messages.shown > 0) {
                std::printf("  (%d messages were shown)\n", messages.shown);
            }
        }
        document.OnCloseDocument();
    }
    sim.Stop();
    std::filesystem::remove_all(dir);
    return status;
}

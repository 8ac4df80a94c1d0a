// The yardstick of the console's start-up and memory figures (bench/startup_memory.sh): the
// smallest Qt Widgets program with a window, a main window with one label. It prints the time
// from the process start to its first painted window and its peak and current resident memory
// then, in the console's format, and ends.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstdio>

#include "bench/startup_figures.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Орвик-683")));
    window.show();
    new orvik::bench::FirstPaintClock(&window, [](orvik::bench::FirstPaint paint) {
        std::printf(
            "bench: first-paint-ms=%.1f first-paint-cpu-ms=%.1f vmhwm-kb=%ld "
            "vmrss-kb=%ld\n",
            paint.wallMs, paint.cpuMs, orvik::bench::MemoryKb("VmHWM"),
            orvik::bench::MemoryKb("VmRSS"));
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return QApplication::exec();
}

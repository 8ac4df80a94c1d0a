#pragma once

// Figures for the start-up and memory benchmark (bench/startup_memory.sh), shared by the console
// and by the minimal Qt Widgets program it is compared with, so that both are measured alike.
// Linux only: the figures come from /proc/self.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <unistd.h>
#include <ctime>
#include <functional>

namespace orvik::bench {

// The runner puts the wall-clock time (CLOCK_REALTIME, nanoseconds since the epoch) here just
// before it starts the program; `date +%s%N` gives it.
inline constexpr char kStartVariable[] = "ORVIK_BENCH_START_NS";

inline double NowNs(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
}

// Milliseconds since the process started: since the runner's timestamp when given, otherwise
// since the start time the kernel recorded (clock-tick resolution, about 10 ms); -1 if neither
// can be read.
inline double MillisecondsSinceStart() {
    bool given = false;
    const qlonglong startNs = qEnvironmentVariable(kStartVariable).toLongLong(&given);
    if (given) {
        return (NowNs(CLOCK_REALTIME) - static_cast<double>(startNs)) / 1e6;
    }
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly)) {
        return -1;
    }
    // The command name in parentheses may hold spaces; the start time is the 20th field after
    // it, in clock ticks since boot.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    if (fields.size() < 20 || ticksPerSecond <= 0) {
        return -1;
    }
    const double startNsSinceBoot =
        fields[19].toDouble() * 1e9 / static_cast<double>(ticksPerSecond);
    return (NowNs(CLOCK_BOOTTIME) - startNsSinceBoot) / 1e6;
}

// Milliseconds of processor time the process has used, all its threads together: beside the
// wall-clock figure it tells work from waiting (for the X server, the disk, the scheduler).
inline double CpuMillisecondsSinceStart() {
    return NowNs(CLOCK_PROCESS_CPUTIME_ID) / 1e6;
}

// What the first paint took: wall-clock and processor milliseconds since the process started.
struct FirstPaint {
    double wallMs = -1;
    double cpuMs = -1;
};

// A "VmHWM:", "VmRSS:" ... figure of /proc/self/status in kB, or -1.
inline long MemoryKb(const char* name) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return -1;
    }
    // A file of /proc has no size, so it is read whole rather than line by line to its end.
    const QByteArray key = QByteArray(name) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key)) {
            bool ok = false;
            const long kb = line.mid(key.size()).simplified().split(' ').value(0).toLong(&ok);
            return ok ? kb : -1;
        }
    }
    return -1;
}

// Watches a window for its first paint. The window is taken as painted once the event loop
// turns after the first paint event of the window or of any of its children: the whole window
// is painted in one pass and its frame is then on its way to the screen. `painted` runs once,
// with the times since the process started. Create it before the event loop runs.
class FirstPaintClock : public QObject {
  public:
    FirstPaintClock(QWidget* window, std::function<void(FirstPaint)> painted)
        : QObject(window), m_window(window), m_painted(std::move(painted)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == m_window) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                m_painted({MillisecondsSinceStart(), CpuMillisecondsSinceStart()});
            });
        }
        return false;
    }

  private:
    QWidget* m_window;
    std::function<void(FirstPaint)> m_painted;
};

}  // namespace orvik::bench

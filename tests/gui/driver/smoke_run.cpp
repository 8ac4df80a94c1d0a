#include "tests/gui/driver/smoke_run.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

#include "bench/startup_figures.h"
#include "console/stderr_prompt.h"
#include "gui/app/console_status_bar.h"
#include "gui/app/main_frame.h"
#include "gui/app/orvik_service_app.h"
#include "gui/app/orvik_service_view.h"
#include "gui/document/orvik_service_doc.h"
#include "tests/gui/driver/page_shots.h"

namespace orvik::gui {

namespace {

void Print(const char* what, const QString& text) {
    std::fprintf(stderr, "orvik-console smoke: %s%s\n", what, text.toLocal8Bit().constData());
}

// The pages' messages on standard error; questions are answered No.
class StderrMessages : public IConsoleMessages {
  public:
    void Show(QWidget*, Icon, const QString& text) override { Print("message: ", text); }
    bool AskYesNo(QWidget*, const QString& text, bool) override {
        Print("answered no: ", text);
        return false;
    }
};

// Renders the whole window (menu, bars, view and status bar) into DIR/name.
bool Screenshot(CMainFrame& frame, const QString& dir, const QString& name) {
    // Whatever the last action left to paint or lay out is done first.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const QString path = QDir(dir).filePath(name);
    if (!frame.grab().save(path, "PNG")) {
        Print("screenshot not written: ", path);
        return false;
    }
    Print("screenshot: ", path);
    return true;
}

// Each page of the table in page_shots.cpp, prepared and grabbed in turn.
bool PageScreenshots(CMainFrame& frame, const QString& dir) {
    QTabWidget* tabs = frame.View()->TabControl();
    for (const PageShot& shot : PageShots()) {
        QWidget* page = tabs->widget(shot.tab);
        if (!page) {
            Print("no page at tab ", QString::number(shot.tab));
            return false;
        }
        tabs->setCurrentIndex(shot.tab);
        if (shot.prepare) {
            shot.prepare(frame, *page);
        }
        if (!Screenshot(frame, dir, QString::fromLatin1(shot.file))) {
            return false;
        }
    }
    tabs->setCurrentIndex(0);
    return true;
}

int Drive(CMainFrame& frame, COrvikServiceDoc& document, const SmokeRun& run,
          bench::FirstPaint firstPaint) {
    auto* ports = frame.ConnectionBar()->findChild<QComboBox*>(QStringLiteral("portList"));
    auto* password = frame.ConnectionBar()->findChild<QLineEdit*>(QStringLiteral("passwordEdit"));
    const int index = ports ? ports->findText(run.port) : -1;
    if (index < 0 || !password) {
        Print("port not offered: ", run.port);
        return 2;
    }
    ports->setCurrentIndex(index);
    password->setText(run.password);
    const bool shots = !run.screenshotDir.isEmpty();
    if (shots && !Screenshot(frame, run.screenshotDir, QStringLiteral("contact-panel.png"))) {
        return 3;
    }
    frame.ConnectAction()->trigger();
    if (!document.IsConnected() || !frame.View()->TabControl()->isVisible()) {
        Print("not connected on ", run.port);
        return 1;
    }
    Print("connected: ", frame.StatusPanes()->SerialText());
    if (run.bench) {
        std::printf(
            "bench: first-paint-ms=%.1f first-paint-cpu-ms=%.1f vmhwm-kb=%ld "
            "vmrss-kb=%ld\n",
            firstPaint.wallMs, firstPaint.cpuMs, bench::MemoryKb("VmHWM"),
            bench::MemoryKb("VmRSS"));
        std::fflush(stdout);
    }
    if (shots && !Screenshot(frame, run.screenshotDir, QStringLiteral("connected.png"))) {
        return 3;
    }
    if (shots && !PageScreenshots(frame, run.screenshotDir)) {
        return 3;
    }
    frame.DisconnectAction()->trigger();
    if (document.IsConnected() || !frame.View()->ContactPanel()->isVisible()) {
        Print("still connected", QString());
        return 1;
    }
    Print("disconnected: ", frame.StatusPanes()->StateText());
    return 0;
}

}  // namespace

std::optional<SmokeRun> SmokeRunFromEnvironment() {
    if (!qEnvironmentVariableIsSet(kSmokeTestVariable)) {
        return std::nullopt;
    }
    const QString value = qEnvironmentVariable(kSmokeTestVariable);
    const qsizetype comma = value.indexOf(QLatin1Char(','));
    if (comma < 0) {
        return SmokeRun{};
    }
    return SmokeRun{value.left(comma), value.mid(comma + 1),
                    qEnvironmentVariable(kScreenshotsVariable),
                    qEnvironmentVariable(kBenchVariable) == QLatin1String("1")};
}

int RunSmoke(COrvikServiceApp& app, const SmokeRun& run) {
    // The register's messages on standard error; questions are cancelled.
    console::StderrPrompt prompt("orvik-console smoke");
    StderrMessages messages;
    COrvikServiceDoc& document = *app.Document();
    document.SetPrompt(&prompt);
    document.SetMessages(&messages);
    int status = 2;
    bool started = false;
    // Once the window is up and painted, as a user first sees it.
    const auto start = [&](bench::FirstPaint firstPaint) {
        if (started) {
            return;
        }
        started = true;
        status = Drive(*app.MainFrame(), document, run, firstPaint);
        app.MainFrame()->close();
        QCoreApplication::exit(status);
    };
    new bench::FirstPaintClock(app.MainFrame(), start);
    QTimer::singleShot(10000, &app, [&] { start(bench::FirstPaint{}); });
    COrvikServiceApp::exec();
    document.SetPrompt(nullptr);
    document.SetMessages(nullptr);
    return status;
}

}  // namespace orvik::gui

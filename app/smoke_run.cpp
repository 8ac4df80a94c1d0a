#include "smoke_run.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>

#include "console_status_bar.h"
#include "main_frame.h"
#include "orvik_service_app.h"
#include "orvik_service_doc.h"
#include "orvik_service_view.h"
#include "prompt.h"

namespace orvik::console {
namespace {

void Print(const char* what, const QString& text) {
    std::fprintf(stderr, "orvik-console smoke: %s%s\n", what, text.toLocal8Bit().constData());
}

// The register's messages on standard error; questions are cancelled.
class CStderrPrompt : public IPrompt {
  public:
    void ShowError(const std::u16string& text) override {
        Print("error: ", QString::fromStdU16String(text));
    }
    void ShowWarning(const std::u16string& text) override {
        Print("warning: ", QString::fromStdU16String(text));
    }
    bool AskRetry(const std::u16string& text) override {
        Print("cancelled: ", QString::fromStdU16String(text));
        return false;
    }
};

class CStderrMessages : public IConsoleMessages {
  public:
    void Show(QWidget*, Icon, const QString& text) override { Print("message: ", text); }
    bool AskYesNo(QWidget*, const QString& text, bool) override {
        Print("answered no: ", text);
        return false;
    }
};

int Drive(CMainFrame& frame, COrvikServiceDoc& document, const SmokeRun& run) {
    auto* ports = frame.ConnectionBar()->findChild<QComboBox*>(QStringLiteral("portList"));
    auto* password = frame.ConnectionBar()->findChild<QLineEdit*>(QStringLiteral("passwordEdit"));
    const int index = ports ? ports->findText(run.port) : -1;
    if (index < 0 || !password) {
        Print("port not offered: ", run.port);
        return 2;
    }
    ports->setCurrentIndex(index);
    password->setText(run.password);
    frame.ConnectAction()->trigger();
    if (!document.IsConnected() || !frame.View()->TabControl()->isVisible()) {
        Print("not connected on ", run.port);
        return 1;
    }
    Print("connected: ", frame.StatusPanes()->SerialText());
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
    return SmokeRun{value.left(comma), value.mid(comma + 1)};
}

int RunSmoke(COrvikServiceApp& app, const SmokeRun& run) {
    CStderrPrompt prompt;
    CStderrMessages messages;
    COrvikServiceDoc& document = *app.Document();
    document.SetPrompt(&prompt);
    document.SetMessages(&messages);
    int status = 2;
    // Once the window is up and the event loop runs, as after a real start.
    QTimer::singleShot(0, &app, [&] {
        status = Drive(*app.MainFrame(), document, run);
        app.MainFrame()->close();
        QCoreApplication::exit(status);
    });
    COrvikServiceApp::exec();
    document.SetPrompt(nullptr);
    document.SetMessages(nullptr);
    return status;
}

}  // namespace orvik::console

#include "gui/app/orvik_service_app.h"

#include <QIcon>

#include "gui/app/console_resources.h"
#include "gui/app/main_frame.h"
#include "gui/document/orvik_service_doc.h"
#include "gui/pages/console_pages.h"

namespace orvik::gui {

namespace {

// The window's icon in one size, which the window manager scales to its needs: every size
// would be read and decoded before the window first shows, and sent to the X server with it.
// The desktop entry's icons of every size are installed for the launchers.
QIcon ApplicationIcon() {
    constexpr int kSide = 48;
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/org.orvik.Console-%1.png").arg(kSide),
                 QSize(kSide, kSide));
    return icon;
}

}  // namespace

COrvikServiceApp::COrvikServiceApp(int& argc, char** argv) : QApplication(argc, argv) {
    InitConsoleResources();
    // The window's title is the console's title. No display name is set: Qt would append it
    // to the caption of every message box, and the register's boxes are titled "Орвик-683".
    setApplicationName(QStringLiteral("orvik-console"));
    setApplicationVersion(QStringLiteral(ORVIK_CONSOLE_VERSION));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
    setWindowIcon(ApplicationIcon());
}

COrvikServiceApp::~COrvikServiceApp() {
    m_mainFrame.reset();
    m_document.reset();
}

bool COrvikServiceApp::InitInstance() {
    m_document = std::make_unique<COrvikServiceDoc>();
    m_mainFrame = std::make_unique<CMainFrame>(m_document.get(), ConsolePages());
    m_mainFrame->show();
    return true;
}

}  // namespace orvik::gui

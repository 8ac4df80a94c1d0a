#pragma once

#include <QApplication>

#include <memory>

namespace orvik::gui {

class CMainFrame;
class COrvikServiceDoc;

// The console's application object: names the program, creates the one document and the main
// window, and shows it. The window goes before the document (members in reverse order), and
// the document takes the connection with it.
class COrvikServiceApp : public QApplication {
    Q_OBJECT

  public:
    // The id of the desktop entry and of the icon the desktop shows for the window.
    static constexpr char kDesktopId[] = "org.orvik.Console";

    COrvikServiceApp(int& argc, char** argv);
    ~COrvikServiceApp() override;
    COrvikServiceApp(const COrvikServiceApp&) = delete;
    COrvikServiceApp& operator=(const COrvikServiceApp&) = delete;

    // Creates the document and the main window and shows it. False when the window could not
    // be created.
    bool InitInstance();

    COrvikServiceDoc* Document() const { return m_document.get(); }
    CMainFrame* MainFrame() const { return m_mainFrame.get(); }

  private:
    std::unique_ptr<COrvikServiceDoc> m_document;
    std::unique_ptr<CMainFrame> m_mainFrame;
};

}  // namespace orvik::gui

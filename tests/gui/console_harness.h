#pragma once

#include <QString>

#include <memory>
#include <string>
#include <vector>

#include "gui/app/main_frame.h"
#include "gui/document/console_messages.h"
#include "gui/document/orvik_service_doc.h"
#include "gui/pages/console_pages.h"
#include "sim/simulator.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_ports_dir.h"

class QComboBox;
class QLineEdit;
class QToolButton;

// Records the console's own boxes instead of showing them.
class RecordingMessages : public orvik::gui::IConsoleMessages {
  public:
    struct Entry {
        Icon icon;
        QString text;
    };
    void Show(QWidget*, Icon icon, const QString& text) override {
        entries.push_back({icon, text});
    }
    bool AskYesNo(QWidget*, const QString& text, bool) override {
        entries.push_back({Icon::Information, text});
        return answerYes;
    }
    std::vector<Entry> entries;
    bool answerYes = false;  // how every question is answered
};

// Which simulated register the console meets.
struct ConsoleRegister {
    std::string profile = "f0m0";        // the simulator's profile: family 0 model 0
    std::u16string password = u"12345";  // the operator password it accepts
};

// The register whose pages offer the most: family 1 model 8.
inline ConsoleRegister Model8Register() {
    return ConsoleRegister{.profile = "f1m8"};
}

// The whole window against a simulated register on COM1 of a ports folder of its own. The
// register's messages and the console's boxes are recorded, never shown.
class ConsoleHarness {
  public:
    static constexpr const char* kPort = "COM1";

    explicit ConsoleHarness(ConsoleRegister kind = ConsoleRegister(),
                            std::vector<orvik::gui::PageEntry> pages = orvik::gui::ConsolePages());
    ~ConsoleHarness();
    ConsoleHarness(const ConsoleHarness&) = delete;
    ConsoleHarness& operator=(const ConsoleHarness&) = delete;

    // Starts the register and opens the window (shown and active). probe: how the connection
    // bar finds its ports; the real ports when empty.
    bool Start(QString* error, orvik::gui::CMainFrameDlgBar::PortProbe probe =
                                   orvik::gui::CMainFrameDlgBar::PortProbe());

    // Cores with short time-outs, for the cases that must fail without an answer.
    void UseShortTimeouts();

    // Connects as an operator does: the register's password into its field, then Enter there.
    bool ConnectWithEnter();

    orvik::gui::CMainFrame& Frame() const { return *m_frame; }
    orvik::gui::COrvikServiceDoc& Document() { return m_document; }
    orvik::sim::Simulator& Register() { return m_simulator; }
    // The operator password the register accepts and the serial number it reports.
    const std::u16string& RegisterPassword() const { return m_password; }
    std::u16string RegisterSerialNumber();
    // How many log-ins the register has been sent.
    int LoginCount() const;

    QComboBox* PortList() const;
    QLineEdit* OperatorName() const;
    QLineEdit* Password() const;
    QToolButton* ToolButton(QAction* action) const;

    RecordingPrompt prompt;
    RecordingMessages messages;

  private:
    TempPortsDir m_ports;  // first: the register links its port in it
    std::u16string m_password;
    orvik::sim::Simulator m_simulator;
    orvik::gui::COrvikServiceDoc m_document;
    std::vector<orvik::gui::PageEntry> m_pages;
    std::unique_ptr<orvik::gui::CMainFrame> m_frame;
};

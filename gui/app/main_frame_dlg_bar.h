#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>

#include "gui/document/connection_rules.h"

namespace Ui {
class ConnectionBar;
}

namespace orvik::gui {

// The connection bar beside the tool strip: the serial port (or a register of the registers
// file, on the network or not), the operator's name and the operator's password. Nothing of it is
// kept between runs: each start offers the first port found, "Касир" and an empty password.
class CMainFrameDlgBar : public QWidget {
    Q_OBJECT

  public:
    // Answers whether a port of the given name is there.
    using PortProbe = std::function<bool(const std::string& name)>;
    // What stands behind a port, shown beside its name in the open list.
    using PortDescriber = std::function<std::string(const std::string& name)>;

    // Probes the ports with probe (by default the real ones) and sets the defaults.
    explicit CMainFrameDlgBar(QWidget* parent = nullptr, PortProbe probe = PortProbe());
    ~CMainFrameDlgBar() override;
    CMainFrameDlgBar(const CMainFrameDlgBar&) = delete;
    CMainFrameDlgBar& operator=(const CMainFrameDlgBar&) = delete;

    // Asks for COM1 to COM24 in turn, with the wait cursor up, and lists those that are there
    // with their devices; the first one found becomes m_strPort unless a port is chosen
    // already. Answers how many were listed. Runs again each time the list is opened.
    int FillPortList();
    // Replaces how ports are described (tests).
    void SetPortDescriber(PortDescriber describer) { m_describe = std::move(describer); }

    // The controls into the three fields, and back. A field the connection would be refused
    // for takes the caret as it is read: the warning that follows names it, and once the
    // warning is closed the operator types there.
    void ReadControls();
    void WriteControls();

    // Puts the caret in the password field: with the port and the name already offered, the
    // password is all an operator has to type before pressing Enter.
    void FocusPassword();

    // The three fields as the document takes them.
    ConnectionValues Values() const;

    QString m_strPort;
    QString m_strOperatorName;
    QString m_strOperatorPassword;

  private:
    Ui::ConnectionBar* m_ui;
    PortProbe m_probe;
    PortDescriber m_describe;
    QHash<QString, QString> m_namedOperators;  // a named register's operator, if it has one
};

}  // namespace orvik::gui

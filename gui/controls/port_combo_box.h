#pragma once

#include <QComboBox>

#include <functional>

namespace orvik::gui {

// The port list of the connection bar: shows COMn when closed and, in its open list, the
// device and the USB adapter's product and serial beside each name (a second column). It asks
// for its items afresh each time it is opened, so that an adapter plugged in after start-up
// appears without a restart.
class PortComboBox : public QComboBox {
    Q_OBJECT

  public:
    explicit PortComboBox(QWidget* parent = nullptr);

    // Called just before the list opens, to fill it again.
    void SetRefresh(std::function<void()> refresh) { m_refresh = std::move(refresh); }

    // Replaces the items: each name with its details. The chosen name stays chosen when it is
    // still listed.
    void SetPorts(const QStringList& names, const QStringList& details);

    void showPopup() override;

  private:
    // The two-column list is made when it first opens, not with the window.
    void EnsureListView();
    void FitColumns();

    std::function<void()> m_refresh;
    bool m_listView = false;
};

}  // namespace orvik::gui

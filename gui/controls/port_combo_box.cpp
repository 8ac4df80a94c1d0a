#include "gui/controls/port_combo_box.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTreeView>

namespace orvik::gui {

PortComboBox::PortComboBox(QWidget* parent) : QComboBox(parent) {
    auto* model = new QStandardItemModel(0, 2, this);
    setModel(model);
    setModelColumn(0);
}

void PortComboBox::EnsureListView() {
    if (m_listView) {
        return;
    }
    m_listView = true;
    auto* view = new QTreeView(this);
    view->setHeaderHidden(true);
    view->setRootIsDecorated(false);
    view->setAllColumnsShowFocus(true);
    view->setItemsExpandable(false);
    setView(view);
    FitColumns();
}

void PortComboBox::FitColumns() {
    auto* tree = static_cast<QTreeView*>(view());
    tree->resizeColumnToContents(0);
    tree->resizeColumnToContents(1);
    tree->setMinimumWidth(tree->columnWidth(0) + tree->columnWidth(1) + 2 * tree->frameWidth() +
                          24);
}

void PortComboBox::SetPorts(const QStringList& names, const QStringList& details) {
    const QString chosen = currentText();
    auto* items = static_cast<QStandardItemModel*>(model());
    items->removeRows(0, items->rowCount());
    for (qsizetype i = 0; i < names.size(); ++i) {
        auto* name = new QStandardItem(names[i]);
        auto* detail = new QStandardItem(i < details.size() ? details[i] : QString());
        name->setToolTip(detail->text());
        detail->setToolTip(detail->text());
        items->appendRow({name, detail});
    }
    setCurrentIndex(chosen.isEmpty() ? -1 : findText(chosen, Qt::MatchExactly));
    if (m_listView) {
        FitColumns();
    }
}

void PortComboBox::showPopup() {
    if (m_refresh) {
        m_refresh();
    }
    EnsureListView();
    QComboBox::showPopup();
}

}  // namespace orvik::gui

#pragma once

// The console connected to a simulated register, showing the receipt page: helpers that type,
// leave fields and press buttons as a user does, and read what the register registered.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <optional>
#include <string>

#include "gui/app/orvik_service_view.h"
#include "gui/controls/auto_size_list_ctrl.h"
#include "gui/pages/tab_sales.h"
#include "tests/gui/console_harness.h"

namespace sales_test {

using orvik::gui::CAutoSizeListCtrl;
using orvik::gui::CTabSales;

// Answers every file dialog with a path set beforehand and keeps the requests.
struct FakeFileDialog {
    QString answer;
    std::vector<orvik::gui::FileDialogRequest> requests;

    orvik::gui::FileDialogFunction Function() {
        return [this](QWidget*, const orvik::gui::FileDialogRequest& request) {
            requests.push_back(request);
            return answer;
        };
    }
};

// A line as the user enters it.
struct Goods {
    Goods(QString itemName, QString itemQuantity, QString itemPrice)
        : name(std::move(itemName)),
          quantity(std::move(itemQuantity)),
          price(std::move(itemPrice)) {}
    Goods& Weighed() {
        divisible = true;
        return *this;
    }
    Goods& Taxes(int first, int second = 0) {
        tax1 = first;
        tax2 = second;
        return *this;
    }
    Goods& Article(QString number) {
        article = std::move(number);
        return *this;
    }

    QString name;
    QString quantity;
    QString price;
    bool divisible = false;
    int tax1 = 0;  // index in the tax-rate lists, 0 "НЕ ОБЛАГАЕТСЯ"
    int tax2 = 0;
    QString article;  // empty: the next unused article number
};

class SalesFixture {
  public:
    static constexpr int kSalesTab = 3;

    explicit SalesFixture(ConsoleRegister kind = Model8Register()) : console(kind) {}

    bool Start(QString* error) {
        if (!console.Start(error)) {
            return false;
        }
        page = qobject_cast<CTabSales*>(console.Frame().View()->Pages().at(kSalesTab));
        if (!page) {
            *error = QStringLiteral("the fourth page is not the receipt page");
            return false;
        }
        page->SetFileDialog(files.Function());
        return true;
    }

    bool ConnectAndShow() {
        if (!console.ConnectWithEnter()) {
            return false;
        }
        console.Frame().View()->TabControl()->setCurrentIndex(kSalesTab);
        list = page->findChild<CAutoSizeListCtrl*>(QStringLiteral("linesList"));
        return page->isVisible() && list != nullptr;
    }

    template <class T = QLineEdit>
    T* Field(const char* name) const {
        return page->findChild<T*>(QString::fromLatin1(name));
    }
    QPushButton* Button(const char* name) const { return Field<QPushButton>(name); }

    // Types into a field as a user does: the focus moves there first (leaving the field it
    // was in), the old text is replaced.
    void Type(const char* name, const QString& text) {
        QLineEdit* field = Field(name);
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        // Key by key with the character each key types (Cyrillic letters included).
        for (const QChar ch : text) {
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
    // Leaves the field with the focus for one that is not normalised.
    void Leave() { Field("receiptNumberEdit")->setFocus(Qt::TabFocusReason); }

    void Click(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }

    // Fills the entry form with a line and adds it with the button.
    void Enter(const Goods& goods) {
        Type("nameEdit", goods.name);
        auto* divisible = Field<QCheckBox>("divisibleCheck");
        if (divisible->isChecked() != goods.divisible) {
            QTest::mouseClick(divisible, Qt::LeftButton);
        }
        Type("quantityEdit", goods.quantity);
        Type("articleEdit",
             goods.article.isEmpty() ? QString::number(m_nextArticle++) : goods.article);
        Type("priceEdit", goods.price);
        Field<QComboBox>("taxRate1Combo")->setCurrentIndex(goods.tax1);
        Field<QComboBox>("taxRate2Combo")->setCurrentIndex(goods.tax2);
    }
    void Add(const Goods& goods) {
        Enter(goods);
        Click("addButton");
    }
    void TickReturn() { QTest::mouseClick(Field<QCheckBox>("returnCheck"), Qt::LeftButton); }

    QString Text(const char* name) const { return Field(name)->text(); }
    QString Cell(int row, int column) const { return list->topLevelItem(row)->text(column); }
    QString Totals() const { return Field<QLabel>("totalsLabel")->text(); }

    void SelectRows(std::initializer_list<int> rows) {
        list->clearSelection();
        for (int row : rows) {
            list->topLevelItem(row)->setSelected(true);
        }
    }

    // The messages the page showed since the last call.
    QStringList TakeMessages() {
        QStringList texts;
        for (const auto& entry : console.messages.entries) {
            texts << entry.text;
        }
        console.messages.entries.clear();
        return texts;
    }
    // The register's messages (shown by the core) since the last call.
    QStringList TakePrompts() {
        QStringList texts;
        for (const auto& entry : console.prompt.entries) {
            texts << QString::fromStdU16String(entry.text);
        }
        console.prompt.entries.clear();
        return texts;
    }

    // The last receipt the register closed.
    std::optional<orvik::sim::ClosedReceipt> LastClosed() {
        return console.Register().WithState(
            [](orvik::sim::RegisterState& state) { return state.receipt.lastClosed; });
    }
    bool RegisterHasOpenReceipt() {
        return console.Register().WithState(
            [](orvik::sim::RegisterState& state) { return state.receipt.open.has_value(); });
    }
    std::int64_t ReceiptsToday() {
        return console.Register().WithState(
            [](orvik::sim::RegisterState& state) { return state.day.receipts; });
    }
    std::int64_t Drawer() {
        return console.Register().WithState(
            [](orvik::sim::RegisterState& state) { return state.cash; });
    }
    void SetDrawer(std::int64_t cash) {
        console.Register().WithState(
            [cash](orvik::sim::RegisterState& state) { state.cash = cash; });
    }
    // The paper runs out at the n-th line command from now.
    void PaperRunsOutAtLine(int line) {
        console.Register().WithState(
            [line](orvik::sim::RegisterState& state) { state.receipt.paperRunsOutAtLine = line; });
    }

    ConsoleHarness console;
    FakeFileDialog files;
    CTabSales* page = nullptr;
    CAutoSizeListCtrl* list = nullptr;

  private:
    int m_nextArticle = 1;
};

#define START_SALES(fixture)                                            \
    do {                                                                \
        QString startError;                                             \
        QVERIFY2((fixture).Start(&startError), qPrintable(startError)); \
        QVERIFY((fixture).ConnectAndShow());                            \
    } while (false)

}  // namespace sales_test

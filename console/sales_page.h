#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "console/receipt_checks.h"
#include "console/receipt_file.h"
#include "console/receipt_printing.h"
#include "console/receipt_register.h"
#include "console/receipt_total.h"
#include "console/sales_form.h"

// The receipt page without its window: the form, the list's rows, the limits from the
// register, the return lock, the cash recalculation with the running total, and what adding,
// changing, deleting, printing, saving and loading do to them. The page's widgets mirror this
// state; the selection of the list stays with the widget and is handed in where it matters.
namespace orvik::console {

// The longest text "Наличные: " takes: the largest cash the close carries, -21474836.48.
inline constexpr std::size_t kCashFieldLength = 12;
// "Номер чека:" and "Напечатать чек" hold one digit more than their largest number: a number
// typed too large stays as typed and the print check refuses it, where a field one digit
// shorter would cut it to another number that passes (100000 to 10000).
inline constexpr std::size_t kReceiptNumberFieldLength = 6;
inline constexpr std::size_t kPrintCountFieldLength = 4;

// What an operation did: whether the rows changed, and the message the page shows with an
// exclamation icon when it refused.
struct SalesOutcome {
    bool rowsChanged = false;
    CheckResult refused;
};

// The register's "NCDC" answer: its first character when that is a tape mode, 0 ordinary or 1
// continuous tape; nothing otherwise.
std::optional<std::int32_t> TapeModeFromAnswer(std::u16string_view answer);

class SalesPage {
  public:
    SalesPage();

    SalesForm form;

    const ItemLimits& Limits() const { return m_limits; }
    // What the register of the last refresh has; a default value without one.
    const device::RegisterCapabilities& Capabilities() const { return m_capabilities; }
    const std::vector<TaxChoice>& TaxChoices() const { return m_taxChoices; }
    const std::vector<ReceiptRow>& Rows() const { return m_rows; }
    // "Возврат товара" can be clicked; it is locked once ticked, and unticked and unlocked
    // whenever the list is left empty (deleted, printed with "Очистить список", loaded).
    bool ReturnBoxEnabled() const { return !m_returnLocked; }
    // The receipt as the last recalculation saw it; all 0 before one or without a register.
    const ReceiptPreview& Preview() const { return m_preview; }
    bool PreviewHasRegister() const { return m_previewHasRegister; }

    // The refresh after a connect: the limits, capabilities and tax lists of the register (or
    // the defaults and "НЕ ОБЛАГАЕТСЯ" alone without one; the money decimals stay as they
    // were). Both lists choose "НЕ ОБЛАГАЕТСЯ". The running total is computed anew with reg
    // (the register the limits come from, nullptr without one), so that it is the register's
    // from the start.
    void Refresh(const std::optional<ItemLimits>& limits, const device::RegisterCapabilities& caps,
                 IReceiptRegister* reg);
    // The tape mode a register with tape modes reports (QueryTapeMode), when it is one
    // (TapeModeFromAnswer); anything else keeps the mode chosen.
    void TakeTapeModeAnswer(std::u16string_view answer);

    // The user ticks or unticks "Возврат товара"; a tick locks the box.
    void SetReturnTicked(bool ticked);

    // "&Добавить в список": checks the form, appends its row and clears the line's fields.
    SalesOutcome AddLine(IReceiptRegister* reg);
    // "Изменить строку списка": overwrites the row with the lowest selected index.
    SalesOutcome ModifyLine(std::span<const std::size_t> selected, IReceiptRegister* reg);
    // "Удалить": deletes the selected rows; an empty list unlocks "Возврат товара".
    SalesOutcome DeleteLines(std::span<const std::size_t> selected, IReceiptRegister* reg);
    // A double click: the row's texts back into the form.
    void LoadLineIntoForm(std::size_t row);

    // The cash field becomes the total less the payments, which are written back as money.
    // Refused (with the message) when a field in the print scope is wrong.
    CheckResult RecalculateCash(IReceiptRegister* reg);
    // The field left by the user, written anew; after a payment the cash is recalculated.
    CheckResult LeaveNumberField(NumberField field, IReceiptRegister* reg);

    // "&Печатать чек" after its check (CheckBeforePrinting): prints the copies, counts them
    // down in form.printCount, empties the list after a complete run with "Очистить список"
    // (which frees "Возврат товара"), then clears the line's fields. The cash and payments
    // keep their texts.
    CheckResult CheckBeforePrinting() const;
    // With heldBy set nothing was sent and the page is as it was: the user may ask again.
    PrintOutcome Print(IReceiptRegister& reg, const PrintProgress& progress,
                       const JournalContext& journal = {});

    // "Сохранить чек": what the file holds (SaveReceiptFile refuses, naming the row and
    // column, a text the file cannot carry).
    ReceiptFileContent FileContent() const;
    // "Загрузить чек", once the file has been read: the list emptied and the return box
    // unticked and unlocked...
    void ClearForLoading();
    // ...then what was read: rows, payments and return flag (locked when ticked; a file
    // without rows leaves the box unticked), the line's fields cleared and the cash
    // recalculated. A file that could not be read at all is not taken: the receipt on the page
    // stays as it was.
    CheckResult TakeLoadedFile(const ReceiptFileLoad& load, IReceiptRegister* reg);

    SalesButtons Buttons(std::size_t selected) const;

  private:
    CheckResult PrintScopeProblem() const;
    void UpdatePreview(IReceiptRegister* reg);
    // An empty list takes no return: the box is unticked and can be clicked again.
    void FreeReturnBoxWhenEmpty();

    ItemLimits m_limits;
    device::RegisterCapabilities m_capabilities;
    std::vector<TaxChoice> m_taxChoices;
    std::vector<ReceiptRow> m_rows;
    bool m_returnLocked = false;
    ReceiptPreview m_preview;
    bool m_previewHasRegister = false;
};

}  // namespace orvik::console

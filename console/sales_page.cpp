#include "console/sales_page.h"

#include <algorithm>
#include <functional>
#include <string>

#include "console/field_checks.h"
#include "console/receipt_numbers.h"
#include "res/string_table.h"

namespace orvik::console {
namespace {

std::u16string Decimal(std::int64_t value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

SalesPage::SalesPage() : m_taxChoices(TaxChoicesFor(m_limits)) {}

void SalesPage::Refresh(const std::optional<ItemLimits>& limits,
                        const device::RegisterCapabilities& caps, IReceiptRegister* reg) {
    const int decimals = m_limits.moneyDecimals;
    m_limits = limits.value_or(ItemLimits{});
    if (!limits) {
        m_limits.moneyDecimals = decimals;
    }
    m_capabilities = limits ? caps : device::RegisterCapabilities{};
    m_taxChoices = TaxChoicesFor(m_limits);
    form.taxSlot1 = 0;
    form.taxSlot2 = 0;
    UpdatePreview(reg);
}

std::optional<std::int32_t> TapeModeFromAnswer(std::u16string_view answer) {
    if (answer.empty() || (answer.front() != u'0' && answer.front() != u'1')) {
        return std::nullopt;
    }
    return answer.front() - u'0';
}

void SalesPage::TakeTapeModeAnswer(std::u16string_view answer) {
    // Only the two modes the radio buttons offer; anything else keeps the one chosen.
    if (const auto mode = TapeModeFromAnswer(answer)) {
        form.tapeMode = *mode;
    }
}

void SalesPage::SetReturnTicked(bool ticked) {
    if (m_returnLocked) {
        return;
    }
    form.isReturn = ticked;
    // Every line added from now on is a return; the lines added before stay sales.
    m_returnLocked = ticked;
}

SalesOutcome SalesPage::AddLine(IReceiptRegister* reg) {
    if (auto refused = CheckItem(ItemFieldsOf(form), FormFieldsOf(form), m_limits)) {
        return {false, std::move(refused)};
    }
    m_rows.push_back(RowFromForm(form));
    ClearLineFields(form);
    return {true, RecalculateCash(reg)};
}

SalesOutcome SalesPage::ModifyLine(std::span<const std::size_t> selected, IReceiptRegister* reg) {
    const auto first = std::min_element(selected.begin(), selected.end());
    if (first == selected.end() || *first >= m_rows.size()) {
        return {};
    }
    if (auto refused = CheckItem(ItemFieldsOf(form), FormFieldsOf(form), m_limits)) {
        return {false, std::move(refused)};
    }
    m_rows[*first] = RowFromForm(form);
    ClearLineFields(form);
    return {true, RecalculateCash(reg)};
}

SalesOutcome SalesPage::DeleteLines(std::span<const std::size_t> selected, IReceiptRegister* reg) {
    std::vector<std::size_t> doomed(selected.begin(), selected.end());
    std::sort(doomed.begin(), doomed.end(), std::greater<>());
    doomed.erase(std::unique(doomed.begin(), doomed.end()), doomed.end());
    bool changed = false;
    for (const std::size_t row : doomed) {
        if (row < m_rows.size()) {
            m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(row));
            changed = true;
        }
    }
    FreeReturnBoxWhenEmpty();
    return {changed, RecalculateCash(reg)};
}

void SalesPage::LoadLineIntoForm(std::size_t row) {
    if (row < m_rows.size()) {
        LoadRowIntoForm(m_rows[row], m_taxChoices, form);
    }
}

void SalesPage::FreeReturnBoxWhenEmpty() {
    if (m_rows.empty()) {
        form.isReturn = false;
        m_returnLocked = false;
    }
}

void SalesPage::UpdatePreview(IReceiptRegister* reg) {
    m_preview = PreviewReceipt(m_rows, m_limits.moneyDecimals, reg);
    m_previewHasRegister = reg != nullptr;
}

CheckResult SalesPage::RecalculateCash(IReceiptRegister* reg) {
    if (auto problem = PrintScopeProblem()) {
        return problem;
    }
    UpdatePreview(reg);
    const CashFields fields =
        console::RecalculateCash(m_preview.amountDue, form.payments, m_limits.moneyDecimals);
    form.cash = fields.cash;
    form.payments = fields.payments;
    return std::nullopt;
}

CheckResult SalesPage::LeaveNumberField(NumberField field, IReceiptRegister* reg) {
    std::u16string* text = nullptr;
    switch (field) {
        case NumberField::Quantity:
            text = &form.quantity;
            break;
        case NumberField::Price:
            text = &form.price;
            break;
        case NumberField::DiscountAmount:
            text = &form.discountAmount;
            break;
        case NumberField::Cash:
            text = &form.cash;
            break;
        case NumberField::Payment1:
        case NumberField::Payment2:
        case NumberField::Payment3:
            text = &form.payments[static_cast<std::size_t>(field) -
                                  static_cast<std::size_t>(NumberField::Payment1)];
            break;
    }
    *text = NormalizeNumberField(field, *text, form.divisible, m_limits.moneyDecimals);
    const bool payment = field == NumberField::Payment1 || field == NumberField::Payment2 ||
                         field == NumberField::Payment3;
    return payment ? RecalculateCash(reg) : std::nullopt;
}

CheckResult SalesPage::CheckBeforePrinting() const {
    return PrintScopeProblem();
}

PrintOutcome SalesPage::Print(IReceiptRegister& reg, const PrintProgress& progress,
                              const JournalContext& journal) {
    PrintRequest request;
    request.copies = std::clamp(ReadInteger(form.printCount), 1, field_checks::kMaxPrintCount);
    request.receiptNumber = ReadInteger(form.receiptNumber);
    request.tapeMode = form.tapeMode;
    request.cash = form.cash;
    request.payment1 = form.payments[0];
    request.payment2 = form.payments[1];
    request.payment3 = form.payments[2];
    request.compoundTaxBox = form.compoundTax;
    request.barcodeType = form.barcodeType;
    request.barcode = form.barcode;
    request.moneyDecimals = m_limits.moneyDecimals;
    if (m_limits.registerKnown) {
        request.rowLimits = m_limits;
    }
    request.journal = journal;

    PrintProgress counted = progress;
    counted.copiesRemaining = [this, &progress](int remaining) {
        form.printCount = Decimal(remaining);
        if (progress.copiesRemaining) {
            progress.copiesRemaining(remaining);
        }
    };
    // The rows are printed from a copy: whatever the page shows meanwhile cannot change them.
    const std::vector<ReceiptRow> rows = m_rows;
    const PrintOutcome outcome = PrintReceipt(reg, rows, request, counted);
    if (outcome.heldBy) {
        return outcome;
    }
    form.printCount = Decimal(outcome.copiesRemaining);
    if (!outcome.failed && form.afterPrint == 1) {
        m_rows.clear();
        m_preview = ReceiptPreview{};
        FreeReturnBoxWhenEmpty();
    }
    ClearLineFields(form);
    return outcome;
}

ReceiptFileContent SalesPage::FileContent() const {
    return ReceiptFileContent{
        .returnFlag = form.isReturn, .payments = form.payments, .rows = m_rows};
}

void SalesPage::ClearForLoading() {
    m_rows.clear();
    FreeReturnBoxWhenEmpty();
}

CheckResult SalesPage::TakeLoadedFile(const ReceiptFileLoad& load, IReceiptRegister* reg) {
    m_rows = load.rows;
    if (load.hasHeader) {
        form.payments = load.payments;
    }
    if (load.returnFlag) {
        form.isReturn = *load.returnFlag;
    }
    ClearLineFields(form);
    auto problem = RecalculateCash(reg);
    m_returnLocked = form.isReturn;
    FreeReturnBoxWhenEmpty();
    return problem;
}

SalesButtons SalesPage::Buttons(std::size_t selected) const {
    return EnabledSalesButtons(form, m_rows.size(), selected, m_capabilities);
}

CheckResult SalesPage::PrintScopeProblem() const {
    // The cash is written by the recalculation and may need more than the 10 characters a
    // payment field takes (11 for 10000000.00): it is held to what the largest cash the
    // register takes needs, and its value is checked with the payments when printing.
    if (form.cash.size() > kCashFieldLength) {
        return CheckFailure{
            .field = ReceiptField::Cash,
            .messageId = kStrFieldTooLong,
            .message = FormatMessage(kStrFieldTooLong, {Decimal(kCashFieldLength)})};
    }
    return CheckPrintScope(form.article, FormFieldsOf(form),
                           PaymentTexts{.cash = {}, .payments = form.payments});
}

}  // namespace orvik::console

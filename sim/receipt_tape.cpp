#include "sim/receipt_tape.h"

#include <vector>

#include "sim/footer_logo_print.h"
#include "sim/printout.h"
#include "sim/receipt_figures.h"
#include "sim/tape.h"

namespace orvik::sim {

namespace {

// A piece of a receipt: laid out as wide as the register's paper (Printout gives the width
// and the rows) and printed at once. Without the head, the document's header lines are left
// off: they were printed when the receipt was opened.
class CReceiptPiece {
  public:
    CReceiptPiece(const RegisterState& state, bool withHead)
        : m_state(state), m_out(state), m_from(withHead ? 0 : m_out.Lines().size()) {}

    Printout* operator->() { return &m_out; }

    // A row whose label and value do not fit side by side takes two lines.
    void FittedRow(std::u16string_view label, std::u16string_view value) {
        if (label.size() + 1 + value.size() > m_out.Width()) {
            Wrapped(label);
            m_out.Row(u"", value);
        } else {
            m_out.Row(label, value);
        }
    }
    // A text longer than a line goes on in the next lines.
    void Wrapped(std::u16string_view text) {
        const std::size_t width = m_out.Width();
        do {
            m_out.Line(text.substr(0, width));
            text.remove_prefix(std::min(width, text.size()));
        } while (!text.empty());
    }
    // The register's numbers, date and time at the foot of a document.
    void Foot() {
        FittedRow(u"ЗН " + m_state.identity.serialNumber, u"ФН " + m_state.identity.fiscalNumber);
        const support::LocalDateTime now = m_state.clock.Now();
        FittedRow(DateText(now), TimeText(now));
        m_out.Rule(u'=');
    }
    void Print() {
        if (!m_state.tape) {
            return;
        }
        const std::vector<std::u16string>& lines = m_out.Lines();
        for (std::size_t i = m_from; i < lines.size(); ++i) {
            m_state.tape->Print(lines[i]);
        }
    }

  private:
    const RegisterState& m_state;
    Printout m_out;
    std::size_t m_from;
};

std::u16string Trimmed(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return {};
    }
    return std::u16string(text.substr(first, text.find_last_not_of(u' ') - first + 1));
}

std::u16string LettersOf(const std::array<int, 2>& slots) {
    std::u16string letters;
    for (const int slot : slots) {
        if (slot != 0) {
            letters += SlotLetter(slot);
        }
    }
    return letters;
}

// "20.00%" from the rate digits "2000".
std::u16string RateText(const TaxRate& tax) {
    return Amount(RateHundredths(tax), 2) + u"%";
}

std::u16string TaxLabel(const TaxRate& tax, int slot) {
    std::u16string label(1, SlotLetter(slot));
    label += u' ';
    if (!Trimmed(tax.name).empty()) {
        label += Trimmed(tax.name);
    } else {
        label += tax.kind == u'0' ? u"ВКЛ." : tax.kind == u'1' ? u"НАЛОЖ." : u"С ВЫИГР.";
    }
    return label + u" " + RateText(tax);
}

std::int64_t TaxAmount(const TaxFigures& figures) {
    return figures.included + figures.added + figures.winnings;
}

void PrintSlotTaxes(CReceiptPiece& piece, const RegisterState& state, const SlotAmounts& turnovers,
                    std::u16string_view prefix) {
    for (std::size_t i = 0; i < kTaxSlotCount; ++i) {
        const TaxRate& tax = state.taxes[i];
        if (turnovers[i] == 0 || !IsProgrammed(tax)) {
            continue;
        }
        const int slot = static_cast<int>(i) + 1;
        piece.FittedRow(std::u16string(prefix) + TaxLabel(tax, slot),
                        MoneyText(state, TaxAmount(SlotTaxOf(tax, turnovers[i]))));
    }
}

}  // namespace

std::u16string MoneyText(const RegisterState& state, std::int64_t minor) {
    return Amount(minor, state.currency.decimalPoint);
}

std::u16string QuantityText(std::int64_t quantity, bool divisible) {
    return divisible ? Amount(quantity, 3) : Number(quantity);
}

void PrintReceiptHead(const RegisterState& state, const ReceiptInProgress& receipt) {
    CReceiptPiece piece(state, true);
    if (!Trimmed(receipt.department).empty()) {
        piece->Centered(Trimmed(receipt.department));
    }
    if (!state.session.operatorName.empty()) {
        piece->Row(u"КАСИР", state.session.operatorName);
    }
    if (receipt.shopNumber > 0) {
        piece->Row(u"НОМЕР ПО КАССЕ", receipt.shopNumber);
    }
    piece->Centered(u"ФИСКАЛЬНЫЙ ЧЕК");
    piece->Rule();
    piece.Print();
}

void PrintReceiptLine(const RegisterState& state, const RegisteredLine& line, bool firstReturn) {
    CReceiptPiece piece(state, false);
    if (firstReturn) {
        piece->Centered(u"ВОЗВРАТ");
    }
    piece.Wrapped(line.name.empty() ? u"-" : line.name);
    const std::u16string letters = LettersOf(line.taxSlots);
    piece.FittedRow(
        u"  " + QuantityText(line.quantity, line.divisible) + u" x " + MoneyText(state, line.price),
        MoneyText(state, line.lineSum) + (letters.empty() ? u"" : u" " + letters));
    if (line.discountKind == LineDiscountKind::Discount) {
        piece.FittedRow(u"  СКИДКА " + line.discountName,
                        u"-" + MoneyText(state, line.discountAmount));
    } else if (line.discountKind == LineDiscountKind::Surcharge) {
        piece.FittedRow(u"  НАДБАВКА " + line.discountName,
                        u"+" + MoneyText(state, line.discountAmount));
    }
    if (line.compound) {
        piece->Line(u"  НАЛОГ НА НАЛОГ " + letters);
    }
    if (!state.settings.taxPrintOnTotal) {
        // The register prints the added taxes after each line unless told to print them on
        // the total only.
        if (line.taxes.added > 0) {
            piece.FittedRow(u"  НАЛОЖ. НАЛОГ", MoneyText(state, line.taxes.added));
        }
        if (line.taxes.winnings > 0) {
            piece.FittedRow(u"  НАЛОГ С ВЫИГРЫША", MoneyText(state, line.taxes.winnings));
        }
    }
    piece.Print();
}

void PrintReceiptBarcode(const RegisterState& state, char16_t codeSet, std::u16string_view code) {
    CReceiptPiece piece(state, false);
    const std::u16string setName = codeSet == u'g'   ? u"CODEA"
                                   : codeSet == u'h' ? u"CODEB"
                                                     : u"CODEC";
    piece->Row(u"ШТРИХКОД", setName);
    piece->Centered(u"||| " + std::u16string(code) + u" |||");
    piece.Print();
}

void PrintReceiptEnd(const RegisterState& state, const ReceiptInProgress& receipt,
                     const ClosedReceipt& closed) {
    CReceiptPiece piece(state, false);
    piece->Rule();
    if (receipt.salesSum != 0 || receipt.returnsSum == 0) {
        piece->Row(u"ПРОДАЖА", MoneyText(state, receipt.salesSum));
    }
    if (receipt.returnsSum != 0) {
        piece->Row(u"ВОЗВРАТ", MoneyText(state, receipt.returnsSum));
    }
    PrintSlotTaxes(piece, state, receipt.salesBySlot, u"");
    PrintSlotTaxes(piece, state, receipt.returnsBySlot, u"ВОЗВР. ");
    const bool refund = closed.due < 0;
    piece->Row(refund ? u"К ВЫДАЧЕ" : u"К ОПЛАТЕ",
               MoneyText(state, refund ? -closed.due : closed.due));
    if (closed.cash != 0) {
        piece->Row(u"НАЛИЧНЫЕ", MoneyText(state, closed.cash));
    }
    for (std::size_t i = 0; i < closed.payments.size(); ++i) {
        if (closed.payments[i] != 0) {
            piece->Row(u"ОПЛАТА " + Number(static_cast<std::int64_t>(i) + 1),
                       MoneyText(state, closed.payments[i]));
        }
    }
    if (closed.cashBack != 0) {
        piece->Row(refund ? u"ВЫДАНО НАЛИЧНЫМИ" : u"СДАЧА", MoneyText(state, closed.cashBack));
    }
    piece->Rule();
    if (!Trimmed(state.footer).empty()) {
        piece->Centered(Trimmed(state.footer));
    }
    // The multi-line footer and the logo close every receipt.
    for (const std::optional<FooterLine>& line : state.settings.footerLines) {
        if (line) {
            for (const std::u16string& text : FooterLinePrintout(*line, piece->Width())) {
                piece->Line(text);
            }
        }
    }
    for (const std::u16string& text : LogoPrintout(state.settings, piece->Width())) {
        piece->Line(text);
    }
    piece->Row(u"ЧЕК №", closed.number);
    piece.Foot();
    piece.Print();
}

void PrintReceiptCancelled(const RegisterState& state) {
    CReceiptPiece piece(state, false);
    piece->Rule();
    piece->Centered(u"ЧЕК АННУЛИРОВАН");
    piece.Foot();
    piece.Print();
}

void PrintCashMove(const RegisterState& state, bool cashIn, std::int64_t amount) {
    CReceiptPiece piece(state, true);
    piece->Centered(cashIn ? u"СЛУЖЕБНОЕ ВНЕСЕНИЕ" : u"СЛУЖЕБНАЯ ВЫДАЧА");
    piece->Row(u"ДОКУМЕНТ №", state.counters.lastDocumentNumber);
    piece->Rule();
    piece->Row(u"СУММА", MoneyText(state, amount));
    piece->Row(u"В КАССЕ", MoneyText(state, state.cash));
    piece->Rule();
    piece.Foot();
    piece.Print();
}

}  // namespace orvik::sim

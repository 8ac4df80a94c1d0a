#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "sim/receipt_state.h"
#include "sim/register_clock.h"
#include "sim/report_settings_state.h"

// What the simulated register knows about itself. A profile (profiles.h) gives a register its
// starting state; the command handlers read and change it. The simulator's thread changes it
// only while it holds the state lock; tests reach it through Simulator::WithState.
//
// Dates the register keeps are texts of eight digits YYYYMMDD, as it reports them.
namespace orvik::sim {

class PaperTape;

// The key switch on the register's front.
enum class KeyPosition { Off, Registration, XReport, ZReport, Programming };

// A version of the register's software.
struct Software {
    std::u16string name;  // four characters, for example "MTMT"
    std::u16string date;  // YYYYMMDD
};

// Who the register is: fixed at the factory and at fiscalisation.
struct RegisterIdentity {
    // What the register is. The commands it knows depend on it; the console tells it from the
    // serial number and software below.
    int family = 1;
    int model = 8;
    std::u16string serialNumber;  // 10 characters
    std::u16string fiscalNumber;  // 10 characters
    std::u16string ownerLine1;    // 18 characters each
    std::u16string ownerLine2;
    Software software;
    // Updated software is reported a second time at the end of the configuration reply, where
    // the console looks first.
    std::optional<Software> softwareUpdate;
    // The tag of the configuration reply: "CONf", or "CONF" on older registers.
    std::u16string configTag = u"CONf";
};

struct Currency {
    std::u16string date;   // when it was programmed, YYYYMMDD
    int decimalPoint = 2;  // digits after the point
    std::u16string name;   // three characters, for example "ГРН"
};

// One slot of the tax table.
struct TaxRate {
    std::u16string date;   // since when the rate holds, YYYYMMDD; empty: the slot is unused
    char16_t kind = u'0';  // '0' included tax, '1' added tax, '2' tax on winnings
    std::u16string rate;   // four digits, "2000" for 20.00 %
    std::u16string name;   // up to 19 characters
};

// The register's document counters.
struct RegisterCounters {
    std::int64_t lastReceiptNumber = 0;
    std::int64_t lastDocumentNumber = 0;
    std::int64_t lastServiceDocumentNumber = 0;
    int articleMode = 0;       // 0 to 2
    bool zReportMade = false;  // a Z report has been printed since the last receipt
    std::int64_t lastZReportNumber = 0;
};

// The operator's session and how the register takes part in it.
struct SessionState {
    // Chosen by whoever runs the simulator.
    std::u16string password = u"0000";  // accepted by the operator's and the service log-in
    bool wakeOnlyAt57600 = false;       // the wake-up byte is heard only at 57600 baud
    bool answersTaxNames = true;        // "CNAL1" is answered (family 1)
    // The codes of access levels 1 to 3 (family 1 model 7).
    std::array<std::u16string, 3> accessCodes{u"7260", u"8391", u"5836"};

    // Changed by the console's commands.
    bool loggedIn = false;
    bool serviceSession = false;
    std::u16string operatorName;
    int accessLevel = 0;
    bool tableMode = false;  // "TABL" received
};

struct RegisterState {
    // Where the register prints; always set while a command handler runs.
    PaperTape* tape = nullptr;
    // The line rate the console has set on the port, read just before each command.
    int lineBaud = 0;

    RegisterIdentity identity;
    SessionState session;
    RegisterClock clock;
    KeyPosition key = KeyPosition::Registration;
    // Whether commands check the key (key_position.h); off in the simulator's service mode.
    bool keyChecked = false;
    Currency currency;
    std::array<TaxRate, 8> taxes{};
    // The four numbers of "CRES", ten digits each.
    std::array<std::int64_t, 4> configCounters{};
    // The answer to "dset" (family 1 model 8): the option digits.
    std::u16string deviceOptions = u"1000";
    RegisterCounters counters;

    // Programmed settings. The header is printed at the top of each receipt and reported as
    // the third owner line of the configuration.
    std::u16string header;
    std::u16string footer;
    bool taxPerItem = false;  // "PPMD1": added taxes on each item, not on the receipt total
    // The other programmed settings (report_settings_state.h).
    ProgrammedSettings settings;

    // The day since the last Z report, and the Z reports written to the fiscal memory.
    DayTotals day;
    std::vector<ZReportRecord> fiscalMemory;

    // Consumables and money.
    bool paperOut = false;
    std::int64_t cash = 0;  // in the drawer, in minor units of the currency

    // The receipt in progress and what the receipt commands keep (receipt_state.h).
    ReceiptState receipt;
};

}  // namespace orvik::sim

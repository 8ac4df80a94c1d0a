#include "sim/session_replies.h"

namespace orvik::sim {

namespace {

// Where the configuration reply's fields begin; the gaps between them are filled with zeros.
constexpr std::size_t kConfigDatePos = 60;
constexpr std::size_t kConfigZReportMadePos = 81;
constexpr std::size_t kConfigFirmwarePos = 110;

constexpr std::size_t kSerialWidth = 10;
constexpr std::size_t kOwnerWidth = 18;
constexpr std::size_t kSoftwareNameWidth = 4;
constexpr std::size_t kDateWidth = 8;
constexpr std::size_t kTaxNameWidth = 19;
constexpr std::size_t kCounterWidth = 10;

void FillTo(std::u16string& reply, std::size_t position) {
    if (reply.size() < position) {
        reply.resize(position, u'0');
    }
}

void AppendTwo(std::u16string& out, int value) {
    out += Digits(value, 2);
}

}  // namespace

std::u16string Padded(std::u16string_view text, std::size_t width) {
    std::u16string out(text.substr(0, width));
    out.resize(width, u' ');
    return out;
}

std::u16string Digits(std::int64_t value, std::size_t width) {
    if (value < 0) {
        value = 0;
    }
    std::u16string digits;
    for (; value > 0; value /= 10) {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
    }
    if (digits.size() > width) {
        return std::u16string(width, u'9');
    }
    return std::u16string(width - digits.size(), u'0') + digits;
}

std::u16string DateDigits(const support::LocalDateTime& when) {
    std::u16string out = Digits(when.year, 4);
    AppendTwo(out, when.month);
    AppendTwo(out, when.day);
    return out;
}

std::u16string TimeDigits(const support::LocalDateTime& when) {
    std::u16string out;
    AppendTwo(out, when.hour);
    AppendTwo(out, when.minute);
    AppendTwo(out, when.second);
    return out;
}

char16_t KeyCode(KeyPosition key) {
    switch (key) {
        case KeyPosition::Registration:
            return u'1';
        case KeyPosition::XReport:
            return u'2';
        case KeyPosition::ZReport:
            return u'4';
        case KeyPosition::Programming:
            return u'8';
        case KeyPosition::Off:
            break;
    }
    return u'0';
}

std::u16string ConfigurationReply(const RegisterState& state) {
    const RegisterIdentity& id = state.identity;
    const support::LocalDateTime now = state.clock.Now();
    std::u16string reply = Padded(id.configTag, 4);
    reply += Padded(id.serialNumber, kSerialWidth);
    reply += Padded(id.fiscalNumber, kSerialWidth);
    reply += Padded(id.ownerLine1, kOwnerWidth);
    reply += Padded(id.ownerLine2, kOwnerWidth);
    FillTo(reply, kConfigDatePos);
    reply += DateDigits(now);
    reply += TimeDigits(now);
    reply += KeyCode(state.key);
    FillTo(reply, kConfigZReportMadePos);
    reply += state.counters.zReportMade ? u'1' : u'0';
    reply += Digits(state.counters.lastZReportNumber, 12);
    FillTo(reply, kConfigFirmwarePos);
    reply += Padded(id.software.name, kSoftwareNameWidth);
    reply += Padded(id.software.date, kDateWidth);
    reply += Padded(state.header, kOwnerWidth);
    reply += Padded(state.currency.date, kDateWidth);
    reply += Digits(state.currency.decimalPoint, 1);
    reply += Padded(state.currency.name, 3);
    if (id.softwareUpdate) {
        reply += Padded(id.softwareUpdate->name, kSoftwareNameWidth);
        reply += Padded(id.softwareUpdate->date, kDateWidth);
    }
    return reply;
}

std::u16string TaxTableReply(const RegisterState& state) {
    std::u16string reply = u"CNAL";
    for (const TaxRate& tax : state.taxes) {
        if (tax.date.empty()) {
            // An unused slot begins with "0".
            reply += std::u16string(14, u'0');
            continue;
        }
        reply += Padded(tax.date, kDateWidth);
        reply += u' ';
        reply += tax.kind;
        reply += Padded(tax.rate, 4);
    }
    return reply;
}

std::u16string TaxNamesReply(const RegisterState& state) {
    std::u16string reply = u"CNAM";
    for (const TaxRate& tax : state.taxes) {
        reply += Padded(tax.date.empty() ? std::u16string_view() : tax.name, kTaxNameWidth);
    }
    return reply;
}

std::u16string ConfigCountersReply(const RegisterState& state) {
    std::u16string reply = u"CRES";
    for (const std::int64_t value : state.configCounters) {
        reply += Digits(value, kCounterWidth);
    }
    return reply;
}

std::u16string DocumentCountersReply(const RegisterState& state) {
    const RegisterCounters& c = state.counters;
    std::u16string reply = u"GLCN";
    reply += Digits(c.lastReceiptNumber, kCounterWidth);
    reply += Digits(c.lastDocumentNumber, kCounterWidth);
    reply += Digits(c.lastServiceDocumentNumber, kCounterWidth);
    reply += Digits(c.articleMode, 1);
    reply += u'0';
    reply += c.zReportMade ? u'1' : u'0';
    reply += Digits(c.lastZReportNumber, 4);
    return reply;
}

std::u16string ClockReply(const RegisterState& state) {
    const support::LocalDateTime now = state.clock.Now();
    return u"GETD" + DateDigits(now) + TimeDigits(now);
}

std::u16string DeviceOptionsReply(const RegisterState& state) {
    return u"dset" + state.deviceOptions;
}

}  // namespace orvik::sim

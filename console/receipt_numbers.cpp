#include "console/receipt_numbers.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "support/text_trim.h"

namespace orvik::console {

namespace {

using support::IsDigit;

constexpr std::int64_t kMillion = 1'000'000;
// Whole parts are held below this so that millionths stay within 64 bits.
constexpr std::int64_t kMaxWhole = 9'000'000'000'000;
constexpr std::size_t kFieldTextLimit = 255;
// The drawer in the cash report: 11 characters from position 55 after the key.
constexpr std::size_t kDrawerPosition = 55;
constexpr std::size_t kDrawerWidth = 11;
// The dialog's first rounding adds 0.55 thousandths before cutting to thousandths.
constexpr std::int64_t kCashRoundingMillionths = 550;

std::int64_t Power10(int exponent) {
    std::int64_t value = 1;
    for (int i = 0; i < exponent; ++i) {
        value *= 10;
    }
    return value;
}

int ClampPlaces(int places) {
    return std::clamp(places, 0, kMaxDecimals);
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if (a % b != 0 && (a < 0) != (b < 0)) {
        --q;
    }
    return q;
}

std::int32_t Clamp32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

DecimalNumber ReadDecimal(std::u16string_view text) {
    DecimalNumber number;
    text = support::Trim(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    std::int64_t whole = 0;
    bool digits = false;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        whole = std::min(whole * 10 + (text[i] - u'0'), kMaxWhole);
        digits = true;
    }
    std::int64_t fraction = 0;
    if (i < text.size() && (text[i] == u'.' || text[i] == u',')) {
        std::size_t j = i + 1;
        std::int64_t scale = kMillion / 10;
        for (; j < text.size() && IsDigit(text[j]); ++j) {
            fraction += (text[j] - u'0') * scale;
            scale /= 10;
            digits = true;
        }
        if (digits) {
            i = j;
        }
    }
    if (!digits) {
        return number;
    }
    const std::int64_t value = whole * kMillion + fraction;
    number.millionths = negative ? -value : value;
    number.found = true;
    number.complete = i == text.size();
    return number;
}

std::int64_t RoundToPlaces(std::int64_t millionths, int places) {
    const std::int64_t step = Power10(kMaxDecimals - ClampPlaces(places));
    const std::int64_t magnitude = millionths < 0 ? -millionths : millionths;
    std::int64_t units = magnitude / step;
    if (2 * (magnitude % step) >= step) {
        ++units;
    }
    return millionths < 0 ? -units : units;
}

std::u16string FormatScaled(std::int64_t units, int places) {
    places = ClampPlaces(places);
    const std::int64_t scale = Power10(places);
    const bool negative = units < 0;
    // The magnitude of the most negative value does not fit; no money text comes near it.
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
    std::u16string text = negative ? u"-" : u"";
    const std::string whole = std::to_string(magnitude / static_cast<std::uint64_t>(scale));
    text.append(whole.begin(), whole.end());
    if (places > 0) {
        std::string fraction = std::to_string(magnitude % static_cast<std::uint64_t>(scale));
        fraction.insert(0, static_cast<std::size_t>(places) - fraction.size(), '0');
        text += u'.';
        text.append(fraction.begin(), fraction.end());
    }
    return text;
}

std::int64_t MoneyTextToUnits(std::u16string_view text, int moneyDecimals) {
    return RoundToPlaces(ReadDecimal(text).millionths, moneyDecimals);
}

std::int32_t MoneyToMinorUnits(std::u16string_view text, int moneyDecimals) {
    return MillionthsToMinorUnits(ReadDecimal(text).millionths, moneyDecimals);
}

std::int32_t QuantityToUnits(std::u16string_view text, bool divisible) {
    return MillionthsToQuantityUnits(ReadDecimal(text).millionths, divisible);
}

std::int32_t MillionthsToMinorUnits(std::int64_t millionths, int moneyDecimals) {
    return Clamp32(RoundToPlaces(millionths, moneyDecimals));
}

std::int32_t MillionthsToQuantityUnits(std::int64_t millionths, bool divisible) {
    return Clamp32(RoundToPlaces(millionths, divisible ? 3 : 0));
}

std::int32_t ReadInteger(std::u16string_view text) {
    while (!text.empty() && support::IsWhiteSpace(text.front())) {
        text.remove_prefix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    std::int64_t value = 0;
    for (char16_t c : text) {
        if (!IsDigit(c)) {
            break;
        }
        value = std::min<std::int64_t>(value * 10 + (c - u'0'), kMaxWhole);
    }
    return Clamp32(negative ? -value : value);
}

bool IsInteger(std::u16string_view text) {
    text = support::Trim(text);
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
        text.remove_prefix(1);
    }
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

std::u16string NormalizeNumberText(std::u16string_view text, int decimals, bool thousandthsRule) {
    text = text.substr(0, std::min(text.find_first_of(u"\r\n"), text.size()));
    text = support::Trim(text.substr(0, std::min(text.size(), kFieldTextLimit)));
    std::int64_t millionths = ReadDecimal(text).millionths;
    const bool hasPoint = text.find_first_of(u".,") != std::u16string_view::npos;
    if (thousandthsRule && !hasPoint) {
        // A weight typed without a point is in thousandths: 1500 is 1.500.
        millionths /= 1000;
    }
    return FormatScaled(RoundToPlaces(millionths, decimals), decimals);
}

std::int64_t CashDialogUnits(std::u16string_view text, int moneyDecimals) {
    constexpr std::int64_t kMaxThousandths = 1'000'000'000'000;
    const std::int64_t thousandths = std::clamp<std::int64_t>(
        FloorDiv(ReadDecimal(text).millionths + kCashRoundingMillionths, 1000), -kMaxThousandths,
        kMaxThousandths);
    return FloorDiv(thousandths * Power10(ClampPlaces(moneyDecimals)) + 500, 1000);
}

std::u16string FormatDrawerCash(std::u16string_view report, int moneyDecimals,
                                std::u16string_view currencyName) {
    if (report.empty()) {
        return u"0.00";
    }
    std::u16string_view field;
    if (report.size() > kDrawerPosition) {
        field = report.substr(kDrawerPosition, kDrawerWidth);
    }
    // The field counts minor units; shown with the currency's decimals, it is that number of
    // units rounded to thousandths first.
    const std::int64_t thousandths =
        FloorDiv(ReadDecimal(field).millionths + kCashRoundingMillionths, 1000);
    const std::int64_t units = RoundToPlaces(thousandths * 1000, 0);
    return FormatScaled(units, moneyDecimals) + u" " + std::u16string(currencyName);
}

bool CashMoveAllowed(std::u16string_view amountText, bool cashOut, std::u16string_view drawerText,
                     int moneyDecimals) {
    const std::int64_t amount = CashDialogUnits(amountText, moneyDecimals);
    const std::int64_t drawer = CashDialogUnits(drawerText, moneyDecimals);
    return amount > 0 && (!cashOut || amount <= drawer);
}

int SignificantDecimals(std::u16string_view text) {
    text = support::Trim(text);
    const std::size_t point = text.find_first_of(u".,");
    if (point == std::u16string_view::npos) {
        return 0;
    }
    std::u16string_view fraction = text.substr(point + 1);
    while (!fraction.empty() && fraction.back() == u'0') {
        fraction.remove_suffix(1);
    }
    return static_cast<int>(fraction.size());
}

}  // namespace orvik::console

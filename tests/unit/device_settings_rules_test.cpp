// The device settings page's text fields without a window: their limits and the department's
// default.
#include <gtest/gtest.h>

#include "console/device_settings_page.h"
#include "tests/unit/print_helpers.h"

namespace {

using orvik::console::DeviceSettingsState;
using orvik::support::LocalDateTime;

LocalDateTime FixedNow() {
    LocalDateTime now;
    now.year = 2025;
    now.month = 6;
    now.day = 7;
    now.hour = 8;
    now.minute = 9;
    now.second = 10;
    return now;
}

TEST(DeviceSettingsRules, FieldsKeepTheirLimits) {
    DeviceSettingsState state(FixedNow);
    // Cyrillic counts one character a letter, as the register prints it.
    const std::u16string fifty(50, u'Ж');
    state.SetHeader(fifty);
    state.SetFooter(fifty);
    EXPECT_EQ(state.values.header, std::u16string(43, u'Ж'));
    EXPECT_EQ(state.values.footer, std::u16string(43, u'Ж'));
    state.SetHeader(u"Магазин");
    EXPECT_EQ(Utf8(state.values.header), "Магазин");

    EXPECT_EQ(Utf8(state.values.department), "Відд.");
    state.SetDepartment(u"Бакалія");
    EXPECT_EQ(Utf8(state.values.department), "Бакал");
}

}  // namespace

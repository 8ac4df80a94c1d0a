// Why a port could not be opened, as it follows message 3012 in the core's box: the system's
// reason and the device, then the remedy for a missing permission or the note for a busy port,
// in the box's language.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "device/link/serial_port.h"
#include "res/string_table.h"
#include "support/text_codec.h"

namespace {

std::string Text(int id) {
    return orvik::support::ToUtf8(orvik::LoadString(id));
}

struct OpenErrorRow {
    const char* name;
    int err;
    int noteId;  // 0: nothing follows the reason
};

class PortOpenError : public testing::TestWithParam<OpenErrorRow> {};

TEST_P(PortOpenError, GivesTheReasonAndTheRemedy) {
    const OpenErrorRow& row = GetParam();
    const std::string reason = std::string(std::strerror(row.err)) + " (/dev/ttyUSB0)";
    const std::string text = orvik::device::DescribeOpenError(row.err, "/dev/ttyUSB0");
    if (row.noteId == 0) {
        EXPECT_EQ(text, reason);
    } else {
        EXPECT_EQ(text, reason + ".\n" + Text(row.noteId));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Errors, PortOpenError,
    testing::Values(OpenErrorRow{"permission", EACCES, orvik::kStrPortAccessRemedy},
                    OpenErrorRow{"not_permitted", EPERM, orvik::kStrPortAccessRemedy},
                    OpenErrorRow{"busy", EBUSY, orvik::kStrPortBusy},
                    OpenErrorRow{"locked", EWOULDBLOCK, orvik::kStrPortBusy},
                    OpenErrorRow{"missing", ENOENT, 0}, OpenErrorRow{"not_a_tty", ENOTTY, 0}),
    [](const testing::TestParamInfo<OpenErrorRow>& row) { return std::string(row.param.name); });

TEST(PortOpenError, TheRemedyIsInRussianLikeTheRestOfTheBox) {
    const std::string remedy = Text(orvik::kStrPortAccessRemedy);
    EXPECT_NE(remedy.find("dialout"), std::string::npos);
    EXPECT_NE(remedy.find("Добавьте пользователя"), std::string::npos);
    EXPECT_EQ(remedy.find("Add your user"), std::string::npos);
}

}  // namespace

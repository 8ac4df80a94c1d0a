// The core's one reply loop: what each role of a reply does to the wait, the queue and the
// messages, with the replies already queued when the loop starts.
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "device/link/message_container.h"
#include "device/orvik_core.h"
#include "res/string_table.h"
#include "support/text_codec.h"
#include "tests/support/recording_prompt.h"

using namespace orvik::device;

namespace {

// Opens the loop and the reply queue to the test; nothing else changes.
class LoopCore : public COrvikCore {
  public:
    using COrvikCore::AwaitReplies;
    using COrvikCore::Queue;
};

struct LoopRow {
    const char* name;
    std::vector<std::u16string> queued;
    std::map<std::u16string, ReplyRole> roles;  // replies not named here are Other
    bool reportSilence;
    HRESULT result;
    std::u16string ending;  // the reply that ended the wait, empty when none did
    int leftQueued;
    std::vector<int> shown;  // string ids of the boxes shown, in order
};

void PrintTo(const LoopRow& row, std::ostream* out) {
    *out << row.name;
}

class ReplyLoop : public testing::TestWithParam<LoopRow> {};

TEST_P(ReplyLoop, DoesWhatTheRoleSays) {
    const LoopRow& row = GetParam();
    RecordingPrompt prompt;
    LoopCore core;
    core.SetPrompt(&prompt);
    for (const std::u16string& reply : row.queued) {
        ASSERT_TRUE(core.Queue().Push(reply));
    }
    std::u16string ending;
    const ReplyWait wait{.timeoutMs = 50,
                         .reportSilence = row.reportSilence,
                         .roleOf = [&](std::u16string_view reply) {
                             const auto found = row.roles.find(std::u16string(reply));
                             return found == row.roles.end() ? ReplyRole::Other : found->second;
                         }};
    EXPECT_EQ(core.AwaitReplies(wait, &ending), row.result);
    EXPECT_EQ(ending, row.ending);
    EXPECT_EQ(core.Queue().Count(), row.leftQueued);
    std::vector<std::u16string> expectedTexts;
    for (const int id : row.shown) {
        expectedTexts.push_back(orvik::LoadString(id));
    }
    std::vector<std::u16string> shownTexts;
    for (const auto& entry : prompt.entries) {
        EXPECT_EQ(entry.kind, RecordingPrompt::Kind::Error);
        shownTexts.push_back(entry.text);
    }
    EXPECT_EQ(shownTexts, expectedTexts);
}

INSTANTIATE_TEST_SUITE_P(
    Roles, ReplyLoop,
    testing::Values(
        LoopRow{"answer_leaves_what_follows_queued",
                {u"OTHER", u"DATA", u"READY"},
                {{u"DATA", ReplyRole::Answer}, {u"READY", ReplyRole::Ready}},
                true,
                S_OK,
                u"DATA",
                1,
                {}},
        LoopRow{"ready_drains_the_queue",
                {u"OTHER", u"READY", u"LATE"},
                {{u"READY", ReplyRole::Ready}},
                true,
                S_OK,
                u"READY",
                0,
                {}},
        LoopRow{"a_warning_status_is_consumed",
                {u"SOFTPAPER", u"READY"},
                {{u"SOFTPAPER", ReplyRole::Status}, {u"READY", ReplyRole::Ready}},
                true,
                S_OK,
                u"READY",
                0,
                {}},
        LoopRow{"a_fatal_status_ends_and_drains",
                {u"HARDPAPER", u"READY"},
                {{u"HARDPAPER", ReplyRole::Status}, {u"READY", ReplyRole::Ready}},
                true,
                E_UNEXPECTED,
                u"",
                0,
                {2020}},
        LoopRow{"a_notice_is_shown_and_the_wait_goes_on",
                {u"HARDPAPER", u"READY"},
                {{u"HARDPAPER", ReplyRole::Notice}, {u"READY", ReplyRole::Ready}},
                true,
                S_OK,
                u"READY",
                0,
                {2020}},
        LoopRow{"a_refusal_ends_silently_and_drains",
                {u"SOFTBLOCK", u"READY"},
                {{u"SOFTBLOCK", ReplyRole::Refusal}, {u"READY", ReplyRole::Ready}},
                true,
                E_UNEXPECTED,
                u"SOFTBLOCK",
                0,
                {}},
        LoopRow{"silence_is_reported_when_asked",
                {u"OTHER"},
                {},
                true,
                E_ABORT,
                u"",
                0,
                {orvik::kStrNoAnswer}},
        LoopRow{
            "silence_is_quiet_otherwise", {u"OTHER", u"READY"}, {}, false, E_ABORT, u"", 0, {}}),
    [](const testing::TestParamInfo<LoopRow>& row) { return std::string(row.param.name); });

}  // namespace

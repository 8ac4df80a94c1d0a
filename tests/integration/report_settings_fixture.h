#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tests/integration/sim_link_fixture.h"

namespace sim_test {

// A register of the given family and model, set on the core as the configuration reading would.
struct RegisterKind {
    std::int32_t family;
    std::int32_t model;
};

inline std::string Describe(const RegisterKind& kind) {
    return "family " + std::to_string(kind.family) + " model " + std::to_string(kind.model);
}

// Every register the console tells apart (model 5 is never derived, but the limits name it).
inline const std::vector<RegisterKind> kAllRegisters{{0, 0}, {0, 1}, {1, 2}, {1, 3}, {1, 4},
                                                     {1, 5}, {1, 6}, {1, 7}, {1, 8}};

// The "GLCN" answer the simulated register gives: receipt 12, document 34, service document 5,
// article mode 2, a Z report made, last Z report 42.
inline constexpr std::u16string_view kCountersReply =
    u"GLCN000000001200000000340000000005"
    u"2"
    u"0"
    u"1"
    u"0042";

// The register's clock 2009-03-05 14:07:09 as its "GETD" reply carries it.
inline constexpr std::u16string_view kClockReply = u"GETD20090305140709";

// The real core against a simulated register that carries out every report and setting
// command with "READY", answers the counters, clock and cutter queries, and records what it
// received. Tests choose the register's family and model on the core.
class ReportSettingsTest : public SimLinkTest {
  protected:
    void SetUp() override {
        SimLinkTest::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        for (const char16_t* name :
             {u"ZREP", u"NREP", u"nrep", u"ARTZ", u"DIZV", u"HDZV", u"IREP", u"FIRP",
              u"IREN", u"FIRN", u"SVSL", u"CANC", u"CTIM", u"ARMO", u"HEAD", u"BOTM",
              u"PPMD", u"PPOD", u"TMOD", u"DEPT", u"NPDI", u"LUPC", u"AUPC", u"BLFI"}) {
            sim.RegisterCommand(name, [](std::u16string_view, orvik::sim::RegisterState&) {
                return orvik::sim::Replies{u"READY"};
            });
        }
        sim.RegisterCommand(u"GLCN", [](std::u16string_view, orvik::sim::RegisterState&) {
            return orvik::sim::Replies{std::u16string(kCountersReply), u"READY"};
        });
        sim.RegisterCommand(u"GETD", [](std::u16string_view, orvik::sim::RegisterState&) {
            return orvik::sim::Replies{std::u16string(kClockReply), u"READY"};
        });
        // "CUTR" alone asks for the options; with digits it sets them.
        sim.RegisterCommand(u"CUTR", [](std::u16string_view text, orvik::sim::RegisterState&) {
            if (text == u"CUTR") {
                return orvik::sim::Replies{u"CUTR101", u"READY"};
            }
            return orvik::sim::Replies{u"READY"};
        });
    }

    void UseRegister(const RegisterKind& kind) {
        core.deviceFamily = kind.family;
        core.deviceModel = kind.model;
    }

    // For operations that may send nothing: a zero receipt follows, and once its answer is back
    // everything sent before it has reached the register. Returns what came before it.
    Texts TakeReceivedBeforeMarker() {
        EXPECT_EQ(core.PrintZeroReceipt(), orvik::device::S_OK);
        Texts texts = TakeReceived();
        if (texts.empty() || texts.back() != "NULL") {
            ADD_FAILURE() << "the marker did not arrive last";
            return texts;
        }
        texts.pop_back();
        return texts;
    }
};

}  // namespace sim_test

#pragma once

#include "device/orvik_core.h"

// Changes some of the core's timings and keeps the others, as a test shortens the waits of the
// core under test: ChangeTimings(core, [](auto& t) { t.replyTimeout = 300; }).
template <class Change>
void ChangeTimings(orvik::device::COrvikCore& core, Change change) {
    orvik::device::CoreTimings timings = core.Timings();
    change(timings);
    core.SetTimings(timings);
}

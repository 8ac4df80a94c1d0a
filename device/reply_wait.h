#pragma once

#include <functional>
#include <string_view>

namespace orvik::device {

// What one reply means to the operation waiting for it. The core's one reply loop
// (COrvikCore::AwaitReplies) takes each reply from the queue and does what its role says.
enum class ReplyRole {
    Other,    // not for this wait: consumed, the wait goes on
    Status,   // judged by TranslateStatus: a fatal status ends the wait (E_UNEXPECTED, queue
              // drained), a warning is consumed and the wait goes on
    Notice,   // shown by TranslateStatus whatever it says; the wait goes on
    Refusal,  // ends the wait with E_UNEXPECTED and the queue drained; nothing is shown
    Answer,   // ends the wait with S_OK; the replies after it stay queued
    Ready,    // ends the wait with S_OK and the queue drained
};

// One wait of the reply loop: how long each reply may take, whether silence is reported, and
// which replies count.
struct ReplyWait {
    int timeoutMs = 0;
    // Message 1003 ("no answer") is shown when no reply comes within timeoutMs.
    bool reportSilence = true;
    // The role of each reply, asked oldest reply first.
    std::function<ReplyRole(std::u16string_view reply)> roleOf;
};

// The role most waits give a reply: a status word is judged, "READY" ends the wait, anything
// else is passed over.
ReplyRole StatusOrReady(std::u16string_view reply);

}  // namespace orvik::device

#pragma once

#include <cstdint>

namespace orvik::device {

// Result codes of the device core's operations, with the platform's values. Success is any
// value of 0 or above, read as a signed 32-bit number.
using HRESULT = std::int32_t;

inline constexpr HRESULT S_OK = 0;
// Success with nothing done (a port that was not open is not closed again).
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT E_ABORT = static_cast<HRESULT>(0x80004004u);
inline constexpr HRESULT E_UNEXPECTED = static_cast<HRESULT>(0x8000FFFFu);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);

inline constexpr bool Succeeded(HRESULT hr) {
    return hr >= 0;
}

// What an operation of the link and the command transaction came to: its code, the
// string-table message that tells the failure (0 when none applies; whether it was shown is the
// operation's to say) and the system's error number behind it (errno, 0 when no system call
// failed).
struct CoreResult {
    HRESULT code = S_OK;
    int messageId = 0;
    int systemError = 0;

    constexpr bool Succeeded() const { return orvik::device::Succeeded(code); }
    friend constexpr bool operator==(const CoreResult&, const CoreResult&) = default;
};

inline constexpr bool Succeeded(const CoreResult& result) {
    return result.Succeeded();
}

}  // namespace orvik::device

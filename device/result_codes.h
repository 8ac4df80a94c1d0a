#pragma once

#include <cstdint>

namespace orvik::device {

// Result codes of the device core's operations, with the platform's values. Success is any
// value of 0 or above, read as a signed 32-bit number.
using HRESULT = std::int32_t;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT E_ABORT = static_cast<HRESULT>(0x80004004u);
inline constexpr HRESULT E_UNEXPECTED = static_cast<HRESULT>(0x8000FFFFu);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);

inline constexpr bool Succeeded(HRESULT hr) {
    return hr >= 0;
}

}  // namespace orvik::device

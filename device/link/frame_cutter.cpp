#include "device/link/frame_cutter.h"

#include <algorithm>
#include <cstring>

#include "device/link/frame.h"

namespace orvik::device {

bool FrameCutter::AlignToFrameStart() {
    const auto begin = m_buffer.begin();
    const auto it = std::find(begin, begin + static_cast<std::ptrdiff_t>(m_fill), kFrameStart);
    const auto offset = static_cast<std::size_t>(it - begin);
    if (offset == m_fill) {
        m_fill = 0;
        return false;
    }
    Consume(offset);
    return true;
}

std::size_t FrameCutter::FindFrameEnd() const {
    const auto begin = m_buffer.begin();
    const auto end = begin + static_cast<std::ptrdiff_t>(m_fill);
    const auto it = std::find(begin, end, kFrameEnd);
    return it == end ? kNotFound : static_cast<std::size_t>(it - begin);
}

void FrameCutter::Consume(std::size_t count) {
    if (count == 0) {
        return;
    }
    std::memmove(m_buffer.data(), m_buffer.data() + count, m_fill - count);
    m_fill -= count;
}

}  // namespace orvik::device

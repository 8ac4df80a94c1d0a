#include "support/text_line_reader.h"

#include "support/regular_file.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace orvik::support {

namespace {

constexpr std::size_t kMaxErrorText = 1023;

}  // namespace

std::ptrdiff_t MemoryTextSource::Read(std::span<std::uint8_t> buffer, int& /*error*/) {
    const std::size_t count = std::min(buffer.size(), m_bytes.size());
    std::memcpy(buffer.data(), m_bytes.data(), count);
    m_bytes.remove_prefix(count);
    return static_cast<std::ptrdiff_t>(count);
}

std::unique_ptr<FileTextSource> FileTextSource::Open(const std::filesystem::path& path,
                                                     int& error) {
    const int fd = OpenRegularFile(path, error);
    if (fd < 0) {
        return nullptr;
    }
    return std::unique_ptr<FileTextSource>(new FileTextSource(fd));
}

FileTextSource::~FileTextSource() {
    ::close(m_fd);
}

std::ptrdiff_t FileTextSource::Read(std::span<std::uint8_t> buffer, int& error) {
    for (;;) {
        const ssize_t count = ::read(m_fd, buffer.data(), buffer.size());
        if (count >= 0) {
            return count;
        }
        if (errno != EINTR) {
            error = errno;
            return -1;
        }
    }
}

bool TextLineReader::Fill() {
    if (m_atEnd) {
        return false;
    }
    m_start = 0;
    m_end = 0;
    const std::ptrdiff_t count = m_source.Read(m_buffer, m_error);
    if (count <= 0) {
        m_atEnd = true;
        if (count < 0) {
            return false;
        }
        m_error = 0;
        return false;
    }
    m_end = static_cast<std::size_t>(count);
    return true;
}

LineStatus TextLineReader::ReadTextLine(std::u16string& line) {
    line.clear();
    std::string bytes;
    bool lineEnded = false;
    while (bytes.size() < kMaxLineBytes) {
        if (m_start == m_end && !Fill()) {
            if (m_error != 0) {
                return LineStatus::Error;
            }
            break;
        }
        const std::size_t room = kMaxLineBytes - bytes.size();
        const std::size_t available = std::min(m_end - m_start, room);
        const std::uint8_t* begin = m_buffer + m_start;
        const std::uint8_t* lf =
            static_cast<const std::uint8_t*>(std::memchr(begin, '\n', available));
        const std::size_t take = lf ? static_cast<std::size_t>(lf - begin) + 1 : available;
        bytes.append(reinterpret_cast<const char*>(begin), take);
        m_start += take;
        if (lf) {
            lineEnded = true;
            break;
        }
    }
    if (bytes.empty()) {
        return LineStatus::End;
    }
    // A piece that follows a cut piece belongs to the same line.
    if (!m_previousCut) {
        ++m_lineNumber;
    }
    m_pieceCut = !lineEnded && bytes.size() == kMaxLineBytes;
    m_previousCut = m_pieceCut;
    std::erase_if(bytes, [](char c) { return c == '\r' || c == '\n'; });
    line = m_utf8 ? FromUtf8(bytes) : Decode(m_page, bytes);
    return LineStatus::Line;
}

std::u16string SystemErrorText(int error) {
    if (error == kErrorNotRegularFile) {
        return u"not a regular file (a FIFO, a device or a folder)";
    }
    if (error == kErrorFileTooLarge) {
        return u"the file is too large";
    }
    std::string text = std::generic_category().message(error);
    if (text.size() > kMaxErrorText) {
        text.resize(kMaxErrorText);
    }
    return FromUtf8(text);
}

}  // namespace orvik::support

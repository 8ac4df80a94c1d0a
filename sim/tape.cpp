#include "sim/tape.h"

#include <fcntl.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

#include "support/text_codec.h"

namespace orvik::sim {

namespace {

std::string Timestamp() {
    timeval now{};
    gettimeofday(&now, nullptr);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    char text[48];
    std::snprintf(text, sizeof(text), "%04d-%02d-%02d %02d:%02d:%02d.%03d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  static_cast<int>(now.tv_usec / 1000));
    return text;
}

}  // namespace

std::string EscapeForTape(std::u16string_view text) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string clean;
    clean.reserve(text.size());
    for (const char16_t ch : text) {
        if (ch == u'\\') {
            clean += u"\\\\";
        } else if (ch < 0x20 || ch == 0x7F) {
            clean += u"\\x";
            clean.push_back(kDigits[(ch >> 4) & 0x0F]);
            clean.push_back(kDigits[ch & 0x0F]);
        } else {
            clean.push_back(ch);
        }
    }
    return support::ToUtf8(clean);
}

PaperTape::~PaperTape() {
    Close();
}

bool PaperTape::Open(const std::string& path, std::string* error) {
    std::lock_guard lock(m_mutex);
    if (m_file) {
        std::fclose(m_file);
    }
    m_file = nullptr;
    // Opened without waiting: a FIFO nobody reads is refused (ENXIO) rather than holding the
    // simulator before its line is up. A FIFO that is read, or a terminal, is written as a file.
    const int fd = ::open(path.c_str(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd >= 0) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        m_file = ::fdopen(fd, "a");
        if (!m_file) {
            ::close(fd);
        }
    }
    if (!m_file) {
        if (error) {
            *error =
                "cannot open the tape " + path + ": " +
                (errno == ENXIO ? std::string("no program reads the FIFO") : std::strerror(errno));
        }
        return false;
    }
    return true;
}

void PaperTape::Close() {
    std::lock_guard lock(m_mutex);
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
}

bool PaperTape::IsOpen() const {
    std::lock_guard lock(m_mutex);
    return m_file != nullptr;
}

void PaperTape::Note(std::u16string_view text) {
    WriteLine(Timestamp() + "  " + EscapeForTape(text));
}

void PaperTape::Note(std::string_view utf8) {
    Note(support::FromUtf8(utf8));
}

void PaperTape::Print(std::u16string_view line) {
    WriteLine(EscapeForTape(line));
}

void PaperTape::WriteLine(const std::string& line) {
    std::lock_guard lock(m_mutex);
    if (!m_file) {
        return;
    }
    std::fputs(line.c_str(), m_file);
    std::fputc('\n', m_file);
    std::fflush(m_file);
}

}  // namespace orvik::sim

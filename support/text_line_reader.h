#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "support/text_codec.h"

namespace orvik::support {

// Reading the console's text files (receipt files, command files) line by line.

// Where the bytes come from: a file, or memory in tests and fuzzing.
class ITextSource {
  public:
    virtual ~ITextSource() = default;
    // Up to buffer.size() bytes into buffer: their count, 0 at the end, or -1 on an error with
    // the system's error number in error.
    virtual std::ptrdiff_t Read(std::span<std::uint8_t> buffer, int& error) = 0;
};

class MemoryTextSource final : public ITextSource {
  public:
    explicit MemoryTextSource(std::string_view bytes) : m_bytes(bytes) {}
    std::ptrdiff_t Read(std::span<std::uint8_t> buffer, int& error) override;

  private:
    std::string_view m_bytes;
};

// A file opened for reading; closed with the object.
class FileTextSource final : public ITextSource {
  public:
    // Nothing, with the system's error number in error, when the file cannot be opened or is a
    // pipe, a device, a socket or a folder rather than a file (kErrorNotRegularFile).
    static std::unique_ptr<FileTextSource> Open(const std::filesystem::path& path, int& error);
    ~FileTextSource() override;
    FileTextSource(const FileTextSource&) = delete;
    FileTextSource& operator=(const FileTextSource&) = delete;
    std::ptrdiff_t Read(std::span<std::uint8_t> buffer, int& error) override;

  private:
    explicit FileTextSource(int fd) : m_fd(fd) {}
    int m_fd;
};

enum class LineStatus { Line, End, Error };

class TextLineReader {
  public:
    // A line longer than this many bytes comes in several pieces.
    static constexpr std::size_t kMaxLineBytes = 4095;

    explicit TextLineReader(ITextSource& source, CodePage page = CodePage::Ansi1251)
        : m_source(source), m_page(page) {}

    // Reads the lines as UTF-8 instead of the code page (invalid bytes become U+FFFD).
    void DecodeUtf8() { m_utf8 = true; }

    // The next piece of text: the bytes up to and including the next LF or the end of the
    // file, at most kMaxLineBytes of them, decoded, with every CR and LF removed. End when no
    // byte is left; Error when the source fails (what was read of the piece is dropped).
    LineStatus ReadTextLine(std::u16string& line);

    // Whether the last piece stopped at the byte limit rather than at a line end.
    bool PieceWasCut() const { return m_pieceCut; }
    // The line the last piece belongs to, counted from 1.
    std::size_t LineNumber() const { return m_lineNumber; }
    // The system's error number of the failed read.
    int ErrorNumber() const { return m_error; }

  private:
    bool Fill();

    ITextSource& m_source;
    CodePage m_page;
    bool m_utf8 = false;
    std::uint8_t m_buffer[16384];
    std::size_t m_start = 0;
    std::size_t m_end = 0;
    bool m_atEnd = false;
    bool m_pieceCut = false;
    bool m_previousCut = false;
    std::size_t m_lineNumber = 0;
    int m_error = 0;
};

// The system's description of an error number (or of one of support/regular_file.h's), at most
// 1023 characters.
std::u16string SystemErrorText(int error);

}  // namespace orvik::support

#pragma once

// Writes a text file line by line. The lines go to a temporary file beside
// the target, which takes the target's place only when Close has put its
// bytes on the disk: a failed or abandoned write, or a crash, never leaves a
// truncated file and never harms a file that stood there before. A target
// that is no regular file (a device) is written directly. Failures to write
// raise IOException with the file and the system's reason.

#include "LineSink.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

class TextOutputStream final : public LineSink {
public:
    // A stream on a new, empty file at the path; nullptr when it cannot be
    // created.
    static std::unique_ptr<TextOutputStream> Create(const std::filesystem::path& chosen);

    // A stream that was not closed discards what it wrote.
    ~TextOutputStream();
    TextOutputStream(const TextOutputStream&) = delete;
    TextOutputStream& operator=(const TextOutputStream&) = delete;

    // Written after the text of every later WriteLine.
    void Delimiter(std::string_view delimiter) { delimiter_ = delimiter; }

    void WriteLine(std::string_view line) override;

    // Writes what is buffered, syncs the file, puts it in place and syncs its
    // folder, so that the new file survives a crash once Close returns.
    void Close();

private:
    TextOutputStream(std::filesystem::path target, std::filesystem::path temporary, int descriptor);
    void Flush();
    [[noreturn]] void Fail(int error);
    void Discard();

    std::filesystem::path target_;
    // Empty when the target is written directly.
    std::filesystem::path temporary_;
    int descriptor_;
    std::string delimiter_;
    std::string buffer_;
};

#include "TextOutputStream.h"

#include "Exceptions.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

constexpr std::size_t bufferSize = 256 * 1024;

std::string SystemReason(int error) {
    return std::generic_category().message(error);
}

// The permissions a newly created file gets: those of the file it replaces,
// else the usual ones less the process's umask.
mode_t NewFileMode(const struct stat* existing) {
    if (existing != nullptr) {
        return existing->st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::unique_ptr<TextOutputStream> TextOutputStream::Create(const std::filesystem::path& chosen) {
    // Writing through a link replaces the file it points to, not the link.
    std::error_code ignored;
    const std::filesystem::path target = std::filesystem::is_symlink(chosen, ignored)
                                             ? std::filesystem::weakly_canonical(chosen, ignored)
                                             : chosen;
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        return nullptr;
    }
    if (exists && !S_ISREG(existing.st_mode)) {
        const int descriptor = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (descriptor < 0) {
            return nullptr;
        }
        return std::unique_ptr<TextOutputStream>(new TextOutputStream(target, {}, descriptor));
    }
    if (exists && ::access(target.c_str(), W_OK) != 0) {
        return nullptr;
    }
    std::string pattern =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int descriptor = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (descriptor < 0) {
        return nullptr;
    }
    ::fchmod(descriptor, NewFileMode(exists ? &existing : nullptr));
    return std::unique_ptr<TextOutputStream>(new TextOutputStream(target, pattern, descriptor));
}

TextOutputStream::TextOutputStream(std::filesystem::path target, std::filesystem::path temporary,
                                   int descriptor)
    : target_(std::move(target))
    , temporary_(std::move(temporary))
    , descriptor_(descriptor) {
    buffer_.reserve(bufferSize);
}

TextOutputStream::~TextOutputStream() {
    Discard();
}

void TextOutputStream::Discard() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
        if (!temporary_.empty()) {
            ::unlink(temporary_.c_str());
        }
    }
}

void TextOutputStream::Fail(int error) {
    Discard();
    throw IOException(target_.string(), SystemReason(error));
}

void TextOutputStream::WriteLine(std::string_view line) {
    if (descriptor_ < 0) {
        throw IOException(target_.string(), "the file is already closed");
    }
    buffer_.append(line);
    buffer_.append(delimiter_);
    if (buffer_.size() >= bufferSize) {
        Flush();
    }
}

void TextOutputStream::Flush() {
    std::size_t written = 0;
    while (written < buffer_.size()) {
        const ssize_t count =
            ::write(descriptor_, buffer_.data() + written, buffer_.size() - written);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail(errno);
        }
        written += static_cast<std::size_t>(count);
    }
    buffer_.clear();
}

void TextOutputStream::Close() {
    if (descriptor_ < 0) {
        throw IOException(target_.string(), "the file is already closed");
    }
    Flush();
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (::close(descriptor) != 0) {
        const int error = errno;
        if (!temporary_.empty()) {
            ::unlink(temporary_.c_str());
        }
        throw IOException(target_.string(), SystemReason(error));
    }
    if (!temporary_.empty() && std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary_.c_str());
        throw IOException(target_.string(), SystemReason(error));
    }
}

#include "TextOutputStream.h"

#include "Exceptions.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

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

// Waits until what was written through the descriptor is on the disk; false,
// with errno set, when that fails. A file system that cannot sync at all
// (EINVAL) keeps the data as safely as it can, which is no failure.
bool Synced(int descriptor) {
    while (::fsync(descriptor) != 0) {
        if (errno == EINVAL) {
            return true;
        }
        if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

// Puts the folder's entries, the name of a file just renamed into it among
// them, on the disk; 0 or the error of the sync. A folder that may be written
// but not read cannot be opened for it, which is no failure: the file's own
// bytes are on the disk all the same.
int SyncFolderOf(const std::filesystem::path& file) {
    const std::filesystem::path folder =
        file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        return 0;
    }
    const int error = Synced(descriptor) ? 0 : errno;
    ::close(descriptor);
    return error;
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
        ::close(std::exchange(descriptor_, -1));
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
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
    // The bytes reach the disk before the file takes the old one's place:
    // otherwise a crash could leave the rename done and the file empty. A
    // device takes the bytes as they come.
    if (!temporary_.empty() && !Synced(descriptor_)) {
        Fail(errno);
    }
    if (::close(std::exchange(descriptor_, -1)) != 0) {
        Fail(errno);
    }
    if (temporary_.empty()) {
        return;
    }
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        Fail(errno);
    }
    temporary_.clear();
    if (const int error = SyncFolderOf(target_); error != 0) {
        throw IOException(target_.string(), SystemReason(error));
    }
}

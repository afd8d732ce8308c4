#pragma once

// A reference to a file by its path. The file need not exist.

#include <filesystem>
#include <string>

class FolderItem {
public:
    explicit FolderItem(std::filesystem::path path)
        : path_(std::move(path)) {}

    const std::filesystem::path& Path() const { return path_; }

    // The path as the user's system writes it, for messages.
    std::string NativePath() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

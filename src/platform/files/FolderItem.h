#pragma once

// A reference to a file by its path. The file need not exist.

#include "TextOutputStream.h"

#include <filesystem>
#include <memory>
#include <string>

class FolderItem {
public:
    explicit FolderItem(std::filesystem::path path)
        : path_(std::move(path)) {}

    const std::filesystem::path& Path() const { return path_; }

    // The path as the user's system writes it, for messages.
    std::string NativePath() const { return path_.string(); }

    // A stream on a new, empty text file here; nullptr when the file cannot
    // be created.
    std::unique_ptr<TextOutputStream> CreateTextFile() const {
        return TextOutputStream::Create(path_);
    }

private:
    std::filesystem::path path_;
};

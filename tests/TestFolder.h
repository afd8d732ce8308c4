#pragma once

// A fresh folder under the temporary folder that belongs to the running test
// alone, removed with all in it when the object goes. Its name holds the
// test's suite and name and a random part, so that tests running at the same
// time, in one process or in many, never meet in a file.

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

class TestFolder {
public:
    TestFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / ("orlimex-" + TestName() + "-XXXXXX"))
                .string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::filesystem::filesystem_error(
                "cannot make a test folder", pattern,
                std::error_code(errno, std::generic_category()));
        }
        path_ = pattern;
    }
    ~TestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const {
        return path_ / name;
    }

    // Writes the bytes into a file of that name in the folder.
    std::filesystem::path Write(const std::string& name, std::string_view content) const {
        const std::filesystem::path file = path_ / name;
        std::ofstream(file, std::ios::binary)
            .write(content.data(), static_cast<std::streamsize>(content.size()));
        return file;
    }

private:
    // "Suite.Name" of the running test; the slashes of parameterised tests'
    // names become "_".
    static std::string TestName() {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name =
            test == nullptr ? "test" : std::string(test->test_suite_name()) + "." + test->name();
        std::replace(name.begin(), name.end(), '/', '_');
        return name;
    }

    std::filesystem::path path_;
};

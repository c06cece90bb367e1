#pragma once
// Fixture paths, a scratch folder per test, and small file helpers.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>
#include <algorithm>
#include <stdlib.h>

namespace halvane::test {

inline std::string DataPath(const std::string& relative) {
    return std::string(HALVANE_TEST_DATA_DIR) + "/store/" + relative;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read test file " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFile(const std::string& path, const std::string& contents) {
    std::ofstream out(path, std::ios::binary);
    out << contents;
    if (!out) throw std::runtime_error("cannot write test file " + path);
}

// A fresh folder, removed with everything in it at the end of the test.
class TScratchFolder {
public:
    TScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "hcs-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }
    // Names of everything in the folder, sorted, for "nothing else was left".
    std::string Listing() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        std::string out;
        for (const auto& n : names) out += n + ";";
        return out;
    }

private:
    std::filesystem::path path_;
};

} // namespace halvane::test

// SPDX-License-Identifier: MIT
#include "fuzz/datafile.h"
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdlib.h>

namespace {

// A folder of its own under the system's temporary folder, removed when the run ends.
class FuzzFolder {
public:
    FuzzFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "pokuraku-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) broken("a fuzzing folder can be made", pattern);
        path_ = pattern;
    }
    ~FuzzFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    FuzzFolder(const FuzzFolder&) = delete;
    FuzzFolder& operator=(const FuzzFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

} // namespace

std::string writeDataFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
    static const FuzzFolder folder;
    const std::string path = folder.path() + '/' + name;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) broken("the fuzzing folder is writable", path);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

void broken(const char* promise, const std::string& detail) {
    std::fprintf(stderr, "broken promise: %s %s\n", promise, detail.c_str());
    std::abort();
}

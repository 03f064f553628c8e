// SPDX-License-Identifier: MIT
#include "services/data/datafolder.h"
#include "services/data/datafileerror.h"
#include "services/data/pathtext.h"
#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// The folder's path with links resolved where it exists, so that one folder written two ways compares equal.
std::string folderKey(const std::string& folder) {
    std::error_code error;
    const fs::path canonical = fs::canonical(folder, error);
    return error ? absolutePath(folder) : canonical.string();
}

} // namespace

std::string userDataFolder() {
    std::string base = environment("XDG_DATA_HOME");
    // A relative XDG_DATA_HOME is invalid and is to be ignored.
    if (base.empty() || base.front() != '/') {
        // Without HOME the home folder is the root.
        base = environment("HOME") + "/.local/share";
    }
    return cleanPath(base + "/pokuraku");
}

std::string installedDataFolder(const std::string& programFolder) {
    const std::string program = absolutePath(programFolder);
    const std::string shared = cleanPath(program + "/../share/pokuraku");
    std::error_code error;
    if (fs::is_directory(shared, error)) return shared;
    return program;
}

std::vector<std::string> distinctFolders(const std::vector<std::string>& folders) {
    std::vector<std::string> distinct, keys;
    for (const std::string& folder : folders) {
        if (folder.empty()) continue;
        const std::string key = folderKey(folder);
        if (std::find(keys.begin(), keys.end(), key) != keys.end()) continue;
        keys.push_back(key);
        distinct.push_back(cleanPath(folder));
    }
    return distinct;
}

std::vector<std::string> dataSearchFolders(const std::string& programFolder) {
    std::error_code error;
    const std::string working = fs::current_path(error).string();
    return distinctFolders({userDataFolder(), working,
                            programFolder.empty() ? std::string() : installedDataFolder(programFolder)});
}

std::string findDataFile(const std::string& fileName, const std::vector<std::string>& folders) {
    for (const std::string& folder : folders) {
        const std::string path = pathIn(folder, fileName);
        std::error_code error;
        if (fs::exists(fs::symlink_status(path, error))) return path;
    }
    throw DataFileError::missing(fileName, folders);
}

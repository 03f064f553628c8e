// SPDX-License-Identifier: MIT
#include "services/data/pathtext.h"
#include <filesystem>

namespace fs = std::filesystem;

std::string cleanPath(const std::string& path) {
    if (path.empty()) return {};
    std::string clean = fs::path(path).lexically_normal().string();
    while (clean.size() > 1 && clean.back() == '/')
        clean.pop_back();
    return clean;
}

std::string absolutePath(const std::string& path) {
    if (!path.empty() && path.front() == '/') return cleanPath(path);
    std::error_code error;
    const fs::path here = fs::current_path(error);
    return cleanPath((here / path).string());
}

std::string fileNameOf(const std::string& path) {
    return fs::path(path).filename().string();
}

std::string folderOf(const std::string& absolute) {
    const std::string folder = fs::path(absolute).parent_path().string();
    return folder.empty() ? std::string("/") : folder;
}

std::string pathIn(const std::string& folder, const std::string& fileName) {
    if (folder.empty() || (!fileName.empty() && fileName.front() == '/')) return fileName;
    return folder.back() == '/' ? folder + fileName : folder + '/' + fileName;
}

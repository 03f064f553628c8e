// SPDX-License-Identifier: MIT
#include "services/data/datafileerror.h"

namespace {

std::string detailFor(const std::string& file, int line, const std::string& reason, const std::string& path) {
    std::string detail =
        line <= 0 ? file + ": " + reason : file + ", line " + std::to_string(line) + ": " + reason;
    if (!path.empty()) detail += " (" + path + ")";
    return detail;
}

std::string missingReason(const std::vector<std::string>& folders) {
    std::string reason =
        folders.size() == 1 ? "file not found in the folder" : "file not found in any of the folders";
    for (const std::string& folder : folders)
        reason += "\n    " + folder;
    return reason;
}

} // namespace

DataFileError::DataFileError(std::string file, int line, std::string reason, std::string path)
    : std::runtime_error(detailFor(file, line, reason, path)), file_(std::move(file)), line_(line),
      path_(std::move(path)), reason_(std::move(reason)) {}

DataFileError::DataFileError(std::string file, std::string reason, std::vector<std::string> folders)
    : std::runtime_error(file + ": " + reason), file_(std::move(file)), reason_(std::move(reason)),
      missing_(true), searchedFolders_(std::move(folders)) {}

DataFileError DataFileError::missing(const std::string& file, const std::vector<std::string>& folders) {
    return DataFileError(file, missingReason(folders), folders);
}

// SPDX-License-Identifier: MIT
#pragma once
// Paths as the data files' messages show them: absolute, with no "." or ".." left and no separator at the
// end, so the player's own folder and the installed one are told apart at a glance.
#include <string>

// path without redundant separators, "." and ".." parts; no trailing separator but on the root.
std::string cleanPath(const std::string& path);
// path made absolute against the working folder, then cleaned.
std::string absolutePath(const std::string& path);
// The last part of path: "romaji.txt" for "/home/kid/romaji.txt".
std::string fileNameOf(const std::string& path);
// The folder part of an absolute path: "/home/kid" for "/home/kid/romaji.txt".
std::string folderOf(const std::string& absolute);
// fileName in folder, as folder/fileName.
std::string pathIn(const std::string& folder, const std::string& fileName);

// SPDX-License-Identifier: MIT
#pragma once
// Where the game looks for its data files and sounds. Each file is looked up on its own, in three folders:
// the player's own folder first (a parent's or teacher's romaji.txt, kept apart from the installed files),
// then the folder the game was started in, then the data that came with the game.
#include <string>
#include <vector>

// $XDG_DATA_HOME/pokuraku, or ~/.local/share/pokuraku when XDG_DATA_HOME is unset, empty or not an absolute
// path.
std::string userDataFolder();

// The data that came with a game whose program lies in programFolder: <prefix>/share/pokuraku for a game
// installed as <prefix>/bin/pokuraku, otherwise the program's own folder (a build tree keeps the data beside
// the program).
std::string installedDataFolder(const std::string& programFolder);

// The look-up folders in order: userDataFolder(), the working folder, installedDataFolder(programFolder)
// (left out when programFolder is empty). A folder that is the same as an earlier one (written differently
// or through a link) is left out.
std::vector<std::string> dataSearchFolders(const std::string& programFolder);
std::vector<std::string> distinctFolders(const std::vector<std::string>& folders);

// The path of fileName in the first of folders that holds an entry of that name, whatever it is: a folder
// or a broken link named romaji.txt is reported by the reader, not passed over for a file further down.
// Throws DataFileError::missing naming every folder when none holds it.
std::string findDataFile(const std::string& fileName, const std::vector<std::string>& folders);

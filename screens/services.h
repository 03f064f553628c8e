// SPDX-License-Identifier: MIT
#pragma once
// What the program hands each screen: the random generator, the sound player, the message box, the folders
// where the data files are looked up, and where the player's choices are remembered. Tests pass recording
// or scripted versions.
#include "services/data/datafolder.h"
#include "services/random/random.h"
#include "services/sound/sound.h"
#include "toolkit/messagebox.h"
#include "toolkit/settings.h"
#include <string>
#include <vector>

struct Services {
    Random& random;
    SoundPlayer& sound;
    toolkit::MessageBox& messageBox;
    // Searched in order for each data file; the first folder that holds it wins (dataSearchFolders() in the
    // game: the player's own folder, the working folder, the installed data).
    std::vector<std::string> dataFolders;
    // Where the player's choices are remembered; none: they last as long as the program.
    toolkit::Settings* settings = nullptr;

    // Throws DataFileError naming every folder when none holds the file.
    std::string dataPath(const std::string& fileName) const { return findDataFile(fileName, dataFolders); }
};

// SPDX-License-Identifier: MIT
#pragma once
// What the program hands each screen: the random generator, the sound player, the message box, the folders
// where the data files are looked up, where the player's choices and learning record are kept, the way out
// for a file the game makes, and a voice. Tests pass recording or scripted versions.
#include "services/data/datafolder.h"
#include "services/random/random.h"
#include "services/record/store.h"
#include "services/sound/sound.h"
#include "toolkit/fileexport.h"
#include "toolkit/messagebox.h"
#include "toolkit/settings.h"
#include "toolkit/speech.h"
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
    // Where the learning record is kept; none: it lasts as long as the program.
    record::Store* recordStore = nullptr;
    // How a file the game makes reaches the player; none: the game offers no file.
    toolkit::FileExport* fileExport = nullptr;
    // A Japanese voice; none: the game speaks no word.
    toolkit::Speech* speech = nullptr;

    // Throws DataFileError naming every folder when none holds the file.
    std::string dataPath(const std::string& fileName) const { return findDataFile(fileName, dataFolders); }
};

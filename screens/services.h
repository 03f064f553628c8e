#pragma once
// What the program hands each screen: the random generator, the sound player, the message box, and the
// working folder where the data files and sounds are looked up. Tests pass recording or scripted versions.
#include "services/random/random.h"
#include "services/sound/sound.h"
#include "toolkit/messagebox.h"
#include <QString>

struct Services {
    Random& random;
    SoundPlayer& sound;
    toolkit::MessageBox& messageBox;
    QString workingFolder;

    QString dataPath(const QString& fileName) const { return workingFolder + QLatin1Char('/') + fileName; }
};

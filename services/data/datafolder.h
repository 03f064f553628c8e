#pragma once
// Where the game looks for its data files and sounds. Each file is looked up on its own, in three folders:
// the player's own folder first (a parent's or teacher's romaji.txt, kept apart from the installed files),
// then the folder the game was started in, then the data that came with the game.
#include <QString>
#include <QStringList>

// $XDG_DATA_HOME/pokuraku, or ~/.local/share/pokuraku when XDG_DATA_HOME is unset, empty or not an absolute
// path.
QString userDataFolder();

// The data that came with this copy of the game: <prefix>/share/pokuraku for a game installed as
// <prefix>/bin/pokuraku, otherwise the program's own folder (a build tree keeps the data beside the
// program). Empty without an application object.
QString installedDataFolder();
// The same for a program in programFolder.
QString installedDataFolder(const QString& programFolder);

// The look-up folders in order: userDataFolder(), the working folder, installedDataFolder(). A folder that
// is the same as an earlier one (written differently or through a link) is left out.
QStringList dataSearchFolders();
QStringList distinctFolders(const QStringList& folders);

// The path of fileName in the first of folders that holds an entry of that name, whatever it is: a folder
// or a broken link named romaji.txt is reported by the reader, not passed over for a file further down.
// Throws DataFileError::missing naming every folder when none holds it.
QString findDataFile(const QString& fileName, const QStringList& folders);

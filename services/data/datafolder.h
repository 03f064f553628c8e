#pragma once
// Where the game's data files lie when it was started from some other folder. The game reads its files
// only from its working folder; this merely names the folder to start it from, in the message about a
// missing file.
#include <QString>
#include <QStringList>

// The folders that hold the data of this copy of the game: beside the executable (a build tree) and
// <prefix>/share/pokuraku for a game installed as <prefix>/bin/pokuraku. Empty without an application object.
QStringList dataFolderCandidates();

// The first of candidates, other than searched, that holds fileName; empty when none does.
QString folderHolding(const QString& fileName, const QString& searched, const QStringList& candidates);

// A shell command that starts the executable at program from folder, with paths quoted where needed.
QString startCommand(const QString& folder, const QString& program);

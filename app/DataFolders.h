#pragma once

#include <QString>
#include <QStringList>

// Where the program finds what it ships (the catalogue, Config.Ini, the
// hazard pages and the documents): beside itself first, as in the build
// folder or an unpacked copy, then share/vorlak beside its bin folder, as
// installed under any prefix. Folders end with "/".
QStringList dataFolders(const QString& programFolder);

// The first of the data folders that holds the file (a relative path);
// the one beside the program when none does, so that what is missing is
// reported where it was first looked for.
QString dataFile(const QString& programFolder, const QString& name);

// Config.Ini: beside the program, else the system's settings folder, else
// the one installed with the program.
QString settingsFile(const QString& programFolder, const QString& systemFolder = QStringLiteral("/etc/vorlak/"));

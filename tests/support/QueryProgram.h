#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct ProgramResult {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs a program to its end and gathers what it printed.
ProgramResult runProgram(const QString& program, const QStringList& arguments,
                         const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                         const QString& workingFolder = QString());

// vorlak-query as built, beside its vorlak.db and Config.Ini.
ProgramResult runQueryProgram(const QStringList& arguments,
                              const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                              const QString& workingFolder = QString());

// The environment with the driver manager pointed at an odbc.ini of that text.
QProcessEnvironment environmentWithOdbcIni(const QString& odbcIniPath, const QString& text);

// The rows of vorlak-query's output for the columns it shows, computed with
// the sqlite3 shell from the same statement on the same file.
QStringList shownColumnsBySqliteShell(const QString& databasePath, const QString& statement);

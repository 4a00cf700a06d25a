#include "QueryProgram.h"

#include "TestFiles.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

ProgramResult runProgram(const QString& program, const QStringList& arguments,
                         const QProcessEnvironment& environment, const QString& workingFolder)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(program, arguments);
    ProgramResult result;
    if (!process.waitForFinished(60000)) {
        ADD_FAILURE() << program.toStdString() << " did not finish";
        process.kill();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

ProgramResult runQueryProgram(const QStringList& arguments, const QProcessEnvironment& environment,
                              const QString& workingFolder)
{
    return runProgram(QStringLiteral(VORLAK_QUERY_PROGRAM), arguments, environment, workingFolder);
}

QProcessEnvironment environmentWithOdbcIni(const QString& odbcIniPath, const QString& text)
{
    writeTextFile(odbcIniPath, text);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"ODBCINI"_s, odbcIniPath);
    return environment;
}

QStringList shownColumnsBySqliteShell(const QString& databasePath, const QString& statement)
{
    // Of the statement's columns: index_id, name1, name2, name_eng, CAS,
    // dangtypes, specialadmin, remarks.
    static const QList<int> shown = {1, 2, 3, 4, 5, 6, 8, 9};
    const ProgramResult result = runProgram(u"sqlite3"_s,
        {u"-readonly"_s, u"-separator"_s, u"\t"_s, databasePath, statement});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    QStringList lines;
    for (const QString& line : result.out.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList cells = line.split(u'\t');
        QStringList picked;
        for (int column : shown)
            picked.append(cells.value(column));
        lines.append(picked.join(u'\t'));
    }
    return lines;
}

#pragma once

#include "platform/Errors.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

// The frame of the catalogue tools: a fixed number of arguments, and any
// error printed with the tool's name and exit status 1.
template <typename Body>
int runCatalogueTool(int argc, char* argv[], const char* name, const char* usage, qsizetype argumentCount,
                     Body body)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() != argumentCount) {
        std::fprintf(stderr, "usage: %s %s\n", name, usage);
        return 64;
    }
    try {
        body(arguments);
    } catch (const Exception& error) {
        std::fprintf(stderr, "%s: %s\n", name, error.what());
        return 1;
    }
    return 0;
}

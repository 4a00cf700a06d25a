#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A document as the writers take it: a title, opening paragraphs, then parts
// with a heading, paragraphs, at most one picture (the RTF writer's documents
// carry one) and at most one table.

struct DocumentTable {
    QStringList titles;
    QList<QStringList> rows;
    QList<int> widths;  // relative column widths, one per title
};

struct DocumentPart {
    QString heading;
    QStringList paragraphs;
    DocumentTable table;  // no titles: no table
    QByteArray picturePng;  // after the paragraphs, as wide as the text; empty: none
};

struct Document {
    QString title;
    QStringList preface;
    QList<DocumentPart> parts;
};

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A document as the writers take it: a title, opening paragraphs, then parts
// with a heading, paragraphs and at most one table.

struct DocumentTable {
    QStringList Titles;
    QList<QStringList> Rows;
    QList<int> Widths;  // relative column widths, one per title
};

struct DocumentPart {
    QString Heading;
    QStringList Paragraphs;
    DocumentTable Table;  // no titles: no table
};

struct Document {
    QString Title;
    QStringList Preface;
    QList<DocumentPart> Parts;
};

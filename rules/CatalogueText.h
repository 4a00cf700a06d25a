#pragma once

#include <QString>
#include <QStringList>

// The rules for the texts of the official lists: CAS numbers, hazard
// categories and names as the matching compares them.

// Whether a CAS registry number is well formed and its check digit right.
bool casNumberValid(const QString& cas);

// CAS-looking tokens in a text, for numbers written into another column.
QStringList casNumbersIn(const QString& text);

// Whether a text is one hazard category as the classification table writes
// it, such as "急性毒性-经口,类别3*" or "加压气体".
bool isHazardCategory(const QString& text);

// The hazard categories of a classification cell: its lines cleaned of mixed
// punctuation and known misprints, only category strings kept, each once.
QStringList hazardCategories(const QStringList& classificationTexts);

// A name as the matching compares it: compatibility forms folded (full-width
// to ASCII), blanks dropped.
QString matchingName(const QString& name);

// A matching name without a trailing bracketed qualifier ("天然气[富含甲烷的]").
QString withoutQualifier(const QString& matchingName);

// Full-width commas and parentheses as ASCII, as the catalogue writes names.
QString asciiPunctuation(QString name);

// Appends a value unless it is empty or already there.
void appendOnce(QStringList& list, const QString& value);

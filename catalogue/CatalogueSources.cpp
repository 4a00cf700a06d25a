#include "CatalogueSources.h"

#include "rules/CatalogueText.h"
#include "rules/RowsFile.h"

#include "platform/Errors.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(path + u": "_s + file.errorString());
    return file.readAll();
}

QJsonDocument readJson(const QString& path)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(readFile(path), &error);
    if (document.isNull())
        throw Exception(path + u": "_s + error.errorString());
    return document;
}

// The lists join several values with the full-width "；" or with "、".
QStringList splitList(const QString& text, QChar separator)
{
    QStringList out;
    for (const QString& part : text.split(separator, Qt::SkipEmptyParts))
        if (!part.trimmed().isEmpty())
            out.append(part.trimmed());
    return out;
}

QStringList stringArray(const QJsonValue& value)
{
    QStringList out;
    for (const QJsonValue& item : value.toArray())
        out.append(item.toString());
    return out;
}

} // namespace

CatalogueSources readCatalogueSources(const QString& folder)
{
    const QDir dir(folder);
    CatalogueSources sources;

    for (const QJsonValue& value : readJson(dir.filePath(u"china.json"_s)).array()) {
        const QJsonObject item = value.toObject();
        const QString section = item.value(u"section").toString();
        if (section == u"HAZ") {
            CatalogueEntry entry;
            entry.number = item.value(u"number").toString().toInt();
            entry.name = item.value(u"name").toString();
            entry.aliases = splitList(item.value(u"alias").toString(), u'；');
            entry.casNumbers = splitList(item.value(u"cas").toString(), u'；');
            entry.highlyToxic = item.value(u"note").toString() == u"剧毒";
            sources.catalogue.append(entry);
        } else if (section == u"EXPLOSIVE") {
            ExplosiveItem explosive;
            explosive.number = item.value(u"number").toString();
            explosive.name = item.value(u"name").toString();
            explosive.aliases = splitList(item.value(u"alias").toString(), u'、');
            explosive.cas = item.value(u"cas").toString().trimmed();
            explosive.note = item.value(u"note").toString();
            sources.explosives.append(explosive);
        }
    }

    const QJsonObject table = readJson(dir.filePath(u"hazardous_catalog_2015_2022.json"_s)).object();
    for (const QJsonValue& value : table.value(u"entries").toArray()) {
        const QJsonObject item = value.toObject();
        ClassificationEntry entry;
        entry.number = item.value(u"entry_no").toString().toInt();
        entry.name = item.value(u"name").toString();
        entry.casNumbers = stringArray(item.value(u"cas_numbers"));
        entry.texts = stringArray(item.value(u"classification_text"));
        sources.classification.append(entry);
    }

    for (const QStringList& cells : readDataLines(dir.filePath(u"key_supervision_batch1.tsv"_s)))
        sources.firstBatch.append({cells.value(0).toInt(), cells.value(1), cells.value(2)});

    for (const QStringList& cells : readDataLines(dir.filePath(u"key_supervision_batch2.tsv"_s)))
        sources.secondBatch.append({cells.value(0).toInt(), cells.value(1), cells.value(2), cells.value(3).toInt()});

    // The later additions of drug_precursors.tsv (the rows without an annex
    // number) are all in drug_precursor_additions.tsv, with Chinese names.
    static const QStringList categories = {u"第一类"_s, u"第二类"_s, u"第三类"_s};
    for (const QStringList& cells : readDataLines(dir.filePath(u"drug_precursors.tsv"_s)))
        if (!cells.value(1).isEmpty())
            sources.drugPrecursors.append(
                {int(categories.indexOf(cells.value(0)) + 1), cells.value(1), cells.value(2), cells.value(3), QString()});
    for (const QStringList& cells : readDataLines(dir.filePath(u"drug_precursor_additions.tsv"_s)))
        sources.drugPrecursors.append(
            {int(categories.indexOf(cells.value(2)) + 1), QString(), cells.value(3), cells.value(5), cells.value(4)});

    for (const QStringList& cells : readDataLines(dir.filePath(u"drug_precursor_cas.tsv"_s))) {
        PrecursorNumbers numbers;
        for (const QString& cas : cells.value(2).split(u';', Qt::SkipEmptyParts)) {
            if (!casNumberValid(cas.trimmed()))
                throw Exception(u"drug_precursor_cas.tsv: the CAS number %1 of %2 fails its check digit"_s.arg(
                    cas.trimmed(), cells.value(1)));
            numbers.cas.append(cas.trimmed());
        }
        for (const QString& name : cells.value(3).split(u';', Qt::SkipEmptyParts))
            numbers.englishNames.append(name.trimmed());
        sources.drugPrecursorNumbers[cells.value(1)] = numbers;
    }

    for (const QStringList& cells : readDataLines(dir.filePath(u"special_control_2020.tsv"_s)))
        sources.specialControl.append({cells.value(0).toInt(), cells.value(1), cells.value(2), cells.value(4),
                                       cells.value(6).toInt(), cells.value(7)});

    for (const QStringList& cells : readDataLines(dir.filePath(u"gb18218_2018_table1.tsv"_s))) {
        MajorHazardItem item{cells.value(0), cells.value(2), cells.value(4), cells.value(5), {}};
        for (const QString& number : cells.value(6).split(u';', Qt::SkipEmptyParts))
            item.entries.append(number.toInt());
        sources.majorHazardNamed.append(item);
    }
    for (const QStringList& cells : readDataLines(dir.filePath(u"gb18218_2018_table2.tsv"_s)))
        sources.majorHazardCategories.append(
            {cells.value(2), cells.value(1) + u"，"_s + cells.value(3), QString(), cells.value(4), {}});

    for (const QStringList& cells : readDataLines(dir.filePath(u"english_names.tsv"_s)))
        sources.englishNames[cells.value(0).toInt()] = cells.value(2);

    auto byNumber = [](const auto& a, const auto& b) { return a.number < b.number; };
    std::sort(sources.catalogue.begin(), sources.catalogue.end(), byNumber);
    std::sort(sources.classification.begin(), sources.classification.end(), byNumber);
    if (sources.catalogue.size() != sources.classification.size())
        throw Exception(u"the two catalogue sources hold %1 and %2 entries"_s.arg(sources.catalogue.size())
                            .arg(sources.classification.size()));
    return sources;
}

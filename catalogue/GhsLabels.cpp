#include "GhsLabels.h"

#include "platform/Errors.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString kRefrigeratedGas = u"加压气体（冷冻液化气体）"_s;
const QSet<QString> kIrritation = {u"H315"_s, u"H319"_s};
const QString kSkinSensitisation = u"H317"_s;
const QString kRespiratorySensitisation = u"H334"_s;
const QString kDanger = u"危险"_s;
const QString kWarning = u"警告"_s;

QStringList splitFields(const QString& line, const QString& where)
{
    const QStringList fields = line.split(u'\t');
    if (fields.size() != 4)
        throw Exception(where + u": expected 4 tab-separated fields, found "_s + QString::number(fields.size()));
    return fields;
}

GhsLabelRow parseRow(const QStringList& fields, const QString& where)
{
    static const QRegularExpression pictogram(u"^GHS0[1-9]$"_s);
    static const QRegularExpression statement(u"^(H[0-9]{3}) (.+)$"_s);
    GhsLabelRow row;
    if (fields[1] != u"-")
        for (const QString& code : fields[1].split(u' ', Qt::SkipEmptyParts)) {
            if (!pictogram.match(code).hasMatch())
                throw Exception(where + u": not a pictogram code: "_s + code);
            row.pictograms.append(code);
        }
    if (fields[2] != u"-") {
        if (fields[2] != kDanger && fields[2] != kWarning)
            throw Exception(where + u": not a signal word: "_s + fields[2]);
        row.signalWord = fields[2];
    }
    for (const QString& text : fields[3].split(u'|')) {
        const QRegularExpressionMatch match = statement.match(text.trimmed());
        if (!match.hasMatch())
            throw Exception(where + u": not a hazard statement: "_s + text);
        row.statements.append({match.captured(1), match.captured(2)});
    }
    return row;
}

} // namespace

GhsLabelTable GhsLabelTable::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(path + u": "_s + file.errorString());
    GhsLabelTable table;
    bool header = true;
    int number = 0;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        ++number;
        const QString where = path + u':' + QString::number(number);
        if (line.startsWith(u'#')) {
            if (const qsizetype at = line.indexOf(u"Edition:"_s); at >= 0)
                table.edition_ = line.mid(at + 8).trimmed();
            continue;
        }
        if (line.trimmed().isEmpty())
            continue;
        const QStringList fields = splitFields(line, where);
        if (std::exchange(header, false))
            continue;
        if (table.rows_.contains(fields[0]))
            throw Exception(where + u": a second row for "_s + fields[0]);
        table.rows_.insert(fields[0], parseRow(fields, where));
    }
    return table;
}

const GhsLabelRow* GhsLabelTable::find(const QString& category) const
{
    QString key = category.trimmed();
    if (key.endsWith(u'*'))
        key.chop(1);
    const auto row = rows_.constFind(key);
    return row == rows_.cend() ? nullptr : &*row;
}

LabelElements combineLabels(const GhsLabelTable& table, const QStringList& categories, bool refrigeratedGas)
{
    LabelElements label;
    QSet<QString> pictograms;
    QSet<QString> exclamationFor;  // the statements the exclamation mark stands for
    bool respiratorySensitiser = false;
    for (const QString& category : categories) {
        const bool chilled = refrigeratedGas && category.trimmed() == kGasUnderPressure;
        const GhsLabelRow* row = table.find(chilled ? kRefrigeratedGas : category);
        if (!row) {
            label.unlabelled.append(category);
            continue;
        }
        for (const QString& code : row->pictograms) {
            pictograms.insert(code);
            if (code == u"GHS07")
                for (const HazardStatement& statement : row->statements)
                    exclamationFor.insert(statement.code);
        }
        if (row->signalWord == kDanger || (row->signalWord == kWarning && label.signalWord.isEmpty()))
            label.signalWord = row->signalWord;
        for (const HazardStatement& statement : row->statements) {
            respiratorySensitiser |= statement.code == kRespiratorySensitisation;
            if (!label.statements.contains(statement))
                label.statements.append(statement);
        }
    }

    if (pictograms.contains(u"GHS06"_s))
        exclamationFor.clear();
    if (pictograms.contains(u"GHS05"_s) || respiratorySensitiser)
        exclamationFor -= kIrritation;
    if (respiratorySensitiser)
        exclamationFor.remove(kSkinSensitisation);
    if (exclamationFor.isEmpty())
        pictograms.remove(u"GHS07"_s);

    label.pictograms = pictograms.values();
    std::sort(label.pictograms.begin(), label.pictograms.end());
    std::stable_sort(label.statements.begin(), label.statements.end(),
                     [](const HazardStatement& a, const HazardStatement& b) { return a.code < b.code; });
    return label;
}

QString pictogramName(const QString& code)
{
    static const QHash<QString, QString> names = {
        {u"GHS01"_s, u"爆炸弹"_s}, {u"GHS02"_s, u"火焰"_s},         {u"GHS03"_s, u"圆圈上方火焰"_s},
        {u"GHS04"_s, u"气瓶"_s},   {u"GHS05"_s, u"腐蚀"_s},         {u"GHS06"_s, u"骷髅和交叉骨"_s},
        {u"GHS07"_s, u"感叹号"_s}, {u"GHS08"_s, u"健康危害"_s},     {u"GHS09"_s, u"环境"_s},
    };
    return names.value(code);
}

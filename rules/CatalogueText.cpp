#include "CatalogueText.h"

#include <QHash>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

// The hazard classes of the classification table, in its own wording.
const QStringList kHazardClasses = {
    u"爆炸物"_s, u"易燃气体"_s, u"化学不稳定性气体"_s, u"易燃气溶胶"_s, u"氧化性气体"_s,
    u"加压气体"_s, u"易燃液体"_s, u"易燃固体"_s, u"自反应物质和混合物"_s, u"自燃液体"_s,
    u"自燃固体"_s, u"自热物质和混合物"_s, u"遇水放出易燃气体的物质和混合物"_s,
    u"氧化性液体"_s, u"氧化性固体"_s, u"有机过氧化物"_s, u"金属腐蚀物"_s,
    u"急性毒性-经口"_s, u"急性毒性-经皮"_s, u"急性毒性-吸入"_s, u"皮肤腐蚀/刺激"_s,
    u"严重眼损伤/眼刺激"_s, u"呼吸道致敏物"_s, u"皮肤致敏物"_s, u"生殖细胞致突变性"_s,
    u"致癌性"_s, u"生殖毒性"_s, u"特异性靶器官毒性-一次接触"_s,
    u"特异性靶器官毒性-反复接触"_s, u"吸入危害"_s, u"危害水生环境-急性危害"_s,
    u"危害水生环境-长期危害"_s, u"危害臭氧层"_s,
};

// Misprints of the transcription, by the text as it stands.
const QHash<QString, QString> kCategoryCorrections = {
    {u"严重眼损伤/眼刺激性,类别2"_s, u"严重眼损伤/眼刺激,类别2"_s},
    {u"异性靶器官毒性-一次接触,类别2"_s, u"特异性靶器官毒性-一次接触,类别2"_s},
};

const QRegularExpression& categoryPattern()
{
    static const QRegularExpression pattern = [] {
        QStringList classes;
        for (const QString& name : kHazardClasses)
            classes.append(QRegularExpression::escape(name));
        return QRegularExpression(
            u"^(%1)(,(类别[1-4][A-C]?\\*?(（[^（）]+）)?|类别[AB]|[A-G]型|1\\.[1-6]项|不稳定爆炸物|附加类别))?$"_s
                .arg(classes.join(u'|')));
    }();
    return pattern;
}

// The table's majority forms: "," after the class, ASCII digits, full-width
// parentheses around the effect.
QString cleanedCategoryText(const QString& text)
{
    QString out = kCategoryCorrections.value(text, text);
    out.replace(u'，', u',').replace(u'３', u'3');
    out.replace(u"(呼吸道刺激)"_s, u"（呼吸道刺激）"_s);
    return out;
}

} // namespace

bool casNumberValid(const QString& cas)
{
    static const QRegularExpression form(u"^(\\d{2,7})-(\\d{2})-(\\d)$"_s);
    const auto match = form.match(cas);
    if (!match.hasMatch())
        return false;
    const QString digits = match.captured(1) + match.captured(2);
    int sum = 0;
    for (qsizetype i = 0; i < digits.size(); ++i)
        sum += int(digits.size() - i) * digits.at(i).digitValue();
    return sum % 10 == match.captured(3).toInt();
}

QStringList casNumbersIn(const QString& text)
{
    static const QRegularExpression cas(u"\\b\\d{2,7}-\\d{2}-\\d\\b"_s);
    QStringList out;
    for (auto it = cas.globalMatch(text); it.hasNext();)
        out.append(it.next().captured());
    return out;
}

bool isHazardCategory(const QString& text)
{
    return categoryPattern().match(text).hasMatch();
}

QStringList hazardCategories(const QStringList& classificationTexts)
{
    QStringList categories;
    for (const QString& text : classificationTexts) {
        const QString cleaned = cleanedCategoryText(text.trimmed());
        if (isHazardCategory(cleaned))
            appendOnce(categories, cleaned);
    }
    return categories;
}

QString matchingName(const QString& name)
{
    static const QRegularExpression blanks(u"\\s"_s);
    return name.normalized(QString::NormalizationForm_KC).remove(blanks);
}

QString withoutQualifier(const QString& matchingName)
{
    static const QRegularExpression qualifier(u"\\[[^\\[\\]]*\\]$"_s);
    return QString(matchingName).remove(qualifier);
}

QString asciiPunctuation(QString name)
{
    return name.replace(u'，', u',').replace(u'（', u'(').replace(u'）', u')');
}

void appendOnce(QStringList& list, const QString& value)
{
    if (!value.isEmpty() && !list.contains(value))
        list.append(value);
}

#include "Fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace {

const QString kSimSun = u"宋体"_s;
const QString kMsSansSerif = u"MS Sans Serif"_s;

QString firstInstalled(const QStringList& wanted, const QStringList& installed)
{
    for (const QString& family : wanted)
        for (const QString& have : installed)
            if (have.compare(family, Qt::CaseInsensitive) == 0)
                return have;
    return QString();
}

} // namespace

QString resolveFontFamily(const QString& name, const QStringList& installedFamilies)
{
    if (name == kSimSun || name.compare(u"SimSun"_s, Qt::CaseInsensitive) == 0) {
        QString family = firstInstalled({u"SimSun"_s, kSimSun, u"AR PL UMing CN"_s, u"Noto Serif CJK SC"_s,
                                         u"Noto Serif CJK"_s, u"Noto Sans CJK SC"_s},
                                        installedFamilies);
        if (family.isEmpty())
            for (const QString& have : installedFamilies)
                if (have.contains(u"CJK"_s))
                    return have;
        return family.isEmpty() ? name : family;
    }
    if (name == kMsSansSerif)
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    return name;
}

QFont resolveFont(const FontSpec& wanted)
{
    // The families installed are read once; a family name resolves the same way every time.
    static const QStringList installed = QFontDatabase::families();
    static QHash<QString, QString> families;
    auto family = families.find(wanted.name);
    if (family == families.end())
        family = families.insert(wanted.name, resolveFontFamily(wanted.name, installed));
    QFont font(*family);
    font.setPixelSize(wanted.name == kMsSansSerif ? 11 : qMax(1, qAbs(wanted.height)));
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    return font;
}

FontSpec systemFontSpec()
{
    return FontSpec{kSimSun, -12};
}

FontSpec readFontSpec(const QJsonObject& stored)
{
    FontSpec font;
    font.name = stored.value(u"Name").toString(kSimSun);
    font.height = stored.value(u"Height").toInt(-15);
    for (const QJsonValue& style : stored.value(u"Style").toArray()) {
        font.bold |= style.toString() == u"bold";
        font.italic |= style.toString() == u"italic";
        font.underline |= style.toString() == u"underline";
    }
    return font;
}


#include "Fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace {

const QString kSimSun = u"宋体"_s;
const QString kMsSansSerif = u"MS Sans Serif"_s;

QString FirstInstalled(const QStringList& wanted, const QStringList& installed)
{
    for (const QString& family : wanted)
        for (const QString& have : installed)
            if (have.compare(family, Qt::CaseInsensitive) == 0)
                return have;
    return QString();
}

} // namespace

QString ResolveFontFamily(const QString& name, const QStringList& installedFamilies)
{
    if (name == kSimSun || name.compare(u"SimSun"_s, Qt::CaseInsensitive) == 0) {
        QString family = FirstInstalled({u"SimSun"_s, kSimSun, u"AR PL UMing CN"_s, u"Noto Serif CJK SC"_s,
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

QFont ResolveFont(const FontSpec& wanted)
{
    // The families installed are read once; a family name resolves the same way every time.
    static const QStringList installed = QFontDatabase::families();
    static QHash<QString, QString> families;
    auto family = families.find(wanted.Name);
    if (family == families.end())
        family = families.insert(wanted.Name, ResolveFontFamily(wanted.Name, installed));
    QFont font(*family);
    font.setPixelSize(wanted.Name == kMsSansSerif ? 11 : qMax(1, qAbs(wanted.Height)));
    font.setBold(wanted.Bold);
    font.setItalic(wanted.Italic);
    font.setUnderline(wanted.Underline);
    return font;
}

FontSpec SystemFontSpec()
{
    return FontSpec{kSimSun, -12};
}

FontSpec ReadFontSpec(const QJsonObject& stored)
{
    FontSpec font;
    font.Name = stored.value(u"Name").toString(kSimSun);
    font.Height = stored.value(u"Height").toInt(-15);
    for (const QJsonValue& style : stored.value(u"Style").toArray()) {
        font.Bold |= style.toString() == u"bold";
        font.Italic |= style.toString() == u"italic";
        font.Underline |= style.toString() == u"underline";
    }
    return font;
}

QJsonObject WriteFontSpec(const FontSpec& font)
{
    QJsonObject stored{{u"Name"_s, font.Name}, {u"Height"_s, font.Height}};
    QJsonArray style;
    if (font.Bold)
        style.append(u"bold"_s);
    if (font.Italic)
        style.append(u"italic"_s);
    if (font.Underline)
        style.append(u"underline"_s);
    if (!style.isEmpty())
        stored.insert(u"Style"_s, style);
    return stored;
}

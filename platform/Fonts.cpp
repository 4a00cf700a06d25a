#include "Fonts.h"

#include <QFontDatabase>

namespace {

const QString kSimSun = u"宋体"_qs;
const QString kMsSansSerif = u"MS Sans Serif"_qs;

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
    if (name == kSimSun || name.compare(u"SimSun"_qs, Qt::CaseInsensitive) == 0) {
        QString family = FirstInstalled({u"SimSun"_qs, kSimSun, u"Noto Serif CJK SC"_qs,
                                         u"Noto Serif CJK"_qs, u"Noto Sans CJK SC"_qs},
                                        installedFamilies);
        if (family.isEmpty())
            for (const QString& have : installedFamilies)
                if (have.contains(u"CJK"_qs))
                    return have;
        return family.isEmpty() ? name : family;
    }
    if (name == kMsSansSerif)
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    return name;
}

QFont ResolveFont(const TFontSpec& wanted)
{
    QFont font(ResolveFontFamily(wanted.Name, QFontDatabase::families()));
    font.setPixelSize(wanted.Name == kMsSansSerif ? 11 : qMax(1, qAbs(wanted.Height)));
    font.setBold(wanted.Bold);
    font.setItalic(wanted.Italic);
    font.setUnderline(wanted.Underline);
    return font;
}

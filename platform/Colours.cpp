#include "Colours.h"

#include <QGuiApplication>
#include <QHash>
#include <QScreen>

using namespace Qt::StringLiterals;

QColor Colour::resolved() const
{
    return role_ == QPalette::NoRole ? fixed_ : QGuiApplication::palette().color(role_);
}

Colour colourFromName(const QString& name)
{
    static const QHash<QString, QPalette::ColorRole> roles = {
        {u"clBtnFace"_s, QPalette::Button},           {u"clWindow"_s, QPalette::Base},
        {u"clWindowText"_s, QPalette::WindowText},    {u"clHighlight"_s, QPalette::Highlight},
        {u"clHighlightText"_s, QPalette::HighlightedText}, {u"clBtnText"_s, QPalette::ButtonText},
        {u"clBtnShadow"_s, QPalette::Dark},           {u"clBtnHighlight"_s, QPalette::Light},
    };
    static const QHash<QString, QRgb> fixed = {
        {u"clInactiveBorder"_s, qRgb(244, 247, 252)}, {u"clBlack"_s, qRgb(0, 0, 0)},
        {u"clWhite"_s, qRgb(255, 255, 255)},         {u"clBlue"_s, qRgb(0, 0, 255)},
        {u"clRed"_s, qRgb(255, 0, 0)},               {u"clNavy"_s, qRgb(0, 0, 128)},
        {u"clSilver"_s, qRgb(192, 192, 192)},        {u"clGray"_s, qRgb(128, 128, 128)},
    };
    if (const auto role = roles.find(name); role != roles.end())
        return Colour::role(*role);
    if (const auto rgb = fixed.find(name); rgb != fixed.end())
        return QColor(*rgb);
    return QColor(name);
}

#include "Colours.h"

#include <QGuiApplication>
#include <QHash>
#include <QPalette>

QColor ResolveColour(const QString& name)
{
    static const QHash<QString, QPalette::ColorRole> roles = {
        {u"clBtnFace"_qs, QPalette::Button},       {u"clWindow"_qs, QPalette::Base},
        {u"clWindowText"_qs, QPalette::WindowText}, {u"clHighlight"_qs, QPalette::Highlight},
        {u"clHighlightText"_qs, QPalette::HighlightedText}, {u"clBtnText"_qs, QPalette::ButtonText},
    };
    static const QHash<QString, QRgb> fixed = {
        {u"clInactiveBorder"_qs, qRgb(244, 247, 252)}, {u"clBlack"_qs, qRgb(0, 0, 0)},
        {u"clWhite"_qs, qRgb(255, 255, 255)},         {u"clBlue"_qs, qRgb(0, 0, 255)},
        {u"clRed"_qs, qRgb(255, 0, 0)},               {u"clNavy"_qs, qRgb(0, 0, 128)},
    };
    if (const auto role = roles.find(name); role != roles.end())
        return QGuiApplication::palette().color(*role);
    if (const auto rgb = fixed.find(name); rgb != fixed.end())
        return QColor(*rgb);
    return QColor(name);
}

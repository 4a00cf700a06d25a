#include "GhsPictograms.h"

#include "GhsLabels.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace {

// The symbols, in a 100 by 100 box whose diamond has its corners at the middles of the sides.
const QHash<QString, QString>& symbols()
{
    static const QHash<QString, QString> symbols = {
        // An exploding bomb: the bomb and flying fragments.
        {u"GHS01"_s, u"<circle cx=\"45\" cy=\"60\" r=\"12\"/>"
                     u"<path d=\"M55 47 L63 36 M59 53 L72 49 M50 45 L51 32 M39 47 L32 39 M60 60 L71 62\" "
                     u"stroke=\"#000\" stroke-width=\"3\" stroke-linecap=\"round\"/>"_s},
        // A flame over its base.
        {u"GHS02"_s, u"<path d=\"M50 24 C60 36 66 44 63 56 C61 65 55 70 50 70 C42 70 36 64 36 56 C36 47 43 43 44 35 "
                     u"C47 43 50 45 51 47 C53 40 52 32 50 24 Z\"/><rect x=\"33\" y=\"72\" width=\"34\" height=\"4\"/>"_s},
        // A flame over a circle.
        {u"GHS03"_s, u"<path d=\"M50 24 C57 32 61 38 59 46 C57 52 54 54 50 54 C45 54 41 50 41 45 C41 39 46 37 47 31 "
                     u"C49 36 50 38 51 40 C52 35 52 29 50 24 Z\"/>"
                     u"<circle cx=\"50\" cy=\"63\" r=\"9\" fill=\"none\" stroke=\"#000\" stroke-width=\"5\"/>"
                     u"<rect x=\"33\" y=\"75\" width=\"34\" height=\"4\"/>"_s},
        // A gas cylinder lying at an angle.
        {u"GHS04"_s, u"<g transform=\"rotate(-40 50 55)\"><rect x=\"40\" y=\"33\" width=\"20\" height=\"42\" rx=\"9\"/>"
                     u"<rect x=\"45\" y=\"26\" width=\"10\" height=\"9\"/></g>"_s},
        // Liquid from two test tubes falling on a surface and a hand.
        {u"GHS05"_s, u"<path d=\"M27 30 L40 36 L37 42 L24 36 Z M52 30 L65 36 L62 42 L49 36 Z\"/>"
                     u"<circle cx=\"38\" cy=\"50\" r=\"2.5\"/><circle cx=\"63\" cy=\"50\" r=\"2.5\"/>"
                     u"<rect x=\"26\" y=\"58\" width=\"20\" height=\"5\"/>"
                     u"<path d=\"M54 58 L74 58 L74 63 L66 63 L62 70 L54 70 Z\"/>"_s},
        // A skull over crossed bones.
        {u"GHS06"_s, u"<path d=\"M33 68 L67 80 M67 68 L33 80\" stroke=\"#000\" stroke-width=\"6\" stroke-linecap=\"round\"/>"
                     u"<circle cx=\"50\" cy=\"44\" r=\"15\"/><rect x=\"42\" y=\"52\" width=\"16\" height=\"12\" rx=\"3\"/>"
                     u"<circle cx=\"44\" cy=\"43\" r=\"4\" fill=\"#fff\"/><circle cx=\"56\" cy=\"43\" r=\"4\" fill=\"#fff\"/>"_s},
        // An exclamation mark.
        {u"GHS07"_s, u"<rect x=\"45\" y=\"25\" width=\"10\" height=\"34\" rx=\"4\"/><circle cx=\"50\" cy=\"69\" r=\"6\"/>"_s},
        // A person's bust with a star on the chest.
        {u"GHS08"_s, u"<circle cx=\"50\" cy=\"31\" r=\"8\"/>"
                     u"<path d=\"M33 75 C33 52 41 43 50 43 C59 43 67 52 67 75 Z\"/>"
                     u"<polygon fill=\"#fff\" points=\"50,50 52.4,56 58.6,56 53.6,59.8 55.4,66 50,62.4 44.6,66 46.4,59.8 "
                     u"41.4,56 47.6,56\"/>"_s},
        // A dead tree and a dead fish.
        {u"GHS09"_s, u"<path d=\"M36 72 L36 38 M36 48 L27 40 M36 54 L45 45 M24 73 L76 73\" stroke=\"#000\" "
                     u"stroke-width=\"3\" stroke-linecap=\"round\" fill=\"none\"/>"
                     u"<ellipse cx=\"60\" cy=\"64\" rx=\"11\" ry=\"5\"/><path d=\"M70 64 L77 58 L77 70 Z\"/>"_s},
    };
    return symbols;
}

} // namespace

QString pictogramSvg(const QString& code)
{
    const QString label = code + u' ' + pictogramName(code);
    return u"<figure class=\"pictogram\"><svg viewBox=\"0 0 100 100\" width=\"96\" height=\"96\" role=\"img\" "
           u"aria-label=\"%1\"><polygon points=\"50,3 97,50 50,97 3,50\" fill=\"#fff\" stroke=\"#e00000\" "
           u"stroke-width=\"6\" stroke-linejoin=\"miter\"/>%2</svg><figcaption>%1</figcaption></figure>"_s
        .arg(label, symbols().value(code));
}

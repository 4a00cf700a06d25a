#pragma once

#include "platform/Canvas.h"
#include "sumlist/DBSumLst.h"
#include "platform/Fonts.h"

#include <QColor>
#include <QString>

class DbQuery;
class TColumnEh;
class TColumnDefValuesEh;

// A font as the grid's objects hold it: family, pixel height, style and colour.
struct TFontEh {
    TFontSpec Face;
    QString Colour = u"clWindowText"_qs;  // a colour name, resolved when drawing

    bool operator==(const TFontEh& other) const
    {
        return Face.Name == other.Face.Name && Face.Height == other.Face.Height && Face.Bold == other.Face.Bold
               && Face.Italic == other.Face.Italic && Face.Underline == other.Face.Underline && Colour == other.Colour;
    }
};

// The grid as its columns see it: the defaults they follow, the result set
// they bind to, and where their changes go.
class TColumnsOwnerEh {
public:
    virtual ~TColumnsOwnerEh() = default;

    virtual DbQuery* DataSet() const = 0;
    // Reading the stored configuration: no lookups, no layout.
    virtual bool Loading() const = 0;
    // Handling a layout change the result set announced.
    virtual bool LayoutChangeAnnounced() const = 0;
    virtual bool HasWindow() const = 0;

    virtual TFontEh Font() const = 0;
    virtual TFontEh TitleFont() const = 0;
    virtual TFontEh FooterFont() const = 0;
    virtual QString Color() const = 0;
    virtual QString FixedColor() const = 0;
    virtual QString FooterColor() const = 0;
    virtual bool ReadOnly() const = 0;
    virtual bool UseMultiTitle() const = 0;
    virtual int DefaultColWidth() const = 0;
    // A canvas to measure text on (the grid's, or a borrowed screen device).
    virtual TCanvas& MeasuringCanvas() = 0;
    virtual TColumnDefValuesEh& ColumnDefValues() = 0;
    virtual TDBGridEhSumList* SumList() = 0;

    // A column changed (null: all of them); the grid updates its geometry.
    virtual void ColumnsChanged(TColumnEh* column) = 0;
    virtual void Repaint() = 0;
    virtual void RequestLayout() = 0;
};

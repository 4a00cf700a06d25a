#include "BevelPanel.h"

#include "Colours.h"

#include <QPainter>

void BevelPanel::setOuterBevel(Bevel bevel)
{
    outer_ = bevel;
    update();
}

void BevelPanel::setInnerBevel(Bevel bevel)
{
    inner_ = bevel;
    update();
}

BevelPanel::Bevel BevelPanel::bevelNamed(const QString& name)
{
    if (name == u"raised")
        return Bevel::Raised;
    if (name == u"lowered")
        return Bevel::Lowered;
    return Bevel::None;
}

void BevelPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QColor light = SystemColour::buttonHighlight().resolved();
    const QColor shadow = SystemColour::buttonShadow().resolved();
    QRect r = rect();
    for (const Bevel bevel : {outer_, inner_}) {
        if (bevel == Bevel::None)
            continue;
        const QColor& topLeft = bevel == Bevel::Raised ? light : shadow;
        const QColor& bottomRight = bevel == Bevel::Raised ? shadow : light;
        // The corners at the top right and bottom left belong to the bottom and right edges.
        painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
        r.adjust(1, 1, -1, -1);
    }
}

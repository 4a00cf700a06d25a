#pragma once

#include <QFrame>

// A panel framed by up to two one-pixel bevels, an outer and an inner one:
// raised shows light at the top and left and shadow at the bottom and right,
// lowered the reverse.
class BevelPanel : public QFrame {
public:
    enum class Bevel { None, Lowered, Raised };

    using QFrame::QFrame;

    void setOuterBevel(Bevel bevel);
    void setInnerBevel(Bevel bevel);
    // "raised", "lowered" or anything else for none, as layouts name them.
    static Bevel bevelNamed(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bevel outer_ = Bevel::Raised;
    Bevel inner_ = Bevel::None;
};

#include "Anchors.h"

#include <QEvent>
#include <QPointer>
#include <vector>

namespace {

class AnchorKeeper : public QObject {
public:
    explicit AnchorKeeper(QWidget* parent) : QObject(parent), parent_(parent) { parent->installEventFilter(this); }

    void Add(QWidget* child, int anchors) { children_.push_back({child, anchors, 0, 0, false}); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            Apply();
        return false;
    }

private:
    struct Anchored {
        QPointer<QWidget> widget;
        int anchors;
        int right;   // distance from the parent's right edge
        int bottom;  // distance from the parent's bottom edge
        bool measured;
    };

    void Apply()
    {
        const QSize size = parent_->size();
        for (Anchored& a : children_) {
            if (!a.widget)
                continue;
            QRect r = a.widget->geometry();
            if (!a.measured) {
                a.right = size.width() - r.right() - 1;
                a.bottom = size.height() - r.bottom() - 1;
                a.measured = true;
                continue;
            }
            const bool left = a.anchors & int(TAnchor::Left);
            const bool top = a.anchors & int(TAnchor::Top);
            if (a.anchors & int(TAnchor::Right)) {
                const int newRight = size.width() - a.right;
                left ? r.setRight(newRight - 1) : r.moveRight(newRight - 1);
            }
            if (a.anchors & int(TAnchor::Bottom)) {
                const int newBottom = size.height() - a.bottom;
                top ? r.setBottom(newBottom - 1) : r.moveBottom(newBottom - 1);
            }
            a.widget->setGeometry(r);
        }
    }

    QWidget* parent_;
    std::vector<Anchored> children_;
};

} // namespace

void SetAnchors(QWidget* child, int anchors)
{
    QWidget* parent = child->parentWidget();
    if (!parent || anchors == (int(TAnchor::Left) | int(TAnchor::Top)))
        return;
    auto* keeper = parent->findChild<AnchorKeeper*>(QString(), Qt::FindDirectChildrenOnly);
    if (!keeper)
        keeper = new AnchorKeeper(parent);
    keeper->Add(child, anchors);
}

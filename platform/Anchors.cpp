#include "Anchors.h"

#include <QEvent>
#include <QPointer>
#include <vector>

namespace {

class AnchorKeeper : public QObject {
public:
    explicit AnchorKeeper(QWidget* parent) : QObject(parent), parent_(parent) { parent->installEventFilter(this); }

    void add(QWidget* child, int anchors) { children_.push_back({child, anchors, 0, 0}); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize && measured_)
            apply();
        return false;
    }

    void measure()
    {
        const QSize size = parent_->size();
        for (Anchored& a : children_) {
            if (!a.widget)
                continue;
            const QRect r = a.widget->geometry();
            a.right = size.width() - r.right() - 1;
            a.bottom = size.height() - r.bottom() - 1;
        }
        measured_ = true;
    }

private:
    struct Anchored {
        QPointer<QWidget> widget;
        int anchors;
        int right;   // distance from the parent's right edge
        int bottom;  // distance from the parent's bottom edge
    };

    void apply()
    {
        const QSize size = parent_->size();
        for (Anchored& a : children_) {
            if (!a.widget)
                continue;
            QRect r = a.widget->geometry();
            const bool left = a.anchors & int(Anchor::Left);
            const bool top = a.anchors & int(Anchor::Top);
            if (a.anchors & int(Anchor::Right)) {
                const int newRight = size.width() - a.right;
                left ? r.setRight(newRight - 1) : r.moveRight(newRight - 1);
            }
            if (a.anchors & int(Anchor::Bottom)) {
                const int newBottom = size.height() - a.bottom;
                top ? r.setBottom(newBottom - 1) : r.moveBottom(newBottom - 1);
            }
            a.widget->setGeometry(r);
        }
    }

    QWidget* parent_;
    std::vector<Anchored> children_;
    bool measured_ = false;
};

} // namespace

void setAnchors(QWidget* child, int anchors)
{
    QWidget* parent = child->parentWidget();
    if (!parent || anchors == (int(Anchor::Left) | int(Anchor::Top)))
        return;
    AnchorKeeper* keeper = nullptr;
    for (QObject* sibling : parent->children())
        if ((keeper = dynamic_cast<AnchorKeeper*>(sibling)))
            break;
    if (!keeper)
        keeper = new AnchorKeeper(parent);
    keeper->add(child, anchors);
}

void fixAnchorDistances(QWidget* window)
{
    for (QWidget* widget : window->findChildren<QWidget*>())
        for (QObject* child : widget->children())
            if (auto* keeper = dynamic_cast<AnchorKeeper*>(child))
                keeper->measure();
}

#include "platform/ui/SegmentedControl.h"
#include "platform/foundation/Accessible.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>

namespace {

// A segment is one choice of several: a radio button to assistive technology, pressed the
// way a tap presses it, so the control reports the change as it does for a tap.
class SegmentAccessible : public QAccessibleWidget {
public:
    explicit SegmentAccessible(QAbstractButton* button) : QAccessibleWidget(button, QAccessible::RadioButton) {}
    static bool describes(QPushButton* button) { return qobject_cast<SegmentedControl*>(button->parentWidget()); }

    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        return t == QAccessible::Name && own.isEmpty() ? button()->text() : own;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (button()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& name) override
    {
        if (name == pressAction() && button()->isEnabled())
            button()->click();
        else
            QAccessibleWidget::doAction(name);
    }
};

} // namespace

SegmentedControl::SegmentedControl(QWidget* parent) : QWidget(parent)
{
    useAccessibleInterface<QPushButton, SegmentAccessible>();
    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    layout_ = new QHBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    // A click on the segment already selected changes nothing, so it is not a change.
    connect(group_, &QButtonGroup::idClicked, this, [this](int id) {
        if (id == reported_)
            return;
        reported_ = id;
        emit valueChanged();
    });
}

void SegmentedControl::setSegmentTitles(const QStringList& titles)
{
    const int keep = selectedSegmentIndex();
    for (QAbstractButton* b : group_->buttons()) {
        group_->removeButton(b);
        delete b;
    }
    titles_ = titles;
    for (int i = 0; i < titles.size(); ++i) {
        auto* b = new QPushButton(titles.at(i), this);
        b->setCheckable(true);
        b->setProperty("segment", i == 0 ? "first" : (i == titles.size() - 1 ? "last" : "middle"));
        b->setAccessibleName(titles.at(i));
        b->setFocusPolicy(Qt::StrongFocus);
        group_->addButton(b, i);
        layout_->addWidget(b);
    }
    setSelectedSegmentIndex(keep >= 0 && keep < titles.size() ? keep : (titles.isEmpty() ? -1 : 0));
}

int SegmentedControl::selectedSegmentIndex() const
{
    return group_->checkedId();
}

void SegmentedControl::setSelectedSegmentIndex(int index)
{
    if (QAbstractButton* b = group_->button(index)) {
        b->setChecked(true);
        reported_ = index;
        return;
    }
    reported_ = -1;
    // No segment: drop the exclusive check for a moment to clear all buttons.
    group_->setExclusive(false);
    for (QAbstractButton* b : group_->buttons())
        b->setChecked(false);
    group_->setExclusive(true);
}

#include "platform/ui/SegmentedControl.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>

SegmentedControl::SegmentedControl(QWidget* parent) : QWidget(parent)
{
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

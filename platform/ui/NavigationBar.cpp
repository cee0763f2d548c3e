#include "platform/ui/NavigationBar.h"
#include "platform/foundation/Accessible.h"

#include <QAccessibleWidget>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

BarButtonItem::BarButtonItem(QWidget* parent) : QPushButton(parent)
{
    setProperty("barButton", true);
    setCursor(Qt::PointingHandCursor);
}

BarButtonItem::BarButtonItem(const QString& title, QWidget* parent) : BarButtonItem(parent)
{
    setText(title);
}

namespace {

// A tool bar to assistive technology: as the plain frame it is, it would read as a window of
// its own inside the window.
class NavigationBarAccessible : public QAccessibleWidget {
public:
    explicit NavigationBarAccessible(NavigationBar* bar) : QAccessibleWidget(bar, QAccessible::ToolBar) {}
};

} // namespace

NavigationBar::NavigationBar(QWidget* parent) : QFrame(parent), item_(&ownItem_)
{
    useAccessibleInterface<NavigationBar, NavigationBarAccessible>();
    setObjectName(QStringLiteral("navBar"));
    setMinimumHeight(44);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setAttribute(Qt::WA_StyledBackground, true);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("navTitle"));
    title_->setTextFormat(Qt::PlainText);
    title_->setAlignment(Qt::AlignCenter);
    back_ = new QPushButton(this);
    back_->setObjectName(QStringLiteral("backButton"));
    back_->setProperty("backButton", true);
    back_->setText(tr("Back"));
    back_->setAccessibleName(tr("Back"));
    back_->hide();
    auto* rightBox = new QWidget(this);
    right_ = new QHBoxLayout(rightBox);
    right_->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(title_, 0, 0, 1, 3);
    grid->addWidget(back_, 0, 0, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(rightBox, 0, 2, Qt::AlignRight | Qt::AlignVCenter);
    grid->setColumnStretch(1, 1);
    connect(back_, &QPushButton::clicked, this, &NavigationBar::backRequested);
    connect(&ownItem_, &NavigationItem::changed, this, &NavigationBar::refresh);
}

void NavigationBar::setTopItem(NavigationItem* item)
{
    if (item_)
        disconnect(item_, &NavigationItem::changed, this, &NavigationBar::refresh);
    item_ = item ? item : &ownItem_;
    connect(item_, &NavigationItem::changed, this, &NavigationBar::refresh);
    refresh();
}

QString NavigationBar::title() const
{
    return title_->text();
}

void NavigationBar::setBackVisible(bool visible)
{
    backWanted_ = visible;
    refresh();
}

void NavigationBar::addRightButton(QWidget* button)
{
    button->setParent(this);
    right_->addWidget(button);
}

void NavigationBar::refresh()
{
    title_->setText(item_ ? item_->title() : QString());
    setAccessibleName(title_->text());
    back_->setVisible(backWanted_ && !(item_ && item_->hidesBackButton()));
    // Only the top item's own right control shows.
    QWidget* wanted = item_ ? item_->rightBarButtonItem() : nullptr;
    if (itemRight_ && itemRight_ != wanted)
        itemRight_->hide();
    if (wanted) {
        if (right_->indexOf(wanted) < 0) {
            wanted->setParent(right_->parentWidget());
            right_->addWidget(wanted);
        }
        wanted->show();
    }
    itemRight_ = wanted;
}

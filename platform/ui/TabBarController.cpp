#include "platform/ui/TabBarController.h"
#include "platform/ui/TabBarAccessible.h"

#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

TabBarController::TabBarController(QWidget* parent) : ContainerViewController(parent)
{
    view();
}

void TabBarController::loadView(QWidget* view)
{
    installTabBarAccessibility();
    QVBoxLayout* layout = edgeToEdgeColumn(view);
    stack_ = new QStackedWidget(view);
    tabBar_ = new QTabBar(view);
    tabBar_->setObjectName(QStringLiteral("tabBar"));
    tabBar_->setShape(QTabBar::RoundedSouth);
    tabBar_->setExpanding(true);
    tabBar_->setDrawBase(false);
    tabBar_->setAccessibleName(QStringLiteral("Tabs"));
    layout->addWidget(stack_, 1);
    layout->addWidget(tabBar_);
    connect(tabBar_, &QTabBar::currentChanged, this, [this](int index) {
        if (index != selected_)
            setSelectedIndex(index);
    });
}

void TabBarController::addTab(ViewController* controller, const QString& title)
{
    controllers_.append(controller);
    stack_->addWidget(controller);
    const QSignalBlocker block(tabBar_);
    const int index = tabBar_->addTab(title);
    // Alt+1 … Alt+9 switch tabs from the keyboard.
    if (index < 9) {
        auto* shortcut = new QShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(Qt::Key_1 + index))), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, index] { setSelectedIndex(index); });
    }
    if (selected_ < 0) {
        selected_ = 0;
        stack_->setCurrentIndex(0);
        tabBar_->setCurrentIndex(0);
    }
}

int TabBarController::count() const
{
    return static_cast<int>(controllers_.size());
}

ViewController* TabBarController::viewControllerAt(int index) const
{
    return index >= 0 && index < controllers_.size() ? controllers_.at(index) : nullptr;
}

ViewController* TabBarController::selectedViewController() const
{
    return viewControllerAt(selected_);
}

void TabBarController::setSelectedIndex(int index)
{
    if (index < 0 || index >= controllers_.size())
        return;
    if (index == selected_) {
        const QSignalBlocker block(tabBar_);
        tabBar_->setCurrentIndex(index);
        return;
    }
    transitionChild(selectedViewController(), controllers_.at(index), false, [this, index] {
        const int previous = selected_;
        selected_ = index;
        stack_->setCurrentIndex(index);
        const QSignalBlocker block(tabBar_);
        tabBar_->setCurrentIndex(index);
        TabBarAccessible::announceSelection(tabBar_, previous, index);
    });
}

QString TabBarController::itemTitle(int index) const
{
    return tabBar_->tabText(index);
}

void TabBarController::setItemTitle(int index, const QString& title)
{
    if (index >= 0 && index < tabBar_->count()) {
        tabBar_->setTabText(index, title);
        tabBar_->setTabToolTip(index, title);
    }
}

#include "platform/TabBarController.h"

#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

TabBarController::TabBarController(QWidget* parent) : ViewController(parent)
{
    view();
}

void TabBarController::loadView(QWidget* view)
{
    auto* layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
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
    ViewController* from = selectedViewController();
    ViewController* to = controllers_.at(index);
    const bool visible = isAppearing();
    if (visible && from)
        from->beginAppearanceTransition(false, false);
    if (visible)
        to->beginAppearanceTransition(true, false);
    else
        to->loadViewIfNeeded();
    selected_ = index;
    stack_->setCurrentIndex(index);
    {
        const QSignalBlocker block(tabBar_);
        tabBar_->setCurrentIndex(index);
    }
    if (visible && from)
        from->endAppearanceTransition();
    if (visible)
        to->endAppearanceTransition();
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

void TabBarController::viewWillAppear(bool animated)
{
    if (auto* c = selectedViewController())
        c->beginAppearanceTransition(true, animated);
}

void TabBarController::viewDidAppear(bool)
{
    if (auto* c = selectedViewController())
        c->endAppearanceTransition();
}

void TabBarController::viewWillDisappear(bool animated)
{
    if (auto* c = selectedViewController())
        c->beginAppearanceTransition(false, animated);
}

void TabBarController::viewDidDisappear(bool)
{
    if (auto* c = selectedViewController())
        c->endAppearanceTransition();
}

void TabBarController::didReceiveMemoryWarning()
{
    for (ViewController* c : std::as_const(controllers_))
        c->didReceiveMemoryWarning();
}

bool TabBarController::shouldAutorotateToInterfaceOrientation(InterfaceOrientation orientation)
{
    auto* c = selectedViewController();
    return c ? c->shouldAutorotateToInterfaceOrientation(orientation)
             : orientation == InterfaceOrientation::Portrait;
}

#include "platform/ui/NavigationController.h"
#include "platform/ui/NavigationBar.h"

#include <QEasingCurve>
#include <QLabel>
#include <QPixmap>
#include <QStackedWidget>
#include <QVariantAnimation>
#include <QVBoxLayout>

NavigationController::NavigationController(ViewController* root, QWidget* parent)
    : ContainerViewController(parent)
{
    view();
    stack_.append(root);
    pages_->addWidget(root);
    refreshBar();
}

void NavigationController::loadView(QWidget* view)
{
    QVBoxLayout* layout = edgeToEdgeColumn(view);
    bar_ = new NavigationBar(view);
    pages_ = new QStackedWidget(view);
    layout->addWidget(bar_);
    layout->addWidget(pages_, 1);
    connect(bar_, &NavigationBar::backRequested, this, [this] { popViewControllerAnimated(true); });
}

void NavigationController::showTop(ViewController* from, ViewController* to, bool animated, bool forward)
{
    const bool sliding = animated && isAppearing() && from && pages_->isVisible() && pages_->width() > 0;
    const QPixmap before = sliding ? pages_->grab() : QPixmap();
    transitionChild(from, to, animated, [&] {
        if (pages_->indexOf(to) < 0)
            pages_->addWidget(to);
        pages_->setCurrentWidget(to);
        refreshBar();
        if (sliding)
            slide(before, pages_->grab(), forward);
    });
}

void NavigationController::slide(const QPixmap& from, const QPixmap& to, bool forward)
{
    delete slideOverlay_.data();
    auto* overlay = new QWidget(pages_);
    overlay->setGeometry(pages_->rect());
    overlay->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    auto* oldPage = new QLabel(overlay);
    auto* newPage = new QLabel(overlay);
    oldPage->setPixmap(from);
    newPage->setPixmap(to);
    const int w = pages_->width();
    oldPage->setGeometry(0, 0, w, pages_->height());
    newPage->setGeometry(forward ? w : -w, 0, w, pages_->height());
    overlay->show();
    overlay->raise();
    slideOverlay_ = overlay;
    auto* animation = new QVariantAnimation(overlay);
    animation->setDuration(250);
    animation->setEasingCurve(QEasingCurve::OutCubic);
    animation->setStartValue(0.0);
    animation->setEndValue(1.0);
    connect(animation, &QVariantAnimation::valueChanged, overlay, [=](const QVariant& value) {
        const int shift = qRound(value.toDouble() * w);
        oldPage->move(forward ? -shift : shift, 0);
        newPage->move(forward ? w - shift : shift - w, 0);
    });
    connect(animation, &QVariantAnimation::finished, overlay, &QObject::deleteLater);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void NavigationController::pushViewController(ViewController* controller, bool animated)
{
    ViewController* from = topViewController();
    stack_.append(controller);
    pages_->addWidget(controller);
    showTop(from, controller, animated, true);
}

ViewController* NavigationController::popViewControllerAnimated(bool animated)
{
    if (stack_.size() < 2)
        return nullptr;
    ViewController* from = stack_.takeLast();
    showTop(from, stack_.last(), animated, false);
    pages_->removeWidget(from);
    from->deleteLater();
    return from;
}

void NavigationController::popToViewController(ViewController* controller, bool animated)
{
    while (stack_.size() > 1 && topViewController() != controller)
        popViewControllerAnimated(animated);
}

void NavigationController::registerSegue(const QString& identifier, std::function<ViewController*()> make, bool unwindToRoot)
{
    segues_[identifier] = SegueEntry{std::move(make), unwindToRoot, false};
}

void NavigationController::registerReplacingSegue(const QString& identifier, std::function<ViewController*()> make)
{
    segues_[identifier] = SegueEntry{std::move(make), false, true};
}

void NavigationController::setRootViewController(ViewController* root, bool animated)
{
    ViewController* from = topViewController();
    const QList<ViewController*> old = stack_;
    stack_ = {root};
    pages_->addWidget(root);
    showTop(from, root, animated, false);
    // Later, since the segue that replaces them may run inside one of their own handlers.
    for (ViewController* controller : old) {
        pages_->removeWidget(controller);
        controller->deleteLater();
    }
}

bool NavigationController::performSegueWithIdentifier(const QString& identifier, ViewController* source)
{
    auto it = segues_.find(identifier);
    if (it == segues_.end())
        return false;
    ViewController* destination = it->second.unwindToRoot ? stack_.first() : it->second.make();
    StoryboardSegue segue{identifier, source, destination};
    if (auto* participant = dynamic_cast<SegueParticipant*>(source))
        participant->prepareForSegue(segue);
    emit prepareForSegue(segue);
    if (it->second.replacesStack)
        setRootViewController(destination, true);
    else if (it->second.unwindToRoot)
        popToViewController(destination, true);
    else
        pushViewController(destination, true);
    return true;
}

void NavigationController::refreshBar()
{
    ViewController* top = topViewController();
    bar_->setTopItem(top ? top->navigationItem() : nullptr);
    bar_->setBackVisible(stack_.size() > 1);
}

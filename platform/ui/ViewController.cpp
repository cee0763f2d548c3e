#include "platform/ui/ViewController.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/TabBarController.h"

#include "platform/foundation/TouchScreen.h"

#include <QResizeEvent>
#include <QScrollArea>

void NavigationItem::setTitle(const QString& title)
{
    title_ = title;
    emit changed();
}

void NavigationItem::setHidesBackButton(bool hides)
{
    hidesBackButton_ = hides;
    emit changed();
}

void NavigationItem::setRightBarButtonItem(QWidget* item)
{
    rightBarButtonItem_ = item;
    emit changed();
}

ViewController::ViewController(QWidget* parent) : QWidget(parent) {}

ViewController::~ViewController() = default;

QWidget* ViewController::view()
{
    if (view_.isNull()) {
        auto* v = new QWidget(this);
        v->setObjectName(QStringLiteral("view"));
        v->setGeometry(rect());
        view_ = v;
        loadView(v);
        v->show();
        viewDidLoad();
    }
    return view_.data();
}

void ViewController::preparePage(QWidget* view)
{
    if (auto* page = view->findChild<QScrollArea*>(QStringLiteral("page"), Qt::FindDirectChildrenOnly))
        makePage(page);
}

TabBarController* ViewController::tabBarController() const
{
    for (QObject* p = parent(); p; p = p->parent())
        if (auto* t = qobject_cast<TabBarController*>(p))
            return t;
    return nullptr;
}

NavigationController* ViewController::navigationController() const
{
    for (QObject* p = parent(); p; p = p->parent())
        if (auto* n = qobject_cast<NavigationController*>(p))
            return n;
    return nullptr;
}

void ViewController::viewWillAppear(bool) {}
void ViewController::viewDidAppear(bool) {}
void ViewController::viewWillDisappear(bool) {}
void ViewController::viewDidDisappear(bool) {}

void ViewController::didReceiveMemoryWarning()
{
    if (isViewLoaded() && !appearing_)
        unloadView();
}

bool ViewController::shouldAutorotateToInterfaceOrientation(InterfaceOrientation orientation)
{
    return orientation == InterfaceOrientation::Portrait;
}

void ViewController::unloadView()
{
    delete view_.data();
    view_.clear();
    viewDidUnload();
}

void ViewController::beginAppearanceTransition(bool appearing, bool animated)
{
    inTransition_ = true;
    transitionAppearing_ = appearing;
    transitionAnimated_ = animated;
    if (appearing) {
        view();
        appearing_ = true;
        viewWillAppear(animated);
    } else {
        appearing_ = false;
        viewWillDisappear(animated);
    }
}

void ViewController::endAppearanceTransition()
{
    if (!inTransition_)
        return;
    inTransition_ = false;
    if (transitionAppearing_)
        viewDidAppear(transitionAnimated_);
    else
        viewDidDisappear(transitionAnimated_);
}

void ViewController::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The view keeps a vertical shift that is under way (the keyboard shift).
    if (!view_.isNull())
        view_->setGeometry(0, view_->y(), width(), height());
}

#include "platform/ui/ContainerViewController.h"

#include <QVBoxLayout>

QVBoxLayout* ContainerViewController::edgeToEdgeColumn(QWidget* view)
{
    auto* layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

void ContainerViewController::viewWillAppear(bool animated)
{
    beginChildAppearance(true, animated);
}

void ContainerViewController::viewDidAppear(bool)
{
    endChildAppearance();
}

void ContainerViewController::viewWillDisappear(bool animated)
{
    beginChildAppearance(false, animated);
}

void ContainerViewController::viewDidDisappear(bool)
{
    endChildAppearance();
}

void ContainerViewController::beginChildAppearance(bool appearing, bool animated)
{
    if (auto* c = shownChild())
        c->beginAppearanceTransition(appearing, animated);
}

void ContainerViewController::endChildAppearance()
{
    if (auto* c = shownChild())
        c->endAppearanceTransition();
}

void ContainerViewController::didReceiveMemoryWarning()
{
    const QList<ViewController*> children = childControllers();
    for (ViewController* c : children)
        c->didReceiveMemoryWarning();
}

bool ContainerViewController::shouldAutorotateToInterfaceOrientation(InterfaceOrientation orientation)
{
    auto* c = shownChild();
    return c ? c->shouldAutorotateToInterfaceOrientation(orientation)
             : orientation == InterfaceOrientation::Portrait;
}

void ContainerViewController::transitionChild(ViewController* from, ViewController* to, bool animated,
                                              const std::function<void()>& show)
{
    const bool visible = isAppearing();
    if (visible && from)
        from->beginAppearanceTransition(false, animated);
    if (visible)
        to->beginAppearanceTransition(true, animated);
    else
        to->loadViewIfNeeded();
    show();
    if (visible && from)
        from->endAppearanceTransition();
    if (visible)
        to->endAppearanceTransition();
}

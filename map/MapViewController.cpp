#include "map/MapViewController.h"
#include "platform/NavigationBar.h"

#include <QVBoxLayout>

MapViewController::MapViewController(QWidget* parent) : ViewController(parent)
{
    setObjectName(QStringLiteral("MapViewController"));
}

void MapViewController::loadView(QWidget* view)
{
    auto* layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    navBar_ = new NavigationBar(view);
    layout->addWidget(navBar_);
    layout->addStretch();
}

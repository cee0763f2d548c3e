#include "about/AboutViewController.h"
#include "platform/NavigationBar.h"

#include <QVBoxLayout>

AboutViewController::AboutViewController(QWidget* parent) : ViewController(parent)
{
    setObjectName(QStringLiteral("AboutViewController"));
}

void AboutViewController::loadView(QWidget* view)
{
    auto* layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    navBar_ = new NavigationBar(view);
    layout->addWidget(navBar_);
    layout->addStretch();
}

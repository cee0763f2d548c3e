#include "templates/TemplatesTableViewController.h"

#include <QLabel>
#include <QVBoxLayout>

TemplatesTableViewController::TemplatesTableViewController(QWidget* parent) : ViewController(parent)
{
    setObjectName(QStringLiteral("TemplatesTableViewController"));
}

void TemplatesTableViewController::loadView(QWidget* view)
{
    auto* layout = new QVBoxLayout(view);
    layout->addStretch();
}

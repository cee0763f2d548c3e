#pragma once
// The root screen of the templates tab.

#include "platform/ViewController.h"

class TemplatesTableViewController : public ViewController {
    Q_OBJECT
public:
    explicit TemplatesTableViewController(QWidget* parent = nullptr);

protected:
    void loadView(QWidget* view) override;
};

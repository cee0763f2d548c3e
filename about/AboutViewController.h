#pragma once

#include "platform/ViewController.h"

class NavigationBar;

class AboutViewController : public ViewController {
    Q_OBJECT
public:
    explicit AboutViewController(QWidget* parent = nullptr);

protected:
    void loadView(QWidget* view) override;

private:
    NavigationBar* navBar_ = nullptr;
};

#pragma once

#include "platform/ViewController.h"

class NavigationBar;

class MapViewController : public ViewController {
    Q_OBJECT
public:
    explicit MapViewController(QWidget* parent = nullptr);

protected:
    void loadView(QWidget* view) override;

private:
    NavigationBar* navBar_ = nullptr;
};

#pragma once
// The report screen in a window of four tabs, shown as at launch, with fake services.

#include "report/ReportFakes.h"
#include "report/QuorvelFirstViewController.h"
#include "platform/ui/TabBarController.h"

#include <QVBoxLayout>
#include <QWidget>
#include <memory>

class BlankViewController : public ViewController {
protected:
    void loadView(QWidget*) override {}
};

struct ReportHarness {
    FakeServices fakes;
    std::unique_ptr<QWidget> window;
    TabBarController* tabs = nullptr;
    QuorvelFirstViewController* screen = nullptr;

    explicit ReportHarness(std::optional<ReportServices> services = std::nullopt)
    {
        window = std::make_unique<QWidget>();
        window->setObjectName(QStringLiteral("window"));
        window->resize(360, 640);
        auto* layout = new QVBoxLayout(window.get());
        layout->setContentsMargins(0, 0, 0, 0);
        tabs = new TabBarController(window.get());
        layout->addWidget(tabs);
        screen = new QuorvelFirstViewController(services ? *services : fakes.services());
        tabs->addTab(screen, QStringLiteral("0"));
        for (int i = 1; i < 4; ++i)
            tabs->addTab(new BlankViewController, QString::number(i));
    }
    void show()
    {
        tabs->beginAppearanceTransition(true, false);
        window->show();
        tabs->endAppearanceTransition();
    }
    FakeGeocoder* geocoder() const { return static_cast<FakeGeocoder*>(screen->geocoder.get()); }
    // One fix through the screen's own manager, as its source would deliver it.
    void deliver(double latitude, double longitude, double altitude)
    {
        screen->locationManager->handlePosition(positionAt(latitude, longitude, altitude));
    }
};

// One position update through the report screen: the delegate call, labels, the
// message's placeholders refilled and a reverse-geocoding request queued.

#include "report/QuorvelFirstViewController.h"
#include "templates/SettingsKeys.h"
#include "platform/foundation/Log.h"
#include "platform/ui/TabBarController.h"
#include "platform/foundation/UserDefaults.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

namespace {

class QueueingGeocoder : public Geocoder {
public:
    std::vector<Completion> pending;
    void reverseGeocodeLocation(const Location&, Completion completion) override
    {
        pending.push_back(std::move(completion));
    }
};

class Blank : public ViewController {
protected:
    void loadView(QWidget*) override {}
};

void BM_PositionUpdate(benchmark::State& state)
{
    QueueingGeocoder* geocoder = nullptr;
    ReportServices services;
    services.makeGeocoder = [&geocoder]() -> std::unique_ptr<Geocoder> {
        auto g = std::make_unique<QueueingGeocoder>();
        geocoder = g.get();
        return g;
    };
    // 200 characters with both placeholders, as a long template would be.
    QString text = QStringLiteral("Hello, I am out walking and all is well. My position right now is [] and the "
                                  "district is {}. If you do not hear from me within the hour, please call. ");
    while (text.size() < 200)
        text += QLatin1Char('.');
    text.truncate(200);
    UserDefaults& d = UserDefaults::standardUserDefaults();
    d.setStringArray({text}, SettingsKeys::TemplatesArray);
    d.setString(QStringLiteral("selected"), SettingsKeys::Last);
    d.setString(QStringLiteral("WGS84"), SettingsKeys::SelectedGPSFormat);

    QWidget window;
    window.resize(360, 640);
    auto* layout = new QVBoxLayout(&window);
    auto* tabs = new TabBarController(&window);
    layout->addWidget(tabs);
    auto* screen = new QuorvelFirstViewController(std::move(services));
    tabs->addTab(screen, QStringLiteral("0"));
    tabs->addTab(new Blank, QStringLiteral("1"));
    tabs->beginAppearanceTransition(true, false);
    window.show();
    tabs->endAppearanceTransition();
    Placemark p;
    p.subLocality = QStringLiteral("Staré Město");
    screen->placemark = p;

    Location location;
    location.coordinate = {50.0875, 14.4213};
    location.altitude = 191.4;
    location.horizontalAccuracy = 5;
    location.timestamp = QDateTime::currentDateTimeUtc();
    std::int64_t i = 0;
    for (auto _ : state) {
        // A step of about 11 m north each time, so every label changes.
        location.coordinate.latitude = 50.0875 + static_cast<double>(i++ % 1000) * 1e-4;
        screen->locationManagerDidUpdateToLocation(nullptr, location, std::nullopt);
        // With an argument of 1, also the work the next pass of the event loop does for it:
        // the message view lays out its new text.
        if (state.range(0) == 1)
            screen->Message->flushPendingText();
        if (geocoder->pending.size() > 4096) {
            state.PauseTiming();
            geocoder->pending.clear();
            state.ResumeTiming();
        }
    }
    benchmark::DoNotOptimize(screen->Message->text());
}
BENCHMARK(BM_PositionUpdate)->Arg(0)->Arg(1)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    // The log lines are built as always but go nowhere, so the terminal is not measured.
    Log::setEchoToStandardError(false);
    Log::setSink([](const QString&) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

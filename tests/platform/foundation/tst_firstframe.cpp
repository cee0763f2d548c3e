#include "platform/foundation/FirstFrame.h"
#include "platform/location/LocationManager.h"
#include "platform/lifecycle/Application.h"
#include "support/TestSupport.h"

#include <QtTest>
#include <QGeoPositionInfoSource>
#include <QPainter>
#include <QVBoxLayout>

#include <memory>

namespace {

// A delegate that queues work at launch, as a first screen does when it starts a service.
class QueueingDelegate : public ApplicationDelegate {
public:
    std::function<void()> atLaunch;
    bool applicationDidFinishLaunchingWithOptions(Application*, const QVariantMap&) override
    {
        if (atLaunch)
            atLaunch();
        return true;
    }
};

// Notes whether its paint had run when the waiting work ran.
class PaintedWidget : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        ++paints;
        QPainter(this).fillRect(rect(), Qt::white);
    }
};

} // namespace

class tst_FirstFrame : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void cleanup() { FirstFrame::painted(); } // leave nothing awaited for the next test

    void runsLaterNeverInsideTheCall_data();
    void runsLaterNeverInsideTheCall();
    void waitsForThePaintThenRunsInOrder();
    void destroyedContextIsDropped();
    void frameThatNeverComesStillReleasesTheWork();
    void launchDefersTheFirstScreensWorkUntilItsFramePainted();
    void applicationGoneBeforeItsFrameReleasesTheWork();
    void locationSourceOpensAfterTheFirstFrame();
};

void tst_FirstFrame::runsLaterNeverInsideTheCall_data()
{
    QTest::addColumn<bool>("awaited");
    QTest::newRow("no frame awaited: next pass") << false;
    QTest::newRow("frame awaited, then painted") << true;
}

void tst_FirstFrame::runsLaterNeverInsideTheCall()
{
    QFETCH(bool, awaited);
    if (awaited)
        FirstFrame::expect();
    QObject context;
    int runs = 0;
    FirstFrame::whenPainted(&context, [&runs] { ++runs; });
    QCOMPARE(runs, 0);
    if (awaited) {
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0); // still waiting for the frame
        FirstFrame::painted();
        QCOMPARE(runs, 0); // not inside the paint either
    }
    QTRY_COMPARE(runs, 1);
    QCoreApplication::processEvents();
    QCOMPARE(runs, 1);
}

void tst_FirstFrame::waitsForThePaintThenRunsInOrder()
{
    FirstFrame::expect();
    QVERIFY(FirstFrame::isAwaited());
    QObject context;
    QStringList order;
    for (const char* name : {"first", "second", "third"})
        FirstFrame::whenPainted(&context, [&order, name] { order << QString::fromLatin1(name); });
    QTest::qWait(50);
    QVERIFY(order.isEmpty());
    FirstFrame::painted();
    QVERIFY(!FirstFrame::isAwaited());
    QTRY_COMPARE(order, (QStringList{QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third")}));
}

void tst_FirstFrame::destroyedContextIsDropped()
{
    FirstFrame::expect();
    int runs = 0;
    auto gone = std::make_unique<QObject>();
    QObject kept;
    FirstFrame::whenPainted(gone.get(), [&runs] { runs += 10; });
    FirstFrame::whenPainted(&kept, [&runs] { runs += 1; });
    gone.reset();
    FirstFrame::painted();
    QTRY_COMPARE(runs, 1);
    QTest::qWait(20);
    QCOMPARE(runs, 1);
}

void tst_FirstFrame::frameThatNeverComesStillReleasesTheWork()
{
    FirstFrame::expect();
    QObject context;
    bool ran = false;
    FirstFrame::whenPainted(&context, [&ran] { ran = true; });
    QTest::qWait(200);
    QVERIFY(!ran);
    QTRY_VERIFY_WITH_TIMEOUT(ran, 5000);
    QVERIFY(!FirstFrame::isAwaited());
}

void tst_FirstFrame::launchDefersTheFirstScreensWorkUntilItsFramePainted()
{
    auto* window = new PaintedWidget;
    window->resize(200, 300);
    std::unique_ptr<QWidget> owner(window);
    QueueingDelegate delegate;
    int paintsWhenRun = -1;
    delegate.atLaunch = [&] { FirstFrame::whenPainted(window, [&] { paintsWhenRun = window->paints; }); };
    Application app(&delegate, MainLayout{window, nullptr});
    app.launch();
    QVERIFY(FirstFrame::isAwaited());
    QTRY_VERIFY(paintsWhenRun >= 0);
    QVERIFY2(paintsWhenRun >= 1, "the work ran before the window had painted");
    QVERIFY(!FirstFrame::isAwaited());
}

void tst_FirstFrame::applicationGoneBeforeItsFrameReleasesTheWork()
{
    QObject context;
    bool ran = false;
    {
        QueueingDelegate delegate;
        auto window = std::make_unique<QWidget>();
        Application app(&delegate, MainLayout{window.get(), nullptr});
        app.launch();
        FirstFrame::whenPainted(&context, [&ran] { ran = true; });
        window->hide(); // closed before it could paint
    }
    QVERIFY(!FirstFrame::isAwaited());
    QTRY_VERIFY_WITH_TIMEOUT(ran, 1000); // well before the fallback
}

void tst_FirstFrame::locationSourceOpensAfterTheFirstFrame()
{
    int opened = 0;
    LocationManager manager(QStringLiteral("test"), [&opened](QObject*, const LocationManager::FailureReporter&) {
        ++opened;
        return static_cast<QGeoPositionInfoSource*>(nullptr);
    });
    FirstFrame::expect();
    manager.startUpdatingLocation();
    QTest::qWait(50);
    QCOMPARE(opened, 0);
    FirstFrame::painted();
    QTRY_COMPARE(opened, 1);

    // A stop before the frame cancels the opening.
    FirstFrame::expect();
    manager.stopUpdatingLocation();
    manager.startUpdatingLocation();
    manager.stopUpdatingLocation();
    FirstFrame::painted();
    QTest::qWait(50);
    QCOMPARE(opened, 1);
}

QTEST_MAIN(tst_FirstFrame)
#include "tst_firstframe.moc"

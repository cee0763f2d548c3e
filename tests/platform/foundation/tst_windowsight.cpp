// Whether a window can be seen, as the screens that follow the position and the save on
// going to the background ask it: through the window's own changes and a widget's move into
// another window.

#include "platform/foundation/WindowSight.h"
#include "support/TestSupport.h"

#include <QtTest>
#include <QVBoxLayout>

#include <functional>
#include <memory>

namespace {

struct Windows {
    QWidget first;
    QWidget second;
    QWidget* inner = nullptr; // a widget deep in `first`, as the map is in its tab
    Windows()
    {
        auto* layout = new QVBoxLayout(&first);
        auto* middle = new QWidget;
        layout->addWidget(middle);
        inner = new QWidget(middle);
        first.resize(200, 200);
        second.resize(200, 200);
    }
};

using Step = std::function<void(Windows&)>;

} // namespace

class tst_WindowSight : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    void followsTheWindow_data()
    {
        QTest::addColumn<Step>("away");
        QTest::addColumn<Step>("back");
        QTest::addColumn<bool>("watchInner");
        QTest::newRow("minimised") << Step([](Windows& w) { w.first.showMinimized(); })
                                   << Step([](Windows& w) { w.first.showNormal(); }) << false;
        QTest::newRow("hidden") << Step([](Windows& w) { w.first.hide(); }) << Step([](Windows& w) { w.first.show(); })
                                << false;
        QTest::newRow("a widget inside, its window minimised")
            << Step([](Windows& w) { w.first.showMinimized(); }) << Step([](Windows& w) { w.first.showNormal(); }) << true;
        QTest::newRow("a widget inside, moved to a hidden window and back")
            << Step([](Windows& w) {
                   w.inner->setParent(&w.second);
                   w.inner->show();
               })
            << Step([](Windows& w) {
                   w.inner->setParent(w.first.findChild<QWidget*>());
                   w.inner->show();
               })
            << true;
    }

    void followsTheWindow()
    {
        QFETCH(Step, away);
        QFETCH(Step, back);
        QFETCH(bool, watchInner);
        Windows w;
        // Made before the window is shown, as the screens make theirs.
        auto sight = std::make_unique<WindowSight>(watchInner ? w.inner : &w.first);
        QSignalSpy changed(sight.get(), &WindowSight::changed);
        QVERIFY(!sight->canBeSeen());
        w.first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.first));
        QTRY_COMPARE(changed.size(), 1);
        QCOMPARE(changed.at(0).at(0).toBool(), true);
        QVERIFY(sight->canBeSeen());

        away(w);
        QTRY_COMPARE(changed.size(), 2);
        QCOMPARE(changed.at(1).at(0).toBool(), false);
        QVERIFY(!sight->canBeSeen());
        back(w);
        QTRY_COMPARE(changed.size(), 3);
        QCOMPARE(changed.at(2).at(0).toBool(), true);
        QVERIFY(sight->canBeSeen());
        // Nothing more told while nothing changes.
        QTest::qWait(50);
        QCOMPARE(changed.size(), 3);
    }

    // A desktop window without the focus is still seen.
    void anUnfocusedWindowIsSeen()
    {
        Windows w;
        WindowSight sight(&w.first);
        w.first.show();
        w.second.show();
        w.second.activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&w.second));
        QTest::qWait(WindowSight::kExposureGraceMs / 3);
        QVERIFY(sight.canBeSeen());
    }
};

QTEST_MAIN(tst_WindowSight)
#include "tst_windowsight.moc"

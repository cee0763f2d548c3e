// The tab bar and navigation controllers hand their life calls, memory warnings and the
// rotation question to the screen they show, and switch screens in the platform's order.

#include "platform/ui/NavigationController.h"
#include "platform/ui/TabBarController.h"
#include "support/TestSupport.h"

#include <QAccessible>
#include <QLabel>
#include <QTabBar>
#include <QTest>

namespace {

class Recorder : public ViewController {
public:
    Recorder(QString name, QStringList* events, bool turns = false)
        : name_(std::move(name)), events_(events), turns_(turns)
    {
    }
    void viewWillAppear(bool) override { note("willAppear"); }
    void viewDidAppear(bool) override { note("didAppear"); }
    void viewWillDisappear(bool) override { note("willDisappear"); }
    void viewDidDisappear(bool) override { note("didDisappear"); }
    void viewDidUnload() override { note("didUnload"); }
    bool shouldAutorotateToInterfaceOrientation(InterfaceOrientation orientation) override
    {
        return turns_ || orientation == InterfaceOrientation::Portrait;
    }

protected:
    void loadView(QWidget* view) override { new QLabel(name_, view); }

private:
    void note(const char* call) { events_->append(name_ + QLatin1Char(' ') + QLatin1String(call)); }

    QString name_;
    QStringList* events_;
    bool turns_;
};

// Puts a container on screen the way its own parent would.
void appear(ViewController& container)
{
    container.beginAppearanceTransition(true, false);
    container.endAppearanceTransition();
}

} // namespace

class TestContainers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    void switchOrder_data()
    {
        QTest::addColumn<QString>("container");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QStringList>("expected");
        const QStringList forward{"a willDisappear", "b willAppear", "a didDisappear", "b didAppear"};
        QTest::newRow("tab switch") << "tabs" << true << forward;
        QTest::newRow("push") << "push" << true << forward;
        QTest::newRow("pop") << "pop" << true
                             << QStringList{"b willDisappear", "a willAppear", "b didDisappear", "a didAppear"};
        QTest::newRow("tab switch while hidden") << "tabs" << false << QStringList{};
        QTest::newRow("push while hidden") << "push" << false << QStringList{};
    }
    void switchOrder()
    {
        QFETCH(QString, container);
        QFETCH(bool, shown);
        QFETCH(QStringList, expected);
        QStringList events;
        auto* a = new Recorder(QStringLiteral("a"), &events);
        auto* b = new Recorder(QStringLiteral("b"), &events);
        if (container == QLatin1String("tabs")) {
            TabBarController tabs;
            tabs.addTab(a, QStringLiteral("A"));
            tabs.addTab(b, QStringLiteral("B"));
            if (shown)
                appear(tabs);
            events.clear();
            tabs.setSelectedIndex(1);
            QCOMPARE(events, expected);
            QCOMPARE(tabs.selectedViewController(), b);
            QVERIFY(b->isViewLoaded());
            return;
        }
        NavigationController nav(a);
        if (shown)
            appear(nav);
        if (container == QLatin1String("pop"))
            nav.pushViewController(b, false);
        events.clear();
        if (container == QLatin1String("pop"))
            nav.popViewControllerAnimated(false);
        else
            nav.pushViewController(b, false);
        QCOMPARE(events, expected);
        QVERIFY(nav.topViewController()->isViewLoaded());
    }

    // Only hidden screens give up their views; the container keeps its own.
    void memoryWarningUnloadsHiddenChildren_data()
    {
        QTest::addColumn<bool>("tabs");
        QTest::newRow("tab bar") << true;
        QTest::newRow("navigation stack") << false;
    }
    void memoryWarningUnloadsHiddenChildren()
    {
        QFETCH(bool, tabs);
        QStringList events;
        auto* a = new Recorder(QStringLiteral("a"), &events);
        auto* b = new Recorder(QStringLiteral("b"), &events);
        std::unique_ptr<ViewController> container;
        if (tabs) {
            auto* t = new TabBarController;
            container.reset(t);
            t->addTab(a, QStringLiteral("A"));
            t->addTab(b, QStringLiteral("B"));
            appear(*t);
            t->setSelectedIndex(1);
        } else {
            auto* n = new NavigationController(a);
            container.reset(n);
            appear(*n);
            n->pushViewController(b, false);
        }
        events.clear();
        container->didReceiveMemoryWarning();
        QCOMPARE(events, QStringList{"a didUnload"});
        QVERIFY(!a->isViewLoaded());
        QVERIFY(b->isViewLoaded());
        QVERIFY(container->isViewLoaded());
    }

    void rotationFollowsShownChild()
    {
        QStringList events;
        TabBarController tabs;
        QVERIFY(!tabs.shouldAutorotateToInterfaceOrientation(InterfaceOrientation::LandscapeLeft));
        tabs.addTab(new Recorder(QStringLiteral("a"), &events, true), QStringLiteral("A"));
        tabs.addTab(new Recorder(QStringLiteral("b"), &events), QStringLiteral("B"));
        QVERIFY(tabs.shouldAutorotateToInterfaceOrientation(InterfaceOrientation::LandscapeLeft));
        tabs.setSelectedIndex(1);
        QVERIFY(!tabs.shouldAutorotateToInterfaceOrientation(InterfaceOrientation::LandscapeLeft));

        NavigationController nav(new Recorder(QStringLiteral("root"), &events));
        QVERIFY(!nav.shouldAutorotateToInterfaceOrientation(InterfaceOrientation::LandscapeRight));
        nav.pushViewController(new Recorder(QStringLiteral("turning"), &events, true), false);
        QVERIFY(nav.shouldAutorotateToInterfaceOrientation(InterfaceOrientation::LandscapeRight));
        QVERIFY(nav.shouldAutorotateToInterfaceOrientation(InterfaceOrientation::Portrait));
    }

    // To a screen reader the tab bar is a list of page tabs, the shown one selected; pressing
    // a tab switches to its screen as a tap does.
    void tabsAsPageTabs()
    {
        QStringList events;
        TabBarController tabs;
        tabs.addTab(new Recorder(QStringLiteral("a"), &events), QStringLiteral("A"));
        tabs.addTab(new Recorder(QStringLiteral("b"), &events), QStringLiteral("B"));
        tabs.tabBar()->setAccessibleName(QStringLiteral("Tabs"));
        tabs.resize(320, 480);
        tabs.show();
        appear(tabs);
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(tabs.tabBar());
        QCOMPARE(list->role(), QAccessible::PageTabList);
        QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Tabs"));
        QCOMPARE(list->childCount(), 2);
        auto selected = [&] {
            QList<bool> out;
            for (int i = 0; i < list->childCount(); ++i)
                out.append(list->child(i)->state().selected);
            return out;
        };
        QCOMPARE(selected(), (QList<bool>{true, false}));
        QAccessibleInterface* b = list->child(1);
        QCOMPARE(b->role(), QAccessible::PageTab);
        QCOMPARE(b->text(QAccessible::Name), QStringLiteral("B"));
        QCOMPARE(b->parent(), list);
        QCOMPARE(list->indexOfChild(b), 1);
        const QPoint middle = b->rect().center();
        QCOMPARE(list->childAt(middle.x(), middle.y()), b);

        events.clear();
        b->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(tabs.selectedIndex(), 1);
        QCOMPARE(events, (QStringList{"a willDisappear", "b willAppear", "a didDisappear", "b didAppear"}));
        QCOMPARE(selected(), (QList<bool>{false, true}));
        // Switched from code, as Alt+1 does.
        tabs.setSelectedIndex(0);
        QCOMPARE(selected(), (QList<bool>{true, false}));
    }
};

QTEST_MAIN(TestContainers)
#include "tst_containers.moc"

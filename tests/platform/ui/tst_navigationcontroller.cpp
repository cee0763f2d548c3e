// The navigation stack: segues prepare their destination before it shows, animated or not,
// and the back control follows the stack and the top item.

#include "platform/ui/NavigationBar.h"
#include "platform/ui/NavigationController.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

QStringList* g_events = nullptr;

class Screen : public ViewController, public SegueParticipant {
public:
    explicit Screen(QString name) : name_(std::move(name)) {}
    QString handed;
    void viewDidLoad() override { g_events->append(name_ + QStringLiteral(" didLoad ") + handed); }
    void viewWillAppear(bool) override { g_events->append(name_ + QStringLiteral(" willAppear")); }
    void viewDidDisappear(bool) override { g_events->append(name_ + QStringLiteral(" didDisappear")); }
    void prepareForSegue(const StoryboardSegue& segue) override
    {
        g_events->append(name_ + QStringLiteral(" prepare ") + segue.identifier);
        if (auto* next = dynamic_cast<Screen*>(segue.destinationViewController))
            next->handed = QStringLiteral("from ") + name_;
    }

protected:
    void loadView(QWidget* view) override { new QLabel(name_, view); }

private:
    QString name_;
};

// Points the screens at `events` while it lives.
struct Recording {
    Recording() { g_events = &events; }
    ~Recording() { g_events = nullptr; }
    QStringList events;
};

// A stack holding the screen "root", its screens' events recorded from the start.
struct Stack {
    Recording recording;
    Screen* root = new Screen(QStringLiteral("root"));
    NavigationController nav{root};
};

} // namespace

class TestNavigationController : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    void segueOrder_data()
    {
        QTest::addColumn<bool>("visible");
        QTest::newRow("shown stack") << true;
        QTest::newRow("hidden stack") << false;
    }
    void segueOrder()
    {
        QFETCH(bool, visible);
        Stack stack;
        auto& [recording, root, nav] = stack;
        QStringList& events = recording.events;
        nav.resize(300, 400);
        nav.registerSegue(QStringLiteral("next"), [] { return new Screen(QStringLiteral("detail")); });
        nav.registerSegue(QStringLiteral("back"), nullptr, true);
        if (visible) {
            nav.beginAppearanceTransition(true, false);
            nav.show();
            nav.endAppearanceTransition();
        }
        events.clear();
        QVERIFY(!nav.performSegueWithIdentifier(QStringLiteral("unknown"), root));
        QVERIFY(nav.performSegueWithIdentifier(QStringLiteral("next"), root));
        QCOMPARE(events.value(0), QStringLiteral("root prepare next"));
        QCOMPARE(events.value(1), QStringLiteral("detail didLoad from root")); // the input was there first
        QCOMPARE(nav.viewControllers().size(), 2);
        QCOMPARE(nav.navigationBar()->backButton()->isVisibleTo(&nav), true);
        events.clear();
        QVERIFY(nav.performSegueWithIdentifier(QStringLiteral("back"), nav.topViewController()));
        QCOMPARE(events.value(0), QStringLiteral("detail prepare back"));
        if (visible)
            QVERIFY(events.contains(QStringLiteral("root willAppear")));
        QCOMPARE(nav.viewControllers().size(), 1);
        QCOMPARE(nav.topViewController(), root);
        QVERIFY(!nav.navigationBar()->backButton()->isVisibleTo(&nav));
    }

    void animatedPushSlidesAndSettles()
    {
        Stack stack;
        auto& [recording, root, nav] = stack;
        QStringList& events = recording.events;
        nav.resize(300, 400);
        nav.beginAppearanceTransition(true, false);
        nav.show();
        nav.endAppearanceTransition();
        QVERIFY(QTest::qWaitForWindowExposed(&nav));
        nav.pushViewController(new Screen(QStringLiteral("detail")), true);
        // The new screen is on top at once; only the picture moves.
        QVERIFY(events.contains(QStringLiteral("detail willAppear")));
        QVERIFY(events.contains(QStringLiteral("root didDisappear")));
        // The pictures of the two pages, sliding.
        auto pictures = [&] {
            const QList<QLabel*> labels = nav.findChildren<QLabel*>();
            return std::count_if(labels.begin(), labels.end(), [](QLabel* l) { return !l->pixmap().isNull(); });
        };
        QCOMPARE(pictures(), 2);
        QTRY_COMPARE(pictures(), 0);
        nav.popViewControllerAnimated(false);
        QCOMPARE(pictures(), 0);
    }

    void topItemHidesBackControl()
    {
        Stack stack;
        auto& [recording, root, nav] = stack;
        auto* detail = new Screen(QStringLiteral("detail"));
        nav.pushViewController(detail, false);
        QVERIFY(nav.navigationBar()->backButton()->isVisibleTo(&nav));
        detail->navigationItem()->setHidesBackButton(true);
        QVERIFY(!nav.navigationBar()->backButton()->isVisibleTo(&nav));
        auto* add = new QPushButton(QStringLiteral("+"));
        root->navigationItem()->setRightBarButtonItem(add);
        QVERIFY(!add->isVisibleTo(&nav)); // not the top item
        nav.popViewControllerAnimated(false);
        QVERIFY(add->isVisibleTo(&nav));
    }
};

QTEST_MAIN(TestNavigationController)
#include "tst_navigationcontroller.moc"

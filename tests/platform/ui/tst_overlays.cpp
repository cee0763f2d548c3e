// Alerts and action sheets: where they show over the window, what their presenters record,
// and how they leave.

#include "platform/ui/ActionSheet.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/NavigationBar.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

namespace {

struct Clicks : AlertViewDelegate, ActionSheetDelegate {
    QList<int> pressed;
    void alertViewClickedButtonAtIndex(AlertView*, int index) override { pressed.append(index); }
    void actionSheetClickedButtonAtIndex(ActionSheet*, int index) override { pressed.append(index); }
};

} // namespace

class TestOverlays : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    void cleanup()
    {
        AlertPresenter::shared().dismissAll();
        ActionSheetPresenter::shared().dismissAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Titles and messages quote data (recipients, servers' answers, place names): drawn as
    // the characters they are, never as markup.
    void untrustedTextIsPlain_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("alert title") << "alertTitle";
        QTest::newRow("alert message") << "alertMessage";
        QTest::newRow("action sheet title") << "actionSheetTitle";
        QTest::newRow("navigation bar title") << "navTitle";
    }

    void untrustedTextIsPlain()
    {
        QFETCH(QString, where);
        QTemporaryDir dir;
        const QString hostile = hostileMarkup(dir.path());
        std::unique_ptr<QWidget> owner;
        NavigationItem item;
        if (where.startsWith(QLatin1String("alert")))
            owner.reset(new AlertView(hostile, hostile, nullptr, QStringLiteral("OK")));
        else if (where.startsWith(QLatin1String("action")))
            owner.reset(new ActionSheet(hostile, nullptr, QStringLiteral("Cancel"), QString(), {}));
        else {
            auto* bar = new NavigationBar;
            item.setTitle(hostile);
            bar->setTopItem(&item);
            owner.reset(bar);
        }
        owner->resize(360, 200);
        auto* label = owner->findChild<QLabel*>(where);
        QVERIFY(label);
        QCOMPARE(label->text(), hostile);
        QVERIFY(drawsAsPlainText(label));
    }

    // Without a window the alert is only recorded, so that tests can still press it.
    void alertWithoutWindowIsOnlyRecorded()
    {
        Clicks clicks;
        auto* alert = new AlertView(QStringLiteral("T"), QStringLiteral("M"), &clicks, QStringLiteral("OK"));
        alert->show();
        QCOMPARE(AlertPresenter::shared().topAlert(), alert);
        QVERIFY(!alert->parentWidget());
        QVERIFY(!alert->isVisible());
        AlertPresenter::shared().dismissAll();
        QCOMPARE(clicks.pressed, QList<int>{0});
        QVERIFY(AlertPresenter::shared().visibleAlerts().isEmpty());
    }

    void alertShowsCentredOverWindow_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("maxWidth");
        QTest::newRow("wide window") << 400 << 360;
        QTest::newRow("narrow window keeps a minimum") << 150 << 200;
    }
    void alertShowsCentredOverWindow()
    {
        QFETCH(int, width);
        QFETCH(int, maxWidth);
        QWidget window;
        window.resize(width, 600);
        window.show();
        auto* alert = new AlertView(QStringLiteral("Title"), QStringLiteral("Message"), nullptr,
                                    QStringLiteral("OK"), {QStringLiteral("More")});
        alert->show();
        QCOMPARE(alert->parentWidget(), &window);
        QVERIFY(alert->isVisible());
        QCOMPARE(alert->maximumWidth(), maxWidth);
        QCOMPARE(alert->x(), (width - alert->width()) / 2);
        QCOMPARE(alert->y(), (600 - alert->height()) / 3);
        auto* title = alert->findChild<QLabel*>(QStringLiteral("alertTitle"));
        QVERIFY(title);
        QCOMPARE(title->text(), QStringLiteral("Title"));
        QCOMPARE(alert->layout()->itemAt(0)->widget(), title);
        QCOMPARE(alert->objectName(), QStringLiteral("alert"));
    }

    void sheetShowsAlongBottom()
    {
        QWidget window;
        window.resize(400, 600);
        window.show();
        auto* child = new QWidget(&window);
        Clicks clicks;
        auto* sheet = new ActionSheet(QStringLiteral("Pick"), &clicks, QStringLiteral("Cancel"), QString(),
                                      {QStringLiteral("One")});
        sheet->showInView(child);
        QCOMPARE(ActionSheetPresenter::shared().topSheet(), sheet);
        QCOMPARE(sheet->parentWidget(), &window);
        QVERIFY(sheet->isVisible());
        QCOMPARE(sheet->width(), 384);
        QCOMPARE(sheet->x(), 8);
        QCOMPARE(sheet->y(), 600 - sheet->height() - 8);
        auto* title = sheet->findChild<QLabel*>(QStringLiteral("actionSheetTitle"));
        QVERIFY(title);
        QCOMPARE(sheet->layout()->itemAt(0)->widget(), title);
        // Closing without a choice tells the delegate nothing.
        ActionSheetPresenter::shared().dismissAll();
        QVERIFY(clicks.pressed.isEmpty());
        QVERIFY(ActionSheetPresenter::shared().visibleSheets().isEmpty());
        QVERIFY(!sheet->isVisible());
    }

    // A panel deleted behind the presenter's back drops out of its record.
    void deletedPanelsDropOut()
    {
        auto* first = new AlertView(QStringLiteral("1"), QString(), nullptr, QStringLiteral("OK"));
        auto* second = new AlertView(QStringLiteral("2"), QString(), nullptr, QStringLiteral("OK"));
        first->show();
        second->show();
        QCOMPARE(AlertPresenter::shared().visibleAlerts(), (QList<AlertView*>{first, second}));
        delete second;
        QCOMPARE(AlertPresenter::shared().topAlert(), first);
        // A window closed under a shown sheet takes the sheet with it; the events of that
        // destruction must not reach the half-destroyed sheet as if it were still shown.
        auto* window = new QWidget;
        window->resize(300, 400);
        window->show();
        QPointer<ActionSheet> sheet = new ActionSheet(QStringLiteral("S"), nullptr, QStringLiteral("Cancel"), QString(), {});
        sheet->showInView(window);
        QCOMPARE(ActionSheetPresenter::shared().topSheet(), sheet.data());
        delete window;
        QVERIFY(sheet.isNull());
        QVERIFY(ActionSheetPresenter::shared().visibleSheets().isEmpty());
        QCOMPARE(ActionSheetPresenter::shared().topSheet(), nullptr);
    }
};

QTEST_MAIN(TestOverlays)
#include "tst_overlays.moc"

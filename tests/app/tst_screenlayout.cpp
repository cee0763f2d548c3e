// Every screen at a phone's sizes (portrait, with the keyboard up, landscape, the smallest
// window a phone application must fit) in the languages whose texts run longest (German)
// and whose words do (Polish): the window takes the size, nothing cut off, no text cut, no
// control over another, and each text field stays in view once it has the focus.

#include "app/QuorvelAppDelegate.h"
#include "platform/contacts/PeoplePicker.h"
#include "platform/devicesettings/DeviceSettingsDialog.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/messaging/MailCompose.h"
#include "platform/messaging/MessageCompose.h"
#include "platform/lifecycle/Application.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/TabBarController.h"
#include "platform/ui/TableView.h"
#include "support/FakeKeyring.h"
#include "support/LayoutCheck.h"
#include "support/TestSupport.h"
#include "templates/TemplatesTableViewController.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <memory>

class tst_ScreenLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void cleanup() { StringTable::load(QStringLiteral("en")); }
    void phoneScreensFit_data();
    void phoneScreensFit();
    void checkFindsFaults();
};

void tst_ScreenLayout::phoneScreensFit_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QSize>("size");
    const QList<QSize> sizes{{360, 640}, {360, 720}, {360, 400}, {720, 360}, {360, 294}};
    for (const char* language : {"de", "pl"})
        for (const char* screen : {"report", "formats", "templates", "template", "map", "about", "sms", "mail", "contacts", "settings"})
            for (const QSize& size : sizes)
                // Polish at the narrowest and the shortest only: its words are long, its lines not.
                if (language[0] == 'd' || size.height() == 640 || size.height() == 294)
                    QTest::addRow("%s %s %dx%d", language, screen, size.width(), size.height())
                        << QString::fromLatin1(language) << QString::fromLatin1(screen) << size;
}

void tst_ScreenLayout::phoneScreensFit()
{
    QFETCH(QString, language);
    QFETCH(QString, screen);
    QFETCH(QSize, size);
    QVERIFY(StringTable::load(language));
    resetStandardStore();
    const auto check = [size](QWidget* window) {
        window->resize(size);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::qWait(300); // the position source's status settles
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        // A window that refuses the size runs off a phone's screen.
        QCOMPARE(window->size(), size);
        QStringList problems = layoutProblems(window);
        problems += focusProblems(window);
        // What a finger taps is at least 40 by 40 logical pixels.
        for (const char* name : {"coordBtn", "contactsButton", "zoomInButton", "zoomOutButton", "tableViewCell"})
            for (const QWidget* target : window->findChildren<QWidget*>(QLatin1String(name)))
                if (target->isVisibleTo(window) && (target->width() < 40 || target->height() < 40))
                    problems << QStringLiteral("%1: %2x%3, too small for a finger").arg(QLatin1String(name))
                                    .arg(target->width()).arg(target->height());
        if (auto* people = window->findChild<QAbstractItemView*>(QStringLiteral("people")); people && people->model()->rowCount() > 0)
            if (const int h = people->visualRect(people->model()->index(0, 0)).height(); h < 40)
                problems << QStringLiteral("people: rows %1 px high, too small for a finger").arg(h);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    };
    if (screen == QLatin1String("sms")) {
        MessageComposeViewController composer;
        composer.setRecipients({QStringLiteral("+48 601 111 111")});
        composer.setBody(localizedText("MessageDefaultTemplate3"));
        check(&composer);
        return;
    }
    if (screen == QLatin1String("mail")) {
        MailComposeViewController composer;
        composer.setToRecipients({QStringLiteral("jan@example.org")});
        composer.setSubject(localizedText("EmailSubject"));
        check(&composer);
        return;
    }
    if (screen == QLatin1String("contacts")) {
        Person p;
        p.formattedName = QStringLiteral("Małgorzata Wiśniewska-Schönberger");
        p.phoneNumbers = {QStringLiteral("+48 601 111 111")};
        PeoplePickerNavigationController picker(QList<Person>{p});
        check(&picker);
        return;
    }
    if (screen == QLatin1String("settings")) {
        DeviceSettingsDialog dialog(std::make_shared<FakeKeyring>());
        auto* sections = dialog.findChild<QTabWidget*>(QStringLiteral("sections"));
        QVERIFY(sections);
        for (int i = 0; i < sections->count(); ++i) {
            sections->setCurrentIndex(i);
            check(&dialog);
            if (QTest::currentTestFailed())
                return;
        }
        return;
    }
    QuorvelAppDelegate delegate;
    MainLayout layout = loadMainLayout();
    auto app = std::make_unique<Application>(&delegate, layout);
    app->launch();
    TabBarController* tabs = app->rootViewController();
    const QStringList tabScreens{"report", "templates", "map", "about"};
    const bool formats = screen == QLatin1String("formats");
    tabs->setSelectedIndex(screen == QLatin1String("template") ? 1 : formats ? 0 : tabScreens.indexOf(screen));
    if (screen == QLatin1String("template")) {
        auto* navigation = qobject_cast<NavigationController*>(tabs->viewControllerAt(1));
        auto* list = qobject_cast<TemplatesTableViewController*>(navigation->viewControllers().first());
        QCoreApplication::processEvents();
        TableViewCell* cell = list->templatesTable->cellForRowAtIndexPath({0, 0});
        QVERIFY(cell);
        QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(30, cell->height() / 2));
        QTRY_COMPARE(navigation->viewControllers().size(), 2);
        QTest::qWait(400); // the push slides in
    }
    if (formats) {
        // The format sheet over the report screen, at the window's size from the start.
        delegate.window()->resize(size);
        auto* report = tabs->viewControllerAt(0)->findChild<QPushButton*>(QStringLiteral("coordBtn"));
        QVERIFY(report);
        report->click();
        QTRY_VERIFY(ActionSheetPresenter::shared().topSheet());
        QTest::qWait(300);
    }
    check(delegate.window());
    ActionSheetPresenter::shared().dismissAll();
    app.reset();
    delete delegate.window();
}

// The check itself: it sees a label cut by its window, a button too narrow for its text and
// two controls on top of each other, and a screen without them passes.
void tst_ScreenLayout::checkFindsFaults()
{
    QWidget window;
    window.resize(200, 100);
    auto* fine = new QLabel(QStringLiteral("Fits"), &window);
    fine->setGeometry(0, 0, 60, 20);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(layoutProblems(&window), QStringList());

    auto* cut = new QLabel(QStringLiteral("Past the edge"), &window);
    cut->setObjectName(QStringLiteral("cut"));
    cut->setGeometry(150, 0, 120, 20);
    auto* narrow = new QPushButton(QStringLiteral("Eine sehr lange Beschriftung"), &window);
    narrow->setObjectName(QStringLiteral("narrow"));
    narrow->setGeometry(0, 70, 40, 25);
    auto* over = new QLabel(QStringLiteral("Over"), &window);
    over->setObjectName(QStringLiteral("over"));
    over->setGeometry(10, 5, 40, 20);
    for (QWidget* w : {static_cast<QWidget*>(cut), static_cast<QWidget*>(narrow), static_cast<QWidget*>(over)})
        w->show();
    const QString found = layoutProblems(&window).join(u'\n');
    QVERIFY2(found.contains(QLatin1String("cut \"Past the edge\": cut off")), qPrintable(found));
    QVERIFY2(found.contains(QLatin1String("narrow \"Eine sehr lange Beschriftung\": text cut")), qPrintable(found));
    QVERIFY2(found.contains(QLatin1String("overlaps over")), qPrintable(found));
    QVERIFY2(!found.contains(QLatin1String("Fits\": ")), qPrintable(found));
}

QTEST_MAIN(tst_ScreenLayout)
#include "tst_screenlayout.moc"

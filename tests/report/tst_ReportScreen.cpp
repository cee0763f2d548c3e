// The report screen's frame: captions at load, the location manager's set-up, the field
// being edited kept in view, the keyboard, rotation and unloading.

#include "report/ReportHarness.h"
#include "support/TestSupport.h"
#include "platform/lifecycle/Application.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/ui/NavigationBar.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/TabBarController.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>

namespace {

struct NoDelegate : ApplicationDelegate {
    bool applicationDidFinishLaunchingWithOptions(Application*, const QVariantMap&) override { return true; }
};

// Whether `field` lies wholly within the part of the scrolling page that is in view.
bool inView(QuorvelFirstViewController* screen, QWidget* field)
{
    auto* page = screen->view()->findChild<QScrollArea*>(QStringLiteral("page"));
    const QRect port(page->viewport()->mapTo(screen->window(), QPoint(0, 0)), page->viewport()->size());
    return port.contains(QRect(field->mapTo(screen->window(), QPoint(0, 0)), field->size()));
}

} // namespace

class tst_ReportScreen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void init() { resetStandardStore(); }

    void captionsAndTitlesAtLoad();
    void locationManagerSetUp();
    void editedFieldKeptInView_data();
    void editedFieldKeptInView();
    void keyboardKeepsTheFieldInView();
    void returnKeyClosesTheKeyboard();
    void backgroundTouchWithoutEditing();
    void otherFieldsLogButDoNotShift();
    void orientationRule_data();
    void orientationRule();
    void rotationShortcuts();
    void memoryWarningUnloadsOnlyHiddenScreens();
};

void tst_ReportScreen::captionsAndTitlesAtLoad()
{
    LogCapture log;
    ReportHarness h;
    h.show();
    QuorvelFirstViewController* s = h.screen;
    QVERIFY(log.contains(QStringLiteral("FVC: viewDidLoad")));
    QCOMPARE(s->navBar->topItem()->title(), localizedText("QUORVEL_NAVBAR_TITLE"));
    QCOMPARE(h.tabs->itemTitle(0), localizedText("QUORVEL_TABBAR_TITLE"));
    QCOMPARE(h.tabs->itemTitle(1), localizedText("TEMPLATES_TABBAR_TITLE"));
    QCOMPARE(h.tabs->itemTitle(2), localizedText("MAP_TABBAR_TITLE"));
    QCOMPARE(h.tabs->itemTitle(3), localizedText("ABOUT_TABBAR_TITLE"));
    QCOMPARE(s->positionLabel->text(), localizedText("CURRENTPOSITION"));
    QCOMPARE(s->Latitude->text(), localizedText("LATITUDE"));
    QCOMPARE(s->Longitude->text(), localizedText("LONGITUDE"));
    QCOMPARE(s->AMSL->text(), localizedText("AMSL"));
    QCOMPARE(s->AddressLabel->text(), localizedText("LOCATION"));
    QCOMPARE(s->SMSLabel->text(), localizedText("SMSLABEL"));
    QCOMPARE(s->phoneNumber->placeholderText(), localizedText("contactPhone"));
    QVERIFY(s->navigationItem()->hidesBackButton());
    QCOMPARE(s->Message->styleSheet(), QStringLiteral("TextView { border: 2px solid #808080; border-radius: 8px; }"));
    // A title changed later stays: only the load sets them.
    h.tabs->setItemTitle(2, QStringLiteral("changed"));
    h.tabs->setSelectedIndex(1);
    h.tabs->setSelectedIndex(0);
    QCOMPARE(h.tabs->itemTitle(2), QStringLiteral("changed"));
}

void tst_ReportScreen::locationManagerSetUp()
{
    ReportHarness h;
    h.show();
    LocationManager* manager = h.screen->locationManager.get();
    QVERIFY(manager);
    QCOMPARE(manager->desiredAccuracy(), kLocationAccuracyBest);
    QCOMPARE(manager->delegate(), static_cast<LocationManagerDelegate*>(h.screen));
    QCOMPARE(manager->distanceFilter(), 10.0);
    QVERIFY(manager->isUpdating());
    QCOMPARE(h.fakes.managersMade, 1);
    QCOMPARE(h.fakes.geocodersMade, 1);
    Geocoder* geocoder = h.screen->geocoder.get();

    // Unloaded while another tab is shown: outlets gone, updates stopped, the rest kept.
    h.tabs->setSelectedIndex(2);
    h.tabs->didReceiveMemoryWarning();
    QVERIFY(!h.screen->isViewLoaded());
    QVERIFY(!h.screen->Latitude && !h.screen->Message && !h.screen->navBar && !h.screen->MessageSegment);
    QVERIFY(!manager->isUpdating());
    h.screen->lastLatitude = 50.0;
    Placemark p;
    p.subLocality = QStringLiteral("Staré Město");
    h.screen->placemark = p;

    // Loaded again: the same manager and geocoder, started again by the load.
    const int starts = h.fakes.sourceStarts;
    h.tabs->setSelectedIndex(0);
    QVERIFY(h.screen->isViewLoaded());
    QCOMPARE(h.screen->locationManager.get(), manager);
    QCOMPARE(h.screen->geocoder.get(), geocoder);
    QCOMPARE(h.fakes.managersMade, 1);
    QCOMPARE(h.fakes.geocodersMade, 1);
    QVERIFY(manager->isUpdating());
    QTRY_COMPARE(h.fakes.sourceStarts, starts + 1);
    QCOMPARE(h.screen->lastLatitude, 50.0);
    QCOMPARE(h.screen->placemark->subLocality, std::optional<QString>(QStringLiteral("Staré Město")));
    QCOMPARE(h.screen->Latitude->text(), localizedText("LATITUDE"));
}

void tst_ReportScreen::editedFieldKeptInView_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("portrait") << QSize(360, 640);
    QTest::newRow("keyboard up") << QSize(360, 400);
    QTest::newRow("landscape") << QSize(720, 360);
    QTest::newRow("smallest") << QSize(360, 294);
}

void tst_ReportScreen::editedFieldKeptInView()
{
    QFETCH(QSize, size);
    ReportHarness h;
    h.window->resize(size);
    h.show();
    // Focus comes to an active window, as the one a person types into is.
    h.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
    QuorvelFirstViewController* s = h.screen;
    QWidget* view = s->view();
    const QPoint rest = view->pos();
    LogCapture log;
    s->phoneNumber->becomeFirstResponder();
    QVERIFY(inView(s, s->phoneNumber));

    // Straight from the recipient to the message: the screen scrolls, it never moves.
    s->Message->becomeFirstResponder();
    QTRY_VERIFY(inView(s, s->Message));
    QCOMPARE(view->pos(), rest);

    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(5, view->height() - 5)); // the background
    QCOMPARE(view->pos(), rest);
    QVERIFY(!s->Message->isFirstResponder());
    QCOMPARE(log.lines(), (QStringList{QStringLiteral("V POLI: textFieldDidBeginEditing"),
                                       QStringLiteral("V POLI: textFieldDidEndEditing"),
                                       QStringLiteral("V POLI: textViewDidBeginEditing"),
                                       QStringLiteral("V POLI: textViewDidEndEditing")}));
}

// The on-screen keyboard takes half the window while the recipient is being typed: the
// field stays where it can be seen.
void tst_ReportScreen::keyboardKeepsTheFieldInView()
{
    ReportHarness h;
    h.window->resize(360, 720);
    h.show();
    h.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
    QuorvelFirstViewController* s = h.screen;
    s->phoneNumber->becomeFirstResponder();
    QVERIFY(inView(s, s->phoneNumber));
    h.window->resize(360, 294);
    QTRY_VERIFY(inView(s, s->phoneNumber));
    QCOMPARE(s->view()->pos(), QPoint(0, 0));
    // A tap on the page's own background ends the editing, as one beside it always did.
    QWidget* background = s->view()->findChild<QWidget*>(QStringLiteral("pageContent"));
    QTest::mouseClick(background, Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(!s->phoneNumber->isFirstResponder());
}

void tst_ReportScreen::returnKeyClosesTheKeyboard()
{
    ReportHarness h;
    h.show();
    h.window->activateWindow();
    QuorvelFirstViewController* s = h.screen;
    const QPoint rest = s->view()->pos();
    s->phoneNumber->becomeFirstResponder();
    LogCapture log;
    QTest::keyClick(s->phoneNumber, Qt::Key_Return);
    QVERIFY(log.contains(QStringLiteral("V POLI: phoneNumberReturn")));
    QVERIFY(log.contains(QStringLiteral("V POLI: textFieldDidEndEditing")));
    QVERIFY(!s->phoneNumber->isFirstResponder());
    QCOMPARE(s->view()->pos(), rest);
}

void tst_ReportScreen::backgroundTouchWithoutEditing()
{
    ReportHarness h;
    h.show();
    LogCapture log;
    const QPoint rest = h.screen->view()->pos();
    h.screen->backgroundTouched();
    QVERIFY(log.lines().isEmpty());
    QCOMPARE(h.screen->view()->pos(), rest);
}

void tst_ReportScreen::otherFieldsLogButDoNotShift()
{
    ReportHarness h;
    h.show();
    TextField other;
    const QPoint rest = h.screen->view()->pos();
    LogCapture log;
    h.screen->textFieldDidBeginEditing(&other);
    h.screen->textFieldDidEndEditing(&other);
    QCOMPARE(log.lines(), (QStringList{QStringLiteral("V POLI: textFieldDidBeginEditing"),
                                       QStringLiteral("V POLI: textFieldDidEndEditing")}));
    QCOMPARE(h.screen->view()->pos(), rest);
}

void tst_ReportScreen::orientationRule_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("turns");
    QTest::addColumn<QSize>("size");
    QTest::newRow("upside down refused") << int(InterfaceOrientation::PortraitUpsideDown) << false << QSize(360, 640);
    QTest::newRow("landscape left") << int(InterfaceOrientation::LandscapeLeft) << true << QSize(640, 360);
    QTest::newRow("landscape right") << int(InterfaceOrientation::LandscapeRight) << true << QSize(640, 360);
    QTest::newRow("portrait") << int(InterfaceOrientation::Portrait) << true << QSize(360, 640);
}

void tst_ReportScreen::orientationRule()
{
    QFETCH(int, orientation);
    QFETCH(bool, turns);
    QFETCH(QSize, size);
    const auto o = static_cast<InterfaceOrientation>(orientation);
    ReportHarness h;
    QCOMPARE(h.screen->shouldAutorotateToInterfaceOrientation(o), turns);
    NoDelegate delegate;
    Application app(&delegate, {h.window.get(), h.tabs});
    app.launch();
    QCOMPARE(app.setDeviceOrientation(o), turns);
    QCOMPARE(h.window->size(), size);
    QCOMPARE(app.deviceOrientation(), o);
    QCOMPARE(app.interfaceOrientation(), turns ? o : InterfaceOrientation::Portrait);
}

void tst_ReportScreen::rotationShortcuts()
{
    ReportHarness h;
    NoDelegate delegate;
    Application app(&delegate, {h.window.get(), h.tabs});
    app.launch();
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    h.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
    QTest::keyClick(h.window.get(), Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(app.interfaceOrientation(), InterfaceOrientation::LandscapeLeft);
    QCOMPARE(h.window->size(), QSize(640, 360));
    // The next quarter turn is upside down: the device turns, the screen stays.
    QTest::keyClick(h.window.get(), Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(app.deviceOrientation(), InterfaceOrientation::PortraitUpsideDown);
    QCOMPARE(app.interfaceOrientation(), InterfaceOrientation::LandscapeLeft);
    QCOMPARE(h.window->size(), QSize(640, 360));
    QTest::keyClick(h.window.get(), Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(h.window.get(), Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(app.interfaceOrientation(), InterfaceOrientation::Portrait);
    QCOMPARE(h.window->size(), QSize(360, 640));
}

void tst_ReportScreen::memoryWarningUnloadsOnlyHiddenScreens()
{
    ReportHarness h;
    NoDelegate delegate;
    Application app(&delegate, {h.window.get(), h.tabs});
    app.launch();
    h.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
    // Shown: the view stays.
    app.simulateMemoryWarning();
    QVERIFY(h.screen->isViewLoaded());
    QVERIFY(h.screen->Latitude);
    // Hidden: the shortcut unloads it.
    h.tabs->setSelectedIndex(3);
    QTest::keyClick(h.window.get(), Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(!h.screen->isViewLoaded());
    QVERIFY(!h.screen->Latitude);
    QVERIFY(h.screen->locationManager);
    h.tabs->setSelectedIndex(0);
    QVERIFY(h.screen->Latitude);
    QCOMPARE(h.fakes.managersMade, 1);
    QCOMPARE(h.fakes.geocodersMade, 1);
}

QTEST_MAIN(tst_ReportScreen)
#include "tst_ReportScreen.moc"

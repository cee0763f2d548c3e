// The about screen: its seven texts from the string table, the product page, portrait only.
#include "about/AboutViewController.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/ui/NavigationBar.h"
#include "platform/ui/TextField.h"
#include "platform/foundation/UrlOpener.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

class RecordingOpener : public UrlOpener {
public:
    QList<QUrl> opened;
    bool answer = false; // as when no browser could be started
    bool openURL(const QUrl& url) override
    {
        opened.append(url);
        return answer;
    }
};

QStringList shownTexts(AboutViewController& vc)
{
    return {vc.navBar->title(),          vc.quorvelLabel->text(), vc.description->text(),
            vc.author->text(),           vc.version->text(),      vc.versionTimestamp->text(),
            vc.downloadDescription->text()};
}

const QStringList kKeys{"ABOUT_NAVBAR_TITLE", "QUORVEL", "ABOUT_DESCRIPTION", "AUTHOR",
                        "VERSION", "VERSION_TIMESTAMP", "DOWNLOAD_DESCRIPTION"};

} // namespace

class tst_AboutViewController : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void texts_data();
    void texts();
    void opensTheProductPage_data();
    void opensTheProductPage();
    void portraitOnly_data();
    void portraitOnly();
    void unloadClearsOutlets();
};

void tst_AboutViewController::initTestCase()
{
    initTestEnvironment();
}

void tst_AboutViewController::texts_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English string table") << QStringLiteral("en");
    QTest::newRow("Czech string table") << QStringLiteral("cs");
    QTest::newRow("empty string table shows the keys") << QString();
}

void tst_AboutViewController::texts()
{
    QFETCH(QString, language);
    StringTable::load(language);
    RecordingOpener opener;
    AboutViewController vc(&opener);
    vc.view();
    const QStringList shown = shownTexts(vc);
    for (int i = 0; i < kKeys.size(); ++i) {
        const QByteArray key = kKeys[i].toLatin1();
        QCOMPARE(shown[i], localizedText(key.constData()));
        if (language.isEmpty())
            QCOMPARE(shown[i], kKeys[i]);
        else
            QVERIFY2(shown[i] != kKeys[i], key.constData());
    }
    if (language == QLatin1String("en")) {
        // The data the application shows is credited.
        QVERIFY(vc.description->text().contains(QStringLiteral("GeoNames")));
        QVERIFY(vc.description->text().contains(QStringLiteral("OpenStreetMap")));
    }
    QVERIFY(vc.description->isReadOnly());
    QVERIFY(vc.downloadDescription->isReadOnly());
    StringTable::load(QStringLiteral("en"));
}

void tst_AboutViewController::opensTheProductPage_data()
{
    QTest::addColumn<bool>("opens");
    QTest::newRow("browser opens it") << true;
    QTest::newRow("no browser: nothing happens") << false;
}

void tst_AboutViewController::opensTheProductPage()
{
    QFETCH(bool, opens);
    RecordingOpener opener;
    opener.answer = opens;
    AboutViewController vc(&opener);
    vc.resize(360, 640);
    vc.view();
    vc.show();
    auto* button = vc.view()->findChild<QPushButton*>(QStringLiteral("productPageButton"));
    QVERIFY(button);
    QVERIFY(!button->accessibleName().isEmpty());
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(opener.opened, QList<QUrl>{QUrl(QStringLiteral("https://quorvel.example.org/"))});
    vc.goToVeltranoCom(nullptr);
    QCOMPARE(opener.opened.size(), 2);
    QCOMPARE(opener.opened.last(), QUrl(QString::fromLatin1(AboutViewController::kProductPage)));
    QVERIFY(vc.isViewLoaded());
}

void tst_AboutViewController::portraitOnly_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("portrait") << int(InterfaceOrientation::Portrait) << true;
    QTest::newRow("upside down") << int(InterfaceOrientation::PortraitUpsideDown) << false;
    QTest::newRow("landscape left") << int(InterfaceOrientation::LandscapeLeft) << false;
    QTest::newRow("landscape right") << int(InterfaceOrientation::LandscapeRight) << false;
}

void tst_AboutViewController::portraitOnly()
{
    QFETCH(int, orientation);
    QFETCH(bool, allowed);
    AboutViewController vc;
    QCOMPARE(vc.shouldAutorotateToInterfaceOrientation(InterfaceOrientation(orientation)), allowed);
}

void tst_AboutViewController::unloadClearsOutlets()
{
    StringTable::load(QStringLiteral("en"));
    RecordingOpener opener;
    AboutViewController vc(&opener);
    vc.view();
    vc.didReceiveMemoryWarning();
    QVERIFY(!vc.isViewLoaded());
    QVERIFY(!vc.navBar && !vc.quorvelLabel && !vc.description && !vc.author && !vc.version
            && !vc.versionTimestamp && !vc.downloadDescription);
    vc.view();
    QCOMPARE(vc.version->text(), localizedText("VERSION"));
}

QTEST_MAIN(tst_AboutViewController)
#include "tst_aboutviewcontroller.moc"

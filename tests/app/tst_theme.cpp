// Every screen in a light and in a dark desktop theme, as drawn: each visible text (labels,
// buttons, tabs) must stand out from what is behind it by at least 4.5:1.

#include "app/Appearance.h"
#include "app/QuorvelAppDelegate.h"
#include "platform/contacts/PeoplePicker.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/messaging/MailCompose.h"
#include "platform/messaging/MessageCompose.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/AlertView.h"
#include "platform/lifecycle/DesktopColorScheme.h"
#include "platform/lifecycle/Application.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/TabBarController.h"
#include "platform/ui/TableView.h"
#include "report/QuorvelFirstViewController.h"
#include "support/MainWindowApp.h"
#include "support/TestSupport.h"
#include "templates/TemplatesTableViewController.h"

#include <QtTest>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>

#include <cmath>

namespace {

double luminance(QRgb c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// In `area` of the picture: the commonest colour is the background; the text is the colour
// that differs most from it (the glyphs' full-coverage pixels).
double measuredContrast(const QImage& picture, const QRect& area, QRgb* background = nullptr)
{
    QHash<QRgb, int> counts;
    const QRect r = area.intersected(picture.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[picture.pixel(x, y) | 0xff000000u];
    QRgb bg = 0;
    int best = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > best)
            best = it.value(), bg = it.key();
    double most = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        most = std::max(most, contrast(bg, it.key()));
    if (background)
        *background = bg;
    return most;
}

struct Text {
    QString what;
    QRect area; // in the window's picture
};

// The texts a user sees in `within`, placed in `top`'s picture: labels, buttons with a
// title, tabs.
QList<Text> visibleTexts(QWidget* top, QWidget* within)
{
    QList<Text> texts;
    auto areaOf = [top](QWidget* w, const QRect& r) { return QRect(w->mapTo(top, r.topLeft()), r.size()); };
    auto shown = [top](QWidget* w) { return w->isVisibleTo(top) && !w->visibleRegion().isEmpty(); };
    for (QLabel* label : within->findChildren<QLabel*>()) {
        // A disabled label is "inactive" and exempt, as its grey means just that.
        if (shown(label) && !label->text().trimmed().isEmpty() && label->isEnabled()
            && label->palette().color(QPalette::WindowText) != label->palette().color(QPalette::Disabled, QPalette::WindowText))
            texts.append({QStringLiteral("label %1 \"%2\"").arg(label->objectName(), label->text().left(30)),
                          areaOf(label, label->visibleRegion().boundingRect())});
    }
    for (QPushButton* button : within->findChildren<QPushButton*>())
        if (shown(button) && button->isEnabled() && !button->text().trimmed().isEmpty())
            texts.append({QStringLiteral("button %1 \"%2\"").arg(button->objectName(), button->text()),
                          areaOf(button, button->rect().adjusted(3, 3, -3, -3))});
    for (QTabBar* bar : within->findChildren<QTabBar*>())
        if (shown(bar))
            for (int i = 0; i < bar->count(); ++i)
                texts.append({QStringLiteral("tab \"%1\"").arg(bar->tabText(i)), areaOf(bar, bar->tabRect(i).adjusted(1, 2, -1, -1))});
    return texts;
}

// The application as launched, over the palette set before.
struct Launched : MainWindowApp {
    Launched() { app.launch(); }
};

} // namespace

class tst_Theme : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initTestEnvironment();
        QVERIFY(StringTable::load(QStringLiteral("en")));
        light_ = QApplication::style()->standardPalette();
    }
    void cleanup()
    {
        AlertPresenter::shared().dismissAll();
        ActionSheetPresenter::shared().dismissAll();
        QApplication::setPalette(light_);
    }

    void everyTextStandsOut_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }

    void everyTextStandsOut()
    {
        QFETCH(bool, dark);
        QApplication::setPalette(dark ? DesktopColorScheme::darkPalette() : light_);
        Launched running;
        const MainLayout& layout = running.layout;
        TabBarController* tabs = layout.rootViewController;
        QStringList failures;
        int checked = 0;
        // `within`: where the texts are looked for (an overlay covers the screen under it).
        auto check = [&](QWidget* top, const QString& screen, QWidget* within = nullptr) {
            QCoreApplication::processEvents();
            const QImage picture = top->grab().toImage();
            if (const QByteArray dir = qgetenv("QUORVEL_THEME_PICTURES"); !dir.isEmpty())
                picture.save(QStringLiteral("%1/%2-%3.png").arg(QString::fromLocal8Bit(dir), screen, dark ? "dark" : "light"));
            for (const Text& t : visibleTexts(top, within ? within : top)) {
                QRgb bg = 0;
                const double ratio = measuredContrast(picture, t.area, &bg);
                ++checked;
                if (ratio < 4.5)
                    failures << QStringLiteral("%1: %2 %3:1 on %4").arg(screen, t.what).arg(ratio, 0, 'f', 2).arg(QColor(bg).name());
            }
        };
        // What users of the theme expect: the window's or the list's colour behind a screen.
        auto checkBackground = [&](const QString& screen) {
            const QRgb behind = layout.window->grab().toImage().pixel(2, layout.window->height() / 2);
            const QPalette theme = QApplication::palette();
            if (contrast(behind, theme.color(QPalette::Window).rgb()) > 1.2 && contrast(behind, theme.color(QPalette::Base).rgb()) > 1.2)
                failures << QStringLiteral("%1: background %2, the theme's window is %3")
                                .arg(screen, QColor(behind).name(), theme.color(QPalette::Window).name());
        };
        auto* report = qobject_cast<QuorvelFirstViewController*>(tabs->viewControllerAt(0));
        check(layout.window, QStringLiteral("report"));
        checkBackground(QStringLiteral("report"));
        report->phoneNumber->setText(QStringLiteral("+420 603 123 456"));
        report->textFieldShouldEndEditing(report->phoneNumber);
        check(layout.window, QStringLiteral("report, ready to send"));
        report->coordBtn->click();
        QVERIFY(!ActionSheetPresenter::shared().visibleSheets().isEmpty());
        check(layout.window, QStringLiteral("report, format sheet"), ActionSheetPresenter::shared().visibleSheets().last());
        ActionSheetPresenter::shared().dismissAll();
        auto* alert = new AlertView(localizedText("Info"), localizedText("SMSSent"), nullptr, QStringLiteral("OK"));
        alert->show();
        check(layout.window, QStringLiteral("report, alert"), alert);
        AlertPresenter::shared().dismissAll();

        tabs->setSelectedIndex(1);
        check(layout.window, QStringLiteral("templates"));
        checkBackground(QStringLiteral("templates"));
        auto* navigation = qobject_cast<NavigationController*>(tabs->viewControllerAt(1));
        QVERIFY(navigation);
        auto* list = qobject_cast<TemplatesTableViewController*>(navigation->viewControllers().first());
        TableViewCell* cell = list->templatesTable->cellForRowAtIndexPath({0, 0});
        QVERIFY(cell);
        QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(30, cell->height() / 2));
        QVERIFY(navigation->viewControllers().size() == 2);
        QTest::qWait(700); // the push slides in
        check(layout.window, QStringLiteral("template editor"));
        checkBackground(QStringLiteral("template editor"));
        tabs->setSelectedIndex(2);
        check(layout.window, QStringLiteral("map"));
        tabs->setSelectedIndex(3);
        check(layout.window, QStringLiteral("about"));
        checkBackground(QStringLiteral("about"));

        MessageComposeViewController sms;
        sms.setRecipients({QStringLiteral("+420 603 123 456")});
        sms.setBody(QStringLiteral("I am at N 50° 05.250 E 14° 25.279, Staré Město"));
        sms.show();
        check(&sms, QStringLiteral("SMS composer"));
        MailComposeViewController mail;
        mail.setToRecipients({QStringLiteral("jana@example.org")});
        mail.setMessageBody(QStringLiteral("I am here"), false);
        mail.show();
        check(&mail, QStringLiteral("mail composer"));
        Person jana;
        jana.formattedName = QStringLiteral("Jana Nováková");
        jana.phoneNumbers = {QStringLiteral("+420 603 123 456")};
        PeoplePickerNavigationController picker({jana});
        picker.show();
        check(&picker, QStringLiteral("contact picker"));

        QVERIFY2(checked > 40, qPrintable(QString::number(checked)));
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
    }

    // Black and gray in the theme's own words: a dark desktop gets light text for "ready".
    void sendReadinessFollowsTheTheme_data() { everyTextStandsOut_data(); }
    void sendReadinessFollowsTheTheme()
    {
        QFETCH(bool, dark);
        const QPalette theme = dark ? DesktopColorScheme::darkPalette() : light_;
        QApplication::setPalette(theme);
        Launched running;
        const MainLayout& layout = running.layout;
        auto* report = qobject_cast<QuorvelFirstViewController*>(layout.rootViewController->viewControllerAt(0));
        for (bool ready : {false, true}) {
            report->phoneNumber->setText(ready ? QStringLiteral("+420 603 123 456") : QString());
            report->textFieldShouldEndEditing(report->phoneNumber);
            QCoreApplication::processEvents();
            const QImage picture = layout.window->grab().toImage();
            const QRect area(report->SMSLabel->mapTo(layout.window, QPoint(0, 0)), report->SMSLabel->size());
            QRgb bg = 0;
            const double ratio = measuredContrast(picture, area, &bg);
            const QColor expected = theme.color(ready ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
            QCOMPARE(report->SMSLabel->palette().color(QPalette::WindowText), expected);
            // Drawn in that colour, not overridden by the style sheet.
            QVERIFY2(std::abs(ratio - contrast(bg, expected.rgb())) < 0.6,
                     qPrintable(QStringLiteral("%1 vs %2").arg(ratio).arg(contrast(bg, expected.rgb()))));
            if (ready)
                QVERIFY(ratio >= 4.5);
        }
        // The desktop switches while the label shows: it takes the new theme's colour.
        const QPalette other = dark ? light_ : DesktopColorScheme::darkPalette();
        QApplication::setPalette(other);
        QCoreApplication::processEvents();
        QCOMPARE(report->SMSLabel->palette().color(QPalette::WindowText), other.color(QPalette::Active, QPalette::WindowText));
    }

    // A desktop that turns dark while we run: the screens follow without a restart.
    void paletteChangeWhileRunning()
    {
        QApplication::setPalette(light_);
        Launched running;
        const MainLayout& layout = running.layout;
        QCoreApplication::processEvents();
        const QRgb before = layout.window->grab().toImage().pixel(2, layout.window->height() / 2);
        QApplication::setPalette(DesktopColorScheme::darkPalette());
        QCoreApplication::processEvents();
        const QRgb after = layout.window->grab().toImage().pixel(2, layout.window->height() / 2);
        QCOMPARE(QColor(before).name(), light_.color(QPalette::Window).name());
        QCOMPARE(QColor(after).name(), DesktopColorScheme::darkPalette().color(QPalette::Window).name());
    }

private:
    QPalette light_;
};

QTEST_MAIN(tst_Theme)
#include "tst_theme.moc"

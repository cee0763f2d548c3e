// The template editor: what a save writes, what "use" asks of the report screen, and the
// keyboard and rotation rules.

#include "controls/ColoredButtonGreen.h"
#include "platform/foundation/UserDefaults.h"
#include "support/TestSupport.h"
#include "templates/MessageDetailViewController.h"
#include "templates/MessageUtils.h"
#include "templates/SettingsKeys.h"
#include "templates/TemplatesTableViewController.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>

namespace {

const QStringList kThree{QStringLiteral("alpha []"), QStringLiteral("beta {}"), QStringLiteral("gamma")};
const QString kGoToTemplates = QStringLiteral("goToTemplates");

constexpr auto store = &storeTemplates;

// What a second reader of the store file finds.
QStringList storedTemplates()
{
    UserDefaults second(UserDefaults::standardUserDefaults().path());
    return second.stringArrayForKey(SettingsKeys::TemplatesArray).value_or(QStringList{QStringLiteral("<absent>")});
}

qint64 storedIndex()
{
    UserDefaults second(UserDefaults::standardUserDefaults().path());
    return second.integerForKey(SettingsKeys::SelectedTemplate);
}

// An editor as the list screen leaves it, loaded and shown; the user types `typed`.
struct Editor {
    MessageDetailViewController screen;
    Editor(std::optional<QString> flag, std::optional<QString> text)
    {
        screen.editingMessage = std::move(flag);
        screen.messageText = std::move(text);
        screen.resize(360, 560);
        screen.beginAppearanceTransition(true, false);
        screen.show();
        screen.endAppearanceTransition();
    }
    void type(const QString& text) { screen.messageTemplate->setText(text); }
    void save() { screen.prepareForSegue(StoryboardSegue{kGoToTemplates, &screen, nullptr}); }
};

} // namespace

class TestMessageDetailViewController : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    void loadsWithTextsAndBorder()
    {
        LogCapture log;
        Editor e(QStringLiteral("YES"), QStringLiteral("beta {}"));
        QCOMPARE(log.lines().value(0), QStringLiteral("DETAIL VC viewDidLoad"));
        QVERIFY(log.contains(QStringLiteral("message text: beta {}")));
        QCOMPARE(e.screen.navigationItem()->title(), QStringLiteral("MESSAGE_DETAIL_NAVBAR_TITLE"));
        QCOMPARE(e.screen.useButton->text(), QStringLiteral("USEBUTTON"));
        QCOMPARE(e.screen.saveButton->text(), QStringLiteral("SAVEBUTTON"));
        QCOMPARE(e.screen.help1Text->text(), QStringLiteral("HELP1"));
        QCOMPARE(e.screen.help2Text->text(), QStringLiteral("HELP2"));
        QCOMPARE(e.screen.messageTemplate->text(), QStringLiteral("beta {}"));
        QVERIFY(e.screen.messageTemplate->styleSheet().contains(QStringLiteral("border: 2px solid #808080")));
        QVERIFY(e.screen.messageTemplate->styleSheet().contains(QStringLiteral("border-radius: 8px")));
    }

    void newTemplateShowsEmptyText()
    {
        LogCapture log;
        Editor e(QStringLiteral("NO"), std::nullopt);
        QVERIFY(log.contains(QStringLiteral("message text: (null)")));
        QCOMPARE(e.screen.messageTemplate->text(), QString());
    }

    void save_data()
    {
        QTest::addColumn<std::optional<QStringList>>("before");
        QTest::addColumn<qint64>("selected");
        QTest::addColumn<std::optional<QString>>("flag");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<qint64>("selectedAfter");
        QTest::addColumn<QStringList>("logged");
        const QString t = QStringLiteral("typed");
        QTest::newRow("edit row 1 of three")
            << std::optional(kThree) << qint64(1) << std::optional(QStringLiteral("YES"))
            << QStringList{kThree[0], t, kThree[2]} << qint64(1)
            << QStringList{QStringLiteral("DETAIL goToTemplates segue"), QStringLiteral("edited: YES"), QStringLiteral("editing message")};
        QTest::newRow("add to three")
            << std::optional(kThree) << qint64(0) << std::optional(QStringLiteral("NO")) << (kThree + QStringList{t})
            << qint64(3) << QStringList{QStringLiteral("edited: NO"), QStringLiteral("adding new template at index: 3")};
        QTest::newRow("add with the flag never set")
            << std::optional(kThree) << qint64(2) << std::optional<QString>() << (kThree + QStringList{t}) << qint64(3)
            << QStringList{QStringLiteral("edited: (null)"), QStringLiteral("adding new template at index: 3")};
        QTest::newRow("add to an empty list brings the defaults back")
            << std::optional(QStringList()) << qint64(0) << std::optional(QStringLiteral("NO"))
            << (MessageUtils::defaultTemplates() + QStringList{t}) << qint64(3)
            << QStringList{QStringLiteral("adding new template at index: 3")};
        QTest::newRow("edit with the list absent")
            << std::optional<QStringList>() << qint64(2) << std::optional(QStringLiteral("YES"))
            << QStringList{MessageUtils::defaultTemplates()[0], MessageUtils::defaultTemplates()[1], t} << qint64(2)
            << QStringList{QStringLiteral("editing message")};
        // The edited template is no longer where it was: the text is kept as a new one.
        QTest::newRow("edit with the index past the end")
            << std::optional(kThree) << qint64(7) << std::optional(QStringLiteral("YES")) << (kThree + QStringList{t})
            << qint64(3) << QStringList{QStringLiteral("editing message"), QStringLiteral("adding new template at index: 3")};
        QTest::newRow("edit with a negative index")
            << std::optional(kThree) << qint64(-1) << std::optional(QStringLiteral("YES")) << (kThree + QStringList{t})
            << qint64(3) << QStringList{QStringLiteral("adding new template at index: 3")};
    }
    void save()
    {
        QFETCH(std::optional<QStringList>, before);
        QFETCH(qint64, selected);
        QFETCH(std::optional<QString>, flag);
        QFETCH(QStringList, after);
        QFETCH(qint64, selectedAfter);
        QFETCH(QStringList, logged);
        store(before, selected);
        Editor e(flag, flag == QStringLiteral("YES") ? std::optional(QStringLiteral("old")) : std::nullopt);
        e.type(QStringLiteral("typed"));
        LogCapture log;
        e.save();
        QCOMPARE(storedTemplates(), after);
        QCOMPARE(storedIndex(), selectedAfter);
        qsizetype at = 0;
        for (const QString& line : logged) {
            at = log.indexOf(line, at);
            QVERIFY2(at >= 0, qPrintable(line));
        }
        QCOMPARE(e.screen.templates, after);
    }

    void savesTextUnaltered_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("markers only") << QStringLiteral("[]{}[{]}");
        QTest::newRow("every line terminator")
            << QStringLiteral("lf\ncr\rcrlf\r\nvt\vff\fnel\u0085ls\u2028ps\u2029end");
        QTest::newRow("terminators only") << QStringLiteral("\r\n\n\r\u2029\u2028\r");
        QTest::newRow("trailing terminator") << QStringLiteral("line\r\n");
        QTest::newRow("non-breaking and odd spaces") << QStringLiteral("a\u00a0b\tc\u200bd  ");
        QTest::newRow("100 KB in lines") << QStringLiteral("[] a line of a long template {}\r\n").repeated(3200);
    }
    void savesTextUnaltered()
    {
        QFETCH(QString, text);
        store(kThree, 1);
        Editor e(QStringLiteral("YES"), text);
        QCOMPARE(e.screen.messageTemplate->text(), text);
        e.save();
        QCOMPARE(storedTemplates().value(1), text);
        // Unchanged text saves the list unchanged around it.
        QCOMPARE(storedTemplates().value(0), kThree[0]);
    }

    void savingUnchangedTemplateRewritesSameList()
    {
        store(kThree, 2);
        Editor e(QStringLiteral("YES"), kThree[2]);
        // Something else stands on disk before the save, so only a save that really writes
        // the list finds it stored.
        UserDefaults other(UserDefaults::standardUserDefaults().path());
        other.setStringArray({QStringLiteral("written elsewhere")}, SettingsKeys::TemplatesArray);
        QVERIFY(other.synchronize());
        e.save();
        QCOMPARE(storedTemplates(), kThree);
        QCOMPARE(storedIndex(), 2);
    }

    void otherSeguesSaveNothing()
    {
        store(kThree, 0);
        Editor e(QStringLiteral("YES"), QStringLiteral("x"));
        e.type(QStringLiteral("changed"));
        LogCapture log;
        e.screen.prepareForSegue(StoryboardSegue{QStringLiteral("showTemplateDetails"), &e.screen, nullptr});
        QVERIFY(log.lines().isEmpty());
        QCOMPARE(storedTemplates(), kThree);
    }

    void typingIntoLongTemplate()
    {
        // 100 KB in one line, edited at the end: every keystroke lands and the text stays whole.
        store(kThree, 0);
        const QString big(100 * 1024, QLatin1Char('y'));
        Editor e(QStringLiteral("YES"), big);
        e.screen.messageTemplate->setFocus();
        e.screen.messageTemplate->moveCursor(QTextCursor::End);
        QTest::keyClicks(e.screen.messageTemplate, QStringLiteral("abc"));
        QCOMPARE(e.screen.messageTemplate->text(), big + QStringLiteral("abc"));
        e.save();
        QCOMPARE(storedTemplates().value(0), big + QStringLiteral("abc"));
    }

    void placeholderButtonsInsertAtTheCursor_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("expected");
        QTest::newRow("coordinates") << "insertCoordinatesButton" << "At [] now";
        QTest::newRow("locality") << "insertLocalityButton" << "At {} now";
        QTest::newRow("link") << "insertLinkButton" << "At <> now";
    }
    void placeholderButtonsInsertAtTheCursor()
    {
        QFETCH(QString, button);
        QFETCH(QString, expected);
        Editor e(QStringLiteral("NO"), QStringLiteral("At  now"));
        QTextCursor c = e.screen.messageTemplate->textCursor();
        c.setPosition(3);
        e.screen.messageTemplate->setTextCursor(c);
        auto* b = e.screen.findChild<QPushButton*>(button);
        QVERIFY(b);
        QVERIFY(!b->text().isEmpty() && !b->accessibleName().isEmpty());
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(e.screen.messageTemplate->text(), expected);
        // Typing goes on after it.
        QVERIFY(e.screen.messageTemplate->hasFocus() || !e.screen.isActiveWindow());
        QCOMPARE(e.screen.messageTemplate->textCursor().position(), 5);
    }

    void touchesOutsideCloseKeyboard_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("keepsKeyboard");
        QTest::newRow("inside the text view") << "messageTemplate" << true;
        QTest::newRow("on a help text") << "help1Text" << false;
        QTest::newRow("on the screen's background") << "view" << false;
    }
    void touchesOutsideCloseKeyboard()
    {
        QFETCH(QString, target);
        QFETCH(bool, keepsKeyboard);
        Editor e(QStringLiteral("NO"), std::nullopt);
        QApplication::setActiveWindow(&e.screen);
        QVERIFY(QTest::qWaitForWindowActive(&e.screen));
        e.screen.messageTemplate->becomeFirstResponder();
        QVERIFY(e.screen.messageTemplate->isFirstResponder());
        QWidget* widget = target == QLatin1String("messageTemplate") ? e.screen.messageTemplate->viewport()
                          : target == QLatin1String("help1Text")     ? e.screen.help1Text->viewport()
                                                                     : e.screen.view();
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(e.screen.messageTemplate->isFirstResponder(), keepsKeyboard);
    }

    void portraitOnly()
    {
        MessageDetailViewController screen;
        QVERIFY(screen.shouldAutorotateToInterfaceOrientation(InterfaceOrientation::Portrait));
        QVERIFY(!screen.shouldAutorotateToInterfaceOrientation(InterfaceOrientation::PortraitUpsideDown));
        QVERIFY(!screen.shouldAutorotateToInterfaceOrientation(InterfaceOrientation::LandscapeLeft));
        QVERIFY(!screen.shouldAutorotateToInterfaceOrientation(InterfaceOrientation::LandscapeRight));
    }

    void unloadReleasesOutlets()
    {
        Editor e(QStringLiteral("NO"), std::nullopt);
        e.screen.beginAppearanceTransition(false, false);
        e.screen.endAppearanceTransition();
        e.screen.didReceiveMemoryWarning();
        QVERIFY(!e.screen.messageTemplate && !e.screen.useButton && !e.screen.saveButton && !e.screen.help1Text
                && !e.screen.help2Text);
    }

    void greenButtons()
    {
        Editor e(QStringLiteral("NO"), std::nullopt);
        QCOMPARE(e.screen.useButton->buttonImageName(), QStringLiteral("green"));
        QCOMPARE(e.screen.saveButton->setupCount(), 1);
        QVERIFY(!e.screen.useButton->accessibleName().isEmpty());
    }
};

QTEST_MAIN(TestMessageDetailViewController)
#include "tst_messagedetailviewcontroller.moc"

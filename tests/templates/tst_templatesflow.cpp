// The whole way through the real main layout: pick a template in the list, edit it, save
// it, use it, and find it in the report screen's message, filled at the next position.

#include "app/QuorvelAppDelegate.h"
#include "controls/ColoredButtonGreen.h"
#include "controls/TemplatesTableViewCell.h"
#include "platform/lifecycle/Application.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/ui/NavigationBar.h"
#include "platform/ui/TabBarController.h"
#include "platform/foundation/UserDefaults.h"
#include "report/QuorvelFirstViewController.h"
#include "support/MainWindowApp.h"
#include "support/TestSupport.h"
#include "templates/MessageDetailViewController.h"
#include "templates/SettingsKeys.h"
#include "templates/TemplatesTableViewController.h"

#include <QDir>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>
#include <memory>

namespace {

const QStringList kFive{QStringLiteral("I am at [] near {}."), QStringLiteral("Please pick me up here: [] ({})."),
                        QStringLiteral("Meet me at the station"), QStringLiteral("I need help! My position is [], near {}."),
                        QStringLiteral("Running late, I am at []")};

struct Running : MainWindowApp {
    TabBarController* tabs = nullptr;

    Running()
    {
        app.launch();
        tabs = app.rootViewController();
    }
    QuorvelFirstViewController* report() const { return qobject_cast<QuorvelFirstViewController*>(tabs->viewControllerAt(0)); }
    NavigationController* navigation() const { return qobject_cast<NavigationController*>(tabs->viewControllerAt(1)); }
    TemplatesTableViewController* list() const
    {
        return qobject_cast<TemplatesTableViewController*>(navigation()->viewControllers().first());
    }
    MessageDetailViewController* editor() const
    {
        return qobject_cast<MessageDetailViewController*>(navigation()->topViewController());
    }
    void clickRow(int row) const
    {
        TableViewCell* cell = list()->templatesTable->cellForRowAtIndexPath({0, row});
        QVERIFY(cell);
        QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(30, cell->height() / 2));
    }
};

void store(const QStringList& templates, qint64 selected)
{
    resetStandardStore();
    UserDefaults& d = UserDefaults::standardUserDefaults();
    d.setStringArray(templates, SettingsKeys::TemplatesArray);
    d.setInteger(selected, SettingsKeys::SelectedTemplate);
    d.synchronize();
}

} // namespace

class TestTemplatesFlow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    void editSaveUseReachesReportScreen()
    {
        store(kFive, 0);
        Running r;
        QVERIFY(QTest::qWaitForWindowExposed(r.delegate.window()));
        r.tabs->setSelectedIndex(1);
        QCOMPARE(r.list()->templatesTable->numberOfRowsInSection(0), 5);

        r.clickRow(2);
        QCOMPARE(UserDefaults::standardUserDefaults().integerForKey(SettingsKeys::SelectedTemplate), 2);
        MessageDetailViewController* editor = r.editor();
        QVERIFY(editor);
        QCOMPARE(editor->messageTemplate->text(), kFive[2]);

        // The user rewrites the text and saves.
        const QString edited = QStringLiteral("Meet me at [] by {} now");
        editor->messageTemplate->setFocus();
        editor->messageTemplate->selectAll();
        QTest::keyClicks(editor->messageTemplate, edited);
        QCOMPARE(editor->messageTemplate->text(), edited);
        QTest::mouseClick(editor->saveButton, Qt::LeftButton);
        QCOMPARE(r.navigation()->topViewController(), r.list());
        QStringList expected = kFive;
        expected[2] = edited;
        QCOMPARE(UserDefaults(UserDefaults::standardUserDefaults().path()).stringArrayForKey(SettingsKeys::TemplatesArray),
                 std::optional(expected));
        // The list shows the saved text at once, with its row highlighted.
        auto* cell = qobject_cast<TemplatesTableViewCell*>(r.list()->templatesTable->cellForRowAtIndexPath({0, 2}));
        QCOMPARE(cell->messageLabel->text(), edited);
        QCOMPARE(r.list()->templatesTable->indexPathForSelectedRow().value_or(IndexPath{0, -1}).row, 2);

        // Open it again and use it.
        r.clickRow(2);
        QVERIFY(r.editor() && r.editor() != static_cast<ViewController*>(r.list()));
        LogCapture log;
        QTest::mouseClick(r.editor()->useButton, Qt::LeftButton);
        QVERIFY(log.contains(QStringLiteral("setting message type to: selected")));
        QCOMPARE(r.tabs->selectedIndex(), 0);
        QCOMPARE(r.navigation()->viewControllers().size(), 1);
        QuorvelFirstViewController* report = r.report();
        QCOMPARE(report->Message->text(), edited);
        QCOMPARE(UserDefaults::standardUserDefaults().stringForKey(SettingsKeys::Last), std::optional(QStringLiteral("current")));

        // The next position update fills the placeholders.
        report->updateMessageTextWithCoordinates(QStringList{QStringLiteral("N 50° 05.123"), QStringLiteral("E 014° 25.456")},
                                                 QStringLiteral("Praha"));
        QCOMPARE(report->Message->text(), QStringLiteral("Meet me at [N 50° 05.123 E 014° 25.456] by {Praha} now"));
    }

    void addedTemplateBecomesSelected()
    {
        store(kFive, 1);
        Running r;
        r.tabs->setSelectedIndex(1);
        QTest::mouseClick(r.list()->navigationItem()->rightBarButtonItem(), Qt::LeftButton);
        QVERIFY(r.editor());
        QTest::keyClicks(r.editor()->messageTemplate, QStringLiteral("New one []"));
        QTest::mouseClick(r.editor()->saveButton, Qt::LeftButton);
        QCOMPARE(r.list()->templatesTable->numberOfRowsInSection(0), 6);
        QCOMPARE(r.list()->templatesTable->indexPathForSelectedRow().value_or(IndexPath{0, -1}).row, 5);
        r.tabs->setSelectedIndex(0);
        // Only "use" changes the report screen's message; a save alone does not.
        QVERIFY(r.report()->Message->text() != QStringLiteral("New one []"));
    }

    void backControlSavesNothing()
    {
        store(kFive, 0);
        Running r;
        r.tabs->setSelectedIndex(1);
        r.clickRow(3);
        QTest::keyClicks(r.editor()->messageTemplate, QStringLiteral(" changed"));
        QPushButton* back = r.navigation()->navigationBar()->backButton();
        QVERIFY(back->isVisible());
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(r.navigation()->viewControllers().size(), 1);
        QCOMPARE(UserDefaults::standardUserDefaults().stringArrayForKey(SettingsKeys::TemplatesArray), std::optional(kFive));
        QVERIFY(!back->isVisible());
    }

    void emptyListKeepsReportText()
    {
        store(QStringList{QStringLiteral("last one")}, 0);
        Running r;
        const QString before = r.report()->Message->text();
        r.tabs->setSelectedIndex(1);
        r.list()->templatesTable->commitDeleteRow(0);
        QCOMPARE(r.list()->templatesTable->numberOfRowsInSection(0), 0);
        r.tabs->setSelectedIndex(0);
        QCOMPARE(r.report()->Message->text(), before);
        r.tabs->setSelectedIndex(1);
        QCOMPARE(r.list()->templatesTable->numberOfRowsInSection(0), 0);
    }

    // Saving leads to a fresh list screen: its own selected index starts at 0, so a deletion
    // right after the save stores 0, whichever row the old list screen had tapped.
    void saveLeadsToAFreshListScreen()
    {
        store(kFive, 0);
        Running r;
        r.tabs->setSelectedIndex(1);
        QPointer<TemplatesTableViewController> before = r.list();
        r.clickRow(3);
        QCOMPARE(before->selectedMessageTemplateIndex, 3u);
        QTest::mouseClick(r.editor()->saveButton, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!before);
        QCOMPARE(r.navigation()->viewControllers().size(), 1);
        QCOMPARE(r.list()->selectedMessageTemplateIndex, 0u);
        QVERIFY(r.list()->isViewLoaded());
        QVERIFY(!r.navigation()->navigationBar()->backButton()->isVisible());
        // The stored selection is still highlighted.
        QCOMPARE(r.list()->templatesTable->indexPathForSelectedRow().value_or(IndexPath{0, -1}).row, 3);
        r.list()->templatesTable->commitDeleteRow(4);
        QCOMPARE(UserDefaults(UserDefaults::standardUserDefaults().path()).integerForKey(SettingsKeys::SelectedTemplate), 0);
        // Saving again and again does not stack list screens.
        for (int i = 0; i < 3; ++i) {
            r.clickRow(0);
            QTest::mouseClick(r.editor()->saveButton, Qt::LeftButton);
        }
        QCOMPARE(r.navigation()->viewControllers().size(), 1);
    }

    // Holding Delete on the list, then pressing Return: one template goes, not the list.
    void heldDeleteKeyRemovesOneTemplate()
    {
        store(kFive, 1);
        Running r;
        r.tabs->setSelectedIndex(1);
        TableView* table = r.list()->templatesTable;
        table->setFocus();
        QCOMPARE(table->indexPathForSelectedRow().value_or(IndexPath{0, -1}).row, 1);
        QTest::keyPress(table, Qt::Key_Delete);
        for (int i = 0; i < 50; ++i) {
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(), true);
            QCoreApplication::sendEvent(table, &repeat);
        }
        QTest::keyRelease(table, Qt::Key_Delete);
        QCOMPARE(UserDefaults(UserDefaults::standardUserDefaults().path()).stringArrayForKey(SettingsKeys::TemplatesArray),
                 std::optional(kFive));
        QTest::keyClick(table, Qt::Key_Return);
        QStringList expected = kFive;
        expected.removeAt(1);
        QCOMPARE(UserDefaults(UserDefaults::standardUserDefaults().path()).stringArrayForKey(SettingsKeys::TemplatesArray),
                 std::optional(expected));
        QCOMPARE(table->numberOfRowsInSection(0), 4);
    }

    // Pictures for the documentation, written when QUORVEL_SCREENSHOTS names a folder.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("QUORVEL_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("QUORVEL_SCREENSHOTS not set");
        QDir().mkpath(folder);
        // QUORVEL_SCREENSHOT_LANGUAGE=de: the list in that language, with its default templates.
        const QString language = qEnvironmentVariable("QUORVEL_SCREENSHOT_LANGUAGE", QStringLiteral("en"));
        QVERIFY(StringTable::load(language));
        QStringList templates = kFive;
        templates.append(QStringLiteral("A very long template that goes on and on: ").repeated(200));
        if (language != QLatin1String("en"))
            templates = {localizedText("MessageDefaultTemplate1"), localizedText("MessageDefaultTemplate2"),
                         localizedText("MessageDefaultTemplate3")};
        store(templates, 2);
        Running r;
        QVERIFY(QTest::qWaitForWindowExposed(r.delegate.window()));
        r.tabs->setSelectedIndex(1);
        QTest::qWait(400);
        QVERIFY(r.delegate.window()->grab().save(folder + QStringLiteral("/templates-list.png")));
        if (language != QLatin1String("en")) {
            StringTable::load(QString());
            return;
        }

        TableViewCell* cell = r.list()->templatesTable->cellForRowAtIndexPath({0, 4});
        QTest::mousePress(cell, Qt::LeftButton, {}, QPoint(30, 10));
        QTest::qWait(50);
        QVERIFY(r.delegate.window()->grab().save(folder + QStringLiteral("/templates-highlighted.png")));
        QTest::mouseRelease(cell, Qt::LeftButton, {}, QPoint(30, 10));
        QTest::qWait(400);
        QVERIFY(r.editor());
        QVERIFY(r.delegate.window()->grab().save(folder + QStringLiteral("/template-editor.png")));

        // Back in the list, Delete on the selected row asks first.
        r.navigation()->popViewControllerAnimated(false);
        QTest::qWait(400);
        r.list()->templatesTable->setFocus();
        QTest::keyClick(r.list()->templatesTable, Qt::Key_Delete);
        QTest::qWait(100);
        QVERIFY(r.list()->templatesTable->cellForRowAtIndexPath({0, 4})->showsDeleteConfirmation());
        QVERIFY(r.delegate.window()->grab().save(folder + QStringLiteral("/templates-delete-asked.png")));
        StringTable::load(QString());
    }
};

QTEST_MAIN(TestTemplatesFlow)
#include "tst_templatesflow.moc"

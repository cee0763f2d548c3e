// The template list screen: what it shows, what a tap and a deletion store, and what it
// hands to the editor.

#include "controls/TemplatesTableViewCell.h"
#include "platform/ui/NavigationBar.h"
#include "platform/foundation/UserDefaults.h"
#include "support/TestSupport.h"
#include "templates/MessageDetailViewController.h"
#include "templates/SettingsKeys.h"
#include "templates/TemplatesTableViewController.h"

#include <QApplication>
#include <QTest>
#include <memory>

namespace {

const QStringList kFive{QStringLiteral("zero"), QStringLiteral("one [] {}"), QStringLiteral("two"),
                        QStringLiteral("three"), QStringLiteral("four")};

constexpr auto store = &storeTemplates;

// The templates tab on its own, shown.
struct Tab {
    std::unique_ptr<NavigationController> navigation{TemplatesTableViewController::makeNavigationStack()};
    TemplatesTableViewController* list = nullptr;

    Tab()
    {
        list = qobject_cast<TemplatesTableViewController*>(navigation->viewControllers().first());
        navigation->resize(360, 600);
        navigation->beginAppearanceTransition(true, false);
        navigation->show();
        navigation->endAppearanceTransition();
        QVERIFY(QTest::qWaitForWindowExposed(navigation.get()));
    }
    void reappear()
    {
        navigation->beginAppearanceTransition(false, false);
        navigation->endAppearanceTransition();
        navigation->beginAppearanceTransition(true, false);
        navigation->endAppearanceTransition();
    }
    TableView* table() const { return list->templatesTable; }
    QString rowText(int row) const
    {
        auto* cell = qobject_cast<TemplatesTableViewCell*>(table()->cellForRowAtIndexPath({0, row}));
        return cell ? cell->messageLabel->text() : QStringLiteral("<no cell>");
    }
    MessageDetailViewController* editor() const
    {
        return qobject_cast<MessageDetailViewController*>(navigation->topViewController());
    }
};

qint64 storedIndex()
{
    return UserDefaults::standardUserDefaults().integerForKey(SettingsKeys::SelectedTemplate);
}

} // namespace

class TestTemplatesTableViewController : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    void showsStoredListAndHighlightsSelectedRow()
    {
        store(kFive, 2);
        LogCapture log;
        Tab tab;
        QCOMPARE(tab.table()->numberOfRowsInSection(0), 5);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(tab.rowText(i), kFive.at(i));
        QVERIFY(log.contains(QStringLiteral("highlighted row: 2")));
        QCOMPARE(tab.table()->indexPathForSelectedRow().value_or(IndexPath{0, -1}).row, 2);
        // Only the highlighted row looks selected, although every cell was marked.
        for (int i = 0; i < 5; ++i)
            QCOMPARE(tab.table()->cellForRowAtIndexPath({0, i})->isSelected(), i == 2);
        // The screen's own index is not taken from the store.
        QCOMPARE(tab.list->selectedMessageTemplateIndex, 0u);
    }

    void logsItsLifeInOrder()
    {
        store(kFive, 0);
        LogCapture log;
        Tab tab;
        const QStringList expected{QStringLiteral("TempTabVC: viewDidLoad"), QStringLiteral("TempTabVC: viewWillAppear"),
                                   QStringLiteral("TTVC loadSettings: templ_arr_key"),
                                   QStringLiteral("TempTabVC: viewDidAppear"), QStringLiteral("highlighted row: 0")};
        qsizetype at = 0;
        for (const QString& line : expected) {
            at = log.indexOf(line, at);
            QVERIFY2(at >= 0, qPrintable(line));
        }
        QVERIFY(log.lines().contains(QStringLiteral("templates: ") + describeList(kFive)));
        QCOMPARE(tab.navigation->navigationBar()->title(), QStringLiteral("TEMPLATES_NAVBAR_TITLE"));
        QVERIFY(tab.list->navigationItem()->hidesBackButton());
        QVERIFY(!tab.navigation->navigationBar()->backButton()->isVisible());
        log.clear();
        tab.navigation->beginAppearanceTransition(false, false);
        tab.navigation->endAppearanceTransition();
        QCOMPARE(log.lines(), (QStringList{QStringLiteral("TempTabVC: viewWillDisappear"),
                                           QStringLiteral("TempTabVC: viewDidDisappear")}));
    }

    void absentListIsCreatedFromDefaults()
    {
        store(std::nullopt, std::nullopt);
        LogCapture log;
        Tab tab;
        QVERIFY(log.contains(QStringLiteral("TTVC loadSettings: loadMessageTemplates")));
        QCOMPARE(tab.table()->numberOfRowsInSection(0), 3);
        QCOMPARE(UserDefaults::standardUserDefaults().stringArrayForKey(SettingsKeys::TemplatesArray)->size(), 3);
    }

    void tapStoresRowAtOnce()
    {
        store(kFive, 0);
        Tab tab;
        LogCapture log;
        tab.table()->tapRow(3);
        QCOMPARE(storedIndex(), 3);
        UserDefaults second(UserDefaults::standardUserDefaults().path());
        QCOMPARE(second.integerForKey(SettingsKeys::SelectedTemplate), 3); // flushed
        QVERIFY(log.contains(QStringLiteral("TABLE index of selected template: 3")));
        QCOMPARE(tab.list->selectedMessageTemplateIndex, 3u);
        QVERIFY(!tab.list->clearsSelectionOnViewWillAppear());
    }

    void deletionLowersTheSelectedIndex_data()
    {
        QTest::addColumn<qint64>("storedBefore");
        QTest::addColumn<int>("tapped"); // -1: no tap on this screen
        QTest::addColumn<int>("deleted");
        QTest::addColumn<qint64>("storedAfter");
        QTest::newRow("row after the selected one") << qint64(0) << 2 << 4 << qint64(1);
        QTest::newRow("row before the selected one") << qint64(0) << 2 << 0 << qint64(1);
        QTest::newRow("the selected row itself") << qint64(0) << 2 << 2 << qint64(1);
        QTest::newRow("the first row while it is selected") << qint64(0) << 0 << 0 << qint64(0);
        QTest::newRow("fresh screen stores 0") << qint64(3) << -1 << 1 << qint64(0);
        QTest::newRow("last row selected, first deleted") << qint64(0) << 4 << 0 << qint64(3);
    }
    void deletionLowersTheSelectedIndex()
    {
        QFETCH(qint64, storedBefore);
        QFETCH(int, tapped);
        QFETCH(int, deleted);
        QFETCH(qint64, storedAfter);
        store(kFive, storedBefore);
        Tab tab;
        if (tapped >= 0) {
            tab.table()->tapRow(tapped);
            tab.navigation->popViewControllerAnimated(false); // back from the editor the tap opened
        }
        LogCapture log;
        tab.table()->commitDeleteRow(deleted);
        QVERIFY(log.contains(QStringLiteral("deleting record from templates at index %1...").arg(deleted)));
        UserDefaults second(UserDefaults::standardUserDefaults().path());
        QStringList expected = kFive;
        expected.removeAt(deleted);
        QCOMPARE(second.stringArrayForKey(SettingsKeys::TemplatesArray).value_or(QStringList()), expected);
        QCOMPARE(second.integerForKey(SettingsKeys::SelectedTemplate), storedAfter);
        QCOMPARE(tab.table()->numberOfRowsInSection(0), 4);
    }

    void deletingEveryTemplateLeavesUsableEmptyList()
    {
        store(QStringList{QStringLiteral("only")}, 0);
        Tab tab;
        tab.table()->commitDeleteRow(0);
        UserDefaults second(UserDefaults::standardUserDefaults().path());
        QCOMPARE(second.stringArrayForKey(SettingsKeys::TemplatesArray), std::optional<QStringList>(QStringList()));
        QCOMPARE(second.integerForKey(SettingsKeys::SelectedTemplate), 0);
        LogCapture log;
        tab.reappear();
        QCOMPARE(tab.table()->numberOfRowsInSection(0), 0);
        QVERIFY(log.contains(QStringLiteral("TTVC loadSettings: templ_arr_key")));
        QVERIFY(!log.contains(QStringLiteral("TTVC loadSettings: loadMessageTemplates")));
        QVERIFY(std::ranges::any_of(log.lines(), [](const QString& l) {
            return l.startsWith(QStringLiteral("Selecting row exception: "));
        }));
        // Still usable: keys on an empty table do nothing, and a template can be added.
        QTest::keyClick(tab.table(), Qt::Key_Down);
        QTest::keyClick(tab.table(), Qt::Key_Delete);
        QTest::keyClick(tab.table(), Qt::Key_Return);
        QCOMPARE(tab.navigation->viewControllers().size(), 1);
        tab.list->navigationItem()->rightBarButtonItem()->setFocus();
        QTest::mouseClick(tab.list->navigationItem()->rightBarButtonItem(), Qt::LeftButton);
        QVERIFY(tab.editor());
    }

    void badStoredIndexIsLoggedNotFatal_data()
    {
        QTest::addColumn<qint64>("selected");
        QTest::newRow("negative") << qint64(-1);
        QTest::newRow("one past the end") << qint64(5);
        QTest::newRow("huge") << (qint64(1) << 40);
    }
    void badStoredIndexIsLoggedNotFatal()
    {
        QFETCH(qint64, selected);
        store(kFive, selected);
        LogCapture log;
        Tab tab;
        QVERIFY(std::ranges::any_of(log.lines(), [](const QString& l) {
            return l.startsWith(QStringLiteral("Selecting row exception: "));
        }));
        QVERIFY(!tab.table()->indexPathForSelectedRow());
        QCOMPARE(tab.table()->numberOfRowsInSection(0), 5);
    }

    void opensEditor_data()
    {
        QTest::addColumn<bool>("newTemplate");
        QTest::newRow("new template") << true;
        QTest::newRow("tapped row") << false;
    }
    void opensEditor()
    {
        QFETCH(bool, newTemplate);
        store(kFive, 0);
        Tab tab;
        LogCapture log;
        if (newTemplate) {
            QWidget* add = tab.list->navigationItem()->rightBarButtonItem();
            QVERIFY(add);
            QTest::mouseClick(add, Qt::LeftButton);
        }
        else
            tab.table()->tapRow(1);
        MessageDetailViewController* editor = tab.editor();
        QVERIFY(editor);
        if (newTemplate) {
            QCOMPARE(editor->editingMessage, std::optional<QString>(QStringLiteral("NO")));
            QVERIFY(!editor->messageText);
            QVERIFY(log.contains(QStringLiteral("adding a new message")));
            QCOMPARE(editor->messageTemplate->text(), QString());
        } else {
            QCOMPARE(editor->editingMessage, std::optional<QString>(QStringLiteral("YES")));
            QCOMPARE(editor->messageText, std::optional<QString>(kFive.at(1)));
            QVERIFY(log.contains(QStringLiteral("editing message: one [] {}")));
            QCOMPARE(editor->messageTemplate->text(), kFive.at(1));
            // The tap was stored before the editor opened.
            QVERIFY(log.indexOf(QStringLiteral("TABLE index of selected template: 1"))
                    < log.indexOf(QStringLiteral("editing message: one [] {}")));
        }
        QVERIFY(tab.navigation->navigationBar()->backButton()->isVisible());
    }

    void otherSeguesAreIgnored()
    {
        store(kFive, 0);
        Tab tab;
        MessageDetailViewController editor;
        LogCapture log;
        tab.list->prepareForSegue(StoryboardSegue{QStringLiteral("somethingElse"), tab.list, &editor});
        QVERIFY(!editor.editingMessage);
        QVERIFY(log.lines().isEmpty());
    }

    void rotatesEveryWay()
    {
        TemplatesTableViewController list;
        for (auto o : {InterfaceOrientation::Portrait, InterfaceOrientation::PortraitUpsideDown,
                       InterfaceOrientation::LandscapeLeft, InterfaceOrientation::LandscapeRight})
            QVERIFY(list.shouldAutorotateToInterfaceOrientation(o));
    }

    void longTemplatesShowElided()
    {
        QStringList big{QString(100 * 1024, QLatin1Char('x')), QStringLiteral("short")};
        store(big, 1);
        Tab tab;
        auto* cell = qobject_cast<TemplatesTableViewCell*>(tab.table()->cellForRowAtIndexPath({0, 0}));
        QVERIFY(cell);
        QCOMPARE(cell->messageLabel->text().size(), 100 * 1024); // the whole text, drawn elided
        const QStringList lines = cell->messageLabel->displayedLines();
        QVERIFY(lines.size() <= cell->messageLabel->maximumLines());
        QVERIFY(lines.last().endsWith(QChar(0x2026)));
        QVERIFY(cell->height() < 120);
    }

    void unloadAndReload()
    {
        store(kFive, 1);
        Tab tab;
        tab.navigation->beginAppearanceTransition(false, false);
        tab.navigation->endAppearanceTransition();
        LogCapture log;
        tab.list->didReceiveMemoryWarning();
        QVERIFY(log.contains(QStringLiteral("TempTabVC: viewDidUnload")));
        QVERIFY(!tab.list->templatesTable);
        tab.navigation->beginAppearanceTransition(true, false);
        tab.navigation->endAppearanceTransition();
        QVERIFY(tab.list->templatesTable);
        QCOMPARE(tab.table()->numberOfRowsInSection(0), 5);
        QCOMPARE(tab.table()->indexPathForSelectedRow().value_or(IndexPath{0, -1}).row, 1);
    }
};

QTEST_MAIN(TestTemplatesTableViewController)
#include "tst_templatestableviewcontroller.moc"

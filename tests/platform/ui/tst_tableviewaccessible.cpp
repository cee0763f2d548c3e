// The table view as assistive technology sees it: a list of named items with the selected
// state, and the actions that select, open and delete a row.

#include "platform/foundation/LocalizedText.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewAccessible.h"
#include "support/TableRows.h"
#include "support/TestSupport.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// Rows named by their labels, as the application's rows are.
struct LabelledRows : Fixture {
    explicit LabelledRows(const QStringList& items) : Fixture(items, false) {}
    QAccessibleInterface* list() { return QAccessible::queryAccessibleInterface(&table); }
    QAccessibleInterface* item(int row) { return list()->child(row); }
};

} // namespace

class TestTableViewAccessible : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initTestEnvironment();
        QVERIFY(StringTable::load(QStringLiteral("en")));
    }

    void listHasOneNamedItemPerRow()
    {
        LabelledRows f({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
        QAccessibleInterface* list = f.list();
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), 3);
        for (int i = 0; i < 3; ++i) {
            QAccessibleInterface* item = f.item(i);
            QVERIFY(item);
            QCOMPARE(item->role(), QAccessible::ListItem);
            QCOMPARE(item->text(QAccessible::Name), f.rows.items.at(i));
            QCOMPARE(item->parent(), list);
            QCOMPARE(list->indexOfChild(item), i);
            // The row's label is its name, not a second thing to read.
            QCOMPARE(item->childCount(), 0);
        }
        QVERIFY(!list->child(3));
    }

    void itemNames_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        const QString longText = QStringLiteral("I am at [] near {}. ") + QString(100 * 1024, QLatin1Char('x'));
        QTest::newRow("plain") << "I am at [] near {}." << "I am at [] near {}.";
        QTest::newRow("only delimiters") << "[]{}[]{}[[]]{{}}" << "[]{}[]{}[[]]{{}}";
        QTest::newRow("100 KB is cut with an ellipsis")
            << longText << longText.left(TableViewCellAccessible::kNameLimit - 1) + QChar(0x2026);
        QTest::newRow("line breaks read as blanks") << "a\r\nb\u2028c\n\n  d" << "a b c d";
        QTest::newRow("empty row is called by its place") << "" << "Empty row 1";
        QTest::newRow("only blanks count as empty") << " \n\t " << "Empty row 1";
        // A cut through a surrogate pair would leave half a character on the bus.
        QTest::newRow("cut never splits a pair")
            << QString(TableViewCellAccessible::kNameLimit - 2, QLatin1Char('a')) + QStringLiteral("\U0001F600 and more")
            << QString(TableViewCellAccessible::kNameLimit - 2, QLatin1Char('a')) + QChar(0x2026);
    }
    void itemNames()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        LabelledRows f({text});
        const QString spoken = f.item(0)->text(QAccessible::Name);
        QCOMPARE(spoken, name);
        QVERIFY(QStringView(spoken).isValidUtf16());
    }

    void selectedAndFocusedStates()
    {
        LabelledRows f({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        f.table.selectRowAtIndexPath({0, 1}, false, TableViewScrollPosition::None);
        for (int i = 0; i < 3; ++i) {
            const QAccessible::State s = f.item(i)->state();
            QVERIFY(s.selectable);
            QVERIFY(s.focusable);
            QCOMPARE(bool(s.selected), i == 1);
            QVERIFY(!s.focused);
        }
        QVERIFY(!f.list()->focusChild());

        f.table.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.table));
        f.table.setFocus();
        QTRY_VERIFY(f.table.hasFocus());
        QVERIFY(f.item(1)->state().focused);
        QCOMPARE(f.list()->focusChild(), f.item(1));
        // The arrows move the focus with the selection.
        QTest::keyClick(&f.table, Qt::Key_Down);
        QVERIFY(f.item(2)->state().focused);
        QVERIFY(!f.item(1)->state().focused);
        QCOMPARE(f.list()->focusChild(), f.item(2));
    }

    void actions_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QList<int>>("told");
        QTest::addColumn<int>("tapped");
        QTest::addColumn<bool>("asksToDelete");
        // Select makes the row the chosen one, as a tap does, without opening it.
        QTest::newRow("select") << "select" << QList<int>{1} << 0 << false;
        QTest::newRow("open") << "open" << QList<int>{1} << 1 << false;
        // Delete only asks: the row's Delete button comes out, as for the Delete key.
        QTest::newRow("delete") << "delete" << QList<int>{} << 0 << true;
    }
    void actions()
    {
        QFETCH(QString, action);
        QFETCH(QList<int>, told);
        QFETCH(int, tapped);
        QFETCH(bool, asksToDelete);
        LabelledRows f({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        QSignalSpy taps(&f.table, &TableView::rowTapped);
        QAccessibleActionInterface* actions = f.item(1)->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames(), (QStringList{QStringLiteral("select"), QStringLiteral("open"), QStringLiteral("delete")}));
        QVERIFY(!actions->localizedActionName(action).isEmpty());
        actions->doAction(action);
        QCOMPARE(f.rows.selected, told);
        QCOMPARE(taps.size(), tapped);
        QVERIFY(f.rows.committed.isEmpty());
        QCOMPARE(f.list()->childCount(), 3);
        QCOMPARE(f.table.cellForRowAtIndexPath({0, 1})->showsDeleteConfirmation(), asksToDelete);
        if (!told.isEmpty())
            QVERIFY(f.item(1)->state().selected);
    }

    // The delete action goes the way the Delete key goes; the button it brings out is then
    // reached and pressed like any other.
    void deleteAsksLikeTheDeleteKey()
    {
        LabelledRows byKey({QStringLiteral("a"), QStringLiteral("b")});
        LabelledRows byAction({QStringLiteral("a"), QStringLiteral("b")});
        byKey.table.selectRowAtIndexPath({0, 0}, false, TableViewScrollPosition::None);
        QTest::keyClick(&byKey.table, Qt::Key_Delete);
        byAction.item(0)->actionInterface()->doAction(QStringLiteral("delete"));
        for (LabelledRows* f : {&byKey, &byAction}) {
            QVERIFY(f->rows.committed.isEmpty());
            QCOMPARE(f->item(0)->childCount(), 1);
        }
        // Taken back, the button is out of reach again.
        QTest::keyClick(&byKey.table, Qt::Key_Escape);
        QCOMPARE(byKey.item(0)->childCount(), 0);
        QAccessibleInterface* confirm = byAction.item(0)->child(0);
        QCOMPARE(confirm->role(), QAccessible::Button);
        QCOMPARE(confirm->text(QAccessible::Name), QStringLiteral("Delete"));
        QCOMPARE(byAction.item(0)->indexOfChild(confirm), 0);
        confirm->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        // Qt presses a button as an animated click, a moment later.
        QTRY_COMPARE(byAction.rows.committed, QList<int>{0});
        QCOMPARE(byAction.rows.items, QStringList{QStringLiteral("b")});
        QCOMPARE(byAction.list()->childCount(), 1);
    }

    void emptyListHasNoItems()
    {
        LabelledRows f({});
        QCOMPARE(f.list()->childCount(), 0);
        QVERIFY(!f.list()->child(0));
        QVERIFY(!f.list()->childAt(10, 10));
    }
};

QTEST_MAIN(TestTableViewAccessible)
#include "tst_tableviewaccessible.moc"

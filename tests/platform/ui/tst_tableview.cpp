// The table view: its reuse queue, row deletion, programmatic selection and its failure,
// and the gestures and keys a person uses on it.

#include "platform/ui/TableView.h"
#include "support/TableRows.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>


class TestTableView : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    void selectingMissingRowRaises_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("row");
        QTest::newRow("empty table") << 0 << 0 << 0;
        QTest::newRow("one past the end") << 3 << 0 << 3;
        QTest::newRow("negative row") << 3 << 0 << -1;
        QTest::newRow("second section") << 3 << 1 << 0;
    }
    void selectingMissingRowRaises()
    {
        QFETCH(int, rows);
        QFETCH(int, section);
        QFETCH(int, row);
        Fixture f(rows);
        bool raised = false;
        try {
            f.table.selectRowAtIndexPath({section, row}, true, TableViewScrollPosition::Bottom);
        } catch (const PlatformException& e) {
            raised = true;
            QVERIFY(e.description().contains(QString::number(row)));
            QVERIFY(!QString::fromUtf8(e.what()).isEmpty());
        }
        QVERIFY(raised);
        QVERIFY(!f.table.indexPathForSelectedRow());
        QVERIFY(f.rows.selected.isEmpty());
    }

    void selectingTellsNoDelegateAndScrolls()
    {
        Fixture f(30);
        f.table.selectRowAtIndexPath({0, 25}, false, TableViewScrollPosition::Bottom);
        QCOMPARE(f.selectedRow(), 25);
        QVERIFY(f.rows.selected.isEmpty());
        QVERIFY(f.cell(25)->isSelected() && !f.cell(24)->isSelected());
        QVERIFY(f.table.verticalScrollBar()->value() > 0);
        f.table.scrollToNearestSelectedRowAtScrollPosition(TableViewScrollPosition::Top, false);
        QCOMPARE(f.table.verticalScrollBar()->value(),
                 std::min(f.cell(25)->y(), f.table.verticalScrollBar()->maximum()));
    }

    void reloadReusesCells()
    {
        Fixture f(4);
        QCOMPARE(f.rows.created, 4);
        // Guarded: a plain pointer would stay true after the cell was deleted.
        const QPointer<TableViewCell> first = f.cell(0);
        f.rows.items.removeLast();
        f.table.reloadData();
        QCOMPARE(f.rows.created, 4); // all from the queue
        QCOMPARE(f.table.numberOfRowsInSection(0), 3);
        QVERIFY(f.table.dequeueReusableCellWithIdentifier(QStringLiteral("row"))); // the spare one
        QVERIFY(!f.table.dequeueReusableCellWithIdentifier(QStringLiteral("row")));
        QVERIFY(!f.table.dequeueReusableCellWithIdentifier(QStringLiteral("other")));
        QVERIFY(first); // cells live on in the table
    }

    void reloadDropsSelectionPastTheEnd()
    {
        Fixture f(4);
        f.table.selectRowAtIndexPath({0, 3}, false, TableViewScrollPosition::None);
        f.rows.items.removeLast();
        f.table.reloadData();
        QVERIFY(!f.table.indexPathForSelectedRow());
        for (int i = 0; i < 3; ++i)
            QVERIFY(!f.cell(i)->isSelected());
    }

    void deletionShiftsRowsAndSelection_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("deleted");
        QTest::addColumn<int>("selectedAfter");
        QTest::newRow("before the selection") << 2 << 0 << 1;
        QTest::newRow("after the selection") << 2 << 3 << 2;
        QTest::newRow("the selection itself") << 2 << 2 << -1;
    }
    void deletionShiftsRowsAndSelection()
    {
        QFETCH(int, selected);
        QFETCH(int, deleted);
        QFETCH(int, selectedAfter);
        Fixture f(5);
        f.table.selectRowAtIndexPath({0, selected}, false, TableViewScrollPosition::None);
        f.rows.items.removeAt(deleted);
        f.table.deleteRowsAtIndexPaths({{0, deleted}}, TableViewRowAnimation::Fade);
        QCOMPARE(f.table.numberOfRowsInSection(0), 4);
        QCOMPARE(f.selectedRow(), selectedAfter);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(f.cell(i)->accessibleName(), f.rows.items.at(i));
        // The faded row goes once its animation is over.
        QTRY_COMPARE(f.table.widget()->findChildren<TableViewCell*>().size(), 4);
    }

    void inconsistentDeletionRaises()
    {
        Fixture f(3);
        bool raised = false;
        try {
            f.table.deleteRowsAtIndexPaths({{0, 1}}, TableViewRowAnimation::Fade); // data source still has 3
        } catch (const PlatformException&) {
            raised = true;
        }
        QVERIFY(raised);
        QCOMPARE(f.table.numberOfRowsInSection(0), 3);
    }

    void tapSelectsAndTellsDelegate()
    {
        Fixture f(3);
        QSignalSpy tapped(&f.table, &TableView::rowTapped);
        QTest::mouseClick(f.cell(1), Qt::LeftButton, {}, QPoint(20, 10));
        QCOMPARE(f.rows.selected, QList<int>{1});
        QCOMPARE(f.selectedRow(), 1);
        QCOMPARE(tapped.size(), 1);
    }

    void swipeLeftOffersDelete()
    {
        Fixture f(3);
        TableViewCell* cell = f.cell(1);
        QTest::mousePress(cell, Qt::LeftButton, {}, QPoint(200, 10));
        QTest::mouseRelease(cell, Qt::LeftButton, {}, QPoint(100, 14));
        QVERIFY(f.rows.selected.isEmpty()); // a swipe is no tap
        QVERIFY(cell->showsDeleteConfirmation());
        QVERIFY(f.rows.committed.isEmpty()); // nothing is gone before the confirmation
        auto* confirm = cell->findChild<QPushButton*>(QStringLiteral("deleteConfirmation"));
        QVERIFY(confirm && confirm->isVisible());
        QCOMPARE(confirm->accessibleName(), QStringLiteral("Delete"));
        confirm->click();
        QCOMPARE(f.rows.committed, QList<int>{1});
        QCOMPARE(f.table.numberOfRowsInSection(0), 2);
    }

    void swipeRightOrDownIsNoGesture()
    {
        Fixture f(3);
        QTest::mousePress(f.cell(0), Qt::LeftButton, {}, QPoint(50, 10));
        QTest::mouseRelease(f.cell(0), Qt::LeftButton, {}, QPoint(150, 10));
        QTest::mousePress(f.cell(0), Qt::LeftButton, {}, QPoint(150, 5));
        QTest::mouseRelease(f.cell(0), Qt::LeftButton, {}, QPoint(100, 40));
        QVERIFY(!f.cell(0)->showsDeleteConfirmation());
        QVERIFY(f.rows.selected.isEmpty());
    }

    // A finger on a touch screen: a drag up or down scrolls the list and neither selects,
    // opens nor deletes a row; a tap still selects.
    void fingerOnTheList_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<bool>("scrolls");
        QTest::addColumn<bool>("taps");
        QTest::newRow("drag up") << QPoint(100, 180) << QPoint(100, 20) << true << false;
        QTest::newRow("drag up and aside") << QPoint(200, 180) << QPoint(160, 30) << true << false;
        QTest::newRow("tap") << QPoint(100, 60) << QPoint(100, 60) << false << true;
    }
    void fingerOnTheList()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(bool, scrolls);
        QFETCH(bool, taps);
        static QPointingDevice* finger = QTest::createTouchDevice();
        Fixture f(30);
        QVERIFY(QTest::qWaitForWindowExposed(&f.table));
        QWindow* window = f.table.window()->windowHandle();
        const QPoint offset = f.table.viewport()->mapTo(f.table.window(), QPoint(0, 0));
        QTest::touchEvent(window, finger).press(0, from + offset, window);
        constexpr int steps = 8;
        for (int i = 1; i <= steps; ++i) {
            QTest::qWait(15);
            QTest::touchEvent(window, finger).move(0, from + offset + (to - from) * i / steps, window);
        }
        QTest::touchEvent(window, finger).release(0, to + offset, window);
        if (scrolls)
            QTRY_VERIFY(f.table.verticalScrollBar()->value() > 0);
        QTest::qWait(100);
        QCOMPARE(f.rows.selected.isEmpty(), !taps);
        QCOMPARE(f.selectedRow() >= 0, taps);
        for (int row = 0; row < 30; ++row)
            QVERIFY(!f.cell(row)->showsDeleteConfirmation());
        QVERIFY(f.rows.committed.isEmpty());
        QTest::qWait(1500); // the list's glide ends before the next row
    }

    void keyboard()
    {
        Fixture f(4);
        f.table.setFocus();
        QTest::keyClick(&f.table, Qt::Key_Down);
        QCOMPARE(f.selectedRow(), 0);
        QTest::keyClick(&f.table, Qt::Key_End);
        QCOMPARE(f.selectedRow(), 3);
        QTest::keyClick(&f.table, Qt::Key_Up);
        QCOMPARE(f.selectedRow(), 2);
        QVERIFY(f.rows.selected.isEmpty()); // moving is not choosing
        QTest::keyClick(&f.table, Qt::Key_Return);
        QCOMPARE(f.rows.selected, QList<int>{2});
    }

    // Delete and Backspace do what the swipe does: they show the row's Delete button, and
    // only a second, deliberate press (Return, or a click on the button) deletes.
    void deleteKeyAsksFirst_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("then"); // what follows the key
        QTest::addColumn<QStringList>("left");
        const QStringList all{QStringLiteral("item 0"), QStringLiteral("item 1"), QStringLiteral("item 2")};
        const QStringList withoutOne{QStringLiteral("item 0"), QStringLiteral("item 2")};
        QTest::newRow("Delete, then Return") << int(Qt::Key_Delete) << "return" << withoutOne;
        QTest::newRow("Backspace, then Return") << int(Qt::Key_Backspace) << "return" << withoutOne;
        QTest::newRow("Delete, then a click on the button") << int(Qt::Key_Delete) << "click" << withoutOne;
        QTest::newRow("Delete, then Escape") << int(Qt::Key_Delete) << "escape" << all;
        QTest::newRow("Delete, then moving away") << int(Qt::Key_Delete) << "down" << all;
        QTest::newRow("Delete pressed again") << int(Qt::Key_Delete) << "delete" << all;
        QTest::newRow("Delete, then a held Return repeating") << int(Qt::Key_Delete) << "repeat" << all;
    }

    void deleteKeyAsksFirst()
    {
        QFETCH(int, key);
        QFETCH(QString, then);
        QFETCH(QStringList, left);
        Fixture f(3);
        f.table.setFocus();
        f.table.selectRowAtIndexPath({0, 1}, false, TableViewScrollPosition::None);
        QTest::keyClick(&f.table, Qt::Key(key));
        QVERIFY(f.cell(1)->showsDeleteConfirmation());
        QVERIFY(f.rows.committed.isEmpty());
        if (then == QLatin1String("return"))
            QTest::keyClick(&f.table, Qt::Key_Return);
        else if (then == QLatin1String("click"))
            f.cell(1)->findChild<QPushButton*>(QStringLiteral("deleteConfirmation"))->click();
        else if (then == QLatin1String("escape"))
            QTest::keyClick(&f.table, Qt::Key_Escape);
        else if (then == QLatin1String("down"))
            QTest::keyClick(&f.table, Qt::Key_Down);
        else if (then == QLatin1String("delete"))
            QTest::keyClick(&f.table, Qt::Key(key));
        else
            for (int i = 0; i < 5; ++i) {
                QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
                QApplication::sendEvent(&f.table, &repeat);
            }
        QCOMPARE(f.rows.items, left);
        QVERIFY(f.rows.selected.isEmpty()); // no row was opened on the way
    }

    void heldDeleteKeyDeletesAtMostOne()
    {
        Fixture f(4);
        f.table.setFocus();
        f.table.selectRowAtIndexPath({0, 0}, false, TableViewScrollPosition::None);
        // A held key: one press, then the keyboard's repeats, then a confirming Return.
        QTest::keyPress(&f.table, Qt::Key_Delete);
        for (int i = 0; i < 30; ++i) {
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(&f.table, &repeat);
        }
        QTest::keyRelease(&f.table, Qt::Key_Delete);
        QVERIFY(f.rows.committed.isEmpty());
        QTest::keyClick(&f.table, Qt::Key_Return);
        QCOMPARE(f.rows.committed, QList<int>{0});
        QCOMPARE(f.table.numberOfRowsInSection(0), 3);
        // The next row steps in, without its Delete button out: holding on deletes nothing.
        QCOMPARE(f.selectedRow(), 0);
        QVERIFY(!f.cell(0)->showsDeleteConfirmation());
        for (int i = 0; i < 30; ++i) {
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(&f.table, &repeat);
        }
        QCOMPARE(f.rows.committed.size(), 1);
        // Nothing left to delete on an empty table: the keys do nothing.
        Fixture empty(0);
        empty.table.setFocus();
        QTest::keyClick(&empty.table, Qt::Key_Delete);
        QTest::keyClick(&empty.table, Qt::Key_Return);
        QVERIFY(empty.rows.committed.isEmpty());
    }

    void accessibleRows()
    {
        Fixture f(2);
        f.table.selectRowAtIndexPath({0, 1}, false, TableViewScrollPosition::None);
        QCOMPARE(f.cell(0)->accessibleDescription(), QStringLiteral("row 1 of 2"));
        QCOMPARE(f.cell(1)->accessibleDescription(), QStringLiteral("row 2 of 2, selected"));
    }
};

QTEST_MAIN(TestTableView)
#include "tst_tableview.moc"

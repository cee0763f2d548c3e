// The segmented control as assistive technology sees it: a choice of one, whose segments
// are radio buttons pressed the way a tap presses them.

#include "platform/ui/SegmentedControl.h"
#include "support/TestSupport.h"

#include <QAccessible>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TestSegmentedControl : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    void segmentsAreRadioButtons()
    {
        SegmentedControl control;
        control.setSegmentTitles({QStringLiteral("SMS"), QStringLiteral("E-mail")});
        control.setSelectedSegmentIndex(1);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&control);
        QCOMPARE(iface->childCount(), 2);
        for (int i = 0; i < 2; ++i) {
            QAccessibleInterface* segment = iface->child(i);
            QCOMPARE(segment->role(), QAccessible::RadioButton);
            QCOMPARE(segment->text(QAccessible::Name), control.segmentTitles().at(i));
            QVERIFY(segment->state().checkable);
            QCOMPARE(bool(segment->state().checked), i == 1);
        }
        // A push button elsewhere keeps Qt's own interface.
        QPushButton plain(QStringLiteral("Send"));
        QCOMPARE(QAccessible::queryAccessibleInterface(&plain)->role(), QAccessible::Button);
    }

    // Pressing a segment through its action is a tap on it, whatever a tap does.
    void pressIsATap_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("press");
        QTest::newRow("another segment") << 0 << 1;
        QTest::newRow("the checked segment") << 1 << 1;
        QTest::newRow("none checked yet") << -1 << 0;
    }
    void pressIsATap()
    {
        QFETCH(int, from);
        QFETCH(int, press);
        SegmentedControl pressed;
        SegmentedControl tapped;
        for (SegmentedControl* c : {&pressed, &tapped}) {
            c->setSegmentTitles({QStringLiteral("SMS"), QStringLiteral("E-mail")});
            c->setSelectedSegmentIndex(from);
            c->resize(200, 40);
            c->show();
        }
        QSignalSpy byAction(&pressed, &SegmentedControl::valueChanged);
        QSignalSpy byTap(&tapped, &SegmentedControl::valueChanged);
        QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(&pressed)->child(press)->actionInterface();
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QTest::mouseClick(tapped.findChildren<QPushButton*>().at(press), Qt::LeftButton);
        QCOMPARE(pressed.selectedSegmentIndex(), tapped.selectedSegmentIndex());
        QCOMPARE(byAction.size(), byTap.size());
        const int selected = pressed.selectedSegmentIndex();
        QVERIFY(QAccessible::queryAccessibleInterface(&pressed)->child(selected)->state().checked);
    }
};

QTEST_MAIN(TestSegmentedControl)
#include "tst_segmentedcontrol.moc"

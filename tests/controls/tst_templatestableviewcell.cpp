// The template row: a template's text in at most a few lines, whatever its length or its
// line terminators.

#include "controls/TemplatesTableViewCell.h"
#include "support/TestSupport.h"

#include <QTest>

class TestTemplatesTableViewCell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    void elidesToAFewLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("elided");
        QTest::newRow("short") << QStringLiteral("I am at [] near {}.") << 1 << false;
        QTest::newRow("empty") << QString() << 1 << false;
        QTest::newRow("two lines") << QStringLiteral("one\ntwo") << 2 << false;
        QTest::newRow("crlf counts once") << QStringLiteral("one\r\ntwo\r\nthree") << 3 << false;
        QTest::newRow("every terminator breaks")
            << QStringLiteral("a\nb\rc\vd\fe\u0085f\u2028g\u2029h") << 3 << true;
        QTest::newRow("100 KB without spaces") << QString(100 * 1024, QLatin1Char('w')) << 3 << true;
        QTest::newRow("100 KB of words") << QStringLiteral("word ").repeated(20 * 1024) << 3 << true;
        QTest::newRow("100 KB of lines") << QStringLiteral("line\n").repeated(20 * 1024) << 3 << true;
    }
    void elidesToAFewLines()
    {
        QFETCH(QString, text);
        QFETCH(int, lines);
        QFETCH(bool, elided);
        TemplatesTableViewCell cell(TableViewCellStyle::Default, QStringLiteral("templateTableCell"));
        cell.resize(320, 100);
        cell.messageLabel->setText(text);
        cell.messageLabel->resize(296, 80);
        const QStringList shown = cell.messageLabel->displayedLines();
        QCOMPARE(shown.size(), lines);
        QCOMPARE(shown.last().endsWith(QChar(0x2026)), elided);
        for (const QString& line : shown)
            QVERIFY(cell.messageLabel->fontMetrics().horizontalAdvance(line) <= 296);
        QCOMPARE(cell.messageLabel->text(), text);
        QVERIFY(!cell.grab().isNull());
    }

    void selectionIsThePlainRowsOne()
    {
        TemplatesTableViewCell cell(TableViewCellStyle::Default, QStringLiteral("templateTableCell"));
        QCOMPARE(cell.reuseIdentifier(), QStringLiteral("templateTableCell"));
        cell.setSelected(true, true);
        QVERIFY(cell.isSelected());
        QCOMPARE(cell.property("selected").toBool(), true);
        cell.setSelected(false, false);
        QVERIFY(!cell.isSelected());
    }
};

QTEST_MAIN(TestTemplatesTableViewCell)
#include "tst_templatestableviewcell.moc"

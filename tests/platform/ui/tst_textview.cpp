// The text view gives back exactly the text it was given, or that was typed into it.

#include "platform/ui/TextField.h"
#include "support/TestSupport.h"

#include <QTest>

class TestTextView : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << QStringLiteral("I am at [] near {}.");
        QTest::newRow("empty") << QString();
        QTest::newRow("lf") << QStringLiteral("a\nb\n");
        QTest::newRow("cr") << QStringLiteral("a\rb\r");
        QTest::newRow("crlf") << QStringLiteral("a\r\nb\r\n");
        QTest::newRow("lf cr is two breaks") << QStringLiteral("a\n\rb");
        QTest::newRow("vt ff nel") << QStringLiteral("a\vb\fc\u0085d");
        QTest::newRow("line and paragraph separators") << QStringLiteral("a\u2028b\u2029c");
        QTest::newRow("mixed") << QStringLiteral("\r\n\n\r\u2029\u2028\v\f\u0085");
        QTest::newRow("non-breaking space") << QStringLiteral("10\u00a0m");
    }
    void roundTrip()
    {
        QFETCH(QString, text);
        TextView view;
        view.setText(text);
        QCOMPARE(view.text(), text);
    }

    void typedLinesBreakWithLineFeed()
    {
        TextView view;
        view.setText(QStringLiteral("a\r\nb"));
        view.show();
        view.setFocus();
        view.moveCursor(QTextCursor::End);
        QTest::keyClick(&view, Qt::Key_Return);
        QTest::keyClicks(&view, QStringLiteral("c"));
        QCOMPARE(view.text(), QStringLiteral("a\r\nb\nc"));
    }

    void longUnbrokenTextWrapsAnywhere()
    {
        // Wrapping it at word boundaries would take seconds per keystroke.
        TextView view;
        view.setText(QStringLiteral("short words wrap at their blanks"));
        view.flushPendingText();
        QCOMPARE(view.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
        view.setText(QStringLiteral("intro\n") + QString(100 * 1024, QLatin1Char('x')));
        view.flushPendingText();
        QCOMPARE(view.wordWrapMode(), QTextOption::WrapAnywhere);
        view.setText(QStringLiteral("[] word {} ").repeated(10000));
        view.flushPendingText();
        QCOMPARE(view.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
        // Typing such a run in makes the switch too.
        view.moveCursor(QTextCursor::End);
        view.insertPlainText(QString(2000, QLatin1Char('y')));
        QCOMPARE(view.wordWrapMode(), QTextOption::WrapAnywhere);
    }

    void textReachesTheDocumentBeforePaintAndInput()
    {
        // text() has a new text at once; the document takes it at the next pass of the event
        // loop, or before the view paints or takes a key.
        TextView view;
        view.setText(QStringLiteral("first"));
        view.setText(QStringLiteral("second [] {}"));
        QCOMPARE(view.text(), QStringLiteral("second [] {}"));
        QCoreApplication::processEvents();
        QCOMPARE(view.toPlainText(), QStringLiteral("second [] {}"));
        view.setText(QStringLiteral("typed after"));
        view.setFocus();
        view.moveCursor(QTextCursor::End);
        QTest::keyClick(&view, Qt::Key_Exclam);
        QCOMPARE(view.text(), QStringLiteral("typed after!"));
        view.setText(QStringLiteral("painted"));
        QCOMPARE(view.grab().isNull(), false);
        QCOMPARE(view.toPlainText(), QStringLiteral("painted"));
    }

    void unchangedTextKeepsCursor()
    {
        TextView view;
        view.setText(QStringLiteral("one\r\ntwo"));
        view.flushPendingText();
        QTextCursor c = view.textCursor();
        c.setPosition(2);
        view.setTextCursor(c);
        view.setText(QStringLiteral("one\r\ntwo"));
        QCOMPARE(view.textCursor().position(), 2);
    }
};

QTEST_MAIN(TestTextView)
#include "tst_textview.moc"

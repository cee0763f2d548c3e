// The program run behind sendmail and the phone's client: one report per send, whatever
// ends it (the program, its deadline, a cancel), and none once the sender is gone.

#include "platform/messaging/MailSenders.h"
#include "platform/messaging/SendingProcess.h"
#include "platform/messaging/SmsSenders.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

struct Report {
    bool sent = false;
    QString error;
};

QString writeScript(const QTemporaryDir& dir, const QString& name, const QString& body)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(("#!/bin/sh\n" + body + "\n").toUtf8());
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

SendingProcess::Done recordInto(QList<Report>* reports)
{
    return [reports](bool sent, const QString& error) { reports->append({sent, error}); };
}

QString failureText(int code, const QByteArray& standardError)
{
    const QString why = QString::fromUtf8(standardError).trimmed();
    return why.isEmpty() ? QStringLiteral("failed %1").arg(code) : why;
}

} // namespace

class TestSendingProcess : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }

    void oneReportPerRun_data()
    {
        QTest::addColumn<QString>("script"); // empty: a program that does not exist
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<bool>("sent");
        QTest::addColumn<QString>("error");
        QTest::newRow("zero exit is sent") << "cat > /dev/null" << 5000 << true << "";
        QTest::newRow("standard error explains a failure") << "echo 'no route' >&2; exit 3" << 5000 << false
                                                           << "no route";
        QTest::newRow("a silent failure is worded by the sender") << "exit 4" << 5000 << false << "failed 4";
        QTest::newRow("a program that cannot start") << "" << 5000 << false
                                                     << "/nonexistent/quorvel-send could not be started.";
        QTest::newRow("the deadline kills a hanging program") << "exec sleep 10" << 200 << false << "too slow";
    }

    void oneReportPerRun()
    {
        QFETCH(QString, script);
        QFETCH(int, timeoutMs);
        QFETCH(bool, sent);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString program =
            script.isEmpty() ? QStringLiteral("/nonexistent/quorvel-send") : writeScript(dir, QStringLiteral("send"), script);
        QList<Report> reports;
        SendingProcess run(QStringLiteral("too slow"));
        run.expect(recordInto(&reports));
        QProcess* process = run.start(program, {}, timeoutMs, failureText);
        process->write("message\n");
        process->closeWriteChannel();
        QVERIFY(reports.isEmpty()); // never inside the start
        QTRY_COMPARE_WITH_TIMEOUT(reports.size(), 1, 5000);
        QCOMPARE(reports.at(0).sent, sent);
        QCOMPARE(reports.at(0).error, error);
        QTest::qWait(300); // a killed program's own end, or the deadline, must not report again
        QCOMPARE(reports.size(), 1);
    }

    void abortReportsOnce()
    {
        QTemporaryDir dir;
        const QString program = writeScript(dir, QStringLiteral("send"), QStringLiteral("exec sleep 10"));
        QList<Report> reports;
        SendingProcess run(QStringLiteral("too slow"));
        run.expect(recordInto(&reports));
        run.start(program, {}, 300, failureText);
        run.abort(QStringLiteral("Cancelled."));
        run.abort(QStringLiteral("Cancelled."));
        QCOMPARE(reports.size(), 1);
        QCOMPARE(reports.at(0).sent, false);
        QCOMPARE(reports.at(0).error, QStringLiteral("Cancelled."));
        QTest::qWait(500); // past the deadline and the killed program's end
        QCOMPARE(reports.size(), 1);
    }

    void goingAwayKillsTheRunWithoutAReport()
    {
        QTemporaryDir dir;
        const QString program = writeScript(dir, QStringLiteral("send"), QStringLiteral("exec sleep 10"));
        QList<Report> reports;
        QElapsedTimer clock;
        {
            SendingProcess run(QStringLiteral("too slow"));
            run.expect(recordInto(&reports));
            QProcess* process = run.start(program, {}, 5000, failureText);
            QVERIFY(process->waitForStarted(3000));
            clock.start();
        }
        QVERIFY(clock.elapsed() < 3000);
        QTest::qWait(100);
        QVERIFY(reports.isEmpty());
    }

    // Each sender words its own deadline, and a cancel after it has reported changes nothing.
    void sendersGiveUpAtTheirDeadline_data()
    {
        QTest::addColumn<QString>("sender");
        QTest::addColumn<QString>("error");
        QTest::newRow("sendmail") << "sendmail" << "sendmail did not finish in time.";
        QTest::newRow("phone") << "kdeconnect" << "The phone did not answer in time.";
    }

    void sendersGiveUpAtTheirDeadline()
    {
        QFETCH(QString, sender);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString program = writeScript(
            dir, QStringLiteral("send"),
            QStringLiteral("if [ \"$1\" = --list-available ]; then echo phone1; exit 0; fi\nexec sleep 10"));
        QList<Report> reports;
        if (sender == QLatin1String("sendmail")) {
            SendmailSender s(program, QStringLiteral("q@example.org"), {}, 200);
            MailMessage m;
            m.fromAddress = QStringLiteral("q@example.org");
            m.to = QStringList{QStringLiteral("a@example.org")};
            s.send(m, recordInto(&reports));
            QTRY_COMPARE_WITH_TIMEOUT(reports.size(), 1, 5000);
            s.abort();
        } else {
            KdeConnectOptions o;
            o.program = program;
            o.timeoutMs = 200;
            KdeConnectSender s(o);
            s.send(QStringLiteral("+420 1"), QStringLiteral("x"), recordInto(&reports));
            QTRY_COMPARE_WITH_TIMEOUT(reports.size(), 1, 5000);
            s.abort();
        }
        QCOMPARE(reports.size(), 1);
        QCOMPARE(reports.at(0).sent, false);
        QCOMPARE(reports.at(0).error, error);
    }
};

QTEST_MAIN(TestSendingProcess)
#include "tst_sendingprocess.moc"

// Finding what a console's wrapper left running, as /proc shows it.
#include "launcher/process_group.h"

#include <QFile>
#include <QProcess>
#include <QTest>

#include <signal.h>
#include <unistd.h>

using namespace qm::detail;

class TestProcessGroup : public QObject {
    Q_OBJECT

private:
    // A shell leading a session of its own, as under a terminal.
    static qint64 startLeader(QProcess &leader, const QString &command) {
        leader.setChildProcessModifier([] { ::setsid(); });
        leader.start("/bin/sh", {"-c", command});
        return leader.waitForStarted(5000) ? leader.processId() : 0;
    }

    static QByteArray commandName(qint64 pid) {
        QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
        return comm.open(QIODevice::ReadOnly) ? comm.readAll().trimmed() : QByteArray();
    }

private slots:
    void statLine_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<char>("state");
        QTest::addColumn<qint64>("group");
        QTest::addColumn<qint64>("session");
        QTest::newRow("plain") << QByteArray("42 (java) S 41 40 39 34816 40 4194304 0\n") << true
                               << 'S' << qint64(40) << qint64(39);
        QTest::newRow("name with spaces and parentheses")
            << QByteArray("42 (a) b (c)) R 41 40 39 0") << true << 'R' << qint64(40) << qint64(39);
        QTest::newRow("zombie") << QByteArray("7 (sh) Z 1 7 7 0") << true << 'Z' << qint64(7)
                                << qint64(7);
        QTest::newRow("cut short")
            << QByteArray("42 (java) S 41") << false << '?' << qint64(0) << qint64(0);
        QTest::newRow("no name") << QByteArray("42 java S 41 40 39") << false << '?' << qint64(0)
                                 << qint64(0);
        QTest::newRow("garbage") << QByteArray("x (y) S a b c") << false << '?' << qint64(0)
                                 << qint64(0);
    }

    void statLine() {
        QFETCH(QByteArray, line);
        QFETCH(bool, valid);
        QFETCH(char, state);
        QFETCH(qint64, group);
        QFETCH(qint64, session);
        const std::optional<ProcessStat> stat = parseProcessStat(line);
        QCOMPARE(stat.has_value(), valid);
        if (!valid)
            return;
        QCOMPARE(stat->state, state);
        QCOMPARE(stat->group, group);
        QCOMPARE(stat->session, session);
        QCOMPARE(stat->isAlive(), state != 'Z');
    }

    void findsTheLeadersLiveProcesses() {
        // The leader becomes a sleep with an unreaped (zombie) child: the
        // zombie has ended and must not count.
        QProcess leader;
        const qint64 pid = startLeader(leader, "sleep 30 & true & sleep 0.2; exec sleep 30");
        QVERIFY(pid > 0);
        // Counted only once the shell has become the sleep: before, the shell
        // and its first child alone also make two.
        QTRY_COMPARE_WITH_TIMEOUT(commandName(pid), QByteArray("sleep"), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(processesLedBy(pid).size(), 2, 5000);
        signalProcesses(processesLedBy(pid), SIGKILL);
        QTRY_VERIFY_WITH_TIMEOUT(processesLedBy(pid).isEmpty(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(leader.state(), QProcess::NotRunning, 5000);
    }

    void neverTheProgramsOwn_data() {
        QTest::addColumn<qint64>("leader");
        QTest::newRow("own group") << qint64(::getpgrp());
        QTest::newRow("own session") << qint64(::getsid(0));
        QTest::newRow("none") << qint64(0);
    }

    void neverTheProgramsOwn() {
        QFETCH(qint64, leader);
        QVERIFY(processesLedBy(leader).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestProcessGroup)
#include "test_process_group.moc"

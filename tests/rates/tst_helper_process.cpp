// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Running the fetch helper: its exit status and messages, the deadline (loose bounds only), a
// detached start that leaves no child behind, where the helper is looked for and how its timeout
// is passed.

#include <mezzurix/fetch_helper.h>
#include <mezzurix/helper_process.h>

#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace mezzurix::rates;
using namespace std::chrono_literals;

namespace {

// Far above any of these runs' real time: only a hang would reach it.
constexpr auto kWellUnder = 10s;

HelperRun shell(const char* script, std::chrono::milliseconds deadline = 10s)
{
    return runWithDeadline("/bin/sh", {"-c", script}, deadline);
}

} // namespace

class TestHelperProcess : public QObject {
    Q_OBJECT
private slots:
    void exitStatusAndMessages_data();
    void exitStatusAndMessages();
    void noOtherFileReachesTheHelper();
    void killedAtTheDeadline_data();
    void killedAtTheDeadline();
    void messagesAreBounded();
    void detachedStartLeavesNoChild();
    void helperPath();
    void fetchAndWaitPassesTheTimeout();
    void everyTimeoutReadsBack();
    void refusedTimeouts_data();
    void refusedTimeouts();
};

void TestHelperProcess::exitStatusAndMessages_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<HelperRun::End>("end");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("messages");
    QTest::newRow("status and message") << "echo oops >&2; exit 3" << HelperRun::End::Exited << 3 << "oops\n";
    QTest::newRow("no input, output discarded")
        << "read x; echo \"[$x]\" >&2; echo out" << HelperRun::End::Exited << 0 << "[]\n";
    QTest::newRow("a message, then gone") << "echo last >&2; exec 2>&-; exit 0" << HelperRun::End::Exited << 0 << "last\n";
    QTest::newRow("a signal") << "kill -9 $$" << HelperRun::End::Killed << -1 << "";
}

void TestHelperProcess::exitStatusAndMessages()
{
    QFETCH(QString, script);
    QFETCH(HelperRun::End, end);
    QFETCH(int, exitCode);
    QFETCH(QString, messages);
    const HelperRun run = shell(script.toUtf8().constData());
    QCOMPARE(run.end, end);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(QString::fromStdString(run.messages), messages);
}

// A file this program left open without close-on-exec stays out of the helper. The helper's files
// are listed by the helper's own process turned into "ls", whose one file of its own is the
// listing's folder (3): a shell's files, listed by a child, change under it as the shell saves and
// restores its own around each command.
void TestHelperProcess::noOtherFileReachesTheHelper()
{
    const int leaked = ::open("/dev/null", O_RDONLY);
    QVERIFY(leaked > STDERR_FILENO);
    const HelperRun run = shell("exec ls /proc/self/fd >&2");
    QTemporaryDir scratch;
    const QString listed = scratch.filePath(QStringLiteral("fds"));
    const QString script = QStringLiteral("(exec ls /proc/self/fd) > %1.new && mv %1.new %1").arg(listed);
    QCOMPARE(startDetached("/bin/sh", {"-c", script.toStdString()}), std::nullopt);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(listed), std::chrono::milliseconds(kWellUnder).count());
    ::close(leaked);
    QCOMPARE(QString::fromStdString(run.messages), QStringLiteral("0\n1\n2\n3\n"));
    QFile file(listed);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("0\n1\n2\n3\n"));
}

void TestHelperProcess::killedAtTheDeadline_data()
{
    QTest::addColumn<QString>("script");
    QTest::newRow("sleeping") << "echo waiting >&2; exec sleep 30";
    QTest::newRow("its standard error closed") << "exec 2>&-; exec sleep 30";
}

void TestHelperProcess::killedAtTheDeadline()
{
    QFETCH(QString, script);
    QElapsedTimer timer;
    timer.start();
    const HelperRun run = shell(script.toUtf8().constData(), 300ms);
    QCOMPARE(run.end, HelperRun::End::TimedOut);
    QVERIFY(timer.elapsed() < std::chrono::milliseconds(kWellUnder).count());
    int status = 0;
    QCOMPARE(::waitpid(-1, &status, WNOHANG), -1); // waited for: no child left
}

void TestHelperProcess::messagesAreBounded()
{
    const HelperRun run = shell("head -c 100000 /dev/zero | tr '\\0' x >&2");
    QCOMPARE(run.end, HelperRun::End::Exited);
    QCOMPARE(run.messages, std::string(kMaxHelperMessages, 'x'));
}

void TestHelperProcess::detachedStartLeavesNoChild()
{
    QTemporaryDir scratch;
    const QString stat = scratch.filePath(QStringLiteral("stat"));
    const QString script = QStringLiteral("cat /proc/$$/stat > %1.new && mv %1.new %1").arg(stat);
    QCOMPARE(startDetached("/bin/sh", {"-c", script.toStdString()}), std::nullopt);
    int status = 0;
    QCOMPARE(::waitpid(-1, &status, WNOHANG), -1);
    QCOMPARE(errno, ECHILD);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(stat), std::chrono::milliseconds(kWellUnder).count());
    QFile file(stat);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // pid (comm) state ppid pgrp session ...
    const QList<QByteArray> fields = file.readAll().split(')').last().trimmed().split(' ');
    QVERIFY(fields.at(1).toLongLong() != ::getpid());
    QVERIFY(fields.at(3).toLongLong() != ::getsid(0));

    const std::optional<std::string> missing = startDetached("/nonexistent/helper", {});
    QVERIFY(missing.has_value());
    QVERIFY2(missing->starts_with("cannot start /nonexistent/helper: "), missing->c_str());
    const HelperRun notStarted = runWithDeadline("/nonexistent/helper", {}, 1s);
    QCOMPARE(notStarted.end, HelperRun::End::NotStarted);
    QVERIFY2(notStarted.messages.starts_with("cannot start /nonexistent/helper: "), notStarted.messages.c_str());
}

void TestHelperProcess::helperPath()
{
    qputenv("MEZZURIX_FETCH_RATES", "/opt/test/fetch");
    QCOMPARE(fetchHelperPath(InstalledIn::BinDir).string(), std::string("/opt/test/fetch"));
    qunsetenv("MEZZURIX_FETCH_RATES");
    // From bin/ and from libexec/ of one prefix, as this build installs them, the same program.
    const std::string prefix = "/opt/prefix/";
    const std::string helper = prefix + MEZZURIX_INSTALL_LIBEXECDIR "/mezzurix/mezzurix-fetch-rates";
    QCOMPARE(fetchHelperPath(InstalledIn::BinDir, prefix + MEZZURIX_INSTALL_BINDIR "/mezzurix-convert").string(), helper);
    QCOMPARE(fetchHelperPath(InstalledIn::LibexecDir, prefix + MEZZURIX_INSTALL_LIBEXECDIR "/mezzurix-search-provider").string(),
             helper);
    QCOMPARE(runningProgram().string(), QCoreApplication::applicationFilePath().toStdString());
}

void TestHelperProcess::fetchAndWaitPassesTheTimeout()
{
    QTemporaryDir scratch;
    const QString helper = scratch.filePath(QStringLiteral("helper"));
    QFile file(helper);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\necho \"$@\" >&2\nexit 4\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    qputenv("MEZZURIX_FETCH_RATES", helper.toUtf8());
    const HelperRun run = fetchAndWait(InstalledIn::BinDir, 250ms);
    qunsetenv("MEZZURIX_FETCH_RATES");
    QCOMPARE(run.end, HelperRun::End::Exited);
    QCOMPARE(run.exitCode, static_cast<int>(FetchStatus::ResponseRefused));
    QCOMPARE(run.messages, std::string("--timeout 0.250\n"));
}

void TestHelperProcess::everyTimeoutReadsBack()
{
    for (auto timeout = 1ms; timeout <= kMaxTimeout; ++timeout) {
        const std::vector<std::string> arguments = timeoutArguments(timeout);
        if (arguments.size() != 2 || arguments[0] != "--timeout" || readTimeout(arguments[1]) != timeout)
            QFAIL(qPrintable(QString::number(timeout.count()) + " ms"));
    }
}

void TestHelperProcess::refusedTimeouts_data()
{
    QTest::addColumn<QString>("seconds");
    for (const char* text : {"", "0", "0.0004", "-1", "301", "300.001", "1e3", "nan", "inf", " 3", "3 ", "3s", "+3"})
        QTest::newRow(text) << QString::fromLatin1(text);
}

void TestHelperProcess::refusedTimeouts()
{
    QFETCH(QString, seconds);
    QCOMPARE(readTimeout(seconds.toStdString()), std::nullopt);
}

QTEST_GUILESS_MAIN(TestHelperProcess)
#include "tst_helper_process.moc"

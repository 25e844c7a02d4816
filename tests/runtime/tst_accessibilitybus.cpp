// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibilitybus.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace
{
// Short, so the rows that wait out the limit keep the test quick.
constexpr std::chrono::milliseconds Limit{200};

auto deadline()
{
    return std::chrono::steady_clock::now() + Limit;
}

// A socket that takes connections (the kernel completes them) and never says a word, as a bus
// daemon stopped by a signal does; or, closed once bound, one that refuses them.
class Socket
{
public:
    Socket(const QByteArray &name, bool abstract, bool listening)
    {
        m_fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path + (abstract ? 1 : 0), name.constData(), name.size());
        const auto length =
            socklen_t(offsetof(sockaddr_un, sun_path) + (abstract ? 1 : 0) + name.size());
        m_ok = ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), length) == 0 &&
               (!listening || ::listen(m_fd, 8) == 0);
        if (!listening) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~Socket()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool ok() const { return m_ok; }

private:
    int m_fd = -1;
    bool m_ok = false;
};

// Stands in for the accessibility bus's launcher on a session bus: gives the address it is set
// to, or, set to nothing, takes the call and never answers it.
class Launcher : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.a11y.Bus")
public:
    QString address;

public Q_SLOTS:
    QString GetAddress()
    {
        if (address.isEmpty())
            setDelayedReply(true);
        return address;
    }
};
} // namespace

class tst_AccessibilityBus : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void sessionBusAddress_data();
    void sessionBusAddress();
    void askBus_data();
    void askBus();
    void lookUp_data();
    void lookUp();
    void check_data();
    void check();

private:
    // The launcher answers on a session bus of its own, or leaves it (empty address).
    void offerAccessibilityBus(const QString &address, bool answering = true);

    QTemporaryDir m_folder;
    std::unique_ptr<Socket> m_silent;
    std::unique_ptr<Socket> m_silentAbstract;
    std::unique_ptr<Socket> m_refusing;
    QString m_silentAddress;
    QString m_refusingAddress;
    // Two private buses: a session bus and a healthy accessibility bus.
    QString m_sessionAddress;
    QString m_healthyAddress;
    QList<qint64> m_busPids;
    QThread m_launcherThread;
    Launcher *m_launcher = nullptr;
};

namespace
{
// A private bus daemon, forked away; its address and process id.
bool startBus(QString *address, qint64 *pid)
{
    QProcess daemon;
    daemon.start(u"dbus-daemon"_s, {u"--session"_s, u"--fork"_s, u"--nopidfile"_s,
                                    u"--print-address=1"_s, u"--print-pid=1"_s});
    if (!daemon.waitForFinished(10000) || daemon.exitCode() != 0)
        return false;
    const QList<QByteArray> lines = daemon.readAllStandardOutput().trimmed().split('\n');
    if (lines.size() != 2)
        return false;
    *address = QString::fromUtf8(lines[0].trimmed());
    bool ok = false;
    *pid = lines[1].trimmed().toLongLong(&ok);
    return ok;
}
} // namespace

void tst_AccessibilityBus::initTestCase()
{
    QVERIFY(m_folder.isValid());
    const QByteArray silent = QFile::encodeName(m_folder.filePath(u"silent"_s));
    const QByteArray refusing = QFile::encodeName(m_folder.filePath(u"refusing"_s));
    m_silent = std::make_unique<Socket>(silent, false, true);
    m_silentAbstract = std::make_unique<Socket>(
        "loan-test-silent-" + QByteArray::number(QCoreApplication::applicationPid()), true, true);
    m_refusing = std::make_unique<Socket>(refusing, false, false);
    QVERIFY(m_silent->ok() && m_silentAbstract->ok() && m_refusing->ok());
    m_silentAddress = u"unix:path="_s + QString::fromUtf8(silent);
    m_refusingAddress = u"unix:path="_s + QString::fromUtf8(refusing);
    for (QString *address : {&m_sessionAddress, &m_healthyAddress}) {
        qint64 pid = 0;
        QVERIFY2(startBus(address, &pid), "cannot start a private dbus-daemon");
        m_busPids << pid;
    }
    QDBusConnection session = QDBusConnection::connectToBus(m_sessionAddress, u"launcher"_s);
    QVERIFY(session.isConnected());
    m_launcher = new Launcher;
    // Answers on a thread of its own while the test's thread waits for the answers.
    m_launcher->moveToThread(&m_launcherThread);
    m_launcherThread.start();
    QVERIFY(
        session.registerObject(u"/org/a11y/bus"_s, m_launcher, QDBusConnection::ExportAllSlots));
}

void tst_AccessibilityBus::cleanupTestCase()
{
    QDBusConnection::connectToBus(m_sessionAddress, u"launcher"_s)
        .unregisterObject(u"/org/a11y/bus"_s);
    QDBusConnection::disconnectFromBus(u"launcher"_s);
    m_launcherThread.quit();
    m_launcherThread.wait();
    delete m_launcher;
    for (qint64 pid : m_busPids)
        ::kill(pid_t(pid), SIGTERM);
}

void tst_AccessibilityBus::offerAccessibilityBus(const QString &address, bool answering)
{
    QDBusConnection session = QDBusConnection::connectToBus(m_sessionAddress, u"launcher"_s);
    session.unregisterService(u"org.a11y.Bus"_s);
    QMetaObject::invokeMethod(
        m_launcher, [this, address] { m_launcher->address = address; },
        Qt::BlockingQueuedConnection);
    if (!address.isEmpty() || !answering)
        QVERIFY(session.registerService(u"org.a11y.Bus"_s));
}

void tst_AccessibilityBus::sessionBusAddress_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<bool>("busInRuntimeFolder");
    QTest::addColumn<bool>("runtimeFolderSet");
    QTest::addColumn<QString>("expected");
    QTest::newRow("given") << u"unix:path=/run/a"_s << false << true << u"unix:path=/run/a"_s;
    QTest::newRow("givenBeforeRuntimeFolder")
        << u"unix:path=/run/a"_s << true << true << u"unix:path=/run/a"_s;
    QTest::newRow("runtimeFolder") << QString() << true << true << u"FOLDER"_s;
    QTest::newRow("runtimeFolderWithoutBus") << QString() << false << true << QString();
    QTest::newRow("nothing") << QString() << false << false << QString();
}

void tst_AccessibilityBus::sessionBusAddress()
{
    QFETCH(QString, given);
    QFETCH(bool, busInRuntimeFolder);
    QFETCH(bool, runtimeFolderSet);
    QFETCH(QString, expected);
    QTemporaryDir folder(QDir::tempPath() + u"/run dir-XXXXXX"_s);
    QVERIFY(folder.isValid());
    if (busInRuntimeFolder) {
        QFile bus(folder.filePath(u"bus"_s));
        QVERIFY(bus.open(QIODevice::WriteOnly));
    }
    QProcessEnvironment environment;
    if (!given.isEmpty())
        environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, given);
    if (runtimeFolderSet)
        environment.insert(u"XDG_RUNTIME_DIR"_s, folder.path());
    if (expected == u"FOLDER") {
        // Escaped as D-Bus addresses are: the blank in the folder's name is %20.
        expected = u"unix:path="_s + folder.filePath(u"bus"_s).replace(u' ', u"%20"_s);
    }
    QCOMPARE(runtime::SessionBusAddress(environment), expected);
}

void tst_AccessibilityBus::askBus_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("why");
    const QString nothing = u"unix:path="_s + m_folder.filePath(u"nothing"_s);
    QTest::newRow("healthy") << m_healthyAddress << int(runtime::BusAnswer::Answered) << QString();
    QTest::newRow("silent") << m_silentAddress << int(runtime::BusAnswer::Silent)
                            << u"did not answer in time"_s;
    QTest::newRow("silentAbstract")
        << u"unix:abstract=loan-test-silent-%1"_s.arg(QCoreApplication::applicationPid())
        << int(runtime::BusAnswer::Silent) << u"did not answer in time"_s;
    QTest::newRow("refusing") << m_refusingAddress << int(runtime::BusAnswer::Silent)
                              << u"Connection refused"_s;
    QTest::newRow("namesNothing") << nothing << int(runtime::BusAnswer::Silent)
                                  << u"No such file or directory"_s;
    QTest::newRow("secondAlternative")
        << nothing + u';' + m_healthyAddress << int(runtime::BusAnswer::Answered) << QString();
    QTest::newRow("tcp") << u"tcp:host=localhost,port=1"_s << int(runtime::BusAnswer::NotChecked)
                         << QString();
}

void tst_AccessibilityBus::askBus()
{
    QFETCH(QString, address);
    QFETCH(int, outcome);
    QFETCH(QString, why);
    const runtime::BusAnswer answer = runtime::AskBus(address, deadline());
    QCOMPARE(int(answer.outcome), outcome);
    QVERIFY2(answer.why.contains(why), qPrintable(answer.why));
}

void tst_AccessibilityBus::lookUp_data()
{
    QTest::addColumn<QString>("offered");
    QTest::addColumn<bool>("launcherAnswers");
    QTest::addColumn<bool>("sessionSilent");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("found");
    QTest::newRow("offered") << m_healthyAddress << true << false
                             << int(runtime::BusAnswer::Answered) << m_healthyAddress;
    QTest::newRow("noLauncher") << QString() << true << false << int(runtime::BusAnswer::Answered)
                                << QString();
    QTest::newRow("launcherSilent")
        << QString() << false << false << int(runtime::BusAnswer::Silent) << QString();
    QTest::newRow("sessionSilent")
        << QString() << true << true << int(runtime::BusAnswer::Silent) << QString();
}

void tst_AccessibilityBus::lookUp()
{
    QFETCH(QString, offered);
    QFETCH(bool, launcherAnswers);
    QFETCH(bool, sessionSilent);
    QFETCH(int, outcome);
    QFETCH(QString, found);
    offerAccessibilityBus(offered, launcherAnswers);
    const auto lookup = runtime::LookUpAccessibilityBus(
        sessionSilent ? m_silentAddress : m_sessionAddress, deadline());
    QCOMPARE(int(lookup.session.outcome), outcome);
    QCOMPARE(lookup.accessibilityAddress, found);
}

void tst_AccessibilityBus::check_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("session");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QString>("xRoot");
    QTest::addColumn<QString>("problem");
    const QString session = m_sessionAddress;
    const QString healthy = m_healthyAddress;
    const QString silent = m_silentAddress;
    QTest::newRow("givenHealthy") << healthy << session << silent << silent << QString();
    QTest::newRow("givenSilent") << silent << session << healthy << healthy
                                 << u"the accessibility bus at "_s + silent;
    QTest::newRow("offeredHealthy") << QString() << session << healthy << healthy << QString();
    QTest::newRow("offeredSilent")
        << QString() << session << silent << QString() << u"the accessibility bus at "_s + silent;
    QTest::newRow("xRootSilent") << QString() << session << QString() << silent
                                 << u"the accessibility bus at "_s + silent;
    QTest::newRow("xRootHealthy") << QString() << session << QString() << healthy << QString();
    QTest::newRow("sessionSilent")
        << QString() << silent << QString() << healthy << u"the session bus at "_s + silent;
    QTest::newRow("sessionRefusing") << QString() << m_refusingAddress << QString() << healthy
                                     << u"the session bus at "_s + m_refusingAddress;
    QTest::newRow("noSessionBus") << QString() << QString() << QString() << healthy
                                  << u"no session bus"_s;
    // The toolkit asks the session bus for the desktop's settings even then.
    QTest::newRow("givenHealthySessionSilent")
        << healthy << silent << QString() << healthy << u"the session bus at "_s + silent;
}

void tst_AccessibilityBus::check()
{
    QFETCH(QString, given);
    QFETCH(QString, session);
    QFETCH(QString, offered);
    QFETCH(QString, xRoot);
    QFETCH(QString, problem);
    offerAccessibilityBus(offered);
    QProcessEnvironment environment;
    if (!given.isEmpty())
        environment.insert(u"AT_SPI_BUS_ADDRESS"_s, given);
    if (!session.isEmpty())
        environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, session);
    runtime::AccessibilityBusCheck check(environment, Limit);
    // A session bus that does not answer is said before the toolkit comes up, and only then.
    const bool sessionsFault = problem.startsWith(u"the session bus"_s);
    const QString first = check.sessionProblem();
    const QString later = check.problem(xRoot.toUtf8());
    const QString found = sessionsFault ? first : later;
    QCOMPARE(sessionsFault ? later : first, QString());
    if (problem.isEmpty())
        QCOMPARE(found, QString());
    else
        QVERIFY2(found.contains(problem), qPrintable(found));
}

QTEST_GUILESS_MAIN(tst_AccessibilityBus)
#include "tst_accessibilitybus.moc"

// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibilitybus.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <QUrl>
#include <QtEndian>

#include <xcb/xcb.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <stddef.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace runtime
{

namespace
{
using Clock = std::chrono::steady_clock;

constexpr char MethodCall = 1;
constexpr char MethodReturn = 2;
constexpr char Error = 3;
// Asking a service that is not running must not start it: the toolkit only looks whether it runs.
constexpr char NoAutoStart = 2;
// A reply to either call here is tiny; anything far larger is not a bus talking to us.
constexpr quint32 LargestMessage = 1 << 16;

int millisecondsLeft(Clock::time_point deadline)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? int(left.count()) : 0;
}

class Socket
{
public:
    Socket() = default;
    explicit Socket(int fd) : m_fd(fd) {}
    Socket(Socket &&other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Socket &operator=(Socket &&other) noexcept
    {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    ~Socket()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int fd() const { return m_fd; }

private:
    int m_fd = -1;
};

// Waits for the socket to be ready for `events`; false once the deadline passes.
bool waitFor(const Socket &socket, short events, Clock::time_point deadline)
{
    for (;;) {
        pollfd entry{socket.fd(), events, 0};
        const int ready = ::poll(&entry, 1, millisecondsLeft(deadline));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

// One unix: transport of an address: its socket's name, or nothing for other transports.
std::optional<sockaddr_un> unixSocketOf(const QString &transport, QString *name)
{
    if (!transport.startsWith(QLatin1String("unix:")))
        return std::nullopt;
    QByteArray path;
    bool abstract = false;
    for (const QString &pair : transport.mid(5).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const auto equals = pair.indexOf(QLatin1Char('='));
        const QString key = pair.left(equals);
        // Values are escaped as in URLs.
        const QByteArray value = QByteArray::fromPercentEncoding(pair.mid(equals + 1).toUtf8());
        if (key == QLatin1String("path") || key == QLatin1String("abstract")) {
            path = value;
            abstract = key == QLatin1String("abstract");
        }
    }
    sockaddr_un address{};
    if (path.isEmpty() || std::size_t(path.size()) + 1 > sizeof address.sun_path)
        return std::nullopt;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + (abstract ? 1 : 0), path.constData(), path.size());
    *name = QString::fromUtf8(path);
    return address;
}

socklen_t lengthOf(const sockaddr_un &address)
{
    const bool abstract = address.sun_path[0] == '\0';
    return socklen_t(offsetof(sockaddr_un, sun_path) + (abstract
                                                            ? 1 + std::strlen(address.sun_path + 1)
                                                            : std::strlen(address.sun_path) + 1));
}

struct Connected {
    Socket socket;
    BusAnswer answer;
};

Connected connectTo(const QString &address, Clock::time_point deadline)
{
    Connected result;
    QStringList failures;
    for (const QString &transport : address.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        QString name;
        const auto socketAddress = unixSocketOf(transport, &name);
        if (!socketAddress)
            continue;
        Socket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
        if (socket.fd() < 0)
            break;
        int status = ::connect(socket.fd(), reinterpret_cast<const sockaddr *>(&*socketAddress),
                               lengthOf(*socketAddress));
        if (status != 0 && (errno == EINPROGRESS || errno == EAGAIN)) {
            int error = ETIMEDOUT;
            socklen_t size = sizeof error;
            if (waitFor(socket, POLLOUT, deadline))
                ::getsockopt(socket.fd(), SOL_SOCKET, SO_ERROR, &error, &size);
            errno = error;
            status = error == 0 ? 0 : -1;
        }
        if (status == 0) {
            result.socket = std::move(socket);
            result.answer.outcome = BusAnswer::Answered;
            return result;
        }
        failures << QStringLiteral("%1 (%2)").arg(name,
                                                  QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (!failures.isEmpty()) {
        result.answer = {
            BusAnswer::Silent,
            QStringLiteral("cannot be reached: %1").arg(failures.join(QLatin1String(", ")))};
    }
    return result;
}

bool sendAll(const Socket &socket, const QByteArray &bytes, Clock::time_point deadline)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        if (!waitFor(socket, POLLOUT, deadline))
            return false;
        const auto written =
            ::send(socket.fd(), bytes.constData() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (written < 0 && errno != EINTR && errno != EAGAIN)
            return false;
        if (written > 0)
            sent += written;
    }
    return true;
}

// Appends what arrives to `received`; false when the deadline passes or the bus hangs up.
bool receiveMore(const Socket &socket, QByteArray &received, Clock::time_point deadline)
{
    for (;;) {
        if (!waitFor(socket, POLLIN, deadline))
            return false;
        char buffer[4096];
        const auto count = ::recv(socket.fd(), buffer, sizeof buffer, 0);
        if (count > 0) {
            received.append(buffer, count);
            return true;
        }
        if (count == 0 || (errno != EINTR && errno != EAGAIN))
            return false;
    }
}

// Builds the method calls sent here (little-endian, string arguments only, no body).
class Call
{
public:
    Call(quint32 serial, const char *path, const char *destination, const char *interface,
         const char *member, char flags = 0)
    {
        m_bytes.append("l");
        m_bytes.append(MethodCall);
        m_bytes.append(flags);
        m_bytes.append('\1'); // protocol version
        appendUint(0);        // body length
        appendUint(serial);
        appendUint(0); // header fields' length, filled in below
        field(1, 'o', path);
        field(6, 's', destination);
        field(2, 's', interface);
        field(3, 's', member);
        const quint32 fieldsLength = quint32(m_bytes.size() - 16);
        std::memcpy(m_bytes.data() + 12, &fieldsLength, 4);
        align(8);
    }
    const QByteArray &bytes() const { return m_bytes; }

private:
    void align(int boundary)
    {
        while (m_bytes.size() % boundary)
            m_bytes.append('\0');
    }
    void appendUint(quint32 value)
    {
        const quint32 little = qToLittleEndian(value);
        m_bytes.append(reinterpret_cast<const char *>(&little), 4);
    }
    void field(char code, char type, const char *text)
    {
        align(8);
        m_bytes.append(code);
        m_bytes.append('\1');
        m_bytes.append(type);
        m_bytes.append('\0');
        align(4);
        appendUint(quint32(std::strlen(text)));
        m_bytes.append(text);
        m_bytes.append('\0');
    }
    QByteArray m_bytes;
};

// What is read of a message sent to us: enough to match a reply and take a string from it.
struct Reply {
    char type = 0;
    quint32 replySerial = 0;
    QByteArray signature;
    QByteArray body;
    bool bigEndian = false;
};

class Reader
{
public:
    Reader(const QByteArray &bytes, bool bigEndian) : m_bytes(bytes), m_bigEndian(bigEndian) {}
    void align(qsizetype boundary) { m_at = (m_at + boundary - 1) / boundary * boundary; }
    bool has(qsizetype count) const { return m_at + count <= m_bytes.size(); }
    qsizetype at() const { return m_at; }
    void skip(qsizetype count) { m_at += count; }
    quint8 byte() { return has(1) ? quint8(m_bytes[m_at++]) : 0; }
    quint32 uint()
    {
        align(4);
        if (!has(4)) {
            m_at = m_bytes.size() + 1;
            return 0;
        }
        quint32 value;
        std::memcpy(&value, m_bytes.constData() + m_at, 4);
        m_at += 4;
        return m_bigEndian ? qFromBigEndian(value) : qFromLittleEndian(value);
    }
    QByteArray text(qsizetype length)
    {
        if (!has(length + 1)) {
            m_at = m_bytes.size() + 1;
            return {};
        }
        const QByteArray value = m_bytes.mid(m_at, length);
        m_at += length + 1;
        return value;
    }
    bool ok() const { return m_at <= m_bytes.size(); }

private:
    const QByteArray &m_bytes;
    bool m_bigEndian;
    qsizetype m_at = 0;
};

// Takes the first whole message off `received`; nothing while it is incomplete, and a reply of
// type 0 for what is not a message.
std::optional<Reply> takeMessage(QByteArray &received)
{
    if (received.size() < 16)
        return std::nullopt;
    Reply reply;
    reply.bigEndian = received[0] == 'B';
    if (!reply.bigEndian && received[0] != 'l')
        return Reply{};
    Reader header(received, reply.bigEndian);
    header.skip(4);
    const quint32 bodyLength = header.uint();
    header.uint(); // serial
    const quint32 fieldsLength = header.uint();
    if (bodyLength > LargestMessage || fieldsLength > LargestMessage)
        return Reply{};
    const qsizetype fieldsEnd = 16 + qsizetype(fieldsLength);
    const qsizetype bodyStart = (fieldsEnd + 7) / 8 * 8;
    if (received.size() < bodyStart + qsizetype(bodyLength))
        return std::nullopt;
    reply.type = received[1];
    while (header.ok() && header.at() < fieldsEnd) {
        header.align(8);
        const quint8 code = header.byte();
        const QByteArray type = header.text(header.byte());
        if (type == "u") {
            const quint32 value = header.uint();
            if (code == 5)
                reply.replySerial = value;
        } else if (type == "s" || type == "o") {
            header.text(header.uint());
        } else if (type == "g") {
            const QByteArray value = header.text(header.byte());
            if (code == 8)
                reply.signature = value;
        } else {
            return Reply{}; // no other type belongs in a header field
        }
    }
    if (!header.ok())
        return Reply{};
    reply.body = received.mid(bodyStart, bodyLength);
    received.remove(0, bodyStart + bodyLength);
    return reply;
}

// Waits for the reply to call `serial`, passing over the signals the bus sends meanwhile.
std::optional<Reply> replyTo(quint32 serial, const Socket &socket, QByteArray &received,
                             Clock::time_point deadline)
{
    for (;;) {
        while (auto reply = takeMessage(received)) {
            if (reply->type == 0)
                return std::nullopt;
            if ((reply->type == MethodReturn || reply->type == Error) &&
                reply->replySerial == serial)
                return reply;
        }
        if (!receiveMore(socket, received, deadline))
            return std::nullopt;
    }
}

QString limitText(Clock::time_point deadline)
{
    return Clock::now() >= deadline ? QStringLiteral("did not answer in time")
                                    : QStringLiteral("hung up before answering");
}

// A connection that has said Hello, or why there is none.
struct Session {
    Connected connected;
    QByteArray received;
};

Session greet(const QString &address, Clock::time_point deadline)
{
    Session session{connectTo(address, deadline), {}};
    BusAnswer &answer = session.connected.answer;
    if (answer.outcome != BusAnswer::Answered)
        return session;
    const Socket &socket = session.connected.socket;
    // The client's credentials go with the socket; the bus is told the user they name.
    QByteArray auth("\0AUTH EXTERNAL ", 15);
    auth.append(QByteArray::number(::getuid()).toHex());
    auth.append("\r\n");
    if (!sendAll(socket, auth, deadline)) {
        answer = {BusAnswer::Silent, limitText(deadline)};
        return session;
    }
    while (!session.received.contains("\r\n")) {
        if (!receiveMore(socket, session.received, deadline)) {
            answer = {BusAnswer::Silent, limitText(deadline)};
            return session;
        }
    }
    if (!session.received.startsWith("OK ")) {
        answer = {BusAnswer::Silent, QStringLiteral("refused the connection")};
        return session;
    }
    session.received.remove(0, session.received.indexOf("\r\n") + 2);
    QByteArray hello("BEGIN\r\n");
    hello.append(
        Call(1, "/org/freedesktop/DBus", "org.freedesktop.DBus", "org.freedesktop.DBus", "Hello")
            .bytes());
    const bool sent = sendAll(socket, hello, deadline);
    const auto reply = sent ? replyTo(1, socket, session.received, deadline) : std::nullopt;
    if (!reply)
        answer = {BusAnswer::Silent, limitText(deadline)};
    else if (reply->type != MethodReturn)
        answer = {BusAnswer::Silent, QStringLiteral("refused the connection")};
    return session;
}

QString sentence(const QString &what, const QString &address, const BusAnswer &answer)
{
    return QStringLiteral("%1 at %2 %3").arg(what, address, answer.why);
}
} // namespace

QString SessionBusAddress(const QProcessEnvironment &environment)
{
    const QString given = environment.value(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    if (!given.isEmpty())
        return given;
    const QString runtimeFolder = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    if (runtimeFolder.isEmpty())
        return {};
    const QString socket = QDir(runtimeFolder).filePath(QStringLiteral("bus"));
    if (!QFileInfo::exists(socket))
        return {};
    return QStringLiteral("unix:path=") +
           QString::fromLatin1(QUrl::toPercentEncoding(socket, QByteArrayLiteral("/")));
}

BusAnswer AskBus(const QString &address, Clock::time_point deadline)
{
    return greet(address, deadline).connected.answer;
}

LookupAnswer LookUpAccessibilityBus(const QString &sessionAddress, Clock::time_point deadline)
{
    Session session = greet(sessionAddress, deadline);
    LookupAnswer lookup{session.connected.answer, {}};
    if (lookup.session.outcome != BusAnswer::Answered)
        return lookup;
    const Socket &socket = session.connected.socket;
    const bool sent = sendAll(
        socket,
        Call(2, "/org/a11y/bus", "org.a11y.Bus", "org.a11y.Bus", "GetAddress", NoAutoStart).bytes(),
        deadline);
    const auto reply = sent ? replyTo(2, socket, session.received, deadline) : std::nullopt;
    if (!reply) {
        lookup.session = {BusAnswer::Silent,
                          QStringLiteral("did not tell the accessibility bus's address in time")};
    } else if (reply->type == MethodReturn && reply->signature == "s") {
        Reader body(reply->body, reply->bigEndian);
        const QByteArray address = body.text(body.uint());
        if (body.ok())
            lookup.accessibilityAddress = QString::fromUtf8(address);
    }
    // An error reply: no accessibility bus is offered there, which is no fault.
    return lookup;
}

AccessibilityBusCheck::AccessibilityBusCheck(const QProcessEnvironment &environment,
                                             std::chrono::milliseconds limit)
    : m_limit(limit)
{
    std::promise<QString> session;
    m_session = session.get_future().share();
    m_found = std::async(std::launch::async, &find, environment, limit, std::move(session));
}

AccessibilityBusCheck::~AccessibilityBusCheck()
{
    if (m_found.valid())
        m_found.wait();
}

AccessibilityBusCheck::Found AccessibilityBusCheck::find(const QProcessEnvironment &environment,
                                                         std::chrono::milliseconds limit,
                                                         std::promise<QString> sessionProblem)
{
    const auto deadline = Clock::now() + limit;
    Found found;
    const QString given = environment.value(QStringLiteral("AT_SPI_BUS_ADDRESS"));
    const QString session = SessionBusAddress(environment);
    // The session bus is asked even where the accessibility bus's address is given: the toolkit's
    // own start-up asks it for the desktop's settings (from Qt 6.5), before any window exists.
    LookupAnswer lookup;
    if (!session.isEmpty()) {
        if (given.isEmpty())
            lookup = LookUpAccessibilityBus(session, deadline);
        else
            lookup.session = AskBus(session, deadline);
    }
    if (lookup.session.outcome == BusAnswer::Silent) {
        found.problem = sentence(QStringLiteral("the session bus"), session, lookup.session);
        found.sessionSilent = true;
    }
    sessionProblem.set_value(found.problem);
    if (found.sessionSilent)
        return found;
    // The toolkit takes this address and nothing else when it is set.
    if (!given.isEmpty()) {
        const BusAnswer answer = AskBus(given, deadline);
        if (answer.outcome == BusAnswer::Silent)
            found.problem = sentence(QStringLiteral("the accessibility bus"), given, answer);
        return found;
    }
    if (session.isEmpty()) {
        found.problem = QStringLiteral("there is no session bus to find the accessibility bus on");
        return found;
    }
    // Without a session bus it can talk to, the toolkit looks no further.
    found.xRootUsed = true;
    if (!lookup.accessibilityAddress.isEmpty()) {
        found.askedAddress = lookup.accessibilityAddress;
        const BusAnswer answer = AskBus(lookup.accessibilityAddress, deadline);
        if (answer.outcome == BusAnswer::Silent) {
            found.problem = sentence(QStringLiteral("the accessibility bus"),
                                     lookup.accessibilityAddress, answer);
        }
    }
    return found;
}

QString AccessibilityBusCheck::sessionProblem()
{
    return m_session.get();
}

QString AccessibilityBusCheck::problem(const QByteArray &xRootAddress)
{
    const Found found = m_found.get();
    // Already said, and dealt with, before the toolkit came up.
    if (found.sessionSilent)
        return {};
    if (!found.problem.isEmpty() || !found.xRootUsed || xRootAddress.isEmpty())
        return found.problem;
    const QString address = QString::fromLatin1(xRootAddress);
    if (address == found.askedAddress)
        return {};
    const BusAnswer answer = AskBus(address, Clock::now() + m_limit);
    if (answer.outcome == BusAnswer::Silent)
        return sentence(QStringLiteral("the accessibility bus"), address, answer);
    return {};
}

namespace
{
// The X root window's AT_SPI_BUS property, where the toolkit runs on X11.
QByteArray xRootAccessibilityAddress()
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("xcb")))
        return {};
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return {};
    const char name[] = "AT_SPI_BUS";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr);
    if (!atom)
        return {};
    QByteArray address;
    if (atom->atom != XCB_ATOM_NONE) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        xcb_get_property_reply_t *property = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, root, atom->atom, XCB_ATOM_STRING, 0, 1024),
            nullptr);
        if (property) {
            address = QByteArray(static_cast<const char *>(xcb_get_property_value(property)),
                                 xcb_get_property_value_length(property));
            std::free(property);
        }
    }
    std::free(atom);
    return address;
}
} // namespace

namespace
{
// Abstract socket names no bus listens on: a connection to either fails at once.
constexpr char NoAccessibilityBus[] = "unix:abstract=/nonexistent/accessibility-turned-off";
constexpr char NoSessionBus[] = "unix:abstract=/nonexistent/session-bus-turned-off";

void sayAccessibilityIsOff(const QString &program, const QString &problem)
{
    std::fprintf(stderr, "%s: accessibility is off for this run: %s\n", qUtf8Printable(program),
                 qUtf8Printable(problem));
}
} // namespace

void KeepTheSessionBusFromBlocking(AccessibilityBusCheck &check, const char *programPath)
{
    const QString problem = check.sessionProblem();
    if (problem.isEmpty())
        return;
    // Neither the toolkit's start-up nor its bridge may wait on a session bus that does not answer.
    qputenv("DBUS_SESSION_BUS_ADDRESS", NoSessionBus);
    qputenv("AT_SPI_BUS_ADDRESS", NoAccessibilityBus);
    sayAccessibilityIsOff(QFileInfo(QString::fromLocal8Bit(programPath)).fileName(), problem);
}

void KeepAccessibilityFromBlocking(AccessibilityBusCheck &check)
{
    const QString problem = check.problem(xRootAccessibilityAddress());
    if (problem.isEmpty())
        return;
    // The bridge takes this address before any other and fails on it at once: an abstract socket
    // name no bus listens on.
    qputenv("AT_SPI_BUS_ADDRESS", NoAccessibilityBus);
    sayAccessibilityIsOff(QCoreApplication::applicationName(), problem);
}

} // namespace runtime

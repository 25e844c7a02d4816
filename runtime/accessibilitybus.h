// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window shows whatever the desktop's buses do. The toolkit's bridge to assistive technology
// connects to the accessibility bus the first time anything asks whether accessibility is on,
// and it waits for that bus with no time limit: a bus daemon that is stopped, or a session bus
// that never answers, would keep the window from ever showing. So, before the start-up form is
// created, the buses the bridge would use are asked, in the order the toolkit asks them, whether
// they answer within AccessibilityBusLimit; where one does not, the bridge is pointed at an
// address that names nothing (so it gives up at once, and the program runs without a screen
// reader), and one line on standard error says why. The asking runs on a thread of its own
// beside the toolkit's start-up, so a healthy bus costs the first show nothing.
//
// The address the bridge uses, in its order: AT_SPI_BUS_ADDRESS when set (and nothing else);
// otherwise, over the session bus, the org.a11y.Bus service's GetAddress, and on X11 the root
// window's AT_SPI_BUS property too. Only local (unix:) transports are checked; a bus at any
// other kind of address is left to the toolkit.
#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>

#include <chrono>
#include <future>

namespace runtime
{

// A healthy local bus answers a new connection in about a millisecond even on a loaded machine;
// the program's own start-up to the first show takes a few hundred. Waiting up to 400 ms (often
// hidden behind the toolkit's start-up, which runs meanwhile) keeps the window within a second
// when a bus is stuck, while a bus that is only slow is given hundreds of times its usual time.
inline constexpr std::chrono::milliseconds AccessibilityBusLimit{400};

// The session bus's address as the toolkit's D-Bus library finds it without starting one:
// DBUS_SESSION_BUS_ADDRESS, else the socket "bus" in XDG_RUNTIME_DIR; empty when neither is set.
QString SessionBusAddress(const QProcessEnvironment &environment);

struct BusAnswer {
    enum Outcome {
        Answered,   // it took a connection and answered it
        Silent,     // it did not answer in time, or named nothing, or refused
        NotChecked, // an address of a kind not checked here
    };
    Outcome outcome = NotChecked;
    QString why; // for Silent: what happened, as the end of a sentence
};

// Whether the bus at a D-Bus address (';'-separated alternatives, the first that connects wins)
// takes a connection and answers its Hello by the deadline.
BusAnswer AskBus(const QString &address, std::chrono::steady_clock::time_point deadline);

// The accessibility bus's address from the session bus's org.a11y.Bus service by the deadline:
// answered with the address, or with an empty one where no such service is on the bus.
struct LookupAnswer {
    BusAnswer session;
    QString accessibilityAddress;
};
LookupAnswer LookUpAccessibilityBus(const QString &sessionAddress,
                                    std::chrono::steady_clock::time_point deadline);

// The check of the buses, from an environment (the program's, handed in).
class AccessibilityBusCheck
{
public:
    // Starts asking the buses at once, on a thread of its own.
    explicit AccessibilityBusCheck(const QProcessEnvironment &environment,
                                   std::chrono::milliseconds limit = AccessibilityBusLimit);
    AccessibilityBusCheck(const AccessibilityBusCheck &) = delete;
    AccessibilityBusCheck &operator=(const AccessibilityBusCheck &) = delete;
    ~AccessibilityBusCheck();

    // Waits for the answers. xRootAddress is the X root window's AT_SPI_BUS property (empty off
    // X11), asked too where the toolkit would use it and it names another bus. Returns why the
    // bridge must stay off, as one line, or nothing when the buses answer (or none is to be
    // used).
    QString problem(const QByteArray &xRootAddress);

    // Waits for the session bus's answer alone (within the limit): why it must be kept from the
    // toolkit, or nothing. Where this names a problem, problem() names none.
    QString sessionProblem();

private:
    struct Found {
        QString problem;
        bool sessionSilent = false; // the problem is the session bus's
        bool xRootUsed = false;     // the toolkit goes on to the X root window's address
        QString askedAddress;       // the accessibility bus already asked, if any
    };
    static Found find(const QProcessEnvironment &environment, std::chrono::milliseconds limit,
                      std::promise<QString> sessionProblem);

    std::chrono::milliseconds m_limit;
    std::shared_future<QString> m_session;
    std::future<Found> m_found;
};

// Run before the application object is created: waits for the session bus's answer and, where it
// does not answer, keeps it from the toolkit (whose start-up asks it for the desktop's settings)
// and from its bridge, and says why on standard error under the program's name.
void KeepTheSessionBusFromBlocking(AccessibilityBusCheck &check, const char *programPath);

// Run once the application object exists and before anything asks about accessibility: waits
// for the check and, where a bus does not answer, keeps the toolkit's bridge off and says why on
// standard error.
void KeepAccessibilityFromBlocking(AccessibilityBusCheck &check);

} // namespace runtime

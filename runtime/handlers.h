// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The boundary where the toolkit calls the program's handlers. A runtime error raised inside
// a handler unwinds it (so whatever it had not yet done stays undone), is reported to the user
// here, and the program goes on. No exception ever reaches the toolkit's event loop.
#pragma once

#include "errors.h"
#include "messages.h"

#include <QDebug>
#include <QObject>

#include <exception>
#include <functional>
#include <utility>

namespace runtime
{

// Where the user mends an entry that is not a number: given the entry's field, the window puts
// the focus in its box. That happens before the report opens, so dismissing the report brings
// the window back with the focus already there: a screen reader then announces that box alone,
// not first the button that was pressed (Orca 48 did, on Qt 6.8, when the focus moved after).
using EntryErrorFollowUp = std::function<void(core::EntryField field)>;

template <typename Handler>
void RunHandler(Handler &&handler, const EntryErrorFollowUp &followUp = {}) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (const core::TypeMismatchError &error) {
        if (followUp && error.field() != core::EntryField::Unknown)
            followUp(error.field());
        ReportRuntimeError(error);
    } catch (const core::RuntimeError &error) {
        ReportRuntimeError(error);
    } catch (const std::exception &error) {
        // Not one of the errors a handler may raise: a fault of the program, which the user
        // cannot mend, so a developer must be able to find what it was.
        qCritical("Unexpected error in a handler: %s", error.what());
        ReportRuntimeError(core::RuntimeError(QStringLiteral(
            "Something went wrong inside the program. Your entries are unchanged.")));
    }
}

// Connects a signal to a handler member through the boundary above.
template <typename Sender, typename Signal, typename Receiver>
QMetaObject::Connection ConnectHandler(const Sender *sender, Signal signal, Receiver *receiver,
                                       void (Receiver::*handler)(),
                                       EntryErrorFollowUp followUp = {})
{
    return QObject::connect(sender, signal, receiver, [receiver, handler, followUp] {
        RunHandler([&] { (receiver->*handler)(); }, followUp);
    });
}

} // namespace runtime

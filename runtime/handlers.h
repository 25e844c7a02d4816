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

// What follows the report of an entry that is not a number, once the user has dismissed it:
// given the entry's field, the window puts the focus where the user can mend it.
using EntryErrorFollowUp = std::function<void(core::EntryField field)>;

template <typename Handler>
void RunHandler(Handler &&handler, const EntryErrorFollowUp &followUp = {}) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (const core::TypeMismatchError &error) {
        ReportRuntimeError(error);
        if (followUp && error.field() != core::EntryField::Unknown)
            followUp(error.field());
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

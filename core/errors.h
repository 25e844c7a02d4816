// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The runtime errors a handler can raise. Each carries the words the user is shown when
// the handler boundary (handlers.h) catches it; none of them ends the program.
#pragma once

#include <QString>

#include <exception>

namespace core
{

class RuntimeError : public std::exception
{
public:
    // `failed` names what could not be done, as the report's title; empty for a calculation.
    explicit RuntimeError(QString userMessage, QString failed = {})
        : m_userMessage(std::move(userMessage)), m_failed(std::move(failed))
    {
    }

    // Plain words for the person at the keyboard, not for a developer.
    const QString &userMessage() const noexcept { return m_userMessage; }
    const QString &failed() const noexcept { return m_failed; }
    const char *what() const noexcept override { return "runtime error"; }

private:
    QString m_userMessage;
    QString m_failed;
};

// The entry a conversion error is about, where the caller knows it. The program finds the box
// to mend by this, never by the field's name, which is words for people and may repeat or change.
enum class EntryField { Unknown, Amount, Rate, Months };

// A text that a strict conversion cannot read as a number.
class TypeMismatchError : public RuntimeError
{
public:
    // The field name, where the caller knows it, tells the user which entry to mend.
    explicit TypeMismatchError(const QString &text, EntryField field = EntryField::Unknown,
                               const QString &fieldName = {});
    const QString &text() const noexcept { return m_text; }
    EntryField field() const noexcept { return m_field; }
    const QString &fieldName() const noexcept { return m_fieldName; }

private:
    QString m_text;
    EntryField m_field;
    QString m_fieldName;
};

// Overflow, division by zero or an invalid operation in a calculation step.
class ArithmeticFault : public RuntimeError
{
public:
    ArithmeticFault();
};

} // namespace core

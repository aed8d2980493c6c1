#pragma once
// Exceptions that end an operation. The main window's command runner and the
// runtime programs' top level catch them and show Message() to the user.

#include <QString>
#include <QByteArray>
#include <exception>

class EQuendraError : public std::exception {
public:
    explicit EQuendraError(const QString& message) : FMessage(message), FUtf8(message.toUtf8()) {}
    const char* what() const noexcept override { return FUtf8.constData(); }
    const QString& Message() const noexcept { return FMessage; }

private:
    QString FMessage;
    QByteArray FUtf8;
};

// A file could not be opened, read, written or closed. The message carries
// the system's reason and the file name.
class EInOutError : public EQuendraError {
public:
    using EQuendraError::EQuendraError;
};

// A text could not be converted to a number or a colour.
class EConvertError : public EQuendraError {
public:
    using EQuendraError::EQuendraError;
};

// An index outside a list.
class EListError : public EQuendraError {
public:
    using EQuendraError::EQuendraError;
};

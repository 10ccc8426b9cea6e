#pragma once

#include <QString>

#include <stdexcept>

// The one kind of failure the application raises. Whatever escapes a handler ends in
// TintoraApplication's default error handler, which shows the message to the user.
class TintoraError : public std::runtime_error {
public:
    explicit TintoraError(const QString& message)
        : std::runtime_error(message.toStdString())
    {
    }

    [[nodiscard]] QString Message() const { return QString::fromUtf8(what()); }
};

// A text that does not make a number of the expected size.
class EConvertError : public TintoraError {
public:
    using TintoraError::TintoraError;
};

// The text the error box shows for a message: a full stop is added when the last
// character sorts after ".", so "Bad value" ends in "." but "Done." or "Why?" stay.
[[nodiscard]] QString ErrorBoxText(const QString& message);

// The colour library refused or could not be reached; the message is the store's own.
class EStoreError : public TintoraError {
public:
    using TintoraError::TintoraError;
};

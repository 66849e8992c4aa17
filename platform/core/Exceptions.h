#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// Root of the exceptions raised by the platform layer and by component
// misuse; the message is the text shown to the user.
class Exception : public std::exception {
public:
    explicit Exception(const QString& message);

    QString Message() const;
    const char* what() const noexcept override;

private:
    QString message_;
    QByteArray utf8_;
};

// A text that cannot be converted to the requested value, or a format text
// that does not fit its arguments.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// Misuse of a string list: an index out of range, a refused duplicate, a
// positional change of a sorted list.
class EStringListError : public Exception {
public:
    using Exception::Exception;
};

// A file that cannot be opened for reading.
class EFOpenError : public Exception {
public:
    using Exception::Exception;
};

// A file that cannot be created or written.
class EFCreateError : public Exception {
public:
    using Exception::Exception;
};

#include "platform/core/Exceptions.h"

Exception::Exception(const QString& message)
    : message_(message)
    , utf8_(message.toUtf8())
{
}

QString Exception::Message() const
{
    return message_;
}

const char* Exception::what() const noexcept
{
    return utf8_.constData();
}

#pragma once

#include "platform/core/StringList.h"

#include <QtCore/QString>

// A line reader and writer over a string list, used by the text import and
// export: ReadLn walks the lines from a read position; Write collects text
// that the next WriteLn completes into one line.
class TFileStringList : public TStringList {
public:
    // Read position to the first line, pending text emptied.
    void Reset();
    // True when the read position is at or beyond the last line.
    bool Eof() const;
    // The line at the read position, then the position advances. Past the
    // last line it raises EStringListError (test Eof first).
    void ReadLn(QString& s);
    void Write(const QString& s);
    void WriteLn(const QString& s);

private:
    int fp = 0;
    QString cache;
};

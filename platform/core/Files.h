#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Files and folders. Failures are reported through the result (and, where
// offered, an English error text); nothing fails silently.

bool FileExists(const QString& path);      // a file, not a folder
bool DirectoryExists(const QString& path);
// Creates one folder; false when it exists already or its parent is missing.
bool CreateDir(const QString& path);
// Creates the folder with every missing parent; true when it exists after.
bool ForceDirectories(const QString& path);
// Names (without folder) of the files in `folder` that match `mask` ("*" and
// "?" wildcards, without regard to case), in name order.
QStringList FindFiles(const QString& folder, const QString& mask);
// Copies a file whole; with failIfExists an existing target is refused,
// otherwise it is replaced. The target is written atomically.
bool CopyFile(const QString& source, const QString& target, bool failIfExists,
              QString* error = nullptr);
bool DeleteFile(const QString& path);

namespace platform {

// Names of the sub-folders of `folder` that match `mask`, as FindFiles.
QStringList FindFolders(const QString& folder, const QString& mask);

bool ReadWholeFile(const QString& path, QByteArray& out, QString* error = nullptr);
// Reads a regular file of at most maxBytes bytes. Anything else is refused
// before a byte is read: a folder, a device (which may never end), a pipe or
// socket (which would wait for a writer), a file larger than maxBytes. Opening
// never blocks, also when the file is swapped for a pipe after it was checked.
bool ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& out, QString* error = nullptr);
// Writes to a temporary file in the same folder and renames it over the
// target, so that a failed write never leaves a half file.
bool WriteFileAtomic(const QString& path, const QByteArray& data, QString* error = nullptr);

} // namespace platform

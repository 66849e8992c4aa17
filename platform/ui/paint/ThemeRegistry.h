#pragma once

#include <QtCore/QString>

class TEvent;

// The small key-value store that answers the office theme questions in place of
// the user's registry. It is empty by default; tests fill it. Key paths compare
// without regard to case and use "\" between their parts. Safe to use from any
// thread.
namespace platform::ThemeRegistry {

bool KeyExists(const QString& key);
void CreateKey(const QString& key);
// A missing key or value gives false and leaves value alone.
bool ReadInteger(const QString& key, const QString& name, int& value);
// Creates the key when missing and signals the watchers of it and its parents.
void WriteInteger(const QString& key, const QString& name, int value);
void DeleteKey(const QString& key);
void Clear();

// Signals event once, at the next change of a value of key or of a key below it.
void NotifyChange(const QString& key, TEvent* event);
void CancelNotify(TEvent* event);

}  // namespace platform::ThemeRegistry

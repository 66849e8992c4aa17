#include "platform/ui/paint/ThemeRegistry.h"

#include "platform/core/Events.h"

#include <QtCore/QHash>
#include <QtCore/QMap>

#include <mutex>
#include <utility>
#include <vector>

namespace platform::ThemeRegistry {

namespace {

struct Store {
  std::mutex lock;
  QHash<QString, QMap<QString, int>> keys;
  std::vector<std::pair<QString, TEvent*>> watches;
};

Store& store() {
  static Store s;
  return s;
}

QString normal(const QString& key) { return key.toLower(); }

bool isAtOrBelow(const QString& key, const QString& watched) {
  return key == watched || key.startsWith(watched + QLatin1Char('\\'));
}

}  // namespace

bool KeyExists(const QString& key) {
  std::lock_guard guard(store().lock);
  return store().keys.contains(normal(key));
}

void CreateKey(const QString& key) {
  std::lock_guard guard(store().lock);
  store().keys[normal(key)];
}

bool ReadInteger(const QString& key, const QString& name, int& value) {
  std::lock_guard guard(store().lock);
  const auto k = store().keys.constFind(normal(key));
  if (k == store().keys.cend()) return false;
  const auto v = k->constFind(name.toLower());
  if (v == k->cend()) return false;
  value = *v;
  return true;
}

void WriteInteger(const QString& key, const QString& name, int value) {
  std::lock_guard guard(store().lock);
  const QString k = normal(key);
  store().keys[k][name.toLower()] = value;
  auto& watches = store().watches;
  for (auto it = watches.begin(); it != watches.end();) {
    if (isAtOrBelow(k, it->first)) {
      it->second->SetEvent();
      it = watches.erase(it);
    } else {
      ++it;
    }
  }
}

void DeleteKey(const QString& key) {
  std::lock_guard guard(store().lock);
  const QString k = normal(key);
  for (auto it = store().keys.begin(); it != store().keys.end();) {
    if (isAtOrBelow(it.key(), k))
      it = store().keys.erase(it);
    else
      ++it;
  }
}

void Clear() {
  std::lock_guard guard(store().lock);
  store().keys.clear();
}

void NotifyChange(const QString& key, TEvent* event) {
  std::lock_guard guard(store().lock);
  store().watches.emplace_back(normal(key), event);
}

void CancelNotify(TEvent* event) {
  std::lock_guard guard(store().lock);
  std::erase_if(store().watches, [event](const auto& w) { return w.second == event; });
}

}  // namespace platform::ThemeRegistry

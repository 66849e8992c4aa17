#pragma once

#include <QtCore/QString>
#include <QtCore/QStringList>

namespace platform {

// The list of texts of a list control (combo box items, list box items, memo
// lines), worked on in place. Index errors throw std::out_of_range with the
// message "List index out of bounds (n)".
class ItemStrings {
 public:
  virtual ~ItemStrings();

  virtual int Count() const = 0;
  virtual QString Strings(int index) const = 0;
  virtual void SetStrings(int index, const QString& text) = 0;
  virtual void Insert(int index, const QString& text) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  QString operator[](int index) const { return Strings(index); }
  int Add(const QString& text);
  void AddStrings(const QStringList& texts);
  // Position of the first item equal to text, letter case ignored; -1 if none.
  int IndexOf(const QString& text) const;
  QStringList ToStringList() const;
  // Replaces all items.
  void Assign(const QStringList& texts);
  // Every item followed by CR LF; setting splits at CR LF, LF or CR.
  QString Text() const;
  void SetText(const QString& text);

 protected:
  void CheckIndex(int index, int limit) const;
};

}  // namespace platform

#pragma once

#include "platform/core/TObject.h"
#include "platform/core/TextEncoding.h"

#include <QChar>
#include <QString>

#include <functional>
#include <memory>

enum TDuplicates { dupIgnore, dupAccept, dupError };

// An ordered list of texts, each with an optional object. Objects are not
// owned unless SetOwnsObjects(true); an owning list deletes them when their
// items are deleted, when it is cleared and when it is destroyed.
//
// Texts compare without regard to case, following the user's locale. A sorted
// list keeps its order on every Add; Insert and SetStrings are refused on it.
// Misuse (an index out of range, a refused duplicate) raises EStringListError.
class TStringList : public TObject {
public:
    TStringList();
    ~TStringList() override;
    TStringList(TStringList&&);
    TStringList& operator=(TStringList&&) noexcept;
    TStringList(const TStringList&) = delete;
    TStringList& operator=(const TStringList&) = delete;

    int Count() const;
    QString Strings(int index) const;
    void SetStrings(int index, const QString& s);
    const QString operator[](int index) const; // const, so that `list[i] = s` does not compile
    TObject* Objects(int index) const;
    void SetObjects(int index, TObject* object);

    int Add(const QString& s);
    int AddObject(const QString& s, TObject* object);
    void AddStrings(const TStringList& source);
    void Insert(int index, const QString& s);
    void InsertObject(int index, const QString& s, TObject* object);
    void Delete(int index);
    void Clear();
    void Exchange(int index1, int index2);
    void Move(int curIndex, int newIndex);

    int IndexOf(const QString& s) const;
    int IndexOfName(const QString& name) const;
    int IndexOfObject(const TObject* object) const;
    // Binary search of a sorted list: true when found; `index` is the
    // position found or the one where the text would be inserted.
    bool Find(const QString& s, int& index) const;
    void Sort();

    bool Sorted() const;
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const;
    void SetDuplicates(TDuplicates duplicates);
    bool OwnsObjects() const;
    void SetOwnsObjects(bool owns);

    // Every item followed by CR LF. Setting splits at CR LF, LF or CR.
    QString Text() const;
    void SetText(const QString& text);

    // Items joined by Delimiter; an item holding a blank, the delimiter or the
    // quote character is quoted (quotes inside doubled). Reading splits at the
    // delimiter and, unless StrictDelimiter, also at blanks; quotes group.
    QString DelimitedText() const;
    void SetDelimitedText(const QString& text);
    // DelimitedText with "," and '"', blanks also separating.
    QString CommaText() const;
    void SetCommaText(const QString& text);
    QChar Delimiter() const;
    void SetDelimiter(QChar delimiter);
    QChar QuoteChar() const;
    void SetQuoteChar(QChar quote);
    bool StrictDelimiter() const;
    void SetStrictDelimiter(bool strict);

    // name=value items. Names(i) is empty for an item without the separator.
    QChar NameValueSeparator() const;
    void SetNameValueSeparator(QChar separator);
    QString Names(int index) const;
    QString Values(const QString& name) const;
    // An empty value deletes the item; a new name is added.
    void SetValues(const QString& name, const QString& value);
    QString ValueFromIndex(int index) const;
    void SetValueFromIndex(int index, const QString& value);

    // Reads the whole file: a byte-order mark selects UTF-8 or UTF-16,
    // otherwise the ANSI code page. Raises EFOpenError when the file cannot
    // be read; the list is then unchanged.
    void LoadFromFile(const QString& path);
    // Writes Text whole (temporary file, then rename). Raises EFCreateError
    // when the file cannot be written; an old file is then left as it was.
    void SaveToFile(const QString& path, TEncoding encoding = TEncoding::ANSI) const;

    // Copies the texts, the object pointers (never their ownership) and the
    // delimiter settings; a sorted target sorts and filters as on Add.
    void Assign(const TStringList& source);

    void BeginUpdate();
    void EndUpdate();

    // Raised after every change, once per outermost EndUpdate while updating.
    std::function<void(TObject* sender)> OnChange;

private:
    struct Private;
    std::unique_ptr<Private> d;

    void changed();
    void checkIndex(int index, int count) const;
    int compareStrings(const QString& a, const QString& b) const;
    void insertItem(int index, const QString& s, TObject* object);
};

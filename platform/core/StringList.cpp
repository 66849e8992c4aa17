#include "platform/core/StringList.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Files.h"
#include "platform/core/SysUtils.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

struct Item {
    QString text;
    TObject* object = nullptr;
};

[[noreturn]] void throwSortedListError()
{
    throw EStringListError(QStringLiteral("Operation not allowed on sorted list"));
}

// Reads a quoted item starting at the quote at `pos`; a doubled quote stands
// for one. Leaves `pos` after the closing quote (or at the end when the
// quote is never closed).
QString extractQuoted(const QString& text, qsizetype& pos, QChar quote)
{
    QString out;
    ++pos;
    while (pos < text.size()) {
        if (text[pos] == quote) {
            ++pos;
            if (pos >= text.size() || text[pos] != quote)
                break;
        }
        out += text[pos++];
    }
    return out;
}

bool isBlank(QChar c)
{
    return c.unicode() <= 0x20;
}

QString quoted(const QString& s, QChar quote)
{
    QString doubled = s;
    doubled.replace(quote, QString(2, quote));
    return quote + doubled + quote;
}

struct DelimiterSettings {
    QChar delimiter;
    QChar quote;
    bool strict;
};

QString joinDelimited(const std::vector<Item>& items, const DelimiterSettings& ds)
{
    if (items.size() == 1 && items[0].text.isEmpty())
        return QString(2, ds.quote);
    QString out;
    for (size_t i = 0; i < items.size(); ++i) {
        const QString& s = items[i].text;
        const bool needsQuote = std::any_of(s.begin(), s.end(), [&](QChar c) {
            return c == ds.quote || c == ds.delimiter || c.unicode() == 0 || (!ds.strict && isBlank(c));
        });
        if (i > 0)
            out += ds.delimiter;
        out += needsQuote ? quoted(s, ds.quote) : s;
    }
    return out;
}

std::vector<QString> splitDelimited(const QString& text, const DelimiterSettings& ds)
{
    std::vector<QString> parts;
    const qsizetype n = text.size();
    qsizetype pos = 0;
    auto skipBlanks = [&] {
        while (!ds.strict && pos < n && isBlank(text[pos]))
            ++pos;
    };
    skipBlanks();
    while (pos < n) {
        if (text[pos] == ds.quote) {
            parts.push_back(extractQuoted(text, pos, ds.quote));
        } else {
            const qsizetype start = pos;
            while (pos < n && text[pos] != ds.delimiter && (ds.strict || !isBlank(text[pos])))
                ++pos;
            parts.push_back(text.mid(start, pos - start));
        }
        skipBlanks();
        if (pos < n && text[pos] == ds.delimiter) {
            ++pos;
            if (pos == n)
                parts.emplace_back();
            skipBlanks();
        }
    }
    return parts;
}

// Runs `change` as one update: OnChange is raised once at the end, also
// when the change fails half-way.
template <class Change>
void asOneUpdate(TStringList& list, Change&& change)
{
    list.BeginUpdate();
    try {
        change();
    } catch (...) {
        list.EndUpdate();
        throw;
    }
    list.EndUpdate();
}

void replaceWithParts(TStringList& list, const std::vector<QString>& parts)
{
    asOneUpdate(list, [&] {
        list.Clear();
        for (const QString& part : parts)
            list.Add(part);
    });
}

} // namespace

struct TStringList::Private {
    std::vector<Item> items;
    bool sorted = false;
    TDuplicates duplicates = dupIgnore;
    bool ownsObjects = false;
    QChar delimiter = u',';
    QChar quoteChar = u'"';
    bool strictDelimiter = false;
    QChar nameValueSeparator = u'=';
    int updateCount = 0;

    void deleteOwned(std::vector<Item>& removed) const
    {
        if (!ownsObjects)
            return;
        for (Item& item : removed)
            delete std::exchange(item.object, nullptr);
    }
};

TStringList::TStringList()
    : d(std::make_unique<Private>())
{
}

TStringList::~TStringList()
{
    if (d)
        d->deleteOwned(d->items);
}

TStringList::TStringList(TStringList&& other)
    : OnChange(std::move(other.OnChange))
    , d(std::exchange(other.d, std::make_unique<Private>()))
{
}

TStringList& TStringList::operator=(TStringList&& other) noexcept
{
    std::swap(d, other.d);
    std::swap(OnChange, other.OnChange);
    return *this;
}

void TStringList::changed()
{
    if (d->updateCount == 0 && OnChange)
        OnChange(this);
}

void TStringList::checkIndex(int index, int count) const
{
    if (index < 0 || index >= count)
        throw EStringListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

int TStringList::compareStrings(const QString& a, const QString& b) const
{
    return AnsiCompareText(a, b);
}

int TStringList::Count() const
{
    return int(d->items.size());
}

QString TStringList::Strings(int index) const
{
    checkIndex(index, Count());
    return d->items[size_t(index)].text;
}

const QString TStringList::operator[](int index) const
{
    return Strings(index);
}

void TStringList::SetStrings(int index, const QString& s)
{
    if (d->sorted)
        throwSortedListError();
    checkIndex(index, Count());
    d->items[size_t(index)].text = s;
    changed();
}

TObject* TStringList::Objects(int index) const
{
    checkIndex(index, Count());
    return d->items[size_t(index)].object;
}

void TStringList::SetObjects(int index, TObject* object)
{
    checkIndex(index, Count());
    d->items[size_t(index)].object = object;
    changed();
}

int TStringList::Add(const QString& s)
{
    return AddObject(s, nullptr);
}

int TStringList::AddObject(const QString& s, TObject* object)
{
    int index = Count();
    if (d->sorted && Find(s, index)) {
        if (d->duplicates == dupIgnore)
            return index;
        if (d->duplicates == dupError)
            throw EStringListError(QStringLiteral("String list does not allow duplicates"));
    }
    insertItem(index, s, object);
    return index;
}

void TStringList::AddStrings(const TStringList& source)
{
    // Copied first so that adding a list to itself sees its old content.
    const std::vector<Item> items = source.d->items;
    asOneUpdate(*this, [&] {
        for (const Item& item : items)
            AddObject(item.text, item.object);
    });
}

void TStringList::Insert(int index, const QString& s)
{
    InsertObject(index, s, nullptr);
}

void TStringList::InsertObject(int index, const QString& s, TObject* object)
{
    if (d->sorted)
        throwSortedListError();
    checkIndex(index, Count() + 1);
    insertItem(index, s, object);
}

void TStringList::insertItem(int index, const QString& s, TObject* object)
{
    d->items.insert(d->items.begin() + index, Item{s, object});
    changed();
}

void TStringList::Delete(int index)
{
    checkIndex(index, Count());
    std::vector<Item> removed{std::move(d->items[size_t(index)])};
    d->items.erase(d->items.begin() + index);
    d->deleteOwned(removed);
    changed();
}

void TStringList::Clear()
{
    if (d->items.empty())
        return;
    std::vector<Item> removed = std::exchange(d->items, {});
    d->deleteOwned(removed);
    changed();
}

void TStringList::Exchange(int index1, int index2)
{
    checkIndex(index1, Count());
    checkIndex(index2, Count());
    std::swap(d->items[size_t(index1)], d->items[size_t(index2)]);
    changed();
}

void TStringList::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex)
        return;
    if (d->sorted)
        throwSortedListError();
    checkIndex(curIndex, Count());
    checkIndex(newIndex, Count());
    auto& items = d->items;
    if (curIndex < newIndex)
        std::rotate(items.begin() + curIndex, items.begin() + curIndex + 1, items.begin() + newIndex + 1);
    else
        std::rotate(items.begin() + newIndex, items.begin() + curIndex, items.begin() + curIndex + 1);
    changed();
}

int TStringList::IndexOf(const QString& s) const
{
    if (d->sorted) {
        int index = -1;
        return Find(s, index) ? index : -1;
    }
    for (int i = 0; i < Count(); ++i) {
        if (compareStrings(d->items[size_t(i)].text, s) == 0)
            return i;
    }
    return -1;
}

int TStringList::IndexOfName(const QString& name) const
{
    for (int i = 0; i < Count(); ++i) {
        const QString& s = d->items[size_t(i)].text;
        const qsizetype p = s.indexOf(d->nameValueSeparator);
        if (p >= 0 && compareStrings(s.left(p), name) == 0)
            return i;
    }
    return -1;
}

int TStringList::IndexOfObject(const TObject* object) const
{
    for (int i = 0; i < Count(); ++i) {
        if (d->items[size_t(i)].object == object)
            return i;
    }
    return -1;
}

bool TStringList::Find(const QString& s, int& index) const
{
    bool found = false;
    int low = 0;
    int high = Count() - 1;
    while (low <= high) {
        const int mid = (low + high) / 2;
        const int c = compareStrings(d->items[size_t(mid)].text, s);
        if (c < 0) {
            low = mid + 1;
        } else {
            high = mid - 1;
            if (c == 0) {
                found = true;
                if (d->duplicates != dupAccept)
                    low = mid;
            }
        }
    }
    index = low;
    return found;
}

void TStringList::Sort()
{
    std::stable_sort(d->items.begin(), d->items.end(),
                     [this](const Item& a, const Item& b) { return compareStrings(a.text, b.text) < 0; });
    changed();
}

bool TStringList::Sorted() const
{
    return d->sorted;
}

void TStringList::SetSorted(bool sorted)
{
    if (d->sorted == sorted)
        return;
    if (sorted)
        Sort();
    d->sorted = sorted;
}

TDuplicates TStringList::Duplicates() const
{
    return d->duplicates;
}

void TStringList::SetDuplicates(TDuplicates duplicates)
{
    d->duplicates = duplicates;
}

bool TStringList::OwnsObjects() const
{
    return d->ownsObjects;
}

void TStringList::SetOwnsObjects(bool owns)
{
    d->ownsObjects = owns;
}

QString TStringList::Text() const
{
    QString out;
    for (const Item& item : d->items)
        out += item.text + QStringLiteral("\r\n");
    return out;
}

void TStringList::SetText(const QString& text)
{
    asOneUpdate(*this, [&] {
        Clear();
        qsizetype start = 0;
        const qsizetype n = text.size();
        while (start < n) {
            qsizetype end = start;
            while (end < n && text[end] != u'\r' && text[end] != u'\n')
                ++end;
            Add(text.mid(start, end - start));
            if (end < n && text[end] == u'\r' && end + 1 < n && text[end + 1] == u'\n')
                ++end;
            start = end + 1;
        }
    });
}

QString TStringList::DelimitedText() const
{
    return joinDelimited(d->items, {d->delimiter, d->quoteChar, d->strictDelimiter});
}

void TStringList::SetDelimitedText(const QString& text)
{
    replaceWithParts(*this, splitDelimited(text, {d->delimiter, d->quoteChar, d->strictDelimiter}));
}

QString TStringList::CommaText() const
{
    return joinDelimited(d->items, {u',', u'"', false});
}

void TStringList::SetCommaText(const QString& text)
{
    replaceWithParts(*this, splitDelimited(text, {u',', u'"', false}));
}

QChar TStringList::Delimiter() const
{
    return d->delimiter;
}

void TStringList::SetDelimiter(QChar delimiter)
{
    d->delimiter = delimiter;
}

QChar TStringList::QuoteChar() const
{
    return d->quoteChar;
}

void TStringList::SetQuoteChar(QChar quote)
{
    d->quoteChar = quote;
}

bool TStringList::StrictDelimiter() const
{
    return d->strictDelimiter;
}

void TStringList::SetStrictDelimiter(bool strict)
{
    d->strictDelimiter = strict;
}

QChar TStringList::NameValueSeparator() const
{
    return d->nameValueSeparator;
}

void TStringList::SetNameValueSeparator(QChar separator)
{
    d->nameValueSeparator = separator;
}

QString TStringList::Names(int index) const
{
    const QString s = Strings(index);
    const qsizetype p = s.indexOf(d->nameValueSeparator);
    return p >= 0 ? s.left(p) : QString();
}

QString TStringList::Values(const QString& name) const
{
    const int index = IndexOfName(name);
    return index >= 0 ? ValueFromIndex(index) : QString();
}

void TStringList::SetValues(const QString& name, const QString& value)
{
    int index = IndexOfName(name);
    if (value.isEmpty()) {
        if (index >= 0)
            Delete(index);
        return;
    }
    const QString item = name + d->nameValueSeparator + value;
    if (index < 0)
        Add(item);
    else
        SetStrings(index, item);
}

QString TStringList::ValueFromIndex(int index) const
{
    // An item without the separator has no value (not its text minus one
    // character).
    const QString s = Strings(index);
    const qsizetype p = s.indexOf(d->nameValueSeparator);
    return p >= 0 ? s.mid(p + 1) : QString();
}

void TStringList::SetValueFromIndex(int index, const QString& value)
{
    if (value.isEmpty()) {
        if (index >= 0)
            Delete(index);
        return;
    }
    if (index < 0)
        index = Add(QString());
    SetStrings(index, Names(index) + d->nameValueSeparator + value);
}

void TStringList::LoadFromFile(const QString& path)
{
    QByteArray bytes;
    QString error;
    if (!platform::ReadWholeFile(path, bytes, &error))
        throw EFOpenError(error);
    SetText(platform::DecodeText(bytes));
}

void TStringList::SaveToFile(const QString& path, TEncoding encoding) const
{
    QString error;
    if (!platform::WriteFileAtomic(path, platform::EncodeText(Text(), encoding), &error))
        throw EFCreateError(error);
}

void TStringList::Assign(const TStringList& source)
{
    if (&source == this)
        return;
    asOneUpdate(*this, [&] {
        Clear();
        d->delimiter = source.d->delimiter;
        d->quoteChar = source.d->quoteChar;
        d->strictDelimiter = source.d->strictDelimiter;
        d->nameValueSeparator = source.d->nameValueSeparator;
        AddStrings(source);
    });
}

void TStringList::BeginUpdate()
{
    ++d->updateCount;
}

void TStringList::EndUpdate()
{
    if (d->updateCount == 0)
        return;
    if (--d->updateCount == 0)
        changed();
}

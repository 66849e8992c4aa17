// A user's column layout outside the program: as one line of text (count,
// widths, order, visibility), and as "Col"n widths and "Pos"n positions in an
// INI file or the per-user stand-in of a registry key, as ColumnSize names
// them. A state text is checked whole before anything changes, so that a bad
// text raises its error and leaves the layout as it was. Relative INI names
// resolve in the user's configuration folder.

#include "grid/engine/ExGridPrivate.h"
#include "grid/engine/layout/ExGridColumnSize.h"
#include "grid/services/files/ExGridFileSupport.h"
#include "platform/core/SysUtils.h"
#include "platform/core/IniFile.h"

#include <QtCore/QFileInfo>

#include <memory>
#include <vector>

namespace {

// A comma list of whole numbers, strictly read.
std::vector<int> Numbers(const QString& Text)
{
    std::vector<int> numbers;
    if (Text.isEmpty())
        return numbers;
    for (const QString& part : Text.split(u','))
        numbers.push_back(StrToInt(part));
    return numbers;
}

[[noreturn]] void IndexError(int Index)
{
    throw EStringListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

// The column order as positions of the home indexes: for each home index the
// positions holding it.
std::vector<int> Inverse(const std::vector<int>& Order, int Count)
{
    std::vector<int> inverse;
    for (int home = 0; home < Count; ++home)
        for (int i = 0; i < int(Order.size()); ++i)
            if (Order[size_t(i)] == home)
                inverse.push_back(i);
    return inverse;
}

void Fill(TIntList& List, const std::vector<int>& Values)
{
    List.Clear();
    for (int v : Values)
        List.Add(v);
}

std::unique_ptr<TMemIniFile> OpenColumnIni(const TColumnSize& Size)
{
    if (Size.Location() == clIniFile) {
        QString file = Size.Key();
        if (QFileInfo(file).isRelative())
            file = platform::UserConfigFolder() + u'/' + file;
        return std::make_unique<TMemIniFile>(file);
    }
    return std::make_unique<TRegistryIniFile>(Size.Key());
}

} // namespace

QString TExStringGrid::ColumnStatesToString()
{
    const int n = ColCount() + NumHiddenColumns();
    const TIntList& order = *p->columnOrder;
    QStringList widths, positions, flags;
    for (int i = 0; i < n; ++i) {
        widths.append(QString::number(i < ColCount() ? ColWidths(i) : DefaultColWidth()));
        positions.append(QString::number(order.Count() > 0 && i < order.Count() ? order.GetInteger(i) : i));
        flags.append(IsHiddenColumn(i) ? QStringLiteral("0") : QStringLiteral("1"));
    }
    return QString::number(n) + u'#' + widths.join(u',') + u'#' + positions.join(u',') + u'#' + flags.join(u',');
}

void TExStringGrid::StringToColumnStates(const QString& Value)
{
    if (!Value.contains(u'#'))
        return;
    const QStringList fields = Value.split(u'#');
    const auto field = [&](int i) { return i < fields.size() ? fields[i] : QString(); };
    const int n = StrToInt(field(0));
    gridfiles::CheckLoadSize(n, 1);
    const std::vector<int> widths = Numbers(field(1));
    const std::vector<int> stored = Numbers(field(2));
    const QStringList flags = field(3).split(u',');
    if (int(widths.size()) < n)
        IndexError(int(widths.size()));
    if (flags.size() < n)
        IndexError(int(flags.size()));

    p->columnOrder->Clear();
    UnHideColumnsAll();
    SetColCount(std::max(1, n));
    if (!field(2).isEmpty()) {
        std::vector<int> order;
        for (int i = 0; i < int(stored.size()) && i < ColCount(); ++i)
            if (stored[size_t(i)] != -1)
                order.push_back(stored[size_t(i)]);
        Fill(*p->columnOrder, Inverse(order, ColCount()));
        ResetColumnOrder();
        Fill(*p->columnOrder, order);
    }
    for (int i = n - 1; i >= 0; --i)
        if (flags[i] == QLatin1String("0"))
            HideColumn(i);
    TColumnSize& size = *ColumnSize();
    const bool stretch = size.Stretch();
    if (stretch) {
        size.SetStretch(false);
        const int column = size.StretchColumn() == -1 ? ColCount() - 1 : size.StretchColumn();
        SetDefaultColWidth(ColWidths(column));
    }
    for (int i = 0; i < ColCount(); ++i)
        SetColWidths(i, std::clamp(widths[size_t(i)], 0, 32767));
    if (stretch)
        size.SetStretch(true);
}

void TExStringGrid::SaveColSizes()
{
    const TColumnSize& size = *ColumnSize();
    if (size.Key().isEmpty() || size.Section().isEmpty() || QueryDesignMode())
        return;
    auto ini = OpenColumnIni(size);
    for (int n = 0; n < ColCount(); ++n)
        ini->WriteInteger(size.Section(), QStringLiteral("Col%1").arg(n), ColWidths(n));
    ini->UpdateFile();
}

void TExStringGrid::LoadColSizes()
{
    const TColumnSize& size = *ColumnSize();
    if (size.Key().isEmpty() || size.Section().isEmpty() || QueryDesignMode())
        return;
    auto ini = OpenColumnIni(size);
    for (int n = 0; n < ColCount(); ++n) {
        const int width = ini->ReadInteger(size.Section(), QStringLiteral("Col%1").arg(n), ColWidths(n));
        if (width != ColWidths(n))
            SetColWidths(n, std::clamp(width, 0, 32767));
    }
    ini->UpdateFile();
}

void TExStringGrid::SaveColPositions()
{
    const TColumnSize& size = *ColumnSize();
    if (size.Key().isEmpty() || size.Section().isEmpty() || QueryDesignMode())
        return;
    auto ini = OpenColumnIni(size);
    const TIntList& order = *p->columnOrder;
    for (int n = 0; n < order.Count(); ++n)
        ini->WriteInteger(size.Section(), QStringLiteral("Pos%1").arg(n), order.GetInteger(n));
    ini->UpdateFile();
}

void TExStringGrid::LoadColPositions()
{
    const TColumnSize& size = *ColumnSize();
    if (size.Key().isEmpty() || size.Section().isEmpty() || QueryDesignMode())
        return;
    auto ini = OpenColumnIni(size);
    if (ini->ReadInteger(size.Section(), QStringLiteral("Pos0"), -1) != -1) {
        std::vector<int> stored;
        for (int n = 0; n < AllColCount(); ++n) {
            const int v = ini->ReadInteger(size.Section(), QStringLiteral("Pos%1").arg(n), -1);
            if (v != -1)
                stored.push_back(v);
        }
        std::vector<int> hidden;
        for (int c = 0; c < AllColCount(); ++c)
            if (IsHiddenColumn(c))
                hidden.push_back(c);
        Fill(*p->columnOrder, Inverse(stored, AllColCount()));
        UnHideColumnsAll();
        if (p->columnOrder->Count() > 0)
            ResetColumnOrder();
        for (auto it = hidden.rbegin(); it != hidden.rend(); ++it)
            HideColumn(*it);
        Fill(*p->columnOrder, stored);
    }
    ini->UpdateFile();
}

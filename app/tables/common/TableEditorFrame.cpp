#include "app/tables/common/TableEditorFrame.h"

#include "app/shell/buttons/LbButton.h"
#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/shell/mainwindow/UMarquellFirmWareDialogBands.h"
#include "app/tables/common/GridRowOperations.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "grid/foundation/pagecontrol/ExPageControl.h"
#include "platform/core/Files.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/paint/Font.h"
#include "platform/ui/window/Dialogs.h"
#include "platform/ui/panels/Label.h"
#include "platform/ui/panels/Panel.h"
#include "platform/xml/XmlDocument.h"

namespace {

constexpr int Text_Rows_Below_Not_Saved = 1107;
constexpr int Text_File_Unreadable = 1108;
constexpr int Text_Replace_Unreadable = 1109;
constexpr int Text_Rows_Beyond_Table = 1256;

constexpr TColor Window_Colour = 0xEDF7F8;
constexpr int Button_Width = 110;
constexpr int Button_Step = 118;

} // namespace

void Setup_Table_Window(TForm* form, int clientWidth, int clientHeight)
{
    form->SetPosition(poScreenCenter);
    form->SetColor(Window_Colour);
    form->Font().SetName(QStringLiteral("Verdana"));
    form->Font().SetHeight(-11);
    form->SetClientWidth(clientWidth);
    form->SetClientHeight(clientHeight);
}

void Build_Title_Band(QWidget* form, TPanel*& P_Title, TLabel*& L_SW_Code, TLabel*& L_SW_Desc)
{
    P_Title = Make_Band_Panel(form, 69, alTop);
    L_SW_Code = Make_Auto_Label(P_Title, 16, 8);
    L_SW_Code->Font().SetHeight(32);
    L_SW_Code->Font().SetColor(clGray);
    L_SW_Desc = Make_Auto_Label(P_Title, 16, 42);
    L_SW_Desc->Font().SetColor(clGray);
    L_SW_Desc->Font().SetStyle(fsBold);
}

void Setup_Grid_Column(TGridColumnItem* item, const TableColumn& column)
{
    item->SetWidth(column.width);
    item->SetEditor(column.editor);
    item->SetColor(column.color);
    item->SetCheckTrue(QStringLiteral("Y"));
    item->SetCheckFalse(QStringLiteral("N"));
    item->SetHeaderAlignment(taLeftJustify);
    item->SetAlignment(column.editor == edDataCheckBox ? taCenter : taLeftJustify);
    item->SetEditLength(column.editLength);
    for (const QString& text : column.items)
        item->ComboItems()->Add(text);
}

namespace {

void setFont(TFont& font, const QString& name, TFontStyles style)
{
    font.SetName(name);
    font.SetSize(8);
    font.SetStyle(style);
}

} // namespace

void Setup_Grid_Fonts(TExColumnGrid* grid, const QString& cellFont)
{
    const QString fixedFont = QStringLiteral("Tahoma");
    setFont(grid->Font(), cellFont, {});
    setFont(*grid->FixedFont(), fixedFont, fsBold);
    setFont(*grid->ActiveCellFont(), fixedFont, fsBold);
    TGridColumnCollection* columns = grid->Columns();
    for (int c = 0; c < columns->Count(); ++c) {
        columns->Items(c)->SetFont(grid->Font());
        columns->Items(c)->SetHeaderFont(*grid->FixedFont());
    }
}

bool Read_Table_File(const TableFile& file, const QString& path, TableRows& rows, QString& error)
{
    rows = TableRows(file.sections.size());
    if (!FileExists(path))
        return true;
    platform::XmlDocument doc;
    if (!doc.LoadFile(path, &error) || doc.DocumentElement().IsNull())
        return false;
    const platform::XmlElement root = doc.DocumentElement();
    for (int g = 0; g < file.sections.size(); ++g) {
        const QList<TableColumn>& columns = file.sections[g].columns;
        const QString& name = file.sections[g].name;
        for (const platform::XmlElement& row : (name.isEmpty() ? root : root.Child(name)).Children()) {
            QStringList cells;
            for (const TableColumn& column : columns)
                cells << (column.attribute.isEmpty() ? QString() : row.Attribute(column.attribute, column.missing));
            rows[g] << cells;
        }
    }
    return true;
}

bool WholeIn(const QString& text, int low, int high)
{
    int value = 0;
    return TryStrToInt(text, value) && !Outside(value, low, high);
}

int Typed_Int(const QString& text, int def)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    // A bare "x" stands for "$"; "0x" the lenient reader knows already.
    if (i < text.size() && (text[i] == u'x' || text[i] == u'X'))
        return StrToIntDef(text.left(i) + QChar(u'$') + text.mid(i + 1), def);
    return StrToIntDef(text, def);
}

bool Valid_Factor(const QString& text, QChar separator)
{
    float value = 0;
    return UpperCase(Trim(text)) == QLatin1String("NONE") || Str_To_Float_Sep(text, separator, value);
}

QStringList Number_Items(int count)
{
    QStringList items;
    for (int i = 0; i < count; ++i)
        items << QString::number(i);
    return items;
}

void Set_Column_Items(TExColumnGrid* grid, int column, const QStringList& items)
{
    TStringList* list = grid->Columns()->Items(column)->ComboItems();
    list->BeginUpdate();
    list->Clear();
    for (const QString& item : items)
        list->Add(item);
    list->EndUpdate();
}

struct TableEditorFrame::Private {
    TableFile file;
    TableTexts texts;
    QList<TExColumnGrid*> grids;
    QList<QStringList> hints;
    QList<bool> copied;
    bool enableColumn = true;
    bool fileUnreadable = false;
};

TableEditorFrame::TableEditorFrame(QWidget* parent, const TableFile& file, const TableTexts& texts,
                                   int clientWidth, const TableFrameOptions& options)
    : TForm(parent), d(std::make_unique<Private>())
{
    d->file = file;
    d->texts = texts;
    d->enableColumn = options.enableColumn;
    buildWindow(clientWidth, options);
    for (int i = 0; i < file.sections.size(); ++i)
        buildGrid(i, options);
}

TableEditorFrame::~TableEditorFrame() = default;

void TableEditorFrame::buildWindow(int clientWidth, const TableFrameOptions& options)
{
    Setup_Table_Window(this, clientWidth, 337);
    Build_Title_Band(this, P_Title, L_SW_Code, L_SW_Desc);

    P_Button = Make_Band_Panel(this, 40, alBottom);
    TLbButton** buttons[] = {&Btn_OK, &Btn_Cancel, &Btn_DelRow, &Btn_InsRow, &Btn_CopyRow, &Btn_PasteRow};
    for (int i = 0; i < (options.rowClipboard ? 6 : 4); ++i) {
        *buttons[i] = new TLbButton(P_Button);
        (*buttons[i])->SetBounds(16 + Button_Step * i, 6, Button_Width, 28);
        (*buttons[i])->SetShowHint(true);
    }
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
    Btn_DelRow->OnClick = [this](TObject* s) { Btn_DelRowClick(s); };
    Btn_InsRow->OnClick = [this](TObject* s) { Btn_InsRowClick(s); };
    if (options.rowClipboard) {
        Btn_CopyRow->OnClick = [this](TObject* s) { Btn_CopyRowClick(s); };
        Btn_PasteRow->OnClick = [this](TObject* s) { Btn_PasteRowClick(s); };
    }

    if (d->file.sections.size() > 1) {
        PageControl = new TExPageControl(this);
        PageControl->SetAlign(alClient);
    }
}

namespace {

// The columns are set up in one batch, so that the grid refreshes its headers once.
void SetupColumns(TExColumnGrid* grid, const TableSection& section, const TableFrameOptions& options)
{
    const TGridColumnsUpdate update(*grid->Columns());
    TGridColumnItem* number = grid->Columns()->Items(0);
    number->SetWidth(options.numberWidth);
    number->SetHeaderAlignment(taLeftJustify);
    for (int c = 1; c < grid->Columns()->Count(); ++c)
        Setup_Grid_Column(grid->Columns()->Items(c), section.columns[c - 1]);
    Setup_Grid_Fonts(grid, options.cellFont);
}

} // namespace

void TableEditorFrame::buildGrid(int index, const TableFrameOptions& options)
{
    const TableSection& section = d->file.sections[index];
    QWidget* parent = this;
    if (PageControl) {
        auto* sheet = new TExTabSheet(PageControl);
        sheet->SetExPageControl(PageControl);
        sheet->SetTabVisible(true);
        Sheets << sheet;
        parent = sheet;
    }

    auto* grid = new TExColumnGrid(parent);
    grid->SetName(section.gridName);
    grid->SetAlign(alClient);
    grid->SetColCount(int(section.columns.size()) + 1);
    grid->SetRowCount(options.rowCount);
    grid->SetFixedCols(1);
    grid->SetFixedRows(1);
    grid->SetDefaultRowHeight(22);
    // the user sizes the columns by their header borders
    grid->SetOptions(grid->Options() | goColSizing);
    grid->Loaded();
    SetupColumns(grid, section, options);
    if (options.cellHandlers) {
        grid->OnClickCell = [this](TObject* s, int r, int c) { ClickCell(s, r, c); };
        grid->OnDblClickCell = [this](TObject* s, int r, int c) { DblClickCell(s, r, c); };
        grid->OnKeyPress = [this](TObject* s, QChar& k) { KeyPress(s, k); };
    }
    grid->SetShowHint(true);
    grid->SetHintShowCells(true);
    grid->OnGridHint = [this](TObject* s, int r, int c, QString& h) { GridHint(s, r, c, h); };
    d->grids << grid;
    d->hints << QStringList();
    d->copied << false;
}

void TableEditorFrame::FormCreate(TObject* Sender)
{
    TForm::FormCreate(Sender);
    L_SW_Code->SetCaption(SW_Code);
    Set_Lang();
}

const TableFile& TableEditorFrame::Description() const
{
    return d->file;
}

TExColumnGrid* TableEditorFrame::Grid(int index) const
{
    return d->grids.value(index);
}

int TableEditorFrame::activeIndex() const
{
    return PageControl ? qMax(0, PageControl->ActivePageIndex()) : 0;
}

TExColumnGrid* TableEditorFrame::ActiveGrid() const
{
    return Grid(activeIndex());
}

void TableEditorFrame::Set_Lang()
{
    const TableTexts& t = d->texts;
    SetCaption(Lang_Texts[t.caption]);
    L_SW_Desc->SetCaption(Lang_Texts[t.description]);
    TLbButton* buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (int i = 0; i < 6 && buttons[i]; ++i) {
        buttons[i]->SetCaption(Lang_Texts[t.firstButton + i]);
        buttons[i]->SetHint(t.firstButtonHint ? Lang_Texts[t.firstButtonHint + i] : QString());
    }
    for (int g = 0; g < d->grids.size(); ++g) {
        const TableSection& section = d->file.sections[g];
        if (g < Sheets.size())
            Sheets[g]->SetCaption(Lang_Texts[section.tab]);
        TGridColumnCollection* columns = d->grids[g]->Columns();
        const TGridColumnsUpdate update(*columns);
        columns->Items(0)->SetHeader(Lang_Texts[section.numberHeader]);
        d->hints[g].clear();
        for (int c = 0; c < section.columns.size(); ++c) {
            columns->Items(c + 1)->SetHeader(Lang_Texts[section.columns[c].header]);
            d->hints[g] << (section.columns[c].hint ? Lang_Texts[section.columns[c].hint] : QString());
        }
    }
}

void TableEditorFrame::ClickCell(TObject*, int ARow, int ACol)
{
    if (ACol == 0 && ARow > 0)
        ActiveGrid()->SelectRows(ARow, 1);
}

void TableEditorFrame::DblClickCell(TObject* Sender, int ARow, int ACol)
{
    Grid_DblClick_AutoSize(static_cast<TExStringGrid*>(static_cast<TExColumnGrid*>(Sender)), ARow, ACol);
}

void TableEditorFrame::KeyPress(TObject* Sender, QChar& Key)
{
    Grid_Enter_Next_Cell(static_cast<TExColumnGrid*>(Sender), Key);
}

void TableEditorFrame::GridHint(TObject*, int ARow, int ACol, QString& hint)
{
    const int g = activeIndex();
    const int real = ActiveGrid()->DisplayToRealCol(ACol);
    if (ARow == 0 && ACol > 0)
        hint = d->hints[g].value(real - 1);
    else
        hint.clear();
}

void TableEditorFrame::Btn_DelRowClick(TObject*)
{
    TExColumnGrid* grid = ActiveGrid();
    const int row = grid->Row();
    if (MessageDlg(Lang_Texts[d->texts.deleteQuestion] + QString::number(row), mtConfirmation, mbYesNo, 0) == mrYes) {
        Grid_Delete_Row(row, grid);
        RowsChanged(activeIndex());
    }
}

void TableEditorFrame::Btn_InsRowClick(TObject*)
{
    if (Grid_Insert_Row(ActiveGrid()->Row(), ActiveGrid(), d->enableColumn))
        RowsChanged(activeIndex());
}

void TableEditorFrame::Btn_CopyRowClick(TObject*)
{
    const int g = activeIndex();
    Grid_Copy_Row(Grid(g), Grid(g)->Row());
    for (int i = 0; i < d->copied.size(); ++i)
        d->copied[i] = i == g;
}

void TableEditorFrame::Btn_PasteRowClick(TObject*)
{
    const int g = activeIndex();
    Grid_Paste_Row(Grid(g), Grid(g)->Row(), d->copied[g]);
    RowsChanged(g);
}

void TableEditorFrame::RowFault(int row, const QString& fault) const
{
    MessageDlg(Lang_Texts[d->texts.rowError] + QString::number(row) + fault, mtError, mbOK, 0);
}

int TableEditorFrame::KeyColumn(int grid) const
{
    return d->file.sections[grid].keyColumn;
}

int TableEditorFrame::UsedRows(int grid) const
{
    TExColumnGrid* g = Grid(grid);
    const int key = KeyColumn(grid);
    int r = 1;
    while (r < g->RowCount() && !Trim(g->AllCells(key, r)).isEmpty())
        ++r;
    return r - 1;
}

void TableEditorFrame::FormShow(TObject* Sender)
{
    TForm::FormShow(Sender);
    PrepareTables();
    resetRows();
    if (FirstPageOnShow && PageControl)
        PageControl->SetActivePageIndex(0);
    loadFile();
    TablesLoaded();
    for (bool& copied : d->copied)
        copied = false;
}

void TableEditorFrame::resetRows()
{
    for (TExColumnGrid* grid : d->grids) {
        const int columns = Grid_All_Columns(grid);
        for (int r = 1; r < grid->RowCount(); ++r) {
            grid->SetAllCells(0, r, RowNumberText(r));
            grid->SetAllCells(1, r, d->enableColumn ? QStringLiteral("Y") : QString());
            for (int c = 2; c < columns; ++c)
                grid->SetAllCells(c, r, QString());
        }
    }
}

void TableEditorFrame::loadFile()
{
    d->fileUnreadable = false;
    TableRows rows;
    QString error;
    if (!Read_Table_File(d->file, FilePath(), rows, error)) {
        d->fileUnreadable = true;
        MessageDlg(Lang_Texts[Text_File_Unreadable] + FilePath() + QStringLiteral(": ") + error, mtError, mbOK, 0);
        return;
    }
    bool beyond = false;
    for (int g = 0; g < d->grids.size(); ++g) {
        loadSection(g, rows[g]);
        beyond = beyond || rows[g].size() > Grid(g)->RowCount() - 1;
    }
    if (beyond)
        MessageDlg(Lang_Texts[Text_Rows_Beyond_Table], mtWarning, mbOK, 0);
}

void TableEditorFrame::loadSection(int index, const QList<QStringList>& rows)
{
    const TableSection& description = d->file.sections[index];
    TExColumnGrid* grid = Grid(index);
    for (int i = 0; i < rows.size() && i + 1 < grid->RowCount(); ++i) {
        for (int c = 0; c < description.columns.size(); ++c) {
            if (!description.columns[c].attribute.isEmpty())
                grid->SetAllCells(c + 1, i + 1, rows[i][c]);
        }
    }
}

bool TableEditorFrame::rowsBelowInUse() const
{
    for (int g = 0; g < d->grids.size(); ++g) {
        for (int r = UsedRows(g) + 2; r < Grid(g)->RowCount(); ++r) {
            if (Grid_Row_In_Use(Grid(g), r))
                return true;
        }
    }
    return false;
}

// OK never drops rows or an unreadable file without the user's word.
bool TableEditorFrame::confirmSave()
{
    if (rowsBelowInUse() && MessageDlg(Lang_Texts[Text_Rows_Below_Not_Saved], mtConfirmation, mbYesNo, 0) != mrYes)
        return false;
    return !d->fileUnreadable
        || MessageDlg(Lang_Texts[Text_Replace_Unreadable], mtConfirmation, mbYesNo, 0) == mrYes;
}

bool TableEditorFrame::writeFile(QString& error) const
{
    platform::XmlDocument doc;
    platform::XmlElement root = doc.CreateRoot(d->file.root);
    doc.AppendComment(QStringLiteral("SW_VERSION = ") + d->file.version);
    for (int g = 0; g < d->grids.size(); ++g) {
        const TableSection& description = d->file.sections[g];
        platform::XmlElement section = description.name.isEmpty() ? root : root.AppendChild(description.name);
        const int used = UsedRows(g);
        for (int r = 1; r <= used; ++r) {
            platform::XmlElement row = section.AppendChild(QStringLiteral("row"));
            for (int c = 0; c < description.columns.size(); ++c) {
                if (!description.columns[c].attribute.isEmpty())
                    row.SetAttribute(description.columns[c].attribute, Grid(g)->AllCells(c + 1, r));
            }
        }
    }
    return doc.SaveFile(FilePath(), &error);
}

void TableEditorFrame::Btn_OKClick(TObject*)
{
    if (!Controllo_dati() || !confirmSave())
        return;
    QString error;
    if (!writeFile(error)) {
        MessageDlg(error, mtError, mbOK, 0);
        return;
    }
    d->fileUnreadable = false;
    SetModalResult(mrOk);
}

#pragma once

// The window every table editor stands in: title, the six buttons, one or two
// column grids on a page control, and the file the editor loads on show and
// rewrites on OK.
//
// An editor describes its file once (TableFile: root, version, sections and
// columns with attribute, header, hint, look, default, items and length); the
// frame builds the grids from it, loads by it and saves by it, and
// Read_Table_File lets the exports read any table file the same way. A column
// without attribute is neither loaded nor saved. A file of one table keeps its
// rows under the root (a section without name), and its grid fills the window
// without a page control. The rows of a grid end at the
// first empty key cell; OK runs the editor's checks, asks before rows below that
// or an unreadable file would be lost, and keeps the window open when the save
// fails. Editors hook in after loading (TablesLoaded) and after a row button
// moved rows (RowsChanged); TableFrameOptions leaves parts out or sizes them.

#include "platform/ui/paint/Colors.h"
#include "platform/ui/controls/Control.h"
#include "platform/ui/window/Form.h"
#include "grid/foundation/objects/ExObj.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class TExColumnGrid;
class TExPageControl;
class TExTabSheet;
class TGridColumnItem;
class TLabel;
class TLbButton;
class TPanel;

// One data column: how it looks and which attribute of a "row" holds it.
struct TableColumn {
    QString attribute; // empty: a column the file does not hold
    int header = 0; // text index
    int hint = 0;   // text index; 0: no hint
    int width = 0;
    TEditorType editor = edNormal;
    TColor color = clWhite;
    QString missing; // loaded when the attribute is missing
    QStringList items{}; // combo items fixed at design time
    int editLength = 0; // longest text typed in the cell; 0: no limit
};

// One grid and its section of the file.
struct TableSection {
    QString name; // empty: the rows stand directly under the root
    QString gridName;
    int tab = 0;          // text index of the tab caption
    int numberHeader = 0; // text index of column 0's header
    int keyColumn = 2;
    QList<TableColumn> columns; // data columns from column 1
};

// What an editor's file holds, in one place: loading and saving both read it.
struct TableFile {
    QString root;
    QString version;
    QList<TableSection> sections;
};

// Text indexes of the window's own texts, in the order of their block.
struct TableTexts {
    int caption = 0;
    int description = 0;
    int firstButton = 0;     // OK, Cancel, Delete, Insert, Copy, Paste
    int firstButtonHint = 0; // their hints in the same order; 0: no hints
    int deleteQuestion = 0;
    int rowError = 0;
};

// What an editor leaves out of the frame or sizes otherwise.
struct TableFrameOptions {
    bool rowClipboard = true; // the Copy Row and Paste Row buttons
    bool cellHandlers = true; // row selection by click, Enter to the next cell, header double click
    int rowCount = 257;       // header row included
    int numberWidth = 40;     // column 0
    bool enableColumn = true; // column 1 is the Enable box: "Y" in reset and inserted rows
    QString cellFont = QStringLiteral("Verdana"); // the data cells'; headers are Tahoma bold
};

// The rows of each section of a table file in section order: one list of
// cells per "row" element, data columns from column 1 (a column without
// attribute empty, a missing attribute its column's default).
using TableRows = QList<QList<QStringList>>;
// A missing file gives no rows; false, with the reason, when the file is
// there but cannot be read.
bool Read_Table_File(const TableFile& file, const QString& path, TableRows& rows, QString& error);

// What every table window shares beyond this frame: the window's colour,
// font and client size, the title band, and a data column's look.
void Setup_Table_Window(TForm* form, int clientWidth, int clientHeight);
void Build_Title_Band(QWidget* form, TPanel*& P_Title, TLabel*& L_SW_Code, TLabel*& L_SW_Desc);
void Setup_Grid_Column(TGridColumnItem* item, const TableColumn& column);
// The fonts of a table grid, for the grid and every column it has: data cells
// in cellFont, the header row, the fixed column and the active cell in Tahoma
// bold, all 8 points.
void Setup_Grid_Fonts(TExColumnGrid* grid, const QString& cellFont = QStringLiteral("Verdana"));
// The texts "0" .. count - 1, as position and bit lists hold them.
QStringList Number_Items(int count);
// Replaces the combo items of a grid column.
void Set_Column_Items(TExColumnGrid* grid, int column, const QStringList& items);
// Whether a number lies outside the range low..high of a table rule.
inline bool Outside(qint64 value, qint64 low, qint64 high) { return value < low || value > high; }
// Whether a text is a whole number from low to high.
bool WholeIn(const QString& text, int low, int high);
// A whole number typed into a cell, as the table checks read it: leading
// blanks, a sign, then decimal digits or hexadecimal ones after "$", "0x" or a
// bare "x" ("x1F6" is 502); anything else ("502 " too) gives `def`.
int Typed_Int(const QString& text, int def = -1);
// Whether a multiplication factor cell passes: "None" in any case, or a
// decimal number with "," or "." as its sign, read with `separator`.
bool Valid_Factor(const QString& text, QChar separator);

class TableEditorFrame : public TForm {
public:
    TableEditorFrame(QWidget* parent, const TableFile& file, const TableTexts& texts, int clientWidth,
                     const TableFrameOptions& options = {});
    ~TableEditorFrame() override;

    void Set_Lang();
    void ClickCell(TObject* Sender, int ARow, int ACol);
    void DblClickCell(TObject* Sender, int ARow, int ACol);
    void KeyPress(TObject* Sender, QChar& Key);
    void GridHint(TObject* Sender, int ARow, int ACol, QString& hint);
    void Btn_DelRowClick(TObject* Sender);
    void Btn_InsRowClick(TObject* Sender);
    void Btn_CopyRowClick(TObject* Sender);
    void Btn_PasteRowClick(TObject* Sender);
    void Btn_OKClick(TObject* Sender);
    virtual bool Controllo_dati() = 0;

    TExColumnGrid* Grid(int index) const;
    TExColumnGrid* ActiveGrid() const;
    // The rows of a grid that the file holds: 1 up to the first empty key.
    int UsedRows(int grid) const;

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;
    TLbButton* Btn_DelRow;
    TLbButton* Btn_InsRow;
    TLbButton* Btn_CopyRow = nullptr; // none without the row clipboard
    TLbButton* Btn_PasteRow = nullptr;
    TExPageControl* PageControl = nullptr; // none in a one-table window
    QList<TExTabSheet*> Sheets;

protected:
    void FormCreate(TObject* Sender) override;
    void FormShow(TObject* Sender) override;
    // Reads what the tables need before the rows are reset.
    virtual void PrepareTables() {}
    virtual QString RowNumberText(int row) const { return QString::number(row); }
    // Runs after the file is loaded at each showing.
    virtual void TablesLoaded() {}
    // Runs after a row button moved or replaced rows of the grid.
    virtual void RowsChanged(int grid) { (void)grid; }
    // The column whose empty cell ends a grid's rows; the section's by default.
    virtual int KeyColumn(int grid) const;
    // The full path of the table file.
    virtual QString FilePath() const = 0;
    // Shows a check fault: row-error text, grid row, the fault's own text.
    void RowFault(int row, const QString& fault) const;
    const TableFile& Description() const;
    // False: the page last used stays active from one showing to the next.
    bool FirstPageOnShow = true;

private:
    struct Private;
    std::unique_ptr<Private> d;

    void buildWindow(int clientWidth, const TableFrameOptions& options);
    void buildGrid(int index, const TableFrameOptions& options);
    int activeIndex() const;
    void resetRows();
    void loadFile();
    void loadSection(int index, const QList<QStringList>& rows);
    bool rowsBelowInUse() const;
    bool confirmSave();
    bool writeFile(QString& error) const;
};

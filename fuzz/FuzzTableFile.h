// What the fuzz targets of the table editors share: the file shown as at
// every showing, checked as OK checks it, then OK; when OK wrote the file,
// it must read back as the rows the tables held.
#pragma once

#include "fuzz/FuzzProject.h"

#include "app/tables/common/GridRowOperations.h"
#include "app/tables/common/TableEditorFrame.h"
#include "grid/cells/columns/ExColumnGrid.h"

#include <cstdlib>

namespace fuzz {

// `Editor` opens FormShow to the target.
template <class Editor>
void ShowCheckAndSave(Editor& form, const TableFile& file, const QString& path)
{
    form.FormShow(nullptr);
    TableRows shown(file.sections.size());
    for (int g = 0; g < file.sections.size(); ++g) {
        for (int r = 1; r <= form.UsedRows(g); ++r)
            shown[g] << Grid_Row_Cells(form.Grid(g), r).mid(1, file.sections[g].columns.size());
    }
    (void)form.Controllo_dati();
    form.SetModalResult(mrNone);
    form.Btn_OKClick(nullptr);
    if (form.ModalResult() != mrOk)
        return;
    form.SetModalResult(mrNone);
    TableRows written;
    QString error;
    if (!Read_Table_File(file, path, written, error) || written != shown)
        std::abort(); // what loaded must come back as it was
}

// A whole target: the input becomes `fileName` of a scratch project, and
// one editor, made at the first input, shows, checks and saves it.
template <class Editor>
void ReplayTableFile(const uint8_t* data, size_t size, const QString& fileName, const TableFile& file)
{
    struct Reader : Editor {
        using Editor::FormShow;
    };
    EnsureApplication();
    static Reader* form = [] {
        OpenScratchProject();
        return platform::CreateForm<Reader>();
    }();
    const QString path = PutFile(QStringLiteral("PROJECTS/Plant/") + fileName, Bytes(data, size));
    ShowCheckAndSave(*form, file, path);
}

} // namespace fuzz

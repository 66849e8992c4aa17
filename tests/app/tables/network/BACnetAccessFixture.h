#pragma once

// The BACnet client table and its EDE import dialog in a project folder of the
// test's own, shown modally through the test seams.

#include "app/shell/LbButton.h"
#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/tables/network/UBACnetAccess.h"
#include "app/tables/network/UImportEDEFile.h"
#include "grid/cells/ExColumnGrid.h"
#include "platform/ui/ModalSeams.h"
#include "tests/support/TempExeFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

class BACnetAccess : public ::testing::Test {
protected:
    void SetUp() override
    {
        Load_Default_Texts();
        Path_Project = testsupport::TestFolder() + "/PROJECTS/Plant";
        QDir().mkpath(Path_Project);
        File_ParGen = Path_Project + "/ParGen.xml";
        File_BACnet_Master_Access = Path_Project + "/BACnet_Master_Access.xml";
        Path_EDE_Import.clear();
        seams = std::make_unique<platform::ModalSeams>();
        editor.reset(platform::CreateForm<TFBACnetAccess>());
        dialog.reset(platform::CreateForm<TFImportEDEFile>());
        FImportEDEFile = dialog.get();
    }
    void TearDown() override { FImportEDEFile = nullptr; }

    static void WriteFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QString FileText(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    static void WriteType(int type)
    {
        WriteFile(File_ParGen, "<Par_Gen><BACnet_Master_Type>" + QByteArray::number(type) + "</BACnet_Master_Type></Par_Gen>");
    }

    // Shows the editor; `work` runs while it is open. The boxes shown while it
    // opens are answered OK. A window still open afterwards is cancelled.
    TModalResult Open(const std::function<void()>& work, int boxesAtShow = 0)
    {
        seams->HandleModal(*editor, [&] {
            work();
            if (editor->IsModalShowing())
                editor->Btn_Cancel->Click();
        });
        for (int i = 0; i < boxesAtShow; ++i)
            seams->AnswerMessage(mrOk);
        return editor->ShowModal();
    }

    // Chooses the EDE file in the open dialog and runs `work` in the import
    // dialog (from inside Open).
    void Import(const QString& file, const std::function<void()>& work, int boxesAtShow = 0)
    {
        seams->ChooseFile(file);
        seams->HandleModal(*dialog, [&] {
            work();
            if (dialog->IsModalShowing())
                dialog->Btn_Cancel->Click();
        });
        for (int i = 0; i < boxesAtShow; ++i)
            seams->AnswerMessage(mrOk);
        editor->Btn_Import_CSV->Click();
    }

    static void Fill(TExColumnGrid* grid, int row, const QStringList& cells)
    {
        for (int c = 0; c < cells.size(); ++c)
            grid->SetAllCells(c + 1, row, cells[c]);
    }
    static QStringList RowOf(TExColumnGrid* grid, int row)
    {
        QStringList cells;
        for (int c = 1; c < grid->ColCount() + grid->NumHiddenColumns(); ++c)
            cells << grid->AllCells(c, row);
        return cells;
    }

    TExColumnGrid* ReadGrid() const { return editor->ACG1(); }
    TExColumnGrid* WriteGrid() const { return editor->ACG2(); }

    std::unique_ptr<platform::ModalSeams> seams;
    std::unique_ptr<TFBACnetAccess> editor;
    std::unique_ptr<TFImportEDEFile> dialog;
};

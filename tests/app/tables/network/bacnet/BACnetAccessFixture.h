#pragma once

// The BACnet client table and its EDE import dialog in a project folder of the
// test's own, shown modally through the test seams.

#include "app/shell/buttons/LbButton.h"
#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/tables/network/bacnet/UBACnetAccess.h"
#include "app/tables/network/bacnet/UImportEDEFile.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "platform/ui/window/ModalSeams.h"
#include "tests/app/tables/common/TableEditorFixture.h"
#include "tests/support/TempExeFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

class BACnetAccess : public TableEditorTest<TFBACnetAccess> {
protected:
    void SetUp() override
    {
        StartProject();
        File_BACnet_Master_Access = Path_Project + "/BACnet_Master_Access.xml";
        Path_EDE_Import.clear();
        CreateEditor();
        dialog.reset(platform::CreateForm<TFImportEDEFile>());
        FImportEDEFile = dialog.get();
    }
    void TearDown() override { FImportEDEFile = nullptr; }

    // Files in the bytes given: byte-order marks and code pages stay as written.
    static void WriteFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QString FileText(const QString& path) { return Read(path); }
    static void WriteType(int type)
    {
        WriteFile(File_ParGen, "<Par_Gen><BACnet_Master_Type>" + QByteArray::number(type) + "</BACnet_Master_Type></Par_Gen>");
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

    using TableEditorTest::RowOf;
    static QStringList RowOf(TExColumnGrid* grid, int row)
    {
        return RowOf(grid, row, grid->ColCount() + grid->NumHiddenColumns());
    }

    TExColumnGrid* ReadGrid() const { return editor->ACG1(); }
    TExColumnGrid* WriteGrid() const { return editor->ACG2(); }

    std::unique_ptr<TFImportEDEFile> dialog;
};

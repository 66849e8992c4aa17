#pragma once

// A table editor in a project folder of the test's own, shown modally
// through the test seams.

#include "app/shell/buttons/LbButton.h"
#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "grid/foundation/pagecontrol/ExPageControl.h"
#include "platform/ui/window/ModalSeams.h"
#include "tests/support/TempExeFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

template <class Editor>
class TableEditorTest : public ::testing::Test {
protected:
    // Prepares the texts and the project folder; the caller sets its file
    // paths and then creates the editor.
    void StartProject()
    {
        Load_Default_Texts();
        Path_Project = testsupport::TestFolder() + "/PROJECTS/Plant";
        QDir().mkpath(Path_Project + "/bin");
        File_ParGen = Path_Project + "/ParGen.xml";
        seams = std::make_unique<platform::ModalSeams>();
    }
    void CreateEditor() { editor.reset(platform::CreateForm<Editor>()); }

    static void Write(const QString& path, const QString& text)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }
    static QString Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    // Shows the editor; `work` runs while it is open. `boxesAtShow` boxes
    // shown while it opens are answered OK. A window still open afterwards is
    // cancelled.
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

    // Fills a row from column 1 on.
    static void Fill(TExColumnGrid* grid, int row, const QStringList& cells)
    {
        for (int c = 0; c < cells.size(); ++c)
            grid->SetAllCells(c + 1, row, cells[c]);
    }
    static QStringList RowOf(TExColumnGrid* grid, int row, int columns)
    {
        QStringList cells;
        for (int c = 1; c < columns; ++c)
            cells << grid->AllCells(c, row);
        return cells;
    }

    std::unique_ptr<platform::ModalSeams> seams;
    std::unique_ptr<Editor> editor;
};

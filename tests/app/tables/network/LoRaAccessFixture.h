#pragma once

// The LoRaWAN access editor in a project folder of the test's own, shown
// modally through the test seams.

#include "app/shell/LbButton.h"
#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/tables/network/ULoRa_Set_Access.h"
#include "grid/cells/ExColumnGrid.h"
#include "grid/foundation/ExPageControl.h"
#include "platform/ui/ModalSeams.h"
#include "tests/support/TempExeFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

class LoRaAccess : public ::testing::Test {
protected:
    void SetUp() override
    {
        Load_Default_Texts();
        Path_Project = testsupport::TestFolder() + "/PROJECTS/Plant";
        QDir().mkpath(Path_Project + "/bin");
        File_ParGen = Path_Project + "/ParGen.xml";
        File_LoRaWAN_SetAccess = Path_Project + "/LoRaWAN_SetAccess.xml";
        seams = std::make_unique<platform::ModalSeams>();
        editor.reset(platform::CreateForm<TFLoRa_Set_Access>());
    }

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
    static void WriteParGen(const QString& payload, const QString& fport)
    {
        Write(File_ParGen, "<Par_Gen><LoRa_Payload_Size>" + payload + "</LoRa_Payload_Size><LoRa_FPort>" + fport
                               + "</LoRa_FPort></Par_Gen><!-- SW_VERSION = 1.000 -->");
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

    TExColumnGrid* Up() const { return editor->ACG_LoRa_Uplink(); }
    TExColumnGrid* Down() const { return editor->ACG_LoRa_Downlink(); }

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
    std::unique_ptr<TFLoRa_Set_Access> editor;
};

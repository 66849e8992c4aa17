#pragma once

#include "app/communication/UParGen.h"
#include "app/shell/buttons/LbButton.h"
#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "platform/ui/panels/CategoryPanelGroup.h"
#include "platform/ui/controls/CheckBox.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/panels/Label.h"
#include "platform/ui/window/ModalSeams.h"
#include "tests/support/TempExeFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

// The y of a row as a layout placed it: the caption's top; its input sits 3
// pixels higher.
struct RowAt {
    const platform::TControl* caption;
    const platform::TControl* input;
    int y;
};

inline void ExpectRows(const std::vector<RowAt>& rows)
{
    for (const RowAt& row : rows) {
        ASSERT_NE(row.caption, nullptr);
        const std::string name = row.caption->Name().toStdString();
        EXPECT_TRUE(row.caption->Visible()) << name;
        EXPECT_EQ(row.caption->Top(), row.y) << name;
        if (row.input) {
            EXPECT_TRUE(row.input->Visible()) << name;
            EXPECT_EQ(row.input->Top(), row.y - 3) << name;
        }
    }
}

inline void ExpectHidden(std::initializer_list<const platform::TControl*> controls)
{
    for (const platform::TControl* control : controls) {
        ASSERT_NE(control, nullptr);
        EXPECT_FALSE(control->Visible()) << control->Name().toStdString();
    }
}

// A parameter form of a fresh configuration folder, with the built-in texts
// and the modal seams; an unexpected message box fails the test.
class ParGenForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::SetModalFailureHook([](const QString& message) { ADD_FAILURE() << message.toStdString(); });
        Load_Default_Texts();
        SW_Code = QStringLiteral("SVX91");
        Path_Project = testsupport::TestFolder() + QStringLiteral("/PROJECTS/Plant");
        QDir().mkpath(Path_Project + QStringLiteral("/bin"));
        File_ParGen = Path_Project + QStringLiteral("/ParGen.xml");
        form.reset(platform::CreateForm<TFParGen>());
    }

    void TearDown() override
    {
        form.reset();
        platform::SetModalFailureHook(nullptr);
    }

    // Shows the form modally while `work` runs; the work closes it.
    TModalResult Show(const std::function<void()>& work)
    {
        seams.HandleModal(*form, work);
        return form->ShowModal();
    }

    // Shows the form, runs `inspect` on what it loaded and leaves with Cancel.
    void Open(const std::function<void()>& inspect = [] {})
    {
        Show([&] {
            inspect();
            form->Btn_Cancel->Click();
        });
    }

    // Shows the form and presses OK, expecting it to close.
    void OpenAndSave(const std::function<void()>& edit = [] {})
    {
        const TModalResult result = Show([&] {
            edit();
            form->Btn_OK->Click();
        });
        ASSERT_EQ(result, mrOk);
    }

    // Picks an item as the user does: selection, then the change event.
    static void Pick(TComboBox* combo, int index)
    {
        combo->SetItemIndex(index);
        emit combo->activated(index);
    }

    static void WriteParGen(const QByteArray& content)
    {
        QFile file(File_ParGen);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    // A control of the other models' panels by name; fails the test when the
    // form holds no such control of that class.
    template <class Control = platform::TControl>
    Control* Named(const char* name) const
    {
        auto* control = dynamic_cast<Control*>(form->Find_Control(QLatin1String(name)));
        if (!control)
            ADD_FAILURE() << "no control " << name;
        return control;
    }

    static QByteArray ReadParGen()
    {
        QFile file(File_ParGen);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    platform::ModalSeams seams;
    std::unique_ptr<TFParGen> form;
};

// The engineering unit chooser: the unit table, the names behind the codes,
// and the dialog as the server table uses it (a code in, a code out on OK).

#include "tests/app/shell/ShellWindowsFixture.h"

#include "app/shell/buttons/LbButton.h"
#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/shell/WindowRegistry.h"
#include "app/tables/network/bacnet/UBACnet_Eng_Unit.h"
#include "app/tables/network/bacnet/UBACnet_Eng_UnitTable.h"
#include "app/tables/network/UNetworkTablesStart.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/panels/Label.h"
#include "platform/ui/window/ModalSeams.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace {

TEST(EngUnitTable, EveryCodeOnceAndTheCategoryCounts)
{
    const std::map<QString, int> counts = {
        {"Acceleration", 1}, {"Area", 4},         {"Currency", 10}, {"Electrical", 35},     {"Energy", 15},
        {"Enthalpy", 5},     {"Entropy", 4},      {"Force", 1},     {"Frequency", 6},       {"Humidity", 2},
        {"Length", 7},       {"Light", 7},        {"Mass", 5},      {"Mass Flow", 9},       {"Power", 8},
        {"Pressure", 12},    {"Temperature", 9},  {"Time", 9},      {"Torque", 1},          {"Velocity", 9},
        {"Volume", 6},       {"Volumetric Flow", 13},               {"Other", 59},
    };
    const auto categories = Eng_Unit_Categories();
    ASSERT_EQ(categories.size(), 23u);
    EXPECT_EQ(QString::fromUtf16(categories.front()), "Acceleration");
    EXPECT_EQ(QString::fromUtf16(categories.back()), "Other");

    std::map<QString, int> found;
    std::vector<int> seen(237, 0);
    int lastCategory = 0;
    for (const TEng_Unit_Row& row : Eng_Unit_Rows()) {
        ASSERT_GE(row.category, lastCategory) << "categories are grouped in list order";
        lastCategory = row.category;
        ASSERT_LT(row.category, 23);
        ++found[QString::fromUtf16(categories[row.category])];
        ASSERT_GE(row.code, 0);
        ASSERT_LT(row.code, 237);
        ++seen[row.code];
    }
    EXPECT_EQ(found, counts);
    for (int code = 0; code < 237; ++code)
        EXPECT_EQ(seen[code], 1) << "code " << code;
}

TEST(EngUnitTable, NamesBehindTheCodes)
{
    const std::pair<int, const char*> cases[] = {
        {0, "square-meters"},
        {62, "degrees-Celsius"},
        {139, "megajoules-hours-per-square-meter"},
        {140, "megajoules-hours-per-square-foot"},
        {172, "ohm-meters"},
        {207, "per-mille"},
        {236, "minutes-per-degree-kelvin"},
        {-1, "unknown"},
        {237, "unknown"},
    };
    for (const auto& [code, name] : cases)
        EXPECT_EQ(Desc_Unit(code), QString::fromLatin1(name)) << "code " << code;
}

TEST(EngUnitTable, CodeByCategoryAndPlaceInTheList)
{
    EXPECT_EQ(Eng_Unit_Code(0, 0), 166);
    EXPECT_EQ(Eng_Unit_Code(16, 4), 64);
    EXPECT_EQ(Eng_Unit_Code(22, 58), 236);
    EXPECT_EQ(Eng_Unit_Code(22, 59), 0);
    EXPECT_EQ(Eng_Unit_Code(0, 1), 0);
    EXPECT_EQ(Eng_Unit_Code(-1, 0), 0);
    EXPECT_EQ(Eng_Unit_Code(23, 0), 0);
}

class EngUnitChooser : public ::testing::Test {
protected:
    void SetUp() override
    {
        Load_Default_Texts();
        seams = std::make_unique<platform::ModalSeams>();
        chooser.reset(platform::CreateForm<TFBACnet_Eng_Unit>());
    }

    // Picks an item as the user does, so the box raises its change event.
    static void Pick(TComboBox* box, const QString& item)
    {
        const int index = box->Items().IndexOf(item);
        ASSERT_GE(index, 0) << item.toStdString();
        box->SetItemIndex(index);
        Q_EMIT box->activated(index);
    }

    // Runs the chooser on `unitText`; `work` runs while it is shown.
    bool Choose(QString& unitText, const std::function<void()>& work)
    {
        seams->HandleModal(*chooser, work);
        return chooser->Choose(unitText);
    }

    std::unique_ptr<platform::ModalSeams> seams;
    std::unique_ptr<TFBACnet_Eng_Unit> chooser;
};

TEST_F(EngUnitChooser, CreatedWithItsTextsAndTheFirstCategory)
{
    EXPECT_EQ(chooser->ClientWidth(), 548);
    EXPECT_EQ(chooser->ClientHeight(), 306);
    EXPECT_EQ(chooser->Caption(), Lang_Texts[1600]);
    EXPECT_EQ(chooser->L_SW_Code->Caption(), SW_Code);
    EXPECT_EQ(chooser->Label1->Caption(), "Selected BACnet Engineering Unit");
    EXPECT_EQ(chooser->Btn_Select_Eng_Unit->Caption(), "Select Engineering Unit");
    EXPECT_EQ(chooser->CB_Select_Type->Items().Count(), 23);
    EXPECT_EQ(chooser->CB_Select_Type->Text(), "Acceleration");

    Lang_Texts.SetStrings(1607, QStringLiteral("Einheit"));
    chooser->Set_Lang();
    EXPECT_EQ(chooser->Label4->Caption(), "Einheit");
    Load_Default_Texts();
}

TEST_F(EngUnitChooser, OpensWithTheCellsUnitName)
{
    const std::pair<const char*, const char*> cases[] = {
        {"62", "-> degrees-Celsius"},
        {"", "-> unknown"},
        {"abc", "-> unknown"},
        {"172", "-> ohm-meters"},
    };
    for (const auto& [cell, label] : cases) {
        QString unit = QString::fromLatin1(cell);
        const bool ok = Choose(unit, [&] {
            EXPECT_EQ(chooser->E_Selected_EU->Text(), QString::fromLatin1(cell));
            EXPECT_EQ(chooser->Label5->Caption(), QString::fromLatin1(label));
            chooser->Btn_Cancel->Click();
        });
        EXPECT_FALSE(ok);
    }
}

TEST_F(EngUnitChooser, SelectedUnitGoesIntoTheEditAndOKGivesIt)
{
    struct Case {
        const char* category;
        const char* unit;
        const char* code;
        const char* label;
    };
    const Case cases[] = {
        {"Temperature", "degrees-Fahrenheit", "64", "-> degrees-Fahrenheit"},
        {"Other", "per-mille", "207", "-> per-mille"},
        {"Electrical", "ohms-meters", "172", "-> ohm-meters"},
        {"Acceleration", "meters-per-second-per-second", "166", "-> meters-per-second-per-second"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unit);
        QString unit = QStringLiteral("62");
        const bool ok = Choose(unit, [&] {
            Pick(chooser->CB_Select_Type, QString::fromLatin1(c.category));
            EXPECT_EQ(chooser->CB_Select_Unit->ItemIndex(), 0);
            Pick(chooser->CB_Select_Unit, QString::fromLatin1(c.unit));
            chooser->Btn_Select_Eng_Unit->Click();
            EXPECT_EQ(chooser->E_Selected_EU->Text(), QString::fromLatin1(c.code));
            EXPECT_EQ(chooser->Label5->Caption(), QString::fromLatin1(c.label));
            chooser->Btn_OK->Click();
        });
        EXPECT_TRUE(ok);
        EXPECT_EQ(unit, QString::fromLatin1(c.code));
    }
}

TEST_F(EngUnitChooser, CancelLeavesTheCodeEvenAfterASelection)
{
    QString unit = QStringLiteral("62");
    const bool ok = Choose(unit, [&] {
        Pick(chooser->CB_Select_Type, QStringLiteral("Temperature"));
        Pick(chooser->CB_Select_Unit, QStringLiteral("degrees-Fahrenheit"));
        chooser->Btn_Select_Eng_Unit->Click();
        chooser->Btn_Cancel->Click();
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(unit, "62");
}

TEST_F(EngUnitChooser, TypedCodeIsTakenAsItStandsAndKeepsTheLabel)
{
    QString unit = QStringLiteral("62");
    const bool ok = Choose(unit, [&] {
        chooser->E_Selected_EU->SetText(QStringLiteral("999"));
        EXPECT_EQ(chooser->Label5->Caption(), "-> degrees-Celsius");
        chooser->Btn_OK->Click();
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(unit, "999");
}

TEST_F(EngUnitChooser, CategoryStaysChosenAndItsListStartsAtTheFirstUnit)
{
    QString unit;
    Choose(unit, [&] {
        Pick(chooser->CB_Select_Type, QStringLiteral("Mass"));
        Pick(chooser->CB_Select_Unit, QStringLiteral("tons"));
        chooser->Btn_Cancel->Click();
    });
    Choose(unit, [&] {
        EXPECT_EQ(chooser->CB_Select_Type->Text(), "Mass");
        EXPECT_EQ(chooser->CB_Select_Unit->Items().ToStringList(),
                  QStringList({"milligrams", "grams", "kilograms", "pounds-mass", "tons"}));
        EXPECT_EQ(chooser->CB_Select_Unit->Text(), "milligrams");
        platform::SaveScreenshot(*chooser, QStringLiteral("bacnet_eng_unit"));
        chooser->Btn_Cancel->Click();
    });
}

class EngUnitChooserFromProgram : public testsupport::ShellWindows {
protected:
    void TearDown() override
    {
        Clear_Window_Registry();
        Destroy_Network_Table_Windows();
        ShellWindows::TearDown();
    }
};

TEST_F(EngUnitChooserFromProgram, CreatedAtStartAndShownByName)
{
    Start();
    Create_Network_Table_Windows();
    ASSERT_NE(FBACnet_Eng_Unit, nullptr);
    EXPECT_EQ(Find_Window(QStringLiteral("FBACnet_Eng_Unit")), FBACnet_Eng_Unit);
    QString unit = QStringLiteral("64");
    seams->HandleModal(*FBACnet_Eng_Unit, [&] {
        EXPECT_EQ(FBACnet_Eng_Unit->Label5->Caption(), "-> degrees-Fahrenheit");
        FBACnet_Eng_Unit->Btn_OK->Click();
    });
    EXPECT_TRUE(FBACnet_Eng_Unit->Choose(unit));
    EXPECT_EQ(unit, "64");
}

} // namespace

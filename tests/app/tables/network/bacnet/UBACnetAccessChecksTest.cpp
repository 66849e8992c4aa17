// The rules of the BACnet client table, row by row, as tables of cases.

#include "app/shell/ULanguage.h"
#include "app/tables/network/bacnet/UBACnetAccessChecks.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace {

using D = TBACnetDirection;

class BACnetRules : public ::testing::Test {
protected:
    void SetUp() override { Load_Default_Texts(); }
};

// Valid rows, cells by real column from column 0.
QStringList ReadRow()
{
    return {"1", "Y", "192.168.0.10", "Analog Input", "1", "Present Value (85)", "4", "N", "", "", "",
            "1000", "0", "0", "0", "", "", "Mnemonic"};
}

QStringList WriteRow()
{
    return {"1", "Y", "192.168.0.10", "Analog Output", "Real", "1", "Present Value (85)", "0", "4", "N", "", "", "",
            "N", "Y", "1000", "0", "0", "0", "", "", "Mnemonic"};
}

struct RowCase {
    D direction;
    std::map<int, QString> cells; // changes to the valid row
    int fault;                    // text index; 0: passes
    QString tail = {};            // appended to the fault text
    int type = 0;
};

TEST_F(BACnetRules, RowFaultsInTheirOrder)
{
    const RowCase cases[] = {
        {D::Read, {}, 0},
        {D::Write, {}, 0},
        // Instance read as a 64-bit number.
        {D::Read, {{4, "4294967295"}}, 0},
        {D::Read, {{4, "4294967296"}}, 1341},
        {D::Read, {{4, "-1"}}, 1341},
        {D::Read, {{4, ""}}, 1341},
        {D::Write, {{5, "4294967296"}}, 1350},
        {D::Write, {{5, ""}}, 1350},
        // Properties by object type, proprietary numbers.
        {D::Read, {{3, "Binary Input"}, {5, "Units (117)"}}, 1342},
        {D::Read, {{3, "Analog Input"}, {5, "units (117)"}}, 0},
        {D::Read, {{5, " present value (85) "}}, 0},
        {D::Read, {{5, "Scale (187)"}}, 1342},
        {D::Read, {{3, "Accumulator"}, {5, "Scale (187)"}}, 0},
        {D::Read, {{5, "512"}}, 0},
        {D::Read, {{5, "4194303"}}, 0},
        {D::Read, {{5, "511"}}, 1342},
        {D::Read, {{5, "4194304"}}, 1342},
        {D::Write, {{6, "Units (117)"}}, 1351},
        // Proprietary object types in both grids; input types cannot be written.
        {D::Read, {{3, "128"}}, 0},
        {D::Read, {{3, "1023"}}, 0},
        {D::Read, {{3, "127"}}, 1340},
        {D::Read, {{3, "1024"}}, 1340},
        {D::Write, {{3, "128"}, {4, "Octet String"}}, 0},
        {D::Write, {{3, "1023"}}, 0},
        {D::Write, {{3, "127"}}, 1349},
        {D::Write, {{3, "1024"}}, 1349},
        {D::Write, {{3, "Analog Input"}}, 1349},
        // Data types.
        {D::Write, {{4, "Double"}}, 1358, "Real"},
        {D::Write, {{3, "Positive Integer Value"}, {4, "Real"}}, 1358, "Unsigned Int"},
        {D::Write, {{3, "Life Safety Point"}, {4, "Enumerated"}}, 1352},
        {D::Write, {{3, "Large Analog Value"}, {4, "double"}, {8, "8"}}, 0},
        // NByte against the data type.
        {D::Read, {{6, "256"}}, 1343},
        {D::Write, {{3, "128"}, {4, "Boolean"}, {8, "2"}}, 1354, "1"},
        {D::Write, {{3, "128"}, {4, "Bit String"}, {8, "120"}}, 0},
        {D::Write, {{3, "128"}, {4, "Bit String"}, {8, "121"}}, 1354, "120"},
        {D::Write, {{7, "17"}}, 1353},
        // Addresses by client type.
        {D::Read, {{2, "192.168.0"}}, 1338},
        {D::Read, {{2, " 192.168.0.1 "}}, 0},
        {D::Write, {{2, "192.168.0.256"}}, 1347},
        {D::Read, {{2, "254"}}, 0, {}, 1},
        {D::Read, {{2, "255"}}, 1339, {}, 1},
        {D::Write, {{2, "x"}}, 1348, {}, 1},
        {D::Read, {{2, ""}}, 0, {}, 2},
        // Destinations.
        {D::Read, {{7, "Y"}, {8, "1"}, {9, "M3"}, {10, "1, 2 ,3"}}, 0},
        {D::Read, {{7, "Y"}, {8, "1"}, {9, "M3"}, {10, "1,2"}}, 1388},
        {D::Read, {{7, "Y"}, {8, "1"}, {9, "M3"}, {10, "1,2,3,4"}}, 1384},
        {D::Read, {{7, "Y"}, {8, "1"}, {9, "M3"}, {10, "1,300,3"}}, 1382},
        {D::Read, {{7, "Y"}, {8, "1"}, {9, "M3"}, {10, " "}}, 1388},
        {D::Write, {{9, "Y"}, {10, "1"}, {11, "m8"}, {12, ""}}, 1389},
        {D::Write, {{9, "Y"}, {10, "1"}, {11, "M2"}, {12, "1,2,3"}}, 1385},
        {D::Write, {{9, "Y"}, {10, "1"}, {11, "M1"}, {12, "-1"}}, 1383},
        {D::Read, {{7, "Y"}, {8, "1"}, {9, "6"}, {10, "192.168.0.15:47808"}}, 0},
        {D::Read, {{7, "Y"}, {8, "1"}, {9, "6"}, {10, "192.168.0.15"}}, 1374},
        {D::Write, {{9, "y"}, {10, "1"}, {11, "6"}, {12, "192.168.0.15"}}, 1379},
        {D::Read, {{7, "Y"}, {8, "0"}, {9, "1"}, {10, "1"}}, 1370},
        {D::Read, {{7, "Y"}, {8, "1"}, {9, "3"}, {10, "1"}}, 1371},
        {D::Read, {{7, "Y"}, {8, "1"}, {9, "M9"}, {10, "1"}}, 1386},
        {D::Read, {{7, "Y"}, {8, "1"}, {9, ""}, {10, "1"}}, 1386},
        {D::Read, {{7, "Y"}, {8, "1"}, {9, "1"}, {10, "256"}}, 1372},
        {D::Write, {{9, "Y"}, {10, "65535"}, {11, "2"}, {12, "0"}}, 1378},
        {D::Read, {{7, "N"}, {8, "0"}, {9, "x"}}, 0},
        // Poll time: always read, written only on a timer.
        {D::Read, {{11, ""}}, 1344},
        {D::Write, {{14, "N"}, {15, ""}}, 0},
        {D::Write, {{14, "Y"}, {15, "100000001"}}, 1355},
        {D::Read, {{12, "65536"}}, 1345},
        {D::Write, {{16, ""}}, 1356},
        // The first fault wins.
        {D::Read, {{3, "x"}, {4, "x"}}, 1340},
    };
    for (const RowCase& c : cases) {
        QStringList row = c.direction == D::Read ? ReadRow() : WriteRow();
        QString trace;
        for (const auto& [col, text] : c.cells) {
            row[col] = text;
            trace += QString::number(col) + "=" + text + " ";
        }
        SCOPED_TRACE(trace.toStdString());
        const QString expected = c.fault ? Lang_Texts[c.fault] + c.tail : QString();
        EXPECT_EQ(BACnet_Row_Fault(row, c.direction, c.type), expected);
    }
}

TEST_F(BACnetRules, ObjectTypeCodesAndByteLimits)
{
    EXPECT_EQ(Check_Object_Type(" analog value ", D::Read), 12);
    EXPECT_EQ(Check_Object_Type("Accumulator", D::Read), 1);
    EXPECT_EQ(Check_Object_Type("Accumulator", D::Write), -1);
    EXPECT_EQ(Check_Object_Type("Life Safety Zone", D::Write), 15);
    EXPECT_EQ(Check_Object_Type("Device", D::Read), -1);
    const std::pair<const char*, int> limits[] = {{"Null", 0}, {" boolean ", 1}, {"Object ID", 4}, {"Double", 8},
                                                  {"Bit String", 120}, {"Octet String", 255}, {"other", 255}};
    for (const auto& [type, most] : limits)
        EXPECT_EQ(Check_Num_Byte_Max(type), most) << type;
    EXPECT_EQ(Check_Data_Type("anything", 5, 4), 1000);
    EXPECT_EQ(Aspected_Data_Type_Value(5, 200), "");
}

TEST_F(BACnetRules, ReadHints)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"Binary Input", "Present Value (85)", "1"}, {"Analog Value", "Present Value (85)", ""},
        {"Accumulator", "PreScale (185)", "5"},      {"Large Analog Value", "Present Value (85)", "8"},
        {"Analog Input", "Object Type (79)", "2"},   {"Analog Input", "600", ""},
        {"", "Present Value (85)", ""},              {"Binary Input", " ", ""},
    };
    for (const auto& [type, property, hint] : cases)
        EXPECT_EQ(BACnet_Read_Hint(type, property), hint) << type << " / " << property;
}

} // namespace

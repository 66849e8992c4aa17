// The SCL device model: references, types, data sets and GOOSE names read
// from a small hand-written file, and hostile files that must end in a clear
// error or the documented result.

#include "app/tables/network/iec61850/UIEC_Client_Decode.h"
#include "tests/support/TempExeFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QString Fixture(const QString& name)
{
    return QStringLiteral(CONFIGURATOR_FIXTURES "/iec/") + name;
}

std::unique_ptr<TIEC_Device> Decode(const QString& path, QString& error)
{
    return TIEC_Device::Create(path, error);
}

std::unique_ptr<TIEC_Device> DecodeText(const QByteArray& text, QString& error)
{
    const QString path = testsupport::TestFolder() + QStringLiteral("/device.scd");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    file.close();
    return Decode(path, error);
}

TEST(IecModel, ReferencesTypesAndConstraints)
{
    QString error;
    const auto device = Decode(Fixture("IED1.icd"), error);
    ASSERT_TRUE(device) << error.toStdString();
    EXPECT_EQ(device->fName, "IED1");
    EXPECT_EQ(device->fFileName, "IED1.icd");
    ASSERT_EQ(device->List_LDevice.size(), 1u); // the second IED is not read
    const TIEC_LDevice& ld = *device->List_LDevice[0];
    ASSERT_EQ(ld.List_LN.size(), 5u);

    const TIEC_LN& lln0 = *ld.List_LN[0];
    // The doubled LNodeType id gives both DO lists in file order.
    ASSERT_EQ(lln0.List_DO.size(), 2u);
    EXPECT_EQ(lln0.List_DO[0]->fName, "Mod");
    EXPECT_EQ(lln0.List_DO[1]->fName, "Beh");
    const TIEC_DO& mod = *lln0.List_DO[0];
    EXPECT_EQ(mod.List_DA[0]->fReference, "IED1LD0/LLN0.Mod.stVal");
    EXPECT_EQ(mod.List_DA[1]->fbType, "Quality");
    EXPECT_EQ(mod.List_DA[1]->fFC, "ST");
    EXPECT_TRUE(mod.List_DA[2]->List_DA.empty()); // "Enum" with a type is a leaf

    const TIEC_LN& xcbr = *ld.List_LN[1];
    const TIEC_DA& sev = *xcbr.List_DO[0]->List_DA[1];
    ASSERT_EQ(sev.List_DA.size(), 1u); // "ENUM" looks its type up
    EXPECT_EQ(sev.List_DA[0]->fReference, "IED1LD0/Q0XCBR1.Pos.sev.code");

    const TIEC_DA& mag = *ld.List_LN[2]->List_DO[0]->List_DA[0];
    ASSERT_EQ(mag.List_DA.size(), 1u);
    EXPECT_EQ(mag.List_DA[0]->fFC, "MX");
    EXPECT_EQ(mag.List_DA[0]->fReference, "IED1LD0/MMXU1.TotW.mag.f");
    // Sub-data objects and nested structures add one name per level.
    const TIEC_DO& phsA = *ld.List_LN[2]->List_DO[1]->List_DO[0];
    EXPECT_EQ(phsA.List_DA[0]->List_DA[0]->List_DA[0]->fReference, "IED1LD0/MMXU1.A.phsA.cVal.mag.f");
    EXPECT_EQ(ld.List_LN[2]->Find_DO("phsA"), &phsA);

    // An LN without lnType has no DOs and no data sets.
    EXPECT_TRUE(ld.List_LN[4]->List_DO.empty());
    EXPECT_TRUE(ld.List_LN[4]->List_DataSet.empty());
}

TEST(IecModel, LogicalNodeReferences)
{
    QString error;
    const auto device = Decode(Fixture("IED1.icd"), error);
    ASSERT_TRUE(device);
    const TIEC_LDevice& ld = *device->List_LDevice[0];
    EXPECT_EQ(ld.List_LN[0]->List_DO[0]->List_DA[0]->fReference.section('.', 0, 0), "IED1LD0/LLN0");
    EXPECT_EQ(ld.List_LN[1]->List_DO[0]->List_DA[0]->fReference, "IED1LD0/Q0XCBR1.Pos.stVal");
    EXPECT_EQ(ld.Find_LN("MMXU"), ld.List_LN[2].get());
    EXPECT_EQ(ld.Find_LN("", "MMXU", "2"), ld.List_LN[3].get());
    EXPECT_EQ(ld.Find_LN("", "MMXU", "7"), ld.List_LN[2].get());
}

TEST(IecModel, DataSetsMembersAndGooseNames)
{
    QString error;
    const auto device = Decode(Fixture("IED1.icd"), error);
    ASSERT_TRUE(device);
    const TIEC_LDevice& ld = *device->List_LDevice[0];
    const TIEC_LN& lln0 = *ld.List_LN[0];
    ASSERT_EQ(lln0.List_DataSet.size(), 2u);
    const TIEC_DataSet& ds1 = *lln0.List_DataSet[0];
    EXPECT_EQ(ds1.fReference, "IED1LD0/LLN0.DS1");
    EXPECT_EQ(ds1.fGooseName, "GC1");
    EXPECT_EQ(lln0.List_DataSet[1]->fGooseName, ""); // GC9 names no data set here
    // Pos without daName takes its first leaf; the second MMXU resolves
    // apart from the first; "A.phsA" and an unknown ldInst are dropped.
    ASSERT_EQ(ds1.List_DA.size(), 2u);
    EXPECT_EQ(ds1.List_DA[0], ld.List_LN[1]->List_DO[0]->List_DA[0].get());
    EXPECT_EQ(ds1.List_DA[1]->fReference, "IED1LD0/MMXU2.TotW.mag");
    EXPECT_EQ(ds1.List_DA[1], ld.List_LN[3]->List_DO[0]->List_DA[0].get());
}

// A type chain of `steps` DOTypes (SDO) or DATypes (BDA), the last one
// pointing at `last`.
QByteArray TypeChain(bool data, int steps, const QByteArray& last)
{
    QByteArray types;
    for (int i = 0; i < steps; ++i) {
        const QByteArray next = i + 1 < steps ? "T" + QByteArray::number(i + 1) : last;
        types += data ? "<DAType id=\"T" + QByteArray::number(i) + "\"><BDA name=\"b\" bType=\"Struct\" type=\"" + next
                            + "\"/></DAType>"
                      : "<DOType id=\"T" + QByteArray::number(i) + "\"><SDO name=\"s\" type=\"" + next + "\"/></DOType>";
    }
    const QByteArray top = data ? "<DOType id=\"TOP\"><DA name=\"a\" bType=\"Struct\" fc=\"ST\" type=\"T0\"/></DOType>"
                                : "<DOType id=\"TOP\"><SDO name=\"s\" type=\"T0\"/></DOType>";
    return top + types;
}

QByteArray Scl(const QByteArray& templates, const QByteArray& ln = "<LN lnClass=\"GGIO\" inst=\"1\" lnType=\"L\"/>")
{
    return "<?xml version=\"1.0\"?><SCL><IED name=\"X\"><AccessPoint><Server><LDevice inst=\"LD\">" + ln
         + "</LDevice></Server></AccessPoint></IED><DataTypeTemplates><LNodeType id=\"L\"><DO name=\"D\" type=\"TOP\"/>"
           "</LNodeType>"
         + templates + "</DataTypeTemplates></SCL>";
}

QByteArray FanOut()
{
    QByteArray types;
    for (int i = 0; i < 40; ++i)
        types += "<DAType id=\"F" + QByteArray::number(i) + "\"><BDA name=\"x\" bType=\"Struct\" type=\"F"
               + QByteArray::number(i + 1) + "\"/><BDA name=\"y\" bType=\"Struct\" type=\"F" + QByteArray::number(i + 1)
               + "\"/></DAType>";
    return Scl("<DOType id=\"TOP\"><DA name=\"a\" bType=\"Struct\" fc=\"MX\" type=\"F0\"/></DOType>" + types);
}

QByteArray Nested(int depth)
{
    return Scl(QByteArray("<DOType id=\"TOP\"/>") + QByteArray("<P>").repeated(depth) + QByteArray("</P>").repeated(depth));
}

TEST(IecSclHostile, EndsInAClearErrorOrTheDocumentedResult)
{
    struct Case {
        const char* what;
        QByteArray text;
        const char* error; // part of the error; nullptr: a device is read
        int dataObjects;   // of the first logical node, when read
    };
    const QByteArray binary = QByteArray::fromRawData("\x00\xff\xfe<\x01SCL\x80", 9);
    const Case cases[] = {
        {"empty", "", "Cannot load XML file", 0},
        {"truncated", Scl("<DOType id=\"TOP\"/>").left(120), "Cannot load XML file", 0},
        {"binary", binary, "Cannot load XML file", 0},
        {"no lnType target", Scl("", "<LN lnClass=\"GGIO\" inst=\"1\" lnType=\"NONE\"/>"), nullptr, 0},
        {"no DO type", Scl(""), nullptr, 1},
        {"no DA type", Scl("<DOType id=\"TOP\"><DA name=\"a\" bType=\"Struct\" type=\"NONE\"/></DOType>"), nullptr, 1},
        {"FCDA targets missing",
         Scl("<DOType id=\"TOP\"/>", "<LN0 lnClass=\"LLN0\" lnType=\"L\"><DataSet name=\"D\"><FCDA ldInst=\"LD\" "
                                     "lnClass=\"NONE\" doName=\"D\"/><FCDA lnClass=\"LLN0\" doName=\"D\"/></DataSet></LN0>"),
         nullptr, 1},
        {"DOType cycle", Scl(TypeChain(false, 3, "T0")), "DOType \"T0\" contains itself", 0},
        {"DAType cycle", Scl(TypeChain(true, 3, "T1")), "DAType \"T1\" contains itself", 0},
        {"type chain", Scl(TypeChain(false, 100000, "END")), "nests deeper than 64 levels", 0},
        {"exponential fan-out", FanOut(), "more than 1000000 items", 0},
        {"nested elements", Nested(100000), nullptr, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QString error;
        const auto device = DecodeText(c.text, error);
        if (c.error) {
            EXPECT_FALSE(device);
            EXPECT_TRUE(error.contains(QString::fromLatin1(c.error))) << error.toStdString();
            EXPECT_TRUE(error.contains("device.scd")) << error.toStdString();
        } else {
            ASSERT_TRUE(device) << error.toStdString();
            EXPECT_TRUE(error.isEmpty());
            ASSERT_EQ(device->List_LDevice.size(), 1u);
            ASSERT_EQ(device->List_LDevice[0]->List_LN.size(), 1u);
            EXPECT_EQ(int(device->List_LDevice[0]->List_LN[0]->List_DO.size()), c.dataObjects);
        }
    }
}

TEST(IecSclHostile, MissingFileGivesAnEmptyDevice)
{
    QString error;
    const auto device = Decode(testsupport::TestFolder() + "/none.icd", error);
    ASSERT_TRUE(device);
    EXPECT_TRUE(device->fName.isEmpty());
    EXPECT_TRUE(device->List_LDevice.empty());
    EXPECT_TRUE(error.isEmpty());
}

} // namespace

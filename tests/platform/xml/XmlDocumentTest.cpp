#include "platform/xml/XmlDocument.h"

#include "tests/support/TempExeFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using platform::XmlDocument;
using platform::XmlElement;

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QString testPath(const QString& name)
{
    return QDir(testsupport::TestFolder()).filePath(name);
}

struct MalformedCase {
    const char* label;
    const char* xml;
    const char* expectedInMessage;
};

class MalformedXml : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedXml, FailsWithAMessageAndLeavesTheDocumentEmpty)
{
    XmlDocument doc;
    ASSERT_FALSE(doc.CreateRoot(QStringLiteral("Old")).IsNull());
    QString error;
    EXPECT_FALSE(doc.LoadString(QString::fromUtf8(GetParam().xml), &error));
    EXPECT_TRUE(error.contains(QString::fromUtf8(GetParam().expectedInMessage))) << error.toStdString();
    EXPECT_TRUE(doc.IsEmpty());
    EXPECT_TRUE(doc.Root().IsNull());
    EXPECT_EQ(doc.Root().ChildText(QStringLiteral("x"), QStringLiteral("def")), QStringLiteral("def"));
}

INSTANTIATE_TEST_SUITE_P(Load, MalformedXml,
    ::testing::Values(
        MalformedCase{"Empty", "", "no root element"},
        MalformedCase{"OnlyComment", "<!-- x -->", "no root element"},
        MalformedCase{"Mismatch", "<a>\n  <b></a>", "line 2"},
        MalformedCase{"Unclosed", "<a><b>", "line 1"},
        MalformedCase{"BadAttribute", "<a x=1/>", "line 1, column"},
        MalformedCase{"TextAfterRoot", "<a/>\n junk", "text outside the root element"},
        MalformedCase{"TextBeforeRoot", "junk<a/>", "text outside the root element"},
        MalformedCase{"TwoRoots", "<a/>\n<b/>", "more than one root element"},
        MalformedCase{"NotXml", "PK\x03\x04 binary", "text outside the root element"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(XmlDocumentLoad, MalformedFileNamesTheFileAndTheLine)
{
    const QString path = testsupport::WriteTestFile(QStringLiteral("ParGen.xml"),
        "<Par_Gen>\n<Eth_Conn_Device_Name>x</Eth_Conn_Device_Name>\n<LoRa_RF_Band>EU868</LoRa_Band>\n</Par_Gen>");
    XmlDocument doc;
    QString error;
    EXPECT_FALSE(doc.LoadFile(path, &error));
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("line 3"))) << error.toStdString();
    EXPECT_TRUE(doc.Root().IsNull());
}

TEST(XmlDocumentLoad, MissingFileFailsWithAMessage)
{
    XmlDocument doc;
    QString error;
    EXPECT_FALSE(doc.LoadFile(testPath(QStringLiteral("Marquell.xml")), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(doc.IsEmpty());
}

TEST(XmlDocumentLoad, RootIsTheFirstNodeOnlyWhenItIsAnElement)
{
    struct Case {
        QByteArray content;
        bool rootFound;
    };
    const Case cases[] = {
        {"<Conf_Settings><lastlang><language>Italiano</language></lastlang></Conf_Settings>", true},
        {"\xEF\xBB\xBF<Conf_Settings><lastlang><language>Italiano</language></lastlang></Conf_Settings>", true},
        {"\n<Conf_Settings><lastlang><language>Italiano</language></lastlang></Conf_Settings>\n", true},
        {"<?xml version=\"1.0\"?><Conf_Settings><lastlang><language>Italiano</language></lastlang></Conf_Settings>", false},
        {"<!-- settings --><Conf_Settings><lastlang><language>Italiano</language></lastlang></Conf_Settings>", false},
        {"<!DOCTYPE Conf_Settings><Conf_Settings><lastlang><language>Italiano</language></lastlang></Conf_Settings>", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content.toStdString());
        XmlDocument doc;
        ASSERT_TRUE(doc.LoadFile(testsupport::WriteTestFile(QStringLiteral("Marquell.xml"), c.content)));
        const QString language = doc.Root().Child(QStringLiteral("lastlang")).ChildText(QStringLiteral("language"), QStringLiteral("English"));
        EXPECT_EQ(language, c.rootFound ? QStringLiteral("Italiano") : QStringLiteral("English"));
        EXPECT_EQ(doc.DocumentElement().Name(), QStringLiteral("Conf_Settings"));
    }
}

TEST(XmlDocumentLoad, ReadsOtherEncodingsByTheirMarks)
{
    const QString text = QStringLiteral("<Par_Gen><SNMP_Agent_Location>Bözen €</SNMP_Agent_Location></Par_Gen>");
    QByteArray utf16("\xFF\xFE", 2);
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadFile(testsupport::WriteTestFile(QStringLiteral("utf16.xml"), utf16)));
    EXPECT_EQ(doc.Root().ChildText(QStringLiteral("SNMP_Agent_Location")), QStringLiteral("Bözen €"));

    ASSERT_TRUE(doc.LoadFile(testsupport::WriteTestFile(QStringLiteral("latin1.xml"),
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>B\xF6zen</a>")));
    EXPECT_EQ(doc.DocumentElement().Text(), QStringLiteral("Bözen"));
}

// The form of a parameter file: a root, its elements in order, one of them
// empty, and the version comment after the root at document level.
XmlDocument parameterFile()
{
    XmlDocument doc;
    XmlElement root = doc.CreateRoot(QStringLiteral("Par_Gen"));
    EXPECT_TRUE(doc.AppendComment(QStringLiteral("SW_VERSION = 1.000")));
    root.AppendChild(QStringLiteral("Eth_Conn_Device_Name")).SetText(QStringLiteral("gw"));
    root.AppendChild(QStringLiteral("LoRa_DataRate")).SetText(QStringLiteral("DR6\tSF7 / 250 kHz"));
    root.AppendChild(QStringLiteral("SNMP_Agent_Contact"));
    return doc;
}

TEST(XmlDocumentSave, WritesOnePieceWithoutDeclarationEndingWithTheComment)
{
    const XmlDocument doc = parameterFile();
    const QString path = testPath(QStringLiteral("ParGen.xml"));
    QString error;
    ASSERT_TRUE(doc.SaveFile(path, &error)) << error.toStdString();
    const QByteArray expected = "<Par_Gen><Eth_Conn_Device_Name>gw</Eth_Conn_Device_Name>"
                                "<LoRa_DataRate>DR6\tSF7 / 250 kHz</LoRa_DataRate>"
                                "<SNMP_Agent_Contact/></Par_Gen><!--SW_VERSION = 1.000-->";
    EXPECT_EQ(readFile(path), expected);
    EXPECT_EQ(doc.SaveString().toUtf8(), expected);
}

TEST(XmlDocumentSave, ReadsBackWhatItWrote)
{
    const QString path = testPath(QStringLiteral("ParGen.xml"));
    ASSERT_TRUE(parameterFile().SaveFile(path));
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadFile(path));
    EXPECT_EQ(doc.Root().Name(), QStringLiteral("Par_Gen"));
    EXPECT_EQ(doc.Comments(), QStringList{QStringLiteral("SW_VERSION = 1.000")});
    EXPECT_EQ(doc.Root().ChildText(QStringLiteral("LoRa_DataRate")), QStringLiteral("DR6\tSF7 / 250 kHz"));
    EXPECT_EQ(doc.Root().ChildText(QStringLiteral("SNMP_Agent_Contact"), QStringLiteral("def")), QString());
    EXPECT_EQ(doc.Root().Children().size(), 3);
}

TEST(XmlDocumentSave, TextsAndAttributesRoundTripExactly)
{
    const QString values[] = {
        QStringLiteral("a & b < c > d \"e\" 'f'"),
        QStringLiteral("   "),
        QStringLiteral("\t"),
        QStringLiteral(" leading and trailing "),
        QStringLiteral("Bözen € 漢字 😀"),
        QStringLiteral("]]>"),
        QStringLiteral("&amp;"),
        QChar(0xFEFF) + QStringLiteral("starts with a zero-width no-break space"),
        QString(),
    };
    XmlDocument out;
    XmlElement root = out.CreateRoot(QStringLiteral("Table"));
    for (const QString& value : values) {
        XmlElement row = root.AppendChild(QStringLiteral("row"));
        row.SetText(value);
        row.SetAttribute(QStringLiteral("Mnemonic"), value + QStringLiteral("\t\n"));
    }
    const QString path = testPath(QStringLiteral("Table.xml"));
    ASSERT_TRUE(out.SaveFile(path));

    XmlDocument in;
    ASSERT_TRUE(in.LoadFile(path));
    const QList<XmlElement> rows = in.Root().Children(QStringLiteral("row"));
    ASSERT_EQ(rows.size(), static_cast<qsizetype>(std::size(values)));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].Text(), values[i]);
        EXPECT_EQ(rows[i].Attribute(QStringLiteral("Mnemonic")), values[i] + QStringLiteral("\t\n"));
    }
}

// Only the mark at the very start of a file is no part of its text: a value or
// name that begins with U+FEFF keeps it, so it survives a load and save and
// can be looked up by the name the reader reports.
TEST(XmlDocumentLoad, ALeadingZeroWidthNoBreakSpaceOfAValueOrNameIsKept)
{
    const QString mark(QChar(0xFEFF));
    const QByteArray body = "<!--\xEF\xBB\xBFnote-->"
                            "<\xEF\xBB\xBFRoot \xEF\xBB\xBF" "a=\"\xEF\xBB\xBFv\">\xEF\xBB\xBFt"
                            "<\xEF\xBB\xBF" "Child>\xEF\xBB\xBF" "c</\xEF\xBB\xBF" "Child>"
                            "</\xEF\xBB\xBFRoot>";
    XmlDocument doc;
    QString error;
    ASSERT_TRUE(doc.LoadFile(testsupport::WriteTestFile(QStringLiteral("marks.xml"), "\xEF\xBB\xBF" + body), &error))
        << error.toStdString();
    EXPECT_EQ(doc.Comments(), QStringList{mark + "note"});
    const XmlElement root = doc.DocumentElement();
    EXPECT_EQ(root.Name(), mark + "Root");
    EXPECT_EQ(root.Text(), mark + "t");
    ASSERT_EQ(root.AttributeNames(), QStringList{mark + "a"});
    EXPECT_TRUE(root.HasAttribute(root.AttributeNames().front()));
    EXPECT_EQ(root.Attribute(mark + "a"), mark + "v");
    ASSERT_EQ(root.Children().size(), 1);
    const QString childName = root.Children().front().Name();
    EXPECT_EQ(childName, mark + "Child");
    EXPECT_FALSE(root.Child(childName).IsNull());
    EXPECT_EQ(root.ChildText(childName), mark + "c");

    // The values read, written into a new document, are written as they stood.
    XmlDocument rebuilt;
    XmlElement newRoot = rebuilt.CreateRoot(QStringLiteral("r"));
    EXPECT_TRUE(newRoot.SetAttribute(QStringLiteral("a"), root.Attribute(mark + "a")));
    newRoot.SetText(root.Text());
    newRoot.AppendChild(QStringLiteral("c")).SetText(root.ChildText(childName));
    EXPECT_TRUE(rebuilt.AppendComment(doc.Comments().front()));
    EXPECT_EQ(rebuilt.SaveString().toUtf8(),
              QByteArray("<r a=\"\xEF\xBB\xBFv\">\xEF\xBB\xBFt<c>\xEF\xBB\xBF" "c</c></r><!--\xEF\xBB\xBFnote-->"));

    // Saved and loaded again, nothing is lost either.
    const QString path = testPath(QStringLiteral("again.xml"));
    ASSERT_TRUE(doc.SaveFile(path));
    EXPECT_EQ(readFile(path), body);
}

TEST(XmlDocumentSave, IntoAMissingFolderFailsAndReports)
{
    const QString path = testPath(QStringLiteral("PROJECTS/gone/ParGen.xml"));
    QString error;
    EXPECT_FALSE(parameterFile().SaveFile(path, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_FALSE(QFileInfo::exists(testPath(QStringLiteral("PROJECTS"))));
}

TEST(XmlDocumentSave, OverAFolderFailsAndLeavesItAlone)
{
    const QString path = testPath(QStringLiteral("ParGen.xml"));
    ASSERT_TRUE(QDir().mkpath(path));
    testsupport::WriteTestFile(QStringLiteral("ParGen.xml/keep.txt"), "keep");
    QString error;
    EXPECT_FALSE(parameterFile().SaveFile(path, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readFile(testPath(QStringLiteral("ParGen.xml/keep.txt"))), QByteArray("keep"));
    EXPECT_EQ(QDir(testsupport::TestFolder()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// Lets no write grow a file beyond `bytes` while it lives; a write that
// would gets an error (the signal that would end the process is ignored).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit old_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(XmlDocumentSave, AFailedWriteLeavesTheOldFileIntact)
{
    const QByteArray old = "<Par_Gen><Eth_Conn_Device_Name>old</Eth_Conn_Device_Name></Par_Gen>";
    const QString path = testsupport::WriteTestFile(QStringLiteral("ParGen.xml"), old);
    XmlDocument doc;
    XmlElement root = doc.CreateRoot(QStringLiteral("Par_Gen"));
    root.AppendChild(QStringLiteral("Eth_Conn_Device_Name")).SetText(QString(4096, u'x'));

    bool saved = true;
    QString error;
    {
        FileSizeLimit limit(1024);
        saved = doc.SaveFile(path, &error);
    }
    EXPECT_FALSE(saved);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readFile(path), old);
    EXPECT_EQ(QDir(testsupport::TestFolder()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("ParGen.xml")});
}

TEST(XmlDocument, CreateRootReplacesEverything)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadString(QStringLiteral("<Old a=\"1\"><x/></Old><!--v-->")));
    XmlElement root = doc.CreateRoot(QStringLiteral("Ethernet_Update"));
    root.AppendChild(QStringLiteral("Version")).SetText(QStringLiteral("1000"));
    EXPECT_EQ(doc.SaveString(), QStringLiteral("<Ethernet_Update><Version>1000</Version></Ethernet_Update>"));
    EXPECT_TRUE(doc.Comments().isEmpty());

    EXPECT_TRUE(doc.CreateRoot(QStringLiteral("1bad")).IsNull());
    EXPECT_TRUE(doc.IsEmpty());
    EXPECT_FALSE(doc.AppendComment(QStringLiteral("a -- b")));
    EXPECT_FALSE(doc.AppendComment(QStringLiteral("ends with -")));
}

} // namespace

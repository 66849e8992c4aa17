#include "platform/xml/XmlDocument.h"

#include <gtest/gtest.h>

using platform::XmlDocument;
using platform::XmlElement;

namespace {

XmlDocument load(const char* xml)
{
    XmlDocument doc;
    QString error;
    EXPECT_TRUE(doc.LoadString(QString::fromUtf8(xml), &error)) << error.toStdString();
    return doc;
}

TEST(XmlElementRead, MissingOrUnreadableValuesGiveTheDefault)
{
    const XmlDocument doc = load(
        "<Conf_Settings>"
        "<lastproj><projectname></projectname></lastproj>"
        "<lastipadd><ipaddress><b>1</b></ipaddress></lastipadd>"
        "<row Enable=\"\" NumByte=\"4\"/>"
        "</Conf_Settings>");
    const XmlElement root = doc.Root();
    const QString def = QStringLiteral("default");

    // present but empty: the empty text, not the default
    EXPECT_EQ(root.Child(QStringLiteral("lastproj")).ChildText(QStringLiteral("projectname"), def), QString());
    // holds elements instead of text
    EXPECT_EQ(root.Child(QStringLiteral("lastipadd")).ChildText(QStringLiteral("ipaddress"), def), def);
    // missing anywhere along the path
    EXPECT_EQ(root.Child(QStringLiteral("lastlang")).ChildText(QStringLiteral("language"), def), def);
    EXPECT_EQ(root.ChildText(QStringLiteral("Lastproj"), def), def);

    const XmlElement row = root.Child(QStringLiteral("row"));
    EXPECT_EQ(row.Attribute(QStringLiteral("Enable"), def), QString());
    EXPECT_TRUE(row.HasAttribute(QStringLiteral("Enable")));
    EXPECT_EQ(row.Attribute(QStringLiteral("NumByte"), def), QStringLiteral("4"));
    EXPECT_EQ(row.Attribute(QStringLiteral("numbyte"), def), def);
    EXPECT_FALSE(row.HasAttribute(QStringLiteral("Time")));

    const XmlElement none = root.Child(QStringLiteral("nothing"));
    EXPECT_TRUE(none.IsNull());
    EXPECT_EQ(none.Attribute(QStringLiteral("Enable"), def), def);
    EXPECT_EQ(none.Text(), QString());
    EXPECT_TRUE(none.Children().isEmpty());
}

TEST(XmlElementRead, WhitespaceOnlyTextIsKeptButIndentationIsNotText)
{
    const XmlDocument doc = load(
        "<Par_Gen>\n"
        "  <SNMP_Agent_Contact>   </SNMP_Agent_Contact>\n"
        "  <SNMP_Agent_Location>\t</SNMP_Agent_Location>\n"
        "  <SNMP_Agent_User> a b </SNMP_Agent_User>\n"
        "</Par_Gen>\n");
    const XmlElement root = doc.Root();
    EXPECT_EQ(root.ChildText(QStringLiteral("SNMP_Agent_Contact")), QStringLiteral("   "));
    EXPECT_EQ(root.ChildText(QStringLiteral("SNMP_Agent_Location")), QStringLiteral("\t"));
    EXPECT_EQ(root.ChildText(QStringLiteral("SNMP_Agent_User")), QStringLiteral(" a b "));
    EXPECT_EQ(root.Text(), QString());
    EXPECT_EQ(root.Children().size(), 3);
}

TEST(XmlElementRead, AttributeOrderIsKeptAsWritten)
{
    XmlDocument doc = load("<LoRaWAN_Set_Access><row Enable=\"Y\" StartByte=\"0\" NumByte=\"4\" Mnemonic=\"\"/></LoRaWAN_Set_Access>");
    XmlElement row = doc.Root().Child(QStringLiteral("row"));
    const QStringList order{QStringLiteral("Enable"), QStringLiteral("StartByte"), QStringLiteral("NumByte"), QStringLiteral("Mnemonic")};
    EXPECT_EQ(row.AttributeNames(), order);

    // changing a value keeps its place; a new attribute goes last
    EXPECT_TRUE(row.SetAttribute(QStringLiteral("StartByte"), QStringLiteral("8")));
    EXPECT_TRUE(row.SetAttribute(QStringLiteral("FPort"), QStringLiteral("2")));
    EXPECT_EQ(doc.SaveString(),
        QStringLiteral("<LoRaWAN_Set_Access><row Enable=\"Y\" StartByte=\"8\" NumByte=\"4\" Mnemonic=\"\" FPort=\"2\"/></LoRaWAN_Set_Access>"));
}

TEST(XmlElementRead, ChildrenAreElementsInDocumentOrder)
{
    const XmlDocument doc = load(
        "<S><LoRaWAN_Uplink><!-- c --><row n=\"1\"/><?row pi?><Row n=\"2\"/>text<row n=\"3\"/></LoRaWAN_Uplink></S>");
    const XmlElement section = doc.Root().Child(QStringLiteral("LoRaWAN_Uplink"));
    QStringList all;
    for (const XmlElement& child : section.Children())
        all.append(child.Attribute(QStringLiteral("n")));
    EXPECT_EQ(all, (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));

    const QList<XmlElement> rows = section.Children(QStringLiteral("row"));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[1].Attribute(QStringLiteral("n")), QStringLiteral("3"));
    EXPECT_EQ(section.Child(QStringLiteral("row")).Attribute(QStringLiteral("n")), QStringLiteral("1"));
    EXPECT_EQ(section.Text(), QStringLiteral("text"));
}

TEST(XmlElementWrite, SetTextReplacesTheContent)
{
    XmlDocument doc = load("<a><b>old<c/>more</b></a>");
    XmlElement b = doc.Root().Child(QStringLiteral("b"));
    b.SetText(QStringLiteral("new"));
    EXPECT_EQ(doc.SaveString(), QStringLiteral("<a><b>new</b></a>"));
    b.SetText(QString());
    EXPECT_EQ(doc.SaveString(), QStringLiteral("<a><b/></a>"));
}

TEST(XmlElementWrite, RefusesNamesAndCommentsThatWouldBreakTheFile)
{
    XmlDocument doc;
    XmlElement root = doc.CreateRoot(QStringLiteral("Root"));
    for (const QString& bad : {QString(), QStringLiteral("1st"), QStringLiteral("a b"), QStringLiteral("a<b"),
                               QStringLiteral("-x"), QStringLiteral("a\"b")}) {
        SCOPED_TRACE(bad.toStdString());
        EXPECT_TRUE(root.AppendChild(bad).IsNull());
        EXPECT_FALSE(root.SetAttribute(bad, QStringLiteral("v")));
    }
    EXPECT_FALSE(root.AppendComment(QStringLiteral("a--b")));
    for (const QString& good : {QStringLiteral("Ope_WID_Data"), QStringLiteral("x.y-z"), QStringLiteral("Größe"), QStringLiteral("_a1")}) {
        SCOPED_TRACE(good.toStdString());
        EXPECT_FALSE(root.AppendChild(good).IsNull());
        EXPECT_TRUE(root.SetAttribute(good, QStringLiteral("v")));
    }
    EXPECT_TRUE(root.AppendComment(QStringLiteral(" note ")));

    XmlDocument reread;
    QString error;
    EXPECT_TRUE(reread.LoadString(doc.SaveString(), &error)) << error.toStdString();
    EXPECT_EQ(reread.Root().Children().size(), 4);
    EXPECT_EQ(reread.Root().AttributeNames().size(), 4);
}

TEST(XmlElementWrite, NullHandleWritesNothing)
{
    XmlElement none;
    EXPECT_TRUE(none.AppendChild(QStringLiteral("a")).IsNull());
    EXPECT_FALSE(none.SetAttribute(QStringLiteral("a"), QStringLiteral("b")));
    EXPECT_FALSE(none.AppendComment(QStringLiteral("c")));
    none.SetText(QStringLiteral("t"));
    EXPECT_EQ(none.Text(), QString());
}

} // namespace

#include "app/shell/ULanguageDefaults.h"

#include <gtest/gtest.h>

#include <iterator>

// Messages this program adds in free entries of its windows' text blocks;
// every other entry outside the built-in English table is a filler.
constexpr int Added_Texts[] = {1038, 1039, 1040, 1041, 1106, 1107, 1108, 1109, 1256, 1394, 1395, 1422, 1423,
                               1424, 1425, 1426, 1427, 1428, 1561, 1562, 4968, 4969, 4970, 6287, 6288, 6289, 6290,
                               6291, 6292, 6293};

TEST(DefaultTexts, HoldsEveryIndexWithFillersAndOneEmptyText)
{
    for (int index : Added_Texts)
        EXPECT_NE(Default_Text(index), QLatin1String(" ")) << "index " << index;
    const int added = int(std::size(Added_Texts));
    int fillers = 0;
    int texts = 0;
    int empty = 0;
    for (int i = 0; i < Default_Texts_Count; ++i) {
        const QString text = Default_Text(i);
        if (text == QLatin1String(" "))
            ++fillers;
        else if (text.isEmpty())
            ++empty;
        else
            ++texts;
    }
    EXPECT_EQ(Default_Texts_Count, 6300);
    EXPECT_EQ(fillers, 2813 - added);
    EXPECT_EQ(texts, 3486 + added);
    EXPECT_EQ(empty, 1);
    EXPECT_TRUE(Default_Text(2592).isEmpty());
}

TEST(DefaultTexts, KeepsTheTextsExactly)
{
    const struct {
        int index;
        const char16_t* text;
    } cases[] = {
        {0, u"Begin"},
        {9, u"None Configuration Opened "},
        {11, u"Opened Configuration of the Converter : "},
        {12, u"Information"},
        {18, u"Error! Project not Valid"},
        {33, u"Scan && Decode"},
        {306, u" / "},
        {497, u"Error LoRa!! Payload Size must be between 1 and %d"},
        {1242, u"Warning!! Max Payload Size not Set Up. Set it in \"Set Communication\" section"},
        {5326, u"Description for the M-Bus meter (defined in the section \u201CM-Bus\u201D)"},
        {6144, u"!! OID string cannot contains number major of $FFFFFFFF between two \".\""},
        {6286, u"!! [SNMP Write] Conversion must be selected"},
        // fillers at the end of a block, between blocks and in unused blocks
        {86, u" "},
        {99, u" "},
        {5505, u" "},
        {6299, u" "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Default_Text(c.index), QString::fromUtf16(c.text)) << "index " << c.index;
}

TEST(DefaultTexts, OutsideTheTableIsEmpty)
{
    EXPECT_TRUE(Default_Text(-1).isEmpty());
    EXPECT_TRUE(Default_Text(6300).isEmpty());
}

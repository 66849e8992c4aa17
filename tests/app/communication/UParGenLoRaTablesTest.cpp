#include "app/communication/UParGenLoRaTables.h"
#include "app/communication/UParGenPanels.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <set>

namespace {

// The item of a band's list whose data-rate number (the text before the
// separator) is `number`; empty when the band does not offer it.
QString ItemOf(const QString& band, int number)
{
    for (const QString& item : LoRa_DataRate_Items(band)) {
        const qsizetype end = item.indexOf(QRegularExpression(QStringLiteral("[ \t]")));
        if (item.left(end) == QString::number(number))
            return item;
    }
    return QString();
}

} // namespace

TEST(LoRaDataRates, ListsKeepTheirExactTextsAndSeparators)
{
    const struct {
        const char* band;
        int count;
        const char* first;
        const char* last;
    } cases[] = {
        {"AS923", 8, "0\t- LoRa: SF12/125kHz 250 [bit/s]", "7\t- FSK: 50kbps 50000 [bit/s]"},
        {"AU915", 13, "0  - LoRa: SF12/125kHz 250 [bit/s]", "13 - LoRa: SF7/500kHz 21900 [bit/s]"},
        {"EU868", 8, "0 -\tLoRa: SF12/125kHz 250 [bit/s]", "7 - FSK: 50kbps 50000 [bit/s]"},
        {"KR920", 6, "0 - LoRa: SF12/125kHz 250 [bit/s]", "5 -\tLoRa: SF7/125kHz 5470 [bit/s]"},
        {"IN865", 7, "0 - LoRa: SF12/125kHz 250 [bit/s]", "7 -\tFSK: 50kbps 50000 [bit/s]"},
        {"US915", 11, "0  -\tLoRa: SF10/125kHz 980 [bit/s]", "13 - LoRa: SF7/500kHz 21900 [bit/s]"},
        {"US915-Hybrid", 11, "0  - LoRa: SF10/125kHz 980 [bit/s]", "13 - LoRa: SF7/500kHz 21900 [bit/s]"},
    };
    for (const auto& c : cases) {
        const QStringList items = LoRa_DataRate_Items(QLatin1String(c.band));
        ASSERT_EQ(items.size(), c.count) << c.band;
        EXPECT_EQ(items.first(), QLatin1String(c.first)) << c.band;
        EXPECT_EQ(items.last(), QLatin1String(c.last)) << c.band;
    }
    // Where the separator changes inside a list.
    EXPECT_EQ(ItemOf("AU915", 9), QStringLiteral("9  - LoRa: SF11/500kHz 1760 [bit/s]"));
    EXPECT_EQ(ItemOf("EU868", 5), QStringLiteral("5 -\tLoRa: SF7/125kHz 5470 [bit/s]"));
    EXPECT_EQ(ItemOf("EU868", 6), QStringLiteral("6 - LoRa: SF7/250kHz 11000 [bit/s]"));
    EXPECT_EQ(ItemOf("KR920", 1), QStringLiteral("1 -\tLoRa: SF11/125kHz 440 [bit/s]"));
    EXPECT_EQ(ItemOf("US915", 9), QStringLiteral("9  -\tLoRa: SF11/500kHz 1760 [bit/s]"));
    EXPECT_EQ(ItemOf("US915", 10), QStringLiteral("10 - LoRa: SF10/500kHz 3900 [bit/s]"));
    EXPECT_EQ(ItemOf("US915", 4), QStringLiteral("4  -\tLoRa: SF8/500kHz 12500 [bit/s]"));
    EXPECT_EQ(ItemOf("AU915", 6), QStringLiteral("6  - LoRa: SF8/500kHz 12500 [bit/s]"));
}

TEST(LoRaDataRates, OtherBandTextsHaveNoList)
{
    EXPECT_TRUE(LoRa_DataRate_Items(QString()).isEmpty());
    EXPECT_TRUE(LoRa_DataRate_Items(QStringLiteral("as923")).isEmpty());
    EXPECT_TRUE(LoRa_DataRate_Items(QStringLiteral("US915 ")).isEmpty());
    EXPECT_EQ(LoRa_RF_Bands(), QStringList({"AS923", "AU915", "EU868", "KR920", "IN865", "US915", "US915-Hybrid"}));
}

TEST(LoRaPayload, EveryBandAndDataRateGivesItsMaximum)
{
    // -1: the band does not offer the data rate.
    const struct {
        const char* band;
        int sizes[14];
    } table[] = {
        {"AS923", {59, 59, 59, 123, 230, 230, 230, 230, -1, -1, -1, -1, -1, -1}},
        {"AU915", {51, 51, 51, 115, 222, 222, 222, -1, 33, 109, 222, 222, 222, 222}},
        {"EU868", {51, 51, 51, 115, 222, 222, 222, 222, -1, -1, -1, -1, -1, -1}},
        {"KR920", {51, 51, 51, 115, 222, 222, -1, -1, -1, -1, -1, -1, -1, -1}},
        {"IN865", {51, 51, 51, 115, 222, 222, -1, 222, -1, -1, -1, -1, -1, -1}},
        {"US915", {11, 53, 125, 242, 242, -1, -1, -1, 33, 109, 222, 222, 222, 222}},
        {"US915-Hybrid", {11, 53, 125, 242, 242, -1, -1, -1, 33, 109, 222, 222, 222, 222}},
    };
    for (const auto& row : table) {
        const QString band = QLatin1String(row.band);
        for (int number = 0; number < 14; ++number) {
            const QString item = ItemOf(band, number);
            if (row.sizes[number] < 0) {
                EXPECT_TRUE(item.isEmpty()) << row.band << " offers data rate " << number;
                continue;
            }
            ASSERT_FALSE(item.isEmpty()) << row.band << " lacks data rate " << number;
            EXPECT_EQ(LoRa_Max_Payload(band, item), row.sizes[number]) << row.band << " data rate " << number;
        }
    }
}

TEST(LoRaPayload, OnlyTheExactItemTextIsFound)
{
    const QString as923First = LoRa_DataRate_Items(QStringLiteral("AS923")).first();
    EXPECT_EQ(LoRa_Max_Payload(QStringLiteral("AS923"), as923First), 59);
    // Spaces where the list has a tab, another band's item, no band.
    EXPECT_EQ(LoRa_Max_Payload(QStringLiteral("AS923"), QStringLiteral("0 - LoRa: SF12/125kHz 250 [bit/s]")), 0);
    EXPECT_EQ(LoRa_Max_Payload(QStringLiteral("EU868"), as923First), 0);
    EXPECT_EQ(LoRa_Max_Payload(QString(), as923First), 0);
    EXPECT_EQ(LoRa_Max_Payload(QStringLiteral("AS923"), QString()), 0);
}

TEST(ParPanelTable, EveryModelBeginsWithEthernetAndLoRaAndNoModelShowsWiFi)
{
    std::set<QString> codes;
    for (int m = 0; m < Par_Model_Count; ++m) {
        const TParModelRow& row = Par_Model_Row(TParModel(m));
        EXPECT_EQ(row.model, TParModel(m));
        codes.insert(QLatin1String(row.code));
        ASSERT_GE(row.panels.size(), 3u) << row.code;
        EXPECT_EQ(row.panels[0].panel, TParPanel::Ethernet_Connection) << row.code;
        EXPECT_EQ(row.panels[1].panel, TParPanel::LoRa) << row.code;
        for (const TParModelPanel& entry : row.panels)
            EXPECT_NE(entry.panel, TParPanel::WiFi) << row.code;
    }
    EXPECT_EQ(codes.size(), size_t(Par_Model_Count));
}

TEST(ParPanelTable, RowsOfTheBuiltModelAndOfConditionalOnes)
{
    const TParModelRow& vx91 = Par_Model_Row(TParModel::VX91);
    EXPECT_STREQ(vx91.code, "VX91");
    ASSERT_EQ(vx91.panels.size(), 3u);
    EXPECT_EQ(vx91.panels[2].panel, TParPanel::SNMP_Agent);
    EXPECT_EQ(Par_Panel_Info(TParPanel::SNMP_Agent).captionText, 2843);
    EXPECT_STREQ(Par_Panel_Info(TParPanel::Ethernet_Connection).name, "CP_Ethernet_Connection");

    const TParModelRow& vx66 = Par_Model_Row(TParModel::VX66);
    ASSERT_EQ(vx66.panels.size(), 4u);
    EXPECT_EQ(vx66.panels[3].panel, TParPanel::Ethernet);
    EXPECT_EQ(vx66.panels[3].shown, TParPanelShown::BACnet_Master_Not_IP);

    const TParModelRow& vx86 = Par_Model_Row(TParModel::VX86);
    ASSERT_EQ(vx86.panels.size(), 6u);
    EXPECT_EQ(vx86.panels[4].panel, TParPanel::TLS);
    EXPECT_EQ(vx86.panels[5].panel, TParPanel::NTP);
}

// The Ethernet panel of the BACnet models shows only while their BACnet type
// is not BACnet/IP (item 0); no selection counts as not BACnet/IP.
TEST(ParPanelTable, EthernetOfTheBACnetModelsFollowsTheirType)
{
    struct Case {
        TParPanelShown shown;
        int masterType, slaveType;
        bool visible;
    };
    const Case cases[] = {
        {TParPanelShown::Always, 0, 0, true},
        {TParPanelShown::BACnet_Master_Not_IP, 0, 1, false},
        {TParPanelShown::BACnet_Master_Not_IP, 1, 0, true},
        {TParPanelShown::BACnet_Master_Not_IP, -1, 0, true},
        {TParPanelShown::BACnet_Slave_Not_IP, 1, 0, false},
        {TParPanelShown::BACnet_Slave_Not_IP, 0, 1, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Par_Panel_Shown(c.shown, c.masterType, c.slaveType), c.visible)
            << int(c.shown) << " " << c.masterType << " " << c.slaveType;
}

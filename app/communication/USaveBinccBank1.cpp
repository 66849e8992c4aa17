// Bank 1: the gateway's general parameters, built from "ParGen.xml".

#include "app/communication/USaveBincc.h"
#include "app/communication/USaveBinccState.h"

#include "app/shell/UComon.h"
#include "platform/core/Files.h"
#include "platform/xml/XmlDocument.h"

#include <algorithm>

using namespace savebin;

namespace {

// Offsets of the fields this variant sets.
enum : int {
    Off_Agent_IP = 0x028,
    Off_Agent_Mask = 0x02C,
    Off_Agent_Gateway = 0x030,
    Off_Station_Name = 0x050,
    Off_Line6_Baud = 0x1A4,
    Off_Line6_Parity = 0x1AD,
    Off_Line6_StopBits = 0x1B3,
    Off_Line6_DataBits = 0x1B9,
    Off_DHCP_Flags = 0x4E8,
    Off_Device_Name = 0x514,
    Off_Secondary_DNS = 0x53C,
    Off_Primary_DNS = 0x58C,
    Off_SNMP_Flags = 0x5AC,
    Off_V3_User = 0x5B0,
    Off_V3_Auth_Key = 0x5C4,
    Off_V3_Priv_Key = 0x5D4,
    Off_Version = 0x66C,
    Off_Contact = 0x740,
    Off_Location = 0x750,
    Off_Byte_Sum = 0x7FC,
};

enum : quint32 {
    Flag_V1 = 0x001,
    Flag_V2 = 0x002,
    Flag_V3 = 0x004,
    Flag_Auth = 0x010,
    Flag_Priv = 0x020,
    Flag_Auth_MD5 = 0x040,
    Flag_Auth_SHA = 0x080,
    Flag_Priv_DES = 0x100,
    Flag_Priv_AES = 0x200,
};

quint8* At(int offset)
{
    return &State().bank1[offset];
}

void StoreTextAt(int offset, int size, const QString& text)
{
    StoreText(At(offset), size, text);
}

bool IsOne(const platform::XmlElement& root, const QString& name)
{
    const platform::XmlElement element = root.Child(name);
    return !element.IsNull() && element.Text() == "1";
}

void ReadFourBytes(const platform::XmlElement& root, const QString& prefix, int offset,
                   const std::array<quint8, 4>& fallback)
{
    for (int i = 0; i < 4; ++i)
        Put8(At(offset + i), quint8(ElementNumber(root, prefix + QString::number(i + 1), fallback[i])));
}

void ReadEthernet(const platform::XmlElement& root)
{
    StoreTextAt(Off_Device_Name, 32, root.ChildText("Eth_Conn_Device_Name").left(31));

    quint16 dhcp = 0;
    if (IsOne(root, "Eth_Conn_DHCP_Cable"))
        dhcp |= 0x0001;
    if (IsOne(root, "Eth_Conn_DHCP_WiFi"))
        dhcp |= 0x0002;
    Put16(At(Off_DHCP_Flags), dhcp);

    if (IsOne(root, "Eth_Conn_Enable_DNS")) {
        ReadFourBytes(root, "Eth_Conn_Primary_DNS", Off_Primary_DNS, {8, 8, 8, 8});
        ReadFourBytes(root, "Eth_Conn_Secondary_DNS", Off_Secondary_DNS, {8, 8, 4, 4});
    }
}

void SetSerialLine6()
{
    Put32(At(Off_Line6_Baud), 19200);
    Put8(At(Off_Line6_Parity), 0);
    Put8(At(Off_Line6_StopBits), 1);
    Put8(At(Off_Line6_DataBits), 8);
}

void ReadAgentAddress(const platform::XmlElement& root)
{
    ReadFourBytes(root, "SNMP_Agent_IP", Off_Agent_IP, {192, 168, 0, 5});
    ReadFourBytes(root, "SNMP_Agent_SM", Off_Agent_Mask, {255, 255, 255, 0});
    ReadFourBytes(root, "SNMP_Agent_GAT", Off_Agent_Gateway, {192, 168, 0, 1});
    if (!IsOne(root, "SNMP_Agent_EN_GAT"))
        std::fill_n(At(Off_Agent_Gateway), 4, quint8(255));

    StoreTextAt(Off_Station_Name, 16, root.ChildText("SNMP_Agent_Name_of_Station", "devicename1"));
    StoreTextAt(Off_Contact, 16, root.ChildText("SNMP_Agent_Contact"));
    StoreTextAt(Off_Location, 16, root.ChildText("SNMP_Agent_Location"));
}

void ReadAgentVersions(const platform::XmlElement& root)
{
    quint32 flags = 0;
    if (IsOne(root, "SNMP_Agent_VERSION1"))
        flags |= Flag_V1;
    if (IsOne(root, "SNMP_Agent_VERSION2"))
        flags |= Flag_V2;
    if (IsOne(root, "SNMP_Agent_VERSION3"))
        flags |= Flag_V3;

    if (flags & Flag_V3) {
        StoreTextAt(Off_V3_User, 20, root.ChildText("SNMP_Agent_VER3_USER"));
        const int level = SNMP_Security_Level_Code(root.ChildText("SNMP_Agent_VER3_SECURITY_LEVEL"));
        if (level >= 1)
            flags |= Flag_Auth;
        if (level == 2)
            flags |= Flag_Priv;
    }
    if (flags & Flag_Auth) {
        StoreTextAt(Off_V3_Auth_Key, 16, root.ChildText("SNMP_Agent_VER3_AUTHORITY"));
        const bool sha = SNMP_Auth_Mode_Code(root.ChildText("SNMP_Agent_VER3_AUTHORITY_MODE")) == 1;
        flags |= sha ? Flag_Auth_SHA : Flag_Auth_MD5;
    }
    if (flags & Flag_Priv) {
        StoreTextAt(Off_V3_Priv_Key, 16, root.ChildText("SNMP_Agent_VER3_PRIVACY"));
        const bool aes = SNMP_Priv_Mode_Code(root.ChildText("SNMP_Agent_VER3_PRIVACY_MODE")) == 1;
        flags |= aes ? Flag_Priv_AES : Flag_Priv_DES;
    }
    Put32(At(Off_SNMP_Flags), flags);
}

} // namespace

namespace savebin {
void ReadLoRaParameters(const platform::XmlElement& root);
}

void Init_Bank1_Defaults()
{
    auto& image = State().bank1;
    image.fill(0);
    Put32(&image[0x000], 250000);
    Put32(&image[0x004], 250000);
    Put32(&image[0x00C], 9600);
    const quint8 agentIp[] = {192, 168, 2, 205};
    const quint8 agentMask[] = {255, 255, 255, 0};
    std::copy_n(agentIp, 4, &image[Off_Agent_IP]);
    std::copy_n(agentMask, 4, &image[Off_Agent_Mask]);
    std::fill_n(&image[Off_Agent_Gateway], 4, quint8(255));
    Put16(&image[0x034], 10000);
    Put16(&image[0x036], 10001);
    Put16(&image[0x038], 10001);
    std::fill_n(&image[0x1B4], 8, quint8(8)); // data bits of serial lines 1 to 6 and the two after
}

void Set_Bank1_Version()
{
    StoreTextAt(Off_Version, 8, "1.000");
}

bool Read_ParGen_For_Bank(QString& error)
{
    if (!FileExists(File_ParGen))
        return true;
    platform::XmlDocument doc;
    if (!LoadProjectFile(File_ParGen, doc, error))
        return false;
    const platform::XmlElement root = doc.Root();

    Set_Bank1_Version();
    ReadEthernet(root);
    ReadLoRaParameters(root);
    SetSerialLine6();
    ReadAgentAddress(root);
    ReadAgentVersions(root);
    return true;
}

int Write_Bank1(int pos, QByteArray& out)
{
    auto& image = State().bank1;
    quint32 sum = 0;
    for (int i = 0; i < Off_Byte_Sum; ++i)
        sum += image[i];
    Put32(&image[Off_Byte_Sum], sum);

    if (out.size() < pos + Bank1_Size)
        out.resize(pos + Bank1_Size);
    std::copy(image.begin(), image.end(), reinterpret_cast<quint8*>(out.data()) + pos);
    return pos + Bank1_Size;
}

#pragma once

// The builder of the two bank images the gateway loads: bank 1 (2048 bytes of
// general parameters with a byte sum) and bank 2 (32768 bytes: the LoRaWAN
// block, the uplink and downlink tables and the SNMP trap tables). Both are
// rebuilt from the open configuration's files ("ParGen.xml",
// "LoRaWAN_SetAccess.xml", "SNMP_Trap.xml") at every Update Device. Tables and
// text fields never grow past the place the image gives them. The steps live in
// USaveBinccBank1.cpp, USaveBinccLoRa.cpp and USaveBinccTrap.cpp.

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

constexpr int Bank1_Size = 2048;
constexpr int Bank2_Size = 32768;
constexpr int LoRa_Table_Entries = 256;
constexpr int SNMP_Trap_Table_Entries = 256;

constexpr quint32 Bank2_Device_Address = 0x80000;
constexpr quint32 SNMP_Trap_Read_Device_Address = 0x82000;
constexpr quint32 SNMP_Trap_Write_Device_Address = 0x85000;

struct TLoRaWAN_Block {
    quint8 Band = 0;
    quint8 Network_Type = 0;
    quint8 Activation = 0;
    quint8 DataRate = 6;
    std::array<quint8, 4> DevAddr{};
    std::array<quint8, 8> JoinEUI{};
    std::array<quint8, 16> NwkSKey{};
    std::array<quint8, 16> AppSKey{};
    std::array<quint8, 16> AppKey{};
    quint8 Adaptive_DataRate = 0;
    quint8 Confirmed = 0;
    quint8 Payload_Size = 1;
    quint8 FPort_Variable = 0;
    quint32 Transmit_Interval = 1;
    quint32 Uplink_Address = 0;
    quint32 Downlink_Address = 0;
    quint16 Uplink_Count = 0;
    quint16 Downlink_Count = 0;
    quint8 Frequency_SubBand = 0;
};

struct TLoRaWAN_Access_Entry {
    quint16 StartByte = 0;
    quint16 NumByte = 0;
    quint8 Flags = 0;
    quint8 FPort = 0;
    quint32 Time = 0;
};

struct TSNMP_Trap_Entry {
    quint16 Position = 0;
    quint16 Bit = 0;
    quint16 Size_Bits = 0;
    quint8 Conversion = 0;
    quint8 Flags = 0;
    quint32 Time = 0;
    std::array<quint8, 16> Community_Name{};
    std::array<quint8, 16> Description{};
    quint32 IP_Address = 0;
};

// Entry points of Update Device. A project file that is not well-formed, or a
// table file without one of its sections, stops the build: the result is
// false and `error` names the file and the fault; nothing is written then.
bool Compile_Bin_Banks(QString& error);
// Writes bank1.bin and bank2.bin into the configuration's bin folder, each
// whole or not at all; false with the failing file named in `error`.
bool Save_Bin_Files(QString& error);

// The build steps, in the order Compile_Bin_Banks runs them.
void Init_Bank1_Defaults();
void Set_Bank1_Version();
bool Read_ParGen_For_Bank(QString& error);
int Write_Bank1(int pos, QByteArray& out);

void Init_LoRa_Defaults();
bool Read_LoRa_Access_For_Bank(quint32 bank2Address, QString& error);
int Write_LoRa_Block(int pos, QByteArray& out);

void Init_SNMP_Trap_Tables();
bool Read_SNMP_Trap_For_Bank(QString& error);
int Write_SNMP_Trap_Tables(int pos, QByteArray& out);

// Text to code conversions of the parameter and table files.
int LoRa_Band_Code(const QString& text);
int LoRa_Network_Type_Code(const QString& text);
int LoRa_Activation_Code(const QString& text);
int LoRa_Confirmed_Code(const QString& text);
int SNMP_Conversion_Code(const QString& text);

// "0" characters in front until the text has `length` characters; a longer
// text is kept as it is.
QString Pad_Hex_Text(const QString& text, int length);
// Pairs of hexadecimal digits into the field's bytes, first pair first; a
// pair that is not hexadecimal gives 0; never more bytes than the field has.
void Hex_To_DevAddr(const QString& text, TLoRaWAN_Block& block);
void Hex_To_JoinEUI(const QString& text, TLoRaWAN_Block& block);
void Hex_To_NwkSKey(const QString& text, TLoRaWAN_Block& block);
void Hex_To_AppSKey(const QString& text, TLoRaWAN_Block& block);
void Hex_To_AppKey(const QString& text, TLoRaWAN_Block& block);

// The builder's state, for the update form and for tests.
const std::array<quint8, Bank1_Size>& Bank1_Image();
const TLoRaWAN_Block& LoRaWAN_Block();
const QByteArray& Bank1_Buffer();
const QByteArray& Bank2_Buffer();

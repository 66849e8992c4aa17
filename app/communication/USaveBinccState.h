#pragma once

// Private to the image builder: its global state and the helpers its steps
// share for reading the project files and placing bytes into the images.

#include "app/communication/USaveBincc.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace platform {
class XmlDocument;
class XmlElement;
}

namespace savebin {

struct BuilderState {
    std::array<quint8, Bank1_Size> bank1{};
    TLoRaWAN_Block loRa;
    std::array<TLoRaWAN_Access_Entry, LoRa_Table_Entries> uplink{};
    std::array<TLoRaWAN_Access_Entry, LoRa_Table_Entries> downlink{};
    std::array<TSNMP_Trap_Entry, SNMP_Trap_Table_Entries> trapRead{};
    std::array<TSNMP_Trap_Entry, SNMP_Trap_Table_Entries> trapWrite{};
    quint32 trapReadCount = 0;
    quint32 trapWriteCount = 0;
    QByteArray bank1Buffer;
    QByteArray bank2Buffer;
};

BuilderState& State();

// Loads a project file; false with `error` naming the file when it cannot be
// read or is not well-formed.
bool LoadProjectFile(const QString& path, platform::XmlDocument& doc, QString& error);
// The error for a table file whose root lacks one of its sections.
QString MissingSectionError(const QString& path, const QString& section);

// Whole-number reads with the builder's fallbacks: a missing element or
// attribute, and a text that is not a number, give the fallback.
qint64 ElementNumber(const platform::XmlElement& root, const QString& name, qint64 fallback);
qint64 AttributeNumber(const platform::XmlElement& row, const QString& name, qint64 fallback);

// Bytes of a text field: the low 8 bits of each UTF-16 code unit, the rest of
// the field zero, never more than the field holds.
void StoreText(quint8* field, int size, const QString& text);

// Little-endian placement into a byte buffer.
void Put8(quint8* at, quint8 value);
void Put16(quint8* at, quint16 value);
void Put32(quint8* at, quint32 value);
quint32 Get32(const quint8* at);

} // namespace savebin

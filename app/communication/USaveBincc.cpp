// The image builder's entry points (build and save), its shared state and the
// file reading and byte helpers its steps share.

#include "app/communication/USaveBincc.h"
#include "app/communication/USaveBinccState.h"

#include "app/shell/UComon.h"
#include "platform/core/Files.h"
#include "platform/core/SysUtils.h"
#include "platform/xml/XmlDocument.h"

#include <QDir>

#include <algorithm>

namespace savebin {

BuilderState& State()
{
    static BuilderState state;
    return state;
}

bool LoadProjectFile(const QString& path, platform::XmlDocument& doc, QString& error)
{
    QString reason;
    if (doc.LoadFile(path, &reason))
        return true;
    error = QDir::toNativeSeparators(path) + ": " + reason;
    return false;
}

QString MissingSectionError(const QString& path, const QString& section)
{
    return QDir::toNativeSeparators(path) + ": \"" + section + "\" not found";
}

qint64 ElementNumber(const platform::XmlElement& root, const QString& name, qint64 fallback)
{
    const platform::XmlElement element = root.Child(name);
    if (element.IsNull())
        return fallback;
    return StrToInt64Def(element.Text(), fallback);
}

qint64 AttributeNumber(const platform::XmlElement& row, const QString& name, qint64 fallback)
{
    if (!row.HasAttribute(name))
        return fallback;
    return StrToInt64Def(row.Attribute(name), fallback);
}

void StoreText(quint8* field, int size, const QString& text)
{
    std::fill_n(field, size, quint8(0));
    const int count = std::min<int>(text.size(), size);
    for (int i = 0; i < count; ++i)
        field[i] = quint8(text.at(i).unicode() & 0xFF);
}

void Put8(quint8* at, quint8 value)
{
    at[0] = value;
}

void Put16(quint8* at, quint16 value)
{
    at[0] = quint8(value);
    at[1] = quint8(value >> 8);
}

void Put32(quint8* at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = quint8(value >> (8 * i));
}

quint32 Get32(const quint8* at)
{
    return quint32(at[0]) | quint32(at[1]) << 8 | quint32(at[2]) << 16 | quint32(at[3]) << 24;
}

} // namespace savebin

using namespace savebin;

bool Compile_Bin_Banks(QString& error)
{
    BuilderState& state = State();
    state.bank1Buffer.clear();
    state.bank2Buffer.clear();

    Init_Bank1_Defaults();
    Init_LoRa_Defaults();
    Init_SNMP_Trap_Tables();
    if (!Read_ParGen_For_Bank(error))
        return false;
    Put32(&state.bank1[0x65C], Bank2_Device_Address);
    Put32(&state.bank1[0x1E8], SNMP_Trap_Read_Device_Address);
    if (!Read_SNMP_Trap_For_Bank(error))
        return false;
    if (!Read_LoRa_Access_For_Bank(Get32(&state.bank1[0x65C]), error))
        return false;

    QByteArray bank1(Bank1_Size, '\0');
    Write_Bank1(0, bank1);
    QByteArray bank2(Bank2_Size, '\0');
    const int pos = Write_LoRa_Block(0, bank2);
    Write_SNMP_Trap_Tables(pos, bank2);
    state.bank1Buffer = bank1;
    state.bank2Buffer = bank2;
    return true;
}

bool Save_Bin_Files(QString& error)
{
    const QString bin = Path_Project + QDir::separator() + "bin" + QDir::separator();
    const struct {
        QString path;
        const QByteArray& data;
    } files[] = {{bin + "bank1.bin", State().bank1Buffer}, {bin + "bank2.bin", State().bank2Buffer}};

    bool ok = true;
    for (const auto& file : files) {
        QString reason;
        if (file.data.isEmpty()) {
            reason = "no image built";
        } else if (platform::WriteFileAtomic(file.path, file.data, &reason)) {
            continue;
        }
        if (ok)
            error = QDir::toNativeSeparators(file.path) + ": " + reason;
        ok = false;
    }
    return ok;
}

const std::array<quint8, Bank1_Size>& Bank1_Image()
{
    return State().bank1;
}

const TLoRaWAN_Block& LoRaWAN_Block()
{
    return State().loRa;
}

const QByteArray& Bank1_Buffer()
{
    return State().bank1Buffer;
}

const QByteArray& Bank2_Buffer()
{
    return State().bank2Buffer;
}

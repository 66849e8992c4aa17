#include "app/tables/network/snmp/USNMP_MIB.h"

#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/shell/mainwindow/UMarquellFirmWare.h"
#include "app/tables/network/snmp/USNMP_Trap_Access.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Files.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/window/Dialogs.h"
#include "platform/xml/XmlDocument.h"

#include <QSet>

TMIB_Int_Flags MIB_Int_Flags;

namespace {

constexpr int Text_File_Exists = 1105;
constexpr int Text_Unreadable = 6289;
constexpr int Text_Missing_Section = 6290;
constexpr int Text_Bad_Description = 6291;
constexpr int Text_Same_Description = 6292;
constexpr int Text_Not_Written = 6293;

const QString Quote = QStringLiteral("\"");
const QString Tab = QStringLiteral("\t");

// The enabled rows of one table, in file order; false with the reason when a
// description cannot be an object name of the module.
bool ReadSection(const platform::XmlElement& section, TStringList& descriptions, QList<bool>& flags,
                 QSet<QString>& names, QString& error)
{
    for (const platform::XmlElement& row : section.Children()) {
        if (UpperCase(row.Attribute(QStringLiteral("Enable"))) != "Y")
            continue;
        const QString description = row.Attribute(QStringLiteral("Description"));
        if (TFSNMP_Trap_Access::Check_Error_CommName_Desc(description, 1)
            || TFSNMP_Trap_Access::Is_MIB_Module_Name(description)) {
            error = Lang_Texts[Text_Bad_Description] + description;
            return false;
        }
        if (!description.isEmpty() && names.contains(description)) {
            error = Lang_Texts[Text_Same_Description] + description;
            return false;
        }
        names.insert(description);
        descriptions.Add(description);
        flags << (UpperCase(row.Attribute(QStringLiteral("Type"))) == "INT");
    }
    return true;
}

QString Syntax(bool isInt)
{
    return isInt ? QStringLiteral("SYNTAX INTEGER") : QStringLiteral("SYNTAX OCTET STRING");
}

QString ObjectName(const QString& description, const QString& fallback, int number)
{
    return description.isEmpty() ? fallback + QString::number(number) : description;
}

void AddHead(QStringList& lines)
{
    lines << "GATEWAY DEFINITIONS ::= BEGIN"
          << "IMPORTS"
          << "       MODULE-IDENTITY,OBJECT-TYPE,NOTIFICATION-TYPE"
          << "         FROM SNMPv2-SMI"
          << "         DisplayString, TimeStamp"
          << "         FROM SNMPv2-TC"
          << "         enterprises"
          << "         FROM RFC1155-SMI;"
          << ""
          << "identity MODULE-IDENTITY"
          << "    LAST-UPDATED " + Quote + "201701310000Z" + Quote
          << "    ORGANIZATION " + Quote + Maker_Web_Caption + Quote
          << "    CONTACT-INFO"
          << Tab + " " + Quote + Maker_Street
          << "    " + Maker_Town
          << "    " + Maker_Country
          << "    email:    " + Maker_Mail_Domain + Quote
          << "    DESCRIPTION"
          << Tab + Quote + "MIB objects for agent module " + Quote
          << "    REVISION     " + Quote + "201701310000Z" + Quote
          << "    DESCRIPTION"
          << Tab + Quote + "Corrected notification " + Quote
          << "    REVISION     " + Quote + "200202060000Z" + Quote
          << "    DESCRIPTION"
          << Tab + Quote + "First draft" + Quote
          << "    ::= { telvor 2 }"
          << "telvor          OBJECT IDENTIFIER ::= { enterprises " + QString::number(Maker_Enterprise_Number) + " }"
          << "gateway OBJECT IDENTIFIER::= { telvor 1 }"
          << "application OBJECT IDENTIFIER::= { gateway 1 }"
          << "data OBJECT IDENTIFIER::= { application 1 }"
          << "hellostring OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only  STATUS current  DESCRIPTION "
                 + Quote + Quote + " ::= { data 1}"
          << "countin  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-only  STATUS current  DESCRIPTION " + Quote
                 + Quote + " ::= { data 2}"
          << "countout  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-write STATUS current  DESCRIPTION " + Quote
                 + Quote + " ::= { data 3}";
}

// One table's block: its node under data, eight data blocks, the value node
// and one object per enabled row.
void AddBlock(QStringList& lines, const QString& block, int dataNumber, const QString& access,
              const TStringList& descriptions, const QList<bool>& flags)
{
    const QString values = block + "val";
    lines << block + " OBJECT IDENTIFIER::= { data " + QString::number(dataNumber) + " }";
    for (int k = 1; k <= 8; ++k) {
        const QString n = QString::number(k);
        lines << block + "blk" + n + " OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS " + access
                     + " STATUS current DESCRIPTION " + Quote + "data block n." + n + Quote + " ::= { " + block + " "
                     + n + " }";
    }
    lines << " " + values + " OBJECT IDENTIFIER::= { " + block + " 9 }";
    for (int i = 0; i < descriptions.Count(); ++i) {
        const QString d = descriptions[i];
        lines << ObjectName(d, values, i + 1) + " OBJECT-TYPE " + Syntax(flags.value(i)) + " MAX-ACCESS " + access
                     + " STATUS current DESCRIPTION " + Quote + d + Quote + " ::= { " + values + " "
                     + QString::number(i + 1) + " }";
    }
}

void AddNotifications(QStringList& lines)
{
    lines << "traps OBJECT IDENTIFIER::= { application 2 }"
          << " trapsval OBJECT IDENTIFIER::= { traps 1 }";
    for (int i = 0; i < MIB_Read_Desc.Count(); ++i) {
        const QString d = MIB_Read_Desc[i];
        const QString n = QString::number(i + 1);
        lines << "trapval" + n + " NOTIFICATION-TYPE OBJECTS { " + ObjectName(d, "bufferinval", i + 1)
                     + " } STATUS current DESCRIPTION " + Quote + d + Quote + " ::= { trapsval " + n + " }";
    }
}

} // namespace

bool Read_MIB_Trap_Rows(QString& error)
{
    MIB_Read_Desc.Clear();
    MIB_Write_Desc.Clear();
    MIB_Int_Flags = {};
    if (!FileExists(File_SNMP_Trap))
        return true;
    platform::XmlDocument doc;
    QString reason;
    if (!doc.LoadFile(File_SNMP_Trap, &reason) || doc.DocumentElement().IsNull()) {
        error = Lang_Texts[Text_Unreadable] + File_SNMP_Trap + QStringLiteral(": ") + reason;
        return false;
    }
    const platform::XmlElement root = doc.DocumentElement();
    QSet<QString> names;
    const struct {
        const char* name;
        TStringList& descriptions;
        QList<bool>& flags;
    } sections[] = {{"SNMP_Trap_Read", MIB_Read_Desc, MIB_Int_Flags.read},
                    {"SNMP_Trap_Write", MIB_Write_Desc, MIB_Int_Flags.write}};
    for (const auto& s : sections) {
        const platform::XmlElement section = root.Child(QLatin1String(s.name));
        if (section.IsNull()) {
            error = Lang_Texts[Text_Missing_Section] + QLatin1String(s.name);
            return false;
        }
        if (!ReadSection(section, s.descriptions, s.flags, names, error))
            return false;
    }
    return true;
}

QStringList MIB_Lines()
{
    QStringList lines;
    AddHead(lines);
    AddBlock(lines, QStringLiteral("bufferin"), 4, QStringLiteral("read-only"), MIB_Read_Desc, MIB_Int_Flags.read);
    AddBlock(lines, QStringLiteral("bufferout"), 5, QStringLiteral("read-write"), MIB_Write_Desc,
             MIB_Int_Flags.write);
    AddNotifications(lines);
    lines << QStringLiteral("END");
    return lines;
}

bool Write_MIB_File(const QString& name, QString& error)
{
    TStringList file;
    for (const QString& line : MIB_Lines())
        file.Add(line);
    try {
        file.SaveToFile(name, TEncoding::ANSI);
    } catch (const Exception& e) {
        error = Lang_Texts[Text_Not_Written] + e.Message();
        return false;
    }
    return true;
}

bool Export_SNMP_MIB(const QString& argument, QString& error)
{
    QString name = argument;
    if (name.isEmpty()) {
        TSaveDialog* dialog = FMarquellFirmWare->SaveMIB;
        dialog->SetInitialDir(Path_Project);
        if (!dialog->Execute())
            return true;
        name = dialog->FileName();
    }
    if (FileExists(name) && MessageDlg(Lang_Texts[Text_File_Exists], mtConfirmation, mbYesNo, 0) != mrYes)
        return true;
    return Read_MIB_Trap_Rows(error) && Write_MIB_File(name, error);
}

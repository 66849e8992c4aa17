// Update Device: the payload check, the bank image build, the update form,
// and the start of the separate update program.

#include "app/shell/mainwindow/UMarquellFirmWare.h"

#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/shell/WindowRegistry.h"
#include "platform/core/Files.h"
#include "platform/core/SysUtils.h"
#include "platform/process/RunProgram.h"
#include "platform/ui/window/Dialogs.h"
#include "platform/xml/XmlDocument.h"

#include <QProcess>

int Start_Program_Limit_Ms = 150000;

namespace {

constexpr int Text_Payload_Too_Large = 30;
constexpr int Text_Bank_Images_Failed = 1038;
constexpr int Text_Program_Not_Started = 1040;
constexpr int Text_Program_Timed_Out = 1041;

struct PayloadCheck {
    bool fits = false;
    QString error; // a file that could not be read; nothing else was checked
};

// The same rule as the bank image builder, so that every row that goes into
// the image has passed this check: a row without "Enable" counts as enabled.
bool UplinkRowEnabled(const platform::XmlElement& row)
{
    return !row.HasAttribute(QStringLiteral("Enable"))
        || UpperCase(Trim(row.Attribute(QStringLiteral("Enable")))) == QLatin1String("Y");
}

PayloadCheck CheckPayload()
{
    PayloadCheck check;
    int payloadSize = 0;
    if (FileExists(File_ParGen)) {
        platform::XmlDocument parameters;
        if (!parameters.LoadFile(File_ParGen, &check.error))
            return check;
        payloadSize = StrToIntDef(parameters.Root().ChildText(QStringLiteral("LoRa_Payload_Size")), 0);
    }
    if (!FileExists(File_LoRaWAN_SetAccess)) {
        check.fits = true;
        return check;
    }
    platform::XmlDocument table;
    if (!table.LoadFile(File_LoRaWAN_SetAccess, &check.error))
        return check;
    const platform::XmlElement uplink = table.Root().Child(QStringLiteral("LoRaWAN_Uplink"));
    for (const platform::XmlElement& row : uplink.Children()) {
        if (!UplinkRowEnabled(row))
            continue;
        const int numBytes = StrToIntDef(row.Attribute(QStringLiteral("NumByte")), -1);
        if (numBytes < 0 || numBytes > payloadSize - 2)
            return check;
    }
    check.fits = true;
    return check;
}

void ShowError(const QString& text)
{
    MessageDlg(text, mtError, mbOK, 0);
}

} // namespace

bool TFMarquellFirmWare::Check_Config_LoraWAN()
{
    const PayloadCheck check = CheckPayload();
    if (!check.error.isEmpty())
        ShowError(Lang_Texts[Text_Bank_Images_Failed] + check.error);
    return check.fits;
}

void TFMarquellFirmWare::Update_Device()
{
    const PayloadCheck check = CheckPayload();
    if (!check.error.isEmpty()) {
        ShowError(Lang_Texts[Text_Bank_Images_Failed] + check.error);
        return;
    }
    if (!check.fits) {
        ShowError(Lang_Texts[Text_Payload_Too_Large]);
        return;
    }
    QString error;
    switch (Run_Command(QStringLiteral("Build_Bank_Images"), QString(), error)) {
    case CommandOutcome::Missing:
        return;
    case CommandOutcome::Failed:
        ShowError(Lang_Texts[Text_Bank_Images_Failed] + error);
        return;
    case CommandOutcome::Done:
        break;
    }
    Write_Window_Field(QStringLiteral("FBoot"), QStringLiteral("Form_Type"), 1);
    Show_Window(QStringLiteral("FBoot"));
}

void TFMarquellFirmWare::Start_Program(const QString& NomeSW, const QString& Parameter, bool)
{
    // The program's window state has no meaning here: it opens its own windows.
    platform::ProgramOptions options;
    options.timeoutMs = Start_Program_Limit_Ms;
    const platform::ProgramResult result = platform::RunProgram(NomeSW, QProcess::splitCommand(Parameter), options);
    switch (result.outcome) {
    case platform::ProgramOutcome::FailedToStart:
        ShowError(Lang_Format(Text_Program_Not_Started, {NomeSW, result.error}));
        break;
    case platform::ProgramOutcome::TimedOut:
        ShowError(Lang_Format(Text_Program_Timed_Out, {NomeSW, Start_Program_Limit_Ms / 1000}));
        break;
    case platform::ProgramOutcome::Finished:
    case platform::ProgramOutcome::Crashed:
        break;
    }
}

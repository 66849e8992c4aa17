#include "app/shell/ULanguage.h"

#include "app/shell/UComon.h"
#include "app/shell/ULanguageDefaults.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Files.h"
#include "platform/core/SysUtils.h"
#include "platform/core/TextEncoding.h"

TStringList Lang_Texts;
int Lang_Texts_Count = 0;

namespace {

const QChar kPilcrow(0x00B6);

// One line of a language file: STR<index> =<text>, where "/#/" starts a
// remark and a text written between two pilcrows keeps its outer blanks.
void applyLanguageLine(const QString& rawLine)
{
    const QString line = Trim(rawLine);
    if (!line.startsWith(QLatin1String("STR")))
        return;
    const int equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return;
    // Files write a blank before the "="; the whole field is read, so a line
    // written without it still names its own index.
    const QString field = Trim(line.mid(3, equals - 3));
    int index = 0;
    if (field.isEmpty() || !TryStrToInt(field, index))
        return;
    if (index < 0 || index >= Lang_Texts_Count)
        return;
    QString text = Trim(line.mid(equals + 1));
    if (text.isEmpty())
        return;
    const int remark = text.indexOf(QLatin1String("/#/"));
    if (remark >= 0) {
        text = Trim(text.left(remark));
        if (text.isEmpty())
            return;
    }
    if (text.startsWith(kPilcrow))
        text.remove(0, 1);
    const int close = text.indexOf(kPilcrow);
    if (close >= 0)
        text.truncate(close);
    Lang_Texts.SetStrings(index, text);
}

} // namespace

void Load_Default_Texts()
{
    Lang_Texts.BeginUpdate();
    Lang_Texts.Clear();
    for (int i = 0; i < Default_Texts_Count; ++i)
        Lang_Texts.Add(Default_Text(i));
    Lang_Texts.EndUpdate();
    Lang_Texts_Count = Default_Texts_Count;
}

bool Load_Language_File(const QString& fileName)
{
    QByteArray bytes;
    if (!platform::ReadWholeFile(fileName, bytes))
        return false;
    TStringList lines;
    lines.SetText(platform::DecodeText(bytes));
    Lang_Texts.BeginUpdate();
    for (int i = 0; i < lines.Count(); ++i)
        applyLanguageLine(lines[i]);
    Lang_Texts.EndUpdate();
    return true;
}

void Init_Language()
{
    Load_Default_Texts();
    const QString chosen = Path_Language + QLatin1Char('/') + Language_Name + QLatin1String(".lng");
    if (FileExists(chosen)) {
        Load_Language_File(chosen);
        return;
    }
    Language_Name = QStringLiteral("English");
    const QString english = Path_Language + QLatin1String("/English.lng");
    if (FileExists(english))
        Load_Language_File(english);
}

QString Lang_Format(int index, std::initializer_list<FormatArg> args)
{
    const QString text = Lang_Texts[index];
    try {
        return Format(text, args);
    } catch (const EConvertError&) {
    }
    try {
        return Format(Default_Text(index), args);
    } catch (const EConvertError&) {
    }
    return text;
}

#include "app/shell/ULanguage.h"

#include "app/shell/UComon.h"
#include "app/shell/ULanguageDefaults.h"
#include "platform/core/CodePages.h"
#include "tests/support/TempExeFolder.h"

#include <QDir>
#include <QMap>
#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Lang_Texts.Clear();
        Lang_Texts_Count = 0;
        Path_Language = testsupport::TestFolder() + QLatin1String("/LANGUAGE");
        QDir().mkpath(Path_Language);
        Language_Name = QStringLiteral("English");
    }

    static QString writeLanguage(const QString& name, const QByteArray& content)
    {
        return testsupport::WriteTestFile(QStringLiteral("LANGUAGE/") + name + QLatin1String(".lng"),
                                          content);
    }

    // Every entry equals the built-in text except those in `changed`.
    static void expectTexts(const QMap<int, QString>& changed, const std::string& context)
    {
        ASSERT_EQ(Lang_Texts.Count(), Default_Texts_Count) << context;
        for (int i = 0; i < Default_Texts_Count; ++i) {
            const QString expected = changed.value(i, Default_Text(i));
            EXPECT_EQ(Lang_Texts[i], expected) << context << ", index " << i;
        }
    }
};

// Language files without a byte-order mark are in the ANSI code page.
QByteArray ansi(const QString& s)
{
    return AnsiFromString(s);
}

} // namespace

TEST_F(LanguageTest, DefaultTextsFillTheWholeList)
{
    Lang_Texts.Add(QStringLiteral("left over"));
    Load_Default_Texts();
    EXPECT_EQ(Lang_Texts_Count, 6300);
    expectTexts({}, "defaults");
    EXPECT_EQ(Lang_Texts[9], QStringLiteral("None Configuration Opened "));
    EXPECT_EQ(Lang_Texts[33], QStringLiteral("Scan && Decode"));
    EXPECT_EQ(Lang_Texts[2592], QString());
    EXPECT_EQ(Lang_Texts[100 - 1], QStringLiteral(" "));
}

TEST_F(LanguageTest, LineRules)
{
    const QString pilcrow(QChar(0x00B6));
    const struct {
        QString line;
        QMap<int, QString> changed; // empty: the line is ignored
    } cases[] = {
        {"STR12 =Informazioni", {{12, "Informazioni"}}},
        // a line without the blank before "=" still names its own index
        {"STR12=Informazioni", {{12, "Informazioni"}}},
        {"STR1=Uno", {{1, "Uno"}}},
        {"STR 12 = Informazioni", {{12, "Informazioni"}}},
        {"STR12  =Informazioni", {{12, "Informazioni"}}},
        {"str12 =x", {}},
        {"  \t STR12 =x", {{12, "x"}}},
        {"STR12 =x \t ", {{12, "x"}}},
        {"STR6300 =x", {}},
        {"STR-1 =x", {}},
        {"STRx =y", {}},
        {"STR12 x", {}},
        {"STR =x", {}},
        {"STR=x", {}},
        {"STR1 2 =x", {}},
        {"STR12 =", {}},
        {"STR12 =    ", {}},
        {"STR12 =a=b", {{12, "a=b"}}},
        {"STR12 =Text /#/ remark", {{12, "Text"}}},
        {"STR12 =/#/ remark", {}},
        {"STR9 =" + pilcrow + "Nessuna configurazione " + pilcrow, {{9, "Nessuna configurazione "}}},
        {"STR9 =Nessuna configurazione ", {{9, "Nessuna configurazione"}}},
        {"STR9 =" + pilcrow + "a" + pilcrow + "b", {{9, "a"}}},
        {"STR9 =a" + pilcrow + "b", {{9, "a"}}},
        {"STR9 =" + pilcrow + pilcrow, {{9, QString()}}},
        {"STR9 =" + pilcrow + " a " + pilcrow + " /#/ remark", {{9, " a "}}},
        {"STR$C =hex", {{12, "hex"}}},
        {"STR0 =first", {{0, "first"}}},
        {"STR6299 =last", {{6299, "last"}}},
        {"STR2592 =was empty", {{2592, "was empty"}}},
        {"; a remark line", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        Load_Default_Texts();
        ASSERT_TRUE(Load_Language_File(writeLanguage(QStringLiteral("Lines"), ansi(c.line))));
        expectTexts(c.changed, c.line.toStdString());
    }
}

TEST_F(LanguageTest, LinesApplyInFileOrderAndBadLinesAreSkippedAlone)
{
    Load_Default_Texts();
    Load_Language_File(writeLanguage(QStringLiteral("Order"),
                                     "Italiano\r\nSTR12 =uno\r\nSTRx =bad\nSTR13 =Opzioni\rSTR12 =due\r\n"));
    expectTexts({{12, "due"}, {13, "Opzioni"}}, "file order");
}

TEST_F(LanguageTest, FileEncodings)
{
    const QString text = QStringLiteral("Caf\u00E9 \u20AC \u00B6");
    const QString line = QStringLiteral("STR12 =\u00B6") + text + QStringLiteral("\u00B6\r\n");
    auto utf16 = [](const QString& s, QStringConverter::Encoding encoding) {
        QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
        return QByteArray(encoder(s));
    };
    const struct {
        const char* name;
        QByteArray bytes;
        QString expected;
    } cases[] = {
        // no byte-order mark: the ANSI code page (0x80 is the euro sign there)
        {"ansi", QByteArray("STR12 =\xB6" "Caf\xE9 \x80 \xB6\xB6\r\n"), "Caf\u00E9 \u20AC "},
        {"utf-8", QByteArray("\xEF\xBB\xBF") + line.toUtf8(), "Caf\u00E9 \u20AC "},
        {"utf-16le", utf16(line, QStringConverter::Utf16LE), "Caf\u00E9 \u20AC "},
        {"utf-16be", utf16(line, QStringConverter::Utf16BE), "Caf\u00E9 \u20AC "},
    };
    for (const auto& c : cases) {
        Load_Default_Texts();
        ASSERT_TRUE(Load_Language_File(writeLanguage(QLatin1String(c.name), c.bytes))) << c.name;
        EXPECT_EQ(Lang_Texts[12], c.expected) << c.name;
    }
}

TEST_F(LanguageTest, UnreadableFileLeavesTheList)
{
    Load_Default_Texts();
    EXPECT_FALSE(Load_Language_File(Path_Language + QLatin1String("/Missing.lng")));
    EXPECT_FALSE(Load_Language_File(Path_Language)); // a folder
    expectTexts({}, "unreadable");
}

TEST_F(LanguageTest, FileEntriesNeedTheDefaultsFirst)
{
    // Before the list is filled no index is below Lang_Texts_Count.
    EXPECT_TRUE(Load_Language_File(writeLanguage(QStringLiteral("Early"), "STR12 =x\r\n")));
    EXPECT_EQ(Lang_Texts.Count(), 0);
}

TEST_F(LanguageTest, InitLanguageChoosesTheFile)
{
    const struct {
        const char* chosen;
        QList<std::pair<const char*, QByteArray>> files;
        const char* nameAfter;
        QMap<int, QString> changed;
    } cases[] = {
        {"English", {}, "English", {}},
        {"Italiano", {}, "English", {}},
        {"Italiano", {{"Italiano", "STR12 =Informazioni\r\n"}}, "Italiano", {{12, "Informazioni"}}},
        {"Italiano", {{"English", "STR13 =Settings\r\n"}}, "English", {{13, "Settings"}}},
        {"English", {{"English", "STR13 =Settings\r\n"}}, "English", {{13, "Settings"}}},
        {"Italiano",
         {{"Italiano", "STR12 =Informazioni\r\n"}, {"English", "STR13 =Settings\r\n"}},
         "Italiano",
         {{12, "Informazioni"}}},
    };
    for (const auto& c : cases) {
        QDir(Path_Language).removeRecursively();
        QDir().mkpath(Path_Language);
        for (const auto& file : c.files)
            writeLanguage(QLatin1String(file.first), file.second);
        Language_Name = QLatin1String(c.chosen);
        Init_Language();
        const std::string context = std::string(c.chosen) + " with " + std::to_string(c.files.size())
                                    + " files";
        EXPECT_EQ(Language_Name, QLatin1String(c.nameAfter)) << context;
        EXPECT_EQ(Lang_Texts_Count, 6300) << context;
        expectTexts(c.changed, context);
    }
}

TEST_F(LanguageTest, ChangingLanguageStartsFromTheDefaults)
{
    writeLanguage(QStringLiteral("Italiano"), "STR12 =Informazioni\r\nSTR13 =Opzioni\r\n");
    writeLanguage(QStringLiteral("Deutsch"), "STR13 =Optionen\r\n");
    Language_Name = QStringLiteral("Italiano");
    Init_Language();
    EXPECT_EQ(Lang_Texts[12], QStringLiteral("Informazioni"));
    Language_Name = QStringLiteral("Deutsch");
    Init_Language();
    expectTexts({{13, "Optionen"}}, "after the change");
}

TEST_F(LanguageTest, FormattedTextsFallBackToTheBuiltInText)
{
    const struct {
        const char* line; // the language file's text 497
        const char* expected;
    } cases[] = {
        {"", "Error LoRa!! Payload Size must be between 1 and 242"},
        {"STR497 =Errore LoRa!! Dimensione tra 1 e %d", "Errore LoRa!! Dimensione tra 1 e 242"},
        {"STR497 =Errore %s", "Error LoRa!! Payload Size must be between 1 and 242"},
        {"STR497 =Errore %d e %d", "Error LoRa!! Payload Size must be between 1 and 242"},
        {"STR497 =Errore %", "Error LoRa!! Payload Size must be between 1 and 242"},
        {"STR497 =Errore %n %p", "Error LoRa!! Payload Size must be between 1 and 242"},
    };
    for (const auto& c : cases) {
        Load_Default_Texts();
        Load_Language_File(writeLanguage(QStringLiteral("Format"), QByteArray(c.line)));
        EXPECT_EQ(Lang_Format(497, {242}), QLatin1String(c.expected)) << c.line;
    }
    Load_Default_Texts();
    EXPECT_EQ(Lang_Format(5504, {3, 4, 100}),
              QStringLiteral("Error in Server Number 3 in Write Variable 4!! Position must be between 0 and 100"));
    // Neither text fits: the text as it stands, nothing read that is not there.
    EXPECT_EQ(Lang_Format(497, {}), Lang_Texts[497]);
}

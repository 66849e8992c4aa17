#include "platform/core/Exceptions.h"
#include "platform/core/StringList.h"
#include "tests/support/TempExeFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <vector>

namespace {

QStringList items(const TStringList& list)
{
    QStringList out;
    for (int i = 0; i < list.Count(); ++i)
        out << list[i];
    return out;
}

TEST(TStringList, AddInsertDeleteAndCaseInsensitiveIndexOf)
{
    TStringList list;
    EXPECT_EQ(list.Add("Beta"), 0);
    EXPECT_EQ(list.Add("alpha"), 1);
    list.Insert(0, "Gamma");
    list.Insert(3, "beta");
    EXPECT_EQ(items(list), QStringList({"Gamma", "Beta", "alpha", "beta"}));
    EXPECT_EQ(list.IndexOf("BETA"), 1);
    EXPECT_EQ(list.IndexOf(QString::fromUtf8("ALPHA")), 2);
    EXPECT_EQ(list.IndexOf("delta"), -1);
    list.Delete(1);
    EXPECT_EQ(list.IndexOf("BETA"), 2);
    list.Move(2, 0);
    EXPECT_EQ(items(list), QStringList({"beta", "Gamma", "alpha"}));
    list.Exchange(0, 2);
    EXPECT_EQ(items(list), QStringList({"alpha", "Gamma", "beta"}));
}

TEST(TStringList, IndexOutOfRangeRaisesListError)
{
    TStringList list;
    list.Add("a");
    EXPECT_THROW(list.Strings(1), EStringListError);
    EXPECT_THROW(list.Strings(-1), EStringListError);
    EXPECT_THROW(list.Delete(1), EStringListError);
    EXPECT_THROW(list.Insert(2, "x"), EStringListError);
    EXPECT_THROW(list.SetObjects(5, nullptr), EStringListError);
    try {
        list[3];
        ADD_FAILURE();
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (3)");
    }
    EXPECT_EQ(items(list), QStringList({"a"}));
}

TEST(TStringList, SortedListKeepsOrderAndHandlesDuplicates)
{
    TStringList list;
    list.Add("b");
    list.Add("C");
    list.Add("a");
    list.SetSorted(true);
    EXPECT_EQ(items(list), QStringList({"a", "b", "C"}));
    EXPECT_EQ(list.Add("B"), 1); // ignored duplicate: the index of the one there
    EXPECT_EQ(list.Add("aa"), 1);
    EXPECT_EQ(items(list), QStringList({"a", "aa", "b", "C"}));
    EXPECT_EQ(list.IndexOf("AA"), 1);
    EXPECT_EQ(list.IndexOf("ab"), -1);
    int at = -1;
    EXPECT_FALSE(list.Find("ab", at));
    EXPECT_EQ(at, 2);
    EXPECT_THROW(list.Insert(0, "z"), EStringListError);
    EXPECT_THROW(list.SetStrings(0, "z"), EStringListError);

    list.SetDuplicates(dupError);
    EXPECT_THROW(list.Add("c"), EStringListError);
    list.SetDuplicates(dupAccept);
    list.Add("c");
    EXPECT_EQ(items(list), QStringList({"a", "aa", "b", "c", "C"})); // before its equals
}

TEST(TStringList, TextUsesCrLfAndSplitsAnyLineBreak)
{
    TStringList list;
    list.Add("one");
    list.Add("");
    list.Add("three");
    EXPECT_EQ(list.Text(), "one\r\n\r\nthree\r\n");

    const struct {
        const char* text;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\rc\r\n", {"a", "b", "c"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\n", {""}},
        {"a\n\rb", {"a", "", "b"}},
    };
    for (const auto& c : cases) {
        list.SetText(c.text);
        EXPECT_EQ(items(list), c.lines) << c.text;
    }
}

TEST(TStringList, CommaTextSplitsAtCommasAndBlanksQuotesGroup)
{
    const struct {
        const char* text;
        QStringList parts;
    } cases[] = {
        {"", {}},
        {"a,b", {"a", "b"}},
        {"a b , c", {"a", "b", "c"}},
        {"  a", {"a"}},
        {"\"d,e\",\"f\"\"g\"", {"d,e", "f\"g"}},
        {"\"two words\" x", {"two words", "x"}},
        {"a,", {"a", ""}},
        {",", {"", ""}},
        {"a,,b", {"a", "", "b"}},
        {"\"open", {"open"}},
        {"\"\"", {""}},
    };
    TStringList list;
    for (const auto& c : cases) {
        list.SetCommaText(c.text);
        EXPECT_EQ(items(list), c.parts) << c.text;
    }
}

TEST(TStringList, CommaTextQuotesWhatWouldNotReadBack)
{
    TStringList list;
    for (const char* s : {"plain", "two words", "a,b", "say \"hi\"", ""})
        list.Add(s);
    EXPECT_EQ(list.CommaText(), "plain,\"two words\",\"a,b\",\"say \"\"hi\"\"\",");
    TStringList back;
    back.SetCommaText(list.CommaText());
    EXPECT_EQ(items(back), items(list));

    TStringList single;
    single.Add("");
    EXPECT_EQ(single.CommaText(), "\"\"");
}

TEST(TStringList, DelimitedTextWithOwnDelimiterAndStrictMode)
{
    TStringList list;
    list.SetDelimiter(u';');
    list.SetQuoteChar(u'\'');
    list.SetDelimitedText("a b;'c;d';e");
    EXPECT_EQ(items(list), QStringList({"a", "b", "c;d", "e"}));
    list.SetStrictDelimiter(true);
    list.SetDelimitedText("a b; c;'x''y'");
    EXPECT_EQ(items(list), QStringList({"a b", " c", "x'y"}));
    EXPECT_EQ(list.DelimitedText(), "a b; c;'x''y'");
    // CommaText keeps its own rules whatever the delimiter settings.
    list.SetCommaText("p q");
    EXPECT_EQ(items(list), QStringList({"p", "q"}));
    EXPECT_EQ(list.Delimiter(), u';');
}

TEST(TStringList, NameValueAccess)
{
    TStringList list;
    list.SetText("Port=502\r\nname=Gateway\r\nnoseparator\r\n=empty name\r\nExpr=a=b");
    EXPECT_EQ(list.Names(0), "Port");
    EXPECT_EQ(list.Names(2), "");
    EXPECT_EQ(list.Values("PORT"), "502");
    EXPECT_EQ(list.Values("expr"), "a=b");
    EXPECT_EQ(list.Values("missing"), "");
    EXPECT_EQ(list.ValueFromIndex(1), "Gateway");
    EXPECT_EQ(list.ValueFromIndex(2), "");
    EXPECT_EQ(list.ValueFromIndex(3), "empty name");
    EXPECT_EQ(list.IndexOfName("noseparator"), -1);

    list.SetValues("port", "503");
    EXPECT_EQ(list[0], "port=503");
    list.SetValues("New", "1");
    EXPECT_EQ(list[list.Count() - 1], "New=1");
    list.SetValues("name", "");
    EXPECT_EQ(list.IndexOfName("name"), -1);
    list.SetValueFromIndex(0, "9");
    EXPECT_EQ(list[0], "port=9");
}

class Counted : public TObject {
public:
    explicit Counted(int& alive) : alive_(alive) { ++alive_; }
    ~Counted() override { --alive_; }

private:
    int& alive_;
};

TEST(TStringList, OwnedObjectsAreDeletedWithTheirItems)
{
    int alive = 0;
    {
        TStringList list;
        list.SetOwnsObjects(true);
        list.AddObject("a", new Counted(alive));
        list.AddObject("b", new Counted(alive));
        list.AddObject("c", new Counted(alive));
        list.Delete(0);
        EXPECT_EQ(alive, 2);
        list.Move(0, 1); // moving is not deleting
        list.Exchange(0, 1);
        EXPECT_EQ(alive, 2);
        TStringList moved(std::move(list));
        EXPECT_EQ(list.Count(), 0);
        EXPECT_EQ(alive, 2);
    }
    EXPECT_EQ(alive, 0);

    Counted kept(alive);
    {
        TStringList list;
        list.AddObject("x", &kept);
        EXPECT_EQ(list.Objects(0), &kept);
        EXPECT_EQ(list.IndexOfObject(&kept), 0);
        list.Clear();
    }
    EXPECT_EQ(alive, 1);
}

TEST(TStringList, OnChangeOncePerUpdate)
{
    TStringList list;
    int changes = 0;
    TObject* sender = nullptr;
    list.OnChange = [&](TObject* s) {
        ++changes;
        sender = s;
    };
    list.Add("a");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(sender, &list);
    list.SetText("a\r\nb\r\nc");
    EXPECT_EQ(changes, 2);
    list.BeginUpdate();
    list.Add("d");
    list.Delete(0);
    EXPECT_EQ(changes, 2);
    list.EndUpdate();
    EXPECT_EQ(changes, 3);
}

TEST(TStringList, AssignCopiesTextsObjectsAndSettings)
{
    TObject marker;
    TStringList source;
    source.SetDelimiter(u'|');
    source.AddObject("b", &marker);
    source.Add("a");
    source.Add("B");

    TStringList copy;
    copy.Add("old");
    copy.Assign(source);
    EXPECT_EQ(items(copy), QStringList({"b", "a", "B"}));
    EXPECT_EQ(copy.Objects(0), &marker);
    EXPECT_EQ(copy.Delimiter(), u'|');

    TStringList sorted;
    sorted.SetSorted(true);
    sorted.Assign(source);
    EXPECT_EQ(items(sorted), QStringList({"a", "b"}));

    copy.AddStrings(copy);
    EXPECT_EQ(copy.Count(), 6);
}

QString path(const char* name)
{
    return QDir(testsupport::TestFolder()).filePath(name);
}

TEST(TStringList, LoadFromFileHonoursByteOrderMarks)
{
    const struct {
        const char* name;
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"utf8", QByteArray("\xEF\xBB\xBF" "a\r\n\xC3\xBC\xE2\x82\xAC"), {"a", QString::fromUtf8("\u00FC\u20AC")}},
        {"utf16le", QByteArray("\xFF\xFE" "a\0\r\0\n\0\xAC\x20", 10), {"a", QString::fromUtf8("\u20AC")}},
        {"utf16be", QByteArray("\xFE\xFF\0a\0\n\x20\xAC", 8), {"a", QString::fromUtf8("\u20AC")}},
        {"utf16odd", QByteArray("\xFF\xFE" "a\0b", 5), {"a"}},
        {"ansi", QByteArray("caf\xE9\r\n\x80\x81"), {QString::fromUtf8("caf\u00E9"), QString::fromUtf8("\u20AC\u0081")}},
        {"utf8nobom", QByteArray("\xC3\xA9"), {QString::fromUtf8("\u00C3\u00A9")}},
        {"bomonly", QByteArray("\xEF\xBB\xBF"), {}},
        // Only the first mark is the file's; a second one is the text's own character.
        {"utf8twomarks", QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx"), {QChar(0xFEFF) + QString("x")}},
        {"utf16twomarks", QByteArray("\xFF\xFE\xFF\xFEx\0", 6), {QChar(0xFEFF) + QString("x")}},
        {"empty", QByteArray(), {}},
    };
    for (const auto& c : cases) {
        TStringList list;
        list.Add("previous");
        list.LoadFromFile(testsupport::WriteTestFile(c.name, c.bytes));
        EXPECT_EQ(items(list), c.lines) << c.name;
    }
}

TEST(TStringList, SaveToFileInEachEncoding)
{
    TStringList list;
    list.Add(QString::fromUtf8("\u00E9\u20AC"));
    list.Add(QString::fromUtf8("\u0100"));
    const struct {
        TEncoding encoding;
        QByteArray bytes;
    } cases[] = {
        {TEncoding::ANSI, QByteArray("\xE9\x80\r\n?\r\n")},
        {TEncoding::UTF8, QByteArray("\xEF\xBB\xBF\xC3\xA9\xE2\x82\xAC\r\n\xC4\x80\r\n")},
        {TEncoding::UTF8NoBOM, QByteArray("\xC3\xA9\xE2\x82\xAC\r\n\xC4\x80\r\n")},
        {TEncoding::Unicode, QByteArray("\xFF\xFE\xE9\0\xAC\x20\r\0\n\0\x00\x01\r\0\n\0", 16)},
    };
    for (const auto& c : cases) {
        list.SaveToFile(path("out.txt"), c.encoding);
        QFile file(path("out.txt"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), c.bytes) << int(c.encoding);
    }
    // A UTF-8 file reads back exactly.
    list.SaveToFile(path("back.txt"), TEncoding::UTF8);
    TStringList back;
    back.LoadFromFile(path("back.txt"));
    EXPECT_EQ(items(back), items(list));
}

TEST(TStringList, FileErrorsRaiseAndLeaveTheListAlone)
{
    TStringList list;
    list.Add("kept");
    const QString missingFolder = path("missing/out.txt");
    try {
        list.SaveToFile(missingFolder);
        ADD_FAILURE() << "no exception";
    } catch (const EFCreateError& e) {
        EXPECT_TRUE(e.Message().contains(missingFolder)) << e.what();
    }
    EXPECT_FALSE(QFile::exists(missingFolder));
    EXPECT_THROW(list.LoadFromFile(path("nothing.txt")), EFOpenError);
    EXPECT_THROW(list.LoadFromFile(testsupport::TestFolder()), EFOpenError);
    EXPECT_EQ(items(list), QStringList({"kept"}));
}

} // namespace

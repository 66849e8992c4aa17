#include "platform/core/FormatSettings.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

TEST(FormatSettings, FollowsTheLocaleInTheRuntimeNotation)
{
    const struct {
        QLocale::Language language;
        QLocale::Territory territory;
        QChar decimal;
        QChar thousand;
        QChar dateSeparator;
        const char* shortDate;
    } cases[] = {
        {QLocale::German, QLocale::Germany, u',', u'.', u'.', "dd/mm/yy"},
        {QLocale::English, QLocale::UnitedStates, u'.', u',', u'/', "m/d/yy"},
        {QLocale::English, QLocale::UnitedKingdom, u'.', u',', u'/', "dd/mm/yyyy"},
        {QLocale::Swedish, QLocale::Sweden, u',', QChar(0xA0), u'-', "yyyy/mm/dd"},
        // direction marks around the separators are not separators
        {QLocale::Arabic, QLocale::Egypt, QChar(0x066B), QChar(0x066C), u'/', "d/m/yyyy"},
    };
    for (const auto& c : cases) {
        const QLocale locale(c.language, c.territory);
        const TFormatSettings s = platform::FormatSettingsFromLocale(locale);
        const std::string name = locale.name().toStdString();
        EXPECT_EQ(s.DecimalSeparator, c.decimal) << name;
        EXPECT_EQ(s.ThousandSeparator, c.thousand) << name;
        EXPECT_EQ(s.DateSeparator, c.dateSeparator) << name;
        EXPECT_EQ(s.ShortDateFormat.toStdString(), c.shortDate) << name;
        EXPECT_EQ(s.TimeSeparator, u':') << name;
        EXPECT_TRUE(s.LongTimeFormat.contains("nn")) << s.LongTimeFormat.toStdString();
        EXPECT_FALSE(s.LongTimeFormat.contains(u't')) << s.LongTimeFormat.toStdString();
    }
}

TEST(FormatSettings, OverrideWinsUntilCleared)
{
    const TFormatSettings user = FormatSettings();
    EXPECT_EQ(user.DecimalSeparator, platform::FormatSettingsFromLocale(QLocale::system()).DecimalSeparator);

    TFormatSettings forced = user;
    forced.DecimalSeparator = user.DecimalSeparator == u',' ? u'.' : u',';
    forced.ShortDateFormat = "yyyy/mm/dd";
    {
        const platform::ScopedFormatSettings scoped(forced);
        EXPECT_EQ(FormatSettings().DecimalSeparator, forced.DecimalSeparator);
        EXPECT_EQ(FormatSettings().ShortDateFormat, "yyyy/mm/dd");
        EXPECT_EQ(platform::NumberDecimalSeparator(), forced.DecimalSeparator);
    }
    EXPECT_EQ(FormatSettings().DecimalSeparator, user.DecimalSeparator);
}

TEST(FormatSettings, ASnapshotHoldsTheSettingsAndGivesAnEarlierOverrideBack)
{
    const TFormatSettings user = FormatSettings();
    {
        const platform::FormatSettingsSnapshot snapshot;
        EXPECT_EQ(FormatSettings().DateSeparator, user.DateSeparator);
    }
    TFormatSettings forced = user;
    forced.DateSeparator = user.DateSeparator == u'.' ? u'-' : u'.';
    const platform::ScopedFormatSettings scoped(forced);
    {
        const platform::FormatSettingsSnapshot snapshot;
        EXPECT_EQ(FormatSettings().DateSeparator, forced.DateSeparator);
    }
    EXPECT_EQ(FormatSettings().DateSeparator, forced.DateSeparator) << "the override outlived the snapshot";
}

} // namespace

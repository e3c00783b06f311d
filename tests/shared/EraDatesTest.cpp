#include "app/SharedRoutines.h"
#include "support/TestHome.h"

#include <gtest/gtest.h>

#include <optional>

using app::TYMD;

// Readable dates in failure messages.
void PrintTo(const QDate& d, std::ostream* os) { *os << d.toString(Qt::ISODate).toStdString(); }

namespace {

class SharedEraDates : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto& s = home.dm().state;
        s.EraTable = {data::EraEntry{QStringLiteral("昭和"), 1926}, data::EraEntry{QStringLiteral("平成"), 1989},
                      data::EraEntry{QStringLiteral("令和"), 2019}};
    }
    void setEraDisplay(bool on) { home.dm().state.EraDisplay = on ? 1 : 0; }

    TestHome home{false};
};

std::string s(const QString& q) { return q.toStdString(); }

} // namespace

TEST_F(SharedEraDates, DateToEraSplitsTheDate)
{
    struct Case {
        const char* date;
        bool eraDisplay;
        bool ok;
        const char* era;
        const char* year;
        const char* month;
        const char* day;
        QDate value;
    };
    const QDate today(2020, 6, 15);
    const Case cases[] = {
        {"20200615", true, true, "令和", "02", "06", "15", QDate(2020, 6, 15)},
        {"20190430", true, true, "平成", "31", "04", "30", QDate(2019, 4, 30)},   // last day of 平成
        {"20190501", true, true, "令和", "01", "05", "01", QDate(2019, 5, 1)},    // first day of 令和
        {"19890107", true, true, "昭和", "64", "01", "07", QDate(1989, 1, 7)},
        {"19890108", true, true, "平成", "01", "01", "08", QDate(1989, 1, 8)},
        {"20190501", false, true, "", "19", "05", "01", QDate(2019, 5, 1)},   // two-digit Western year
        {"20200231", true, false, "", "20", "02", "31", today},             // 31 February
        {"18000101", true, false, "", "00", "01", "01", QDate(1800, 1, 1)}, // a date before every era
        {"2020061", true, true, "", "0", "0", "0", today},                  // not eight characters
        {"", false, true, "", "0", "0", "0", today},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.date) + (c.eraDisplay ? " era" : " western"));
        setEraDisplay(c.eraDisplay);
        TYMD d;
        d.date = QString::fromUtf8(c.date);
        EXPECT_EQ(app::DateToEra(d), c.ok);
        EXPECT_EQ(s(d.era), c.era);
        EXPECT_EQ(s(d.year), c.year);
        EXPECT_EQ(s(d.month), c.month);
        EXPECT_EQ(s(d.day), c.day);
        EXPECT_EQ(d.value, c.value);
    }
}

TEST_F(SharedEraDates, EraToDateBuildsTheDate)
{
    struct Case {
        bool eraDisplay;
        const char* era;
        const char* year;
        const char* month;
        const char* day;
        bool ok;
        std::optional<const char*> date;   // nothing: not looked at
    };
    const Case cases[] = {
        {false, "", "45", "08", "15", true, "19450815"},
        {false, "", "05", "04", "01", true, "20050401"},
        {false, "", "30", "01", "01", true, "20300101"},   // up to 30: this century
        {false, "", "31", "01", "01", true, "19310101"},   // above 30: the last one
        {true, "平成", "31", "04", "30", true, "20190430"},
        {true, "令和", "01", "05", "01", true, "20190501"},
        {true, "昭和", "64", "01", "07", true, "19890107"},
        {true, "平成", "01", "01", "08", true, "19890108"},
        {true, "大化", "01", "01", "01", false, std::nullopt},   // unknown era name
        {true, "令和", "02", "02", "31", false, "20200615"},     // 31 February gives today
        {false, "", "ab", "01", "01", false, "20200615"},
        {true, "令和", "02", "", "", true, "0"},                 // no month and day: no date
        {false, "", "02", "0", "0", true, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.era) + c.year + "/" + c.month + "/" + c.day + (c.eraDisplay ? " era" : " western"));
        setEraDisplay(c.eraDisplay);
        TYMD d;
        d.era = QString::fromUtf8(c.era);
        d.year = QString::fromUtf8(c.year);
        d.month = QString::fromUtf8(c.month);
        d.day = QString::fromUtf8(c.day);
        EXPECT_EQ(app::EraToDate(d), c.ok);
        if (c.date) {
            EXPECT_EQ(s(d.date), *c.date);
        }
    }
}

TEST_F(SharedEraDates, EraToDateReversesDateToEra)
{
    setEraDisplay(true);
    for (const char* date : {"19261225", "19890107", "19890108", "20190430", "20190501", "20201231"}) {
        SCOPED_TRACE(date);
        TYMD d;
        d.date = QString::fromUtf8(date);
        ASSERT_TRUE(app::DateToEra(d));
        d.date.clear();
        EXPECT_TRUE(app::EraToDate(d));
        EXPECT_EQ(s(d.date), date);
    }
}

TEST_F(SharedEraDates, YearAndDateLabels)
{
    setEraDisplay(false);
    EXPECT_EQ(s(app::YearLabel(1, 2020)), "令和 02");   // the era form is asked for explicitly
    EXPECT_EQ(s(app::YearLabel(1, 2019)), "平成 31");   // 1 January decides
    EXPECT_EQ(s(app::YearLabel(0, 2020)), "2020");
    EXPECT_EQ(s(app::YearLabel(1, 1800)), "1800");      // no era: the year itself

    EXPECT_EQ(s(app::DateLabel(0)), "");
    EXPECT_EQ(s(app::DateLabel(20200615)), "20年06月15日");
    setEraDisplay(true);
    EXPECT_EQ(s(app::DateLabel(19890108)), "平成01年01月08日");
    EXPECT_EQ(s(app::DateLabel(20190501)), "令和01年05月01日");
}

TEST_F(SharedEraDates, AgeCountsToTodayOrTheReferenceDate)
{
    auto& st = home.dm().state;
    st.AgeByToday = 0;
    st.AgeReferenceDate = 20090401;
    EXPECT_EQ(app::AgeFromDate(19800401), 29);
    EXPECT_EQ(app::AgeFromDate(19800402), 28);
    EXPECT_EQ(app::AgeFromDate(0), 0);

    st.AgeByToday = 1;
    st.TodayDate = QDate(2000, 1, 1);   // stale: counting to today refreshes it
    EXPECT_EQ(app::AgeFromDate(19800615), 40);
    EXPECT_EQ(app::AgeFromDate(19800616), 39);
    EXPECT_EQ(st.TodayDate, QDate(2020, 6, 15));
    EXPECT_EQ(st.TodayYear, 2020);
}

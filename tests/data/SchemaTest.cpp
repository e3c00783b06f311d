// The data store: schema, engine, table access layer and conversions.

#include "data/Common.h"
#include "data/DbAccess.h"
#include "data/Schema.h"
#include "support/TestHome.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <map>

using namespace data;

namespace {

std::string s(const QString& q) { return q.toStdString(); }

// Column names of every table in physical order, as the tables are documented (written out here
// independently of the descriptions the program builds its schema from).
const std::map<std::string, std::string> kExpectedColumns = {
        {"MSEIGYO", "CO NA FSEIHIN INSTDATE ENDDATE PATH REKI1 SNEN1 STSUKI1 SHI1 REKI2 SNEN2 STSUKI2 SHI2 REKI3 SNEN3 STSUKI3 SHI3 FREKI"},
        {"MKIGYOU1", "KCO NENDO KNA PATH SDATE FNK KDATE REKI SYOTEIHH SYOTEIDD SYOTEIMM SAITEI"},
        {"MMMARK", "KCO NENDO MKCO MARK HANREI MKCOLOR MKSIZE KCOLOR KSYURUI KHABA"},
        {"MMGRAPH", "KCO NENDO GSCO CCOLOR CSYURUI CHABA"},
        {"MDEL", "MDCO MDNA DEDOKORO TCHIIKI JSU CJITEN GYOUSYU KIBO BIKOU"},
        {"MDCHINGIN", "MDCO MCCO NENREI KNENSU KKIN SKIN SYOUYO NENSYU SENSYU KKNENSU"},
        {"MKIGYOU2", "KCO NENDO KNA CYOUSAHI BEARITSU TAIKEI KKNA1 KKNA2 KKNA3 TNA1 TNA2 TNA3 TNA4 TNA5 MCCO MDCO TK01 TK02 TK03 TK04 TK05 TK06 TK07 TK08 TK09 FRSTKYU SKCO SYOUKYUHI FRSTKYUM FRENCM"},
        {"MSYAIN1", "KCO HSCO SCO NENDO SCOT SNA SEIHI NYUHI YAKU SKCO TCO NENREI KINZOKU NENSU SIKAKUGO JISEKI TRITSU NENKYU SYOKUKYU KIHONKYU SYOTEIKYU SRITSU SYOUYO NENSYU MCO MNA MLINK BANDID YHYOUKA MZONE NEWBANDID NEWYHYOUKA NEWMZONE NEWDAY1"},
        {"MSYAIN2", "KCO SCO NENDO SEIBETSU TOUKYU GOUHOU SM1 SM2 GAKU SENKOU KSIKAKU KEIKEN THI ZONEX TENSU HCO UPK UPT KKYU1 KKYU2 KKYU3 TEATE1 TEATE2 TEATE3 TEATE4 TEATE5 NKKYU1 NKKYU2 NKKYU3 NTEATE1 NTEATE2 NTEATE3 NTEATE4 NTEATE5 NSRITSU SYOUYO2 NNENSYU NTOUKYU SGOUHOU NGOUHOU FSKCHK HCO1 HNA1 HCO2 HNA2 HCO3 HNA3 SYOTEI NSYOTEI SPATH FITNO FITNAME FITKIN FITJITSU SAVENO SAVEKIN UPKIN1 UPKIN2 UPKIN3"},
        {"MMARK", "KCO NENDO MKCO MARK HANREI MKCOLOR MKSIZE KCOLOR KSYURUI KHABA"},
        {"MGRAPH", "KCO NENDO GSCO CCOLOR CSYURUI CHABA"},
        {"MCHART", "CHCO KCO NENDO KNO FCHK TOUKYU TITLE FX FY MARKR X1 X2 Y1 Y2 FKINJI CGRAPH SJYUN1 SJYUN2 SJYUN3 SJYUN4 TOUKYU1 KAISETSU MIBUN SKCO XNAME YNAME XUNIT YUNIT XPITCH YPITCH SEX"},
        {"DCHART", "SCO SNA LABELN MARKL F1 F2 F3 F4 F5 X Y NO MKCO GTOP GLEFT"},
        {"DCHINGIN", "KCO NENDO SDCO X Y NO SNENREI SKIN PITCH SRITSU KAKUSA"},
        {"DCHINGIN2", "KCO NENDO SKCO GOUHOU KIN1 KS1 KIN2 KS2 KIN3 KS3 KIN4 KS4 KIN5 KS5 KIN6 KS6 KIN7 KS7 KIN8 KS8 KIN9 KS9"},
        {"MCHINGIN", "KCO NENDO CGCO TKSU GOUSU KSENTAKUF UKAKIF MARUMEF TITLE SKCO K2CO K3CO GOUHOU1 GOUHOU2"},
        {"DKSEN2", "KCO NENDO K2CO TKNO SGOUSU SKIN C1GOUSU C1KIN EGOUSU EKIN KRITSU"},
        {"DKSEN3", "KCO NENDO K3CO TKNO SGOUSU SKIN C1GOUSU C1KIN C2GOUSU C2KIN EGOUSU EKIN KRITSU"},
        {"DSCALE", "KCO NENDO SKCO TKNO TKNA RITSU1 KKIN RITSU2 SPKIN RNKIN"},
        {"DSPDRAW", "KCO NENDO SDCO X Y FCHKS FREN SNENREI1 SKIN1 SNENREI2 SKIN2 SNENREI3 SKIN3 SNENREI4 SKIN4 SNENREI5 SKIN5 SNENREI6 SKIN6 KAISETSU HANREI SETSUMEI SCOLOR SSYURUI SHABA"},
        {"MHYOUKA", "KCO NENDO SKCO HCO HKIGOU SGOUSU"},
        {"YHYOUKA", "KCO NENDO HCO HKIGOU"},
        {"SALARYNAME", "KCO NENDO SALARYID SALARYNAME TEIGI KIHON1 KIHON2 KIHON3 TEATE1 TEATE2 TEATE3 TEATE4 TEATE5"},
        {"MSEIKEI", "KCO NENDO SKCO SNIN SNENREI SEIKEIHI YURITSU STRITSU TNRITSU KKRITSU DEDOKORO TCHIIKI CJITEN NSUCHI"},
        {"BANDM", "KCO NENDO BANDID BANDNAME BANDTEIGI MATRIXID TITLE MARUME 基準賃金 下限率 上限率 スプレッド レンジ 下限額1 上限額1 下限額2 上限額2 下限額3 上限額3 下限額4 上限額4 下限額5 上限額5"},
        {"MATRIXID", "KCO NENDO MATRIXID NAME TEIGI ZONESU"},
        {"MATRIXCELL", "KCO NENDO MATRIXID YHYOUKA UP1 UP2 UP3 UP4 UP5"},
};

QStringList actualColumns(Connection& c, const QString& table)
{
    Query q(c);
    q.setSql(QStringLiteral("PRAGMA table_info(\"") + table + QStringLiteral("\")"));
    QStringList out;
    if (!q.open())
        return out;
    for (; !q.eof(); q.next())
        out << q.value(QStringLiteral("name")).toString();
    return out;
}

template <class R>
QString fieldText(const R& r, const ColumnDef<R>& c)
{
    return std::visit(
        [&](auto m) -> QString {
            using T = std::decay_t<decltype(r.*m)>;
            if constexpr (std::is_same_v<T, QString>)
                return r.*m;
            else if constexpr (std::is_same_v<T, qint64>)
                return QString::number(r.*m);
            else
                return realText(r.*m);
        },
        c.field);
}

// Inserts one row by position with plain SQL (no column list, as the program's inserts are
// written) and reads it back through the access layer: each record field must hold the value
// that was put at its column's position.
template <class R>
void checkPositionalInsert(Connection& c, const TableDef<R>& t)
{
    SCOPED_TRACE(s(t.name));
    QStringList values;
    std::vector<QString> expect;
    int pos = 0;
    for (const auto& col : t.columns) {
        if (col.group != 0)
            continue;
        ++pos;
        if (col.type == ColType::Text) {
            values << QStringLiteral("'v%1'").arg(pos);
            expect.push_back(QStringLiteral("v%1").arg(pos));
        } else {
            values << QString::number(pos);
            expect.push_back(QString::number(pos));
        }
    }
    ASSERT_TRUE(c.executeRaw(QStringLiteral("DELETE FROM \"") + t.name + QStringLiteral("\"")));
    ASSERT_TRUE(c.executeRaw(QStringLiteral("INSERT INTO \"") + t.name + QStringLiteral("\" VALUES(")
                             + values.join(QLatin1Char(',')) + QStringLiteral(")")))
        << s(DbErrorText(c));
    Query q(c);
    RecSet<R> set;
    ASSERT_TRUE(Selects(c, q, false, QStringLiteral("SELECT * FROM \"") + t.name + QStringLiteral("\""), QString(), set));
    ASSERT_EQ(set.rows, 1);
    int i = 0;
    for (size_t k = 0; k < t.columns.size(); ++k) {
        const auto& col = t.columns[k];
        if (col.group != 0)
            continue;
        QString want = expect[i++];
        if (col.rule == ReadRule::ZeroIfEmpty && want.isEmpty())
            want = QStringLiteral("0");
        EXPECT_EQ(s(fieldText(set.items[0], col)), s(want)) << "column " << col.name;
    }
}

} // namespace

TEST(Schema, EveryTableHasItsColumnsInOrder)
{
    TestHome home;
    ASSERT_TRUE(home.openYear(2020));
    for (auto kind : {DatabaseKind::Control, DatabaseKind::FiscalYear}) {
        Connection& c = kind == DatabaseKind::Control ? home.dm().ACN1 : home.dm().ACN2;
        for (const QString& table : tableNames(kind)) {
            SCOPED_TRACE(s(table));
            auto it = kExpectedColumns.find(s(table));
            ASSERT_NE(it, kExpectedColumns.end());
            EXPECT_EQ(s(actualColumns(c, table).join(QLatin1Char(' '))), it->second);
        }
    }
    EXPECT_EQ(tableNames(DatabaseKind::Control).size() + tableNames(DatabaseKind::FiscalYear).size(),
              kExpectedColumns.size());
}

TEST(Schema, TemplateHoldsTablesAndViewsButNoRows)
{
    TestHome home;
    Connection c;
    c.setDatabase(home.dm().templatePath());
    ASSERT_TRUE(c.open());
    for (const QString& t : tableNames(DatabaseKind::FiscalYear)) {
        Query q(c);
        q.setSql(QStringLiteral("SELECT count(*) FROM ") + t);
        ASSERT_TRUE(q.open()) << s(t);
        EXPECT_EQ(q.intValue(0), 0) << s(t);
    }
    for (const char* view : {"VSYAIN", "VBANDM", "VBANDM2", "VMATRIXCELL"}) {
        Query q(c);
        q.setSql(QStringLiteral("SELECT * FROM ") + QString::fromUtf8(view));
        EXPECT_TRUE(q.open()) << view << " " << s(DbErrorText(c));
    }
}

TEST(Schema, ViewsReturnTheirColumnsUnderTheirNames)
{
    TestHome home;
    ASSERT_TRUE(home.openYear(2020));
    struct Case { const char* view; const char* mustHave; };
    const Case cases[] = {
        {"VSYAIN", "KCO SCO NENDO SNA SEIHI TOUKYU HCO UPKIN3 HKIGOU MATRIXID KIN NKIN HYOUKA SGOUSU BANDNAME"},
        {"VBANDM", "KCO NENDO BANDID BANDNAME MATRIXID TITLE MARUME 基準賃金 上限額5 NAME ZONESU MATRIXNAME BANDTEIGI YHYOUKA UP1 UP5"},
        {"VBANDM2", "KCO NENDO BANDID BANDNAME MATRIXID 下限額1 NAME ZONESU MATRIXNAME BANDTEIGI"},
        {"VMATRIXCELL", "KCO NENDO MATRIXID YHYOUKA UP1 UP5 TEIGI NAME YHYOUKANAME ZONESU BANDID BANDNAME"},
    };
    for (const auto& c : cases) {
        const QStringList cols = actualColumns(home.dm().ACN2, QString::fromUtf8(c.view));
        for (const QString& want : QString::fromUtf8(c.mustHave).split(QLatin1Char(' ')))
            EXPECT_TRUE(cols.contains(want)) << c.view << " lacks " << s(want);
    }
}

TEST(AccessLayer, PositionalInsertsLandInTheRecordFields)
{
    TestHome home;
    ASSERT_TRUE(home.openYear(2020));
    Connection& ctl = home.dm().ACN1;
    Connection& year = home.dm().ACN2;
    checkPositionalInsert(ctl, TSeigyo_::table());
    checkPositionalInsert(ctl, TKigyo1_::table());
    checkPositionalInsert(ctl, TMark_::defaultsTable());
    checkPositionalInsert(ctl, TGraph_::defaultsTable());
    checkPositionalInsert(ctl, TMODEL_::table());
    checkPositionalInsert(ctl, TMDCHNGIN_::table());
    checkPositionalInsert(year, TKigyo2_::table());
    checkPositionalInsert(year, TMark_::table());
    checkPositionalInsert(year, TGraph_::table());
    checkPositionalInsert(year, TChart_::table());
    checkPositionalInsert(year, TDChart_::table());
    checkPositionalInsert(year, TCHNGIN_::table());
    checkPositionalInsert(year, TCHNGIN2_::table());
    checkPositionalInsert(year, TMCHNGIN_::table());
    checkPositionalInsert(year, T2JI_::table());
    checkPositionalInsert(year, T3JI_::table());
    checkPositionalInsert(year, TSCALE_::table());
    checkPositionalInsert(year, TSPDRAW_::table());
    checkPositionalInsert(year, TMHYOUKA_::table());
    checkPositionalInsert(year, TYHYOUKA_::table());
    checkPositionalInsert(year, TSALARY_::table());
    checkPositionalInsert(year, TSEIKEI_::table());
    checkPositionalInsert(year, TBAND_::table());
    checkPositionalInsert(year, TMATID_::table());
    checkPositionalInsert(year, TMATCELL_::table());
    EXPECT_TRUE(home.dialogs.log.empty()) << s(home.dialogs.texts().join(QLatin1Char('\n')));
}

// The installation data of a new program folder: control database, sample companies, photos, and
// the rules that a prepared folder is never written again.

#include "data/Common.h"
#include "data/DbAccess.h"
#include "data/InstallData.h"
#include "data/Schema.h"
#include "platform/ColorNames.h"
#include "support/TestHome.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

using namespace data;

namespace {

std::string s(const QString& q) { return q.toStdString(); }

const int kYears[] = {2019, 2020};
const int kCompanies[] = {1, 2};

QString where(int year, int kco)
{
    return QStringLiteral(" WHERE NENDO = %1   AND KCO   = %2").arg(year).arg(kco);
}

// Every file under dir by relative path, with the SHA-256 of its bytes.
std::map<QString, QByteArray> digests(const QString& dir)
{
    std::map<QString, QByteArray> out;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << s(path);
        out[QDir(dir).relativeFilePath(path)] = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
    return out;
}

bool prepare(const QString& dir)
{
    QString error;
    const bool ok = prepareProgramFolder(dir, &error);
    EXPECT_TRUE(ok) << s(error);
    return ok;
}

// A prepared program folder with the control database open on ACN1.
class InstallDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(prepare(home.path()));
        home.dm().OpenDatabase(home.dm().ACN1, home.dm().controlDatabasePath());
        ASSERT_TRUE(home.dm().ACN1.isOpen());
    }

    QString path(const QString& relative) const { return home.path() + relative; }

    // Opens the database of a sample year on ACN2 and makes ages count to the company's reference date.
    void openYear(int year, int kco)
    {
        home.dm().OpenDatabase(home.dm().ACN2, home.dm().yearDatabasePath(year));
        ASSERT_TRUE(home.dm().ACN2.isOpen());
        TKigyo1_ k;
        ASSERT_TRUE(Select(home.dm().ACN1, home.dm().Query1, false, QStringLiteral("SELECT * FROM MKIGYOU1"),
                           where(year, kco), k));
        ASSERT_TRUE(k.ok);
        home.dm().state.AgeByToday = 0;
        home.dm().state.AgeReferenceDate = k.KDATE.toInt();
    }

    TSyain_rec employees(int year, int kco)
    {
        TSyain_rec set;
        EXPECT_TRUE(Selects(home.dm().ACN2, home.dm().Query21, false, QStringLiteral("SELECT * FROM VSYAIN"),
                            where(year, kco) + QStringLiteral(" ORDER BY SCO"), set));
        return set;
    }

    TestHome home{false};
};

TEST_F(InstallDataTest, PreparesEveryDatabaseWithoutAnyMessage)
{
    for (const char* file : {"DATA/SEIGYO.MDB", "DATA/DATA.MDB", "DATA/2019/DATA.MDB", "DATA/2020/DATA.MDB"}) {
        SCOPED_TRACE(file);
        DbError e;
        EXPECT_TRUE(checkIntegrity(path(QString::fromUtf8(file)), &e)) << s(e.description);
    }
    // The template stays empty: a new year starts from it.
    Connection t;
    t.setDatabase(path(QStringLiteral("DATA/DATA.MDB")));
    ASSERT_TRUE(t.open());
    Query q(t);
    for (const QString& table : tableNames(DatabaseKind::FiscalYear)) {
        q.setSql(QStringLiteral("SELECT COUNT(*) FROM ") + table);
        ASSERT_TRUE(q.open());
        EXPECT_EQ(q.intValue(0), 0) << s(table);
        q.close();
    }
    // No temporary file is left over.
    for (const auto& [name, digest] : digests(home.path()))
        EXPECT_FALSE(name.endsWith(QStringLiteral(".new")) || name.endsWith(QStringLiteral(".tmp"))) << s(name);
    EXPECT_TRUE(home.dialogs.log.empty()) << s(home.dialogs.texts().join(QLatin1Char('\n')));
}

TEST_F(InstallDataTest, ControlDatabaseHoldsErasMarksAndPens)
{
    TSeigyo_ row;
    ASSERT_TRUE(Select(home.dm().ACN1, home.dm().Query1, false, QStringLiteral("SELECT * FROM MSEIGYO"),
                       QStringLiteral(" WHERE CO = 0"), row));
    ASSERT_TRUE(row.ok);
    const struct {
        QString name, year, month, day;
    } eras[] = {
        {row.REKI1, row.SNEN1, row.STSUKI1, row.SHI1},
        {row.REKI2, row.SNEN2, row.STSUKI2, row.SHI2},
        {row.REKI3, row.SNEN3, row.STSUKI3, row.SHI3},
    };
    const struct {
        const char* name;
        int year, month, day;
    } expected[] = {{"昭和", 1926, 12, 25}, {"平成", 1989, 1, 8}, {"令和", 2019, 5, 1}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(eras[i].name, QString::fromUtf8(expected[i].name));
        EXPECT_EQ(eras[i].year.toInt(), expected[i].year);
        EXPECT_EQ(eras[i].month.toInt(), expected[i].month);
        EXPECT_EQ(eras[i].day.toInt(), expected[i].day);
    }

    TMark_rec marks;
    ASSERT_TRUE(Selects(home.dm().ACN1, home.dm().Query1, false, QStringLiteral("SELECT * FROM MMMARK"),
                        QStringLiteral(" WHERE NENDO = 9999 AND KCO = 0 ORDER BY MKCO"), marks));
    ASSERT_EQ(marks.rows, 9);
    QSet<QString> symbols, legends;
    QSet<quint32> colors;
    for (int i = 0; i < 9; ++i) {
        const TMark_& m = marks.items[size_t(i)];
        SCOPED_TRACE(s(m.MARK));
        EXPECT_EQ(m.MKCO.toInt(), i + 1);
        symbols << m.MARK;
        legends << m.HANREI;
        bool ok = false;
        colors << platform::colorValue(platform::colorFromText(m.MKCOLOR, &ok));
        EXPECT_TRUE(ok);
        platform::colorFromText(m.KCOLOR, &ok);
        EXPECT_TRUE(ok);
        EXPECT_GE(m.MKSIZE.toInt(), 8);
        EXPECT_LE(m.MKSIZE.toInt(), 18);
        EXPECT_GE(m.KSYURUI.toInt(), 0);
        EXPECT_LE(m.KSYURUI.toInt(), 5);
        EXPECT_GE(m.KHABA.toInt(), 1);
        EXPECT_LE(m.KHABA.toInt(), 5);
    }
    EXPECT_EQ(symbols.size(), 9);
    EXPECT_EQ(legends.size(), 9);
    EXPECT_EQ(colors.size(), 9);

    TGraph_rec pens;
    ASSERT_TRUE(Selects(home.dm().ACN1, home.dm().Query1, false, QStringLiteral("SELECT * FROM MMGRAPH"),
                        QStringLiteral(" WHERE NENDO = 9999 AND KCO = 0 ORDER BY GSCO"), pens));
    ASSERT_EQ(pens.rows, 4);
    for (int i = 0; i < 4; ++i) {
        const TGraph_& g = pens.items[size_t(i)];
        EXPECT_EQ(g.GSCO.toInt(), i + 1);
        bool ok = false;
        platform::colorFromText(g.CCOLOR, &ok);
        EXPECT_TRUE(ok) << s(g.CCOLOR);
        EXPECT_GE(g.CHABA.toInt(), 1);
    }
}

// Model wages are in thousand yen: a slip to yen or to ten-thousands shows at once in the magnitudes.
TEST_F(InstallDataTest, ModelWagesAreConsistentCurvesInThousandYen)
{
    TMODEL_rec models;
    ASSERT_TRUE(Selects(home.dm().ACN1, home.dm().Query1, false, QStringLiteral("SELECT * FROM MDEL ORDER BY MDCO"),
                        QString(), models));
    ASSERT_EQ(models.rows, 2);
    for (const TMODEL_& m : models.items) {
        SCOPED_TRACE(s(m.MDNA));
        EXPECT_FALSE(m.MDNA.isEmpty());
        EXPECT_FALSE(m.DEDOKORO.isEmpty());
        TMDCHNGIN_rec points;
        ASSERT_TRUE(Selects(home.dm().ACN1, home.dm().Query1, false, QStringLiteral("SELECT * FROM MDCHINGIN"),
                            QStringLiteral(" WHERE MDCO = ") + m.MDCO + QStringLiteral(" ORDER BY MCCO"), points));
        ASSERT_GE(points.rows, 8);
        const int entryAge = points.items.front().NENREI.toInt();
        EXPECT_TRUE(entryAge == 18 || entryAge == 22);
        EXPECT_EQ(points.items.back().NENREI.toInt(), 60);
        int previousAge = 0, peak = 0;
        for (const TMDCHNGIN_& p : points.items) {
            SCOPED_TRACE(s(p.NENREI));
            const int age = p.NENREI.toInt();
            EXPECT_GT(age, previousAge);
            previousAge = age;
            EXPECT_EQ(p.KNENSU.toInt(), age - entryAge);
            EXPECT_EQ(p.KKNENSU.toInt(), age - entryAge);
            EXPECT_GE(p.SKIN.toInt(), p.KKIN.toInt());
            EXPECT_EQ(p.NENSYU.toInt(), 12 * p.SKIN.toInt() + p.SYOUYO.toInt());
            EXPECT_EQ(p.SENSYU.toInt(), 0);
            peak = std::max(peak, p.KKIN.toInt());
        }
        EXPECT_GE(points.items.front().KKIN.toInt(), 150);
        EXPECT_LE(points.items.front().KKIN.toInt(), 230);
        EXPECT_GE(peak, 330);
        EXPECT_LE(peak, 500);
    }
}

// Each sample company counts as set up (basic settings saved, a work form, an evaluation) and every
// code it holds points at something that exists.
TEST_F(InstallDataTest, SampleCompaniesAreSetUpCompletely)
{
    for (int year : kYears) {
        for (int kco : kCompanies) {
            SCOPED_TRACE(year * 10 + kco);
            openYear(year, kco);
            Connection& c = home.dm().ACN2;
            Query& q = home.dm().Query21;
            const QString w = where(year, kco);

            TKigyo1_ k1;
            ASSERT_TRUE(Select(home.dm().ACN1, home.dm().Query1, false, QStringLiteral("select * from MKIGYOU1"), w, k1));
            ASSERT_TRUE(k1.ok);
            EXPECT_NE(k1.FNK, QStringLiteral("9"));
            EXPECT_EQ(k1.KDATE.toInt(), year * 10000 + 401);
            EXPECT_GT(k1.SYOTEIMM.toDouble(), 0);
            TSALARY_rec forms;
            ASSERT_TRUE(Selects(c, q, false, QStringLiteral("select * from SalaryName"), w, forms));
            EXPECT_GE(forms.rows, 2);
            EXPECT_LE(forms.rows, 4);
            TMHYOUKA_rec evaluations;
            ASSERT_TRUE(Selects(c, q, false, QStringLiteral("select * from MHYOUKA"), w, evaluations));
            EXPECT_EQ(evaluations.rows, 10);   // S..D, without and with the wage table

            TKigyo2_ k2;
            ASSERT_TRUE(Select(c, q, false, QStringLiteral("SELECT * FROM MKIGYOU2"), w, k2));
            ASSERT_TRUE(k2.ok);
            EXPECT_EQ(k2.KNA, k1.KNA);
            for (const QString* grade : {&k2.TK01, &k2.TK05, &k2.TK09})
                EXPECT_FALSE(grade->isEmpty());
            TMODEL_ model;
            ASSERT_TRUE(Select(home.dm().ACN1, home.dm().Query1, false, QStringLiteral("SELECT * FROM MDEL"),
                               QStringLiteral(" WHERE MDCO = ") + k2.MDCO, model));
            EXPECT_TRUE(model.ok) << s(k2.MDCO);
            TSEIKEI_rec living;
            ASSERT_TRUE(Selects(c, q, false, QStringLiteral("SELECT * FROM MSEIKEI"),
                                QStringLiteral(" WHERE SKCO = ") + k2.SKCO + QStringLiteral(" ORDER BY SKCO,SNIN,SNENREI"),
                                living));
            EXPECT_GE(living.rows, 1);
            EXPECT_LE(living.rows, 6);

            TMark_rec marks;
            ASSERT_TRUE(Selects(c, q, false, QStringLiteral("SELECT * FROM MMARK"), w + QStringLiteral(" order by MKCO"), marks));
            TMark_rec defaults;
            ASSERT_TRUE(Selects(home.dm().ACN1, home.dm().Query1, false, QStringLiteral("SELECT * FROM MMMARK ORDER BY MKCO"),
                                QString(), defaults));
            ASSERT_EQ(marks.rows, 9);
            for (int i = 0; i < 9; ++i) {
                EXPECT_EQ(marks.items[size_t(i)].MARK, defaults.items[size_t(i)].MARK);
                EXPECT_EQ(marks.items[size_t(i)].HANREI, defaults.items[size_t(i)].HANREI);
            }
            TGraph_rec pens;
            ASSERT_TRUE(Selects(c, q, false, QStringLiteral("SELECT * FROM MGRAPH"), w, pens));
            EXPECT_EQ(pens.rows, 4);

            // The wage table grows with the step within a grade and with the grade at a step.
            TCHNGIN2_rec steps;
            ASSERT_TRUE(Selects(c, q, false, QStringLiteral("SELECT * FROM DCHINGIN2"), w + QStringLiteral(" ORDER BY GOUHOU"), steps));
            ASSERT_GE(steps.rows, 40);
            for (size_t i = 0; i < steps.items.size(); ++i) {
                const TCHNGIN2_& r = steps.items[i];
                const int kin[9] = {r.KIN1.toInt(), r.KIN2.toInt(), r.KIN3.toInt(), r.KIN4.toInt(), r.KIN5.toInt(),
                                    r.KIN6.toInt(), r.KIN7.toInt(), r.KIN8.toInt(), r.KIN9.toInt()};
                EXPECT_EQ(r.GOUHOU.toInt(), int(i) + 1);
                for (int g = 1; g < 9; ++g)
                    EXPECT_GT(kin[g], kin[g - 1]) << "step " << i + 1;
                if (i > 0) {
                    EXPECT_GT(kin[0], steps.items[i - 1].KIN1.toInt());
                }
            }
            TSCALE_rec scales;
            ASSERT_TRUE(Selects(c, q, false, QStringLiteral("SELECT * FROM DSCALE"), w, scales));
            EXPECT_EQ(scales.rows, 9);
        }
    }
}

// The employees read through the view as the screens read them, with amounts that agree with each
// other and with the wage table.
TEST_F(InstallDataTest, EmployeesAreConsistentAndRealistic)
{
    for (int year : kYears) {
        for (int kco : kCompanies) {
            SCOPED_TRACE(year * 10 + kco);
            openYear(year, kco);
            const int reference = year * 10000 + 401;
            TSALARY_rec forms;
            ASSERT_TRUE(Selects(home.dm().ACN2, home.dm().Query21, false, QStringLiteral("select * from SalaryName"),
                                where(year, kco), forms));
            QSet<qint64> formIds;
            for (const TSALARY_& f : forms.items)
                formIds << f.SALARYID.toLongLong();

            const TSyain_rec set = employees(year, kco);
            ASSERT_GE(set.rows, 80);
            ASSERT_LE(set.rows, 150);
            double youngGrades = 0, oldGrades = 0;
            int young = 0, old = 0;
            QSet<QString> numbers;
            for (const TSyain_& e : set.items) {
                SCOPED_TRACE(s(e.SCO + QLatin1Char(' ') + e.SNA));
                EXPECT_FALSE(e.SNA.isEmpty());
                numbers << e.SCOT;
                EXPECT_GE(e.NENREI, 18);
                EXPECT_LE(e.NENREI, 65);
                EXPECT_EQ(e.NENREI, yearsBetween(int(e.SEIHI), reference));
                EXPECT_GE(yearsBetween(int(e.SEIHI), int(e.NYUHI)), 18);
                EXPECT_LE(e.NYUHI, reference);
                EXPECT_EQ(e.TCO, e.TOUKYU);
                EXPECT_GE(e.TOUKYU, 0);
                EXPECT_LE(e.TOUKYU, 9);
                EXPECT_GE(e.MCO, 1);
                EXPECT_LE(e.MCO, 9);
                EXPECT_TRUE(formIds.contains(e.SM1)) << e.SM1;
                EXPECT_TRUE(e.SEIBETSU == 0 || e.SEIBETSU == 1);

                EXPECT_EQ(e.SYOTEI, e.ScheduledPay);
                EXPECT_EQ(e.NSYOTEI, e.ScheduledPayAfter);
                EXPECT_EQ(e.NENSYU, e.AnnualIncome);
                EXPECT_EQ(e.NNENSYU, e.ScheduledPayAfter * 12 + e.SYOUYO + e.SYOUYO2);
                EXPECT_EQ(e.UPK, e.BaseTotalAfter - e.BaseTotal);
                EXPECT_EQ(e.UPT, (e.ScheduledPayAfter - e.BaseTotalAfter) - (e.ScheduledPay - e.BaseTotal));
                EXPECT_GE(e.BaseTotal, 60000);
                EXPECT_LT(e.BaseTotal, 700000);
                if (e.HCO != 0) {
                    EXPECT_FALSE(e.HKIGOU.isEmpty()) << "evaluation " << e.HCO << " of wage table " << e.SKCO;
                    const double raise = 100.0 * double(e.UPK) / double(e.BaseTotal);
                    EXPECT_GE(raise, 1.0);
                    EXPECT_LE(raise, 3.0);
                } else {
                    EXPECT_EQ(e.UPK, 0);
                }
                if (e.JISEKI != 0) {
                    // The register shows the wage-table amounts in place of item II.
                    EXPECT_EQ(e.JISEKI, 2);
                    EXPECT_EQ(e.SKCO, 1);
                    EXPECT_EQ(e.KIN, e.KKYU2);
                    EXPECT_EQ(e.NKIN, e.NKKYU2);
                }
                if (e.TOUKYU >= 1 && e.NENREI < 30) {
                    youngGrades += double(e.TOUKYU);
                    ++young;
                }
                if (e.TOUKYU >= 1 && e.NENREI >= 45) {
                    oldGrades += double(e.TOUKYU);
                    ++old;
                }
            }
            EXPECT_EQ(numbers.size(), set.rows);
            ASSERT_GT(young, 0);
            ASSERT_GT(old, 0);
            EXPECT_GT(oldGrades / old, youngGrades / young + 2);
        }
    }
}

// 2020 is 2019 one year on, as the annual update would have made it.
TEST_F(InstallDataTest, YearTwoThousandTwentyContinuesTwoThousandNineteen)
{
    for (int kco : kCompanies) {
        SCOPED_TRACE(kco);
        openYear(2019, kco);
        std::map<QString, TSyain_> before;
        for (const TSyain_& e : employees(2019, kco).items)
            before[e.SCO] = e;
        openYear(2020, kco);
        const TSyain_rec after = employees(2020, kco);
        int stayed = 0, joined = 0;
        for (const TSyain_& e : after.items) {
            SCOPED_TRACE(s(e.SCO + QLatin1Char(' ') + e.SNA));
            const auto it = before.find(e.SCO);
            if (it == before.end()) {
                ++joined;
                EXPECT_GT(e.NYUHI, 20190401);
                continue;
            }
            ++stayed;
            const TSyain_& b = it->second;
            EXPECT_EQ(e.SNA, b.SNA);
            EXPECT_EQ(e.SEIHI, b.SEIHI);
            EXPECT_EQ(e.NYUHI, b.NYUHI);
            EXPECT_EQ(e.NENREI, b.NENREI + 1);
            EXPECT_EQ(e.KINZOKU, b.KINZOKU + 1);
            EXPECT_EQ(e.TOUKYU, b.NTOUKYU);
            EXPECT_EQ(e.GOUHOU, b.NGOUHOU);
            const qint64 pay[] = {e.KKYU1, e.KKYU2, e.KKYU3, e.TEATE1, e.TEATE2, e.TEATE3, e.TEATE4, e.TEATE5};
            const qint64 raised[] = {b.NKKYU1, b.NKKYU2, b.NKKYU3, b.NTEATE1, b.NTEATE2, b.NTEATE3, b.NTEATE4, b.NTEATE5};
            for (int i = 0; i < 8; ++i)
                EXPECT_EQ(pay[i], raised[i]) << "item " << i;
            EXPECT_EQ(e.HCO1, b.HCO);
            EXPECT_EQ(e.HNA1, b.HKIGOU);
            EXPECT_EQ(e.HCO2, b.HCO1);
            EXPECT_EQ(e.HNA2, b.HNA1);
            EXPECT_EQ(e.HCO3, b.HCO2);
            EXPECT_EQ(e.UPKIN1, b.ScheduledPayAfter - b.ScheduledPay);
            EXPECT_EQ(e.UPKIN2, b.UPKIN1);
            EXPECT_EQ(e.UPKIN3, b.UPKIN2);
            EXPECT_EQ(e.SPATH, b.SPATH);
        }
        EXPECT_GE(joined, 1);
        EXPECT_LT(stayed, int(before.size()));   // someone left
        EXPECT_GE(stayed * 10, after.rows * 9);
    }
}

TEST_F(InstallDataTest, PhotosExistForExactlyTheEmployeesThatNameOne)
{
    QSet<QString> named;
    for (int year : kYears) {
        for (int kco : kCompanies) {
            openYear(year, kco);
            int withPhoto = 0;
            for (const TSyain_& e : employees(year, kco).items) {
                if (e.SPATH.isEmpty())
                    continue;
                ++withPhoto;
                named << e.SPATH;
                const QImage photo(path(QStringLiteral("Picture/") + e.SPATH));
                EXPECT_FALSE(photo.isNull()) << s(e.SPATH);
                EXPECT_EQ(photo.size(), QSize(120, 160)) << s(e.SPATH);
            }
            EXPECT_GE(withPhoto, 1) << year << " " << kco;
        }
    }
    const QStringList files = QDir(path(QStringLiteral("Picture"))).entryList(QDir::Files);
    EXPECT_EQ(QSet<QString>(files.begin(), files.end()), named);
}

TEST_F(InstallDataTest, PreparingAgainChangesNoByteAndAnotherFolderGetsTheSameBytes)
{
    home.dm().ACN1.close();
    const auto first = digests(home.path());
    ASSERT_EQ(first.size(), 4u + 10u);   // four databases, ten photos

    ASSERT_TRUE(prepare(home.path()));
    EXPECT_EQ(digests(home.path()), first);

    QTemporaryDir other;
    ASSERT_TRUE(prepare(other.path()));
    EXPECT_EQ(digests(other.path()), first);
}

TEST(InstallData, ExistingControlDatabaseGetsOnlyTheTemplate)
{
    TestHome home;   // an empty control database and template
    home.dm().ACN1.close();
    ASSERT_TRUE(QFile::remove(home.dm().templatePath()));
    const auto before = digests(home.path());

    ASSERT_TRUE(prepare(home.path()));

    auto after = digests(home.path());
    EXPECT_EQ(after.erase(QStringLiteral("DATA/DATA.MDB")), 1u);
    EXPECT_EQ(after, before);
    DbError e;
    EXPECT_TRUE(checkIntegrity(home.dm().templatePath(), &e)) << s(e.description);
}

// A year database or a photo that is already there is kept as it is; the companies of a year whose
// database was there are not registered.
TEST(InstallData, ExistingYearDatabaseAndPhotoAreKept)
{
    QTemporaryDir reference;
    ASSERT_TRUE(prepare(reference.path()));
    const QString photo = QDir(reference.path() + QStringLiteral("/Picture")).entryList(QDir::Files).value(0);
    ASSERT_FALSE(photo.isEmpty());

    TestHome home(false);
    QString err;
    ASSERT_TRUE(QDir().mkpath(home.path() + QStringLiteral("DATA/2020")));
    ASSERT_TRUE(createDatabaseFile(home.dm().yearDatabasePath(2020), DatabaseKind::FiscalYear, &err)) << s(err);
    ASSERT_TRUE(QDir().mkpath(home.path() + QStringLiteral("Picture")));
    QFile own(home.path() + QStringLiteral("Picture/") + photo);
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("the user's own picture");
    own.close();
    const auto before = digests(home.path());

    ASSERT_TRUE(prepare(home.path()));

    const auto after = digests(home.path());
    EXPECT_EQ(after.at(QStringLiteral("DATA/2020/DATA.MDB")), before.at(QStringLiteral("DATA/2020/DATA.MDB")));
    EXPECT_EQ(after.at(QStringLiteral("Picture/") + photo), before.at(QStringLiteral("Picture/") + photo));
    EXPECT_EQ(after.count(QStringLiteral("DATA/2019/DATA.MDB")), 1u);

    home.dm().OpenDatabase(home.dm().ACN1, home.dm().controlDatabasePath());
    TKigyo1_rec companies;
    ASSERT_TRUE(Selects(home.dm().ACN1, home.dm().Query1, false, QStringLiteral("SELECT * FROM MKIGYOU1 ORDER BY NENDO, KCO"),
                        QString(), companies));
    ASSERT_EQ(companies.rows, 2);
    for (const TKigyo1_& k : companies.items)
        EXPECT_EQ(k.NENDO, QStringLiteral("2019"));
}

// A failure part-way leaves no database behind, so the next start installs everything again.
TEST(InstallData, FailureLeavesNoPartialInstallation)
{
    TestHome home(false);
    QFile blocker(home.path() + QStringLiteral("DATA/2020"));   // a file where the year folder belongs
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QString error;
    EXPECT_FALSE(prepareProgramFolder(home.path(), &error));
    EXPECT_FALSE(error.isEmpty());
    auto left = digests(home.path());
    EXPECT_EQ(left.erase(QStringLiteral("DATA/2020")), 1u);
    for (const auto& [name, digest] : left)
        ADD_FAILURE() << "left behind: " << s(name);

    ASSERT_TRUE(QFile::remove(home.path() + QStringLiteral("DATA/2020")));
    ASSERT_TRUE(prepare(home.path()));
    EXPECT_EQ(digests(home.path()).size(), 4u + 10u);
}

} // namespace

#include "raise/AnnualUpdate.h"

#include "data/Common.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <limits>
#include <optional>

namespace salary {

namespace {

using data::Connection;
using data::Query;

// Schema names on the update's connection: the control database is "main".
const QString kControl = QStringLiteral("main.");
const QString kFrom = QStringLiteral("Y0.");
const QString kTo = QStringLiteral("Y1.");

// Employees are read in slices by code, so that a company of any size needs little memory.
constexpr int kSlice = 2000;

QString num(qint64 n) { return QString::number(n); }

// The name under which a new year's database is filled before the commit.
QString pendingPath(const QString& path) { return path + QStringLiteral(".new"); }

void removeDatabaseFile(const QString& path)
{
    QFile::remove(path + QStringLiteral("-journal"));
    QFile::remove(path);
}

// Copies the company's rows of one table from year Y to Y + 1, with the new year.
template <class R>
bool copyTable(Connection& c, Query& q, const QString& where, const QString& nextYear)
{
    const data::TableDef<R>& table = R::table();
    data::RecSet<R> rows;
    if (!data::Selects(c, q, false, QStringLiteral("SELECT * FROM ") + kFrom + table.name, where, rows))
        return false;
    const data::TableDef<R> target = table.renamed(kTo + table.name);
    for (R& r : rows.items) {
        r.NENDO = nextYear;
        if (!data::Insert(c, q, false, r, target))
            return false;
    }
    return true;
}

// The cost-of-living table of Y + 1 becomes that of year Y's database, all companies, rows unchanged.
bool replaceCostOfLiving(Connection& c, Query& q)
{
    const data::TableDef<data::TSEIKEI_> target = data::TSEIKEI_::table().renamed(kTo + QStringLiteral("MSEIKEI"));
    data::TSEIKEI_ none;
    if (!data::Delete(c, q, false, QStringLiteral(" "), none, target))
        return false;
    data::TSEIKEI_rec rows;
    if (!data::Selects(c, q, false, QStringLiteral("SELECT * FROM ") + kFrom + QStringLiteral("MSEIKEI"), QStringLiteral(" "),
                       rows))
        return false;
    for (data::TSEIKEI_& r : rows.items)
        if (!data::Insert(c, q, false, r, target))
            return false;
    return true;
}

// The company's registry row of Y + 1: that of year Y with the new year and today as its date.
bool registerNextYear(Connection& c, Query& q, const QString& where, const QString& nextYear, int today)
{
    const data::TableDef<data::TKigyo1_> table = data::TKigyo1_::table().renamed(kControl + QStringLiteral("MKIGYOU1"));
    data::TKigyo1_rec rows;
    if (!data::Selects(c, q, false, QStringLiteral("SELECT * FROM ") + table.name, where, rows))
        return false;
    for (data::TKigyo1_& r : rows.items) {
        r.NENDO = nextYear;
        r.SDATE = num(today);
        if (!data::Insert(c, q, false, r, table))
            return false;
    }
    return true;
}

// Every employee of the company: written back to year Y as read (the reader has recomputed age and
// length of service at the reference date, so year Y keeps those values), then carried into Y + 1.
// Both writes take the record of one read: the write-back leaves it as it was read, so reading the
// employees a second time would give the same values.
bool carryEmployees(Connection& c, Query& q, int year, int kco, qint64& count)
{
    // One statement each, so that every one is prepared once for all employees.
    Query back1Query(c), back2Query(c), next1Query(c), next2Query(c);
    const data::TableDef<data::TSyain_> back1 = data::TSyain_::msyain1().renamed(kFrom + QStringLiteral("MSYAIN1"));
    const data::TableDef<data::TSyain_> back2 = data::TSyain_::msyain2().renamed(kFrom + QStringLiteral("MSYAIN2"));
    const data::TableDef<data::TSyain_> next1 = data::TSyain_::msyain1().renamed(kTo + QStringLiteral("MSYAIN1"));
    const data::TableDef<data::TSyain_> next2 = data::TSyain_::msyain2().renamed(kTo + QStringLiteral("MSYAIN2"));
    const QString select = QStringLiteral("SELECT * FROM ") + kFrom + QStringLiteral("VSYAIN ");
    const QString where = QStringLiteral(" WHERE NENDO = ") + num(year) + QStringLiteral("   AND KCO   = ") + num(kco);
    qint64 after = std::numeric_limits<qint64>::min();
    for (;;) {
        data::TSyain_rec slice;
        const QString from = after == std::numeric_limits<qint64>::min()
            ? QString()
            : QStringLiteral(" AND SCO > ") + num(after);
        if (!data::Selects(c, q, false, select,
                           where + from + QStringLiteral(" ORDER BY SCO LIMIT ") + num(kSlice), slice))
            return false;
        for (data::TSyain_& e : slice.items) {
            const auto code = data::parseIntText(e.SCO);
            if (!code) {
                // The slices advance by code; a code that is no number cannot be placed among them.
                data::ShowDbError(QStringLiteral("社員コード '") + e.SCO + QStringLiteral("' が数値ではありません。"));
                return false;
            }
            after = *code;
            // The key columns of the record select the row it came from.
            if (!data::Update(c, back1Query, false, QString(), e, back1)
                || !data::Update(c, back2Query, false, QString(), e, back2))
                return false;
            carryEmployee(e, year + 1);
            if (!data::Insert(c, next1Query, false, e, next1) || !data::Insert(c, next2Query, false, e, next2))
                return false;
            ++count;
        }
        if (slice.rows < kSlice)
            return true;
    }
}

// Whether "SELECT * FROM table" + where finds a row; false also after a read error (shown).
template <class R>
bool found(Connection& c, const QString& table, const QString& where)
{
    Query q(c);
    R row;
    return data::Select(c, q, false, QStringLiteral("SELECT * FROM ") + table, where, row) && row.ok;
}

void warn(const QString& text) { platform::dialogs().message(platform::MessageKind::Warning, text, platform::appTitle()); }

// Copies the template to the pending name of a new year's database (and its folder when missing).
// On failure the message is shown and nothing is left behind.
bool makePendingDatabase(const QString& templ, const QString& path, bool& madeFolder)
{
    const QString folder = QFileInfo(path).absolutePath();
    madeFolder = false;
    if (!QFileInfo::exists(folder)) {
        if (!QDir().mkdir(folder)) {
            warn(QStringLiteral("データベースの作成が出来ません。"));
            return false;
        }
        madeFolder = true;
    }
    const QString pending = pendingPath(path);
    removeDatabaseFile(pending);
    if (!QFile::copy(templ, pending)) {
        warn(QStringLiteral("データベースの作成が出来ません。"));
        if (madeFolder)
            QDir().rmdir(folder);
        return false;
    }
    QFile::setPermissions(pending, QFile::permissions(pending) | QFileDevice::WriteOwner);
    return true;
}

} // namespace

bool isRolloverYear(qint64 year) { return year >= 1000 && year <= 9998; }

QString rolloverMessage(RolloverOutcome outcome)
{
    switch (outcome) {
    case RolloverOutcome::Done: return QStringLiteral("年次更新が終了しました。");
    case RolloverOutcome::InvalidYear: return QStringLiteral("入力範囲外です。");
    case RolloverOutcome::AlreadyExists:
        return QStringLiteral("既にデータが存在します。企業データ　を削除してから、再度年次更新を行ってください。");
    case RolloverOutcome::NoCompanyData:
        return QStringLiteral("指定した年度の企業データが存在しません。年度と企業名を確認してください。");
    case RolloverOutcome::Failed: break;
    }
    return QString();
}

void carryEmployee(data::TSyain_& e, int nextYear)
{
    // The amounts of year Y as the reader derived them, taken before anything changes.
    const qint64 raise = e.ScheduledPayAfter - e.ScheduledPay;
    e.NENDO = num(nextYear);
    e.NENSYU = e.NNENSYU;
    // An employee whose raise was never saved has no new grade: grade and step stay as they are.
    if (e.NTOUKYU != 0) {
        e.TCO = e.NTOUKYU;
        e.GOUHOU = e.NGOUHOU;
    }
    e.UPK = 0;
    e.UPT = 0;
    e.KKYU1 = e.NKKYU1;
    e.KKYU2 = e.NKKYU2;
    e.KKYU3 = e.NKKYU3;
    e.TEATE1 = e.NTEATE1;
    e.TEATE2 = e.NTEATE2;
    e.TEATE3 = e.NTEATE3;
    e.TEATE4 = e.NTEATE4;
    e.TEATE5 = e.NTEATE5;
    e.SRITSU = 0.0;
    e.NNENSYU = 0;
    e.SGOUHOU = 0;
    e.FSKCHK = 0;
    e.HCO3 = e.HCO2;
    e.HNA3 = e.HNA2;
    e.HCO2 = e.HCO1;
    e.HNA2 = e.HNA1;
    e.HCO1 = e.HCO;
    e.HNA1 = e.HKIGOU;
    e.SYOTEIKYU = e.NSYOTEI;
    e.NSYOTEI = 0;
    e.UPKIN3 = e.UPKIN2;
    e.UPKIN2 = e.UPKIN1;
    e.UPKIN1 = raise;
}

void settleInterruptedYear(const QString& path)
{
    const QString pending = pendingPath(path);
    if (QFileInfo::exists(path) || !QFileInfo::exists(pending))
        return;
    bool committed = false;
    {
        // Opening reads the file, which rolls back what an unfinished transaction left in it.
        Connection c;
        c.setDatabase(pending);
        if (c.open())
            committed = found<data::TKigyo2_>(c, QStringLiteral("MKIGYOU2"), QStringLiteral(" "));
    }
    if (committed)
        QFile::rename(pending, path);
    else
        removeDatabaseFile(pending);
}

RolloverResult AnnualUpdate(data::TFDM& dm, int year, int kco, const RolloverProgress& progress)
{
    RolloverResult result;
    if (!isRolloverYear(year)) {
        result.outcome = RolloverOutcome::InvalidYear;
        return result;
    }
    const int nextYear = year + 1;
    const QString fromPath = dm.yearDatabasePath(year);
    const QString toPath = dm.yearDatabasePath(nextYear);
    settleInterruptedYear(toPath);

    Connection c;
    c.setDatabase(dm.controlDatabasePath());
    if (!c.open()) {
        data::ShowDbError(data::DbErrorText(c));
        return result;
    }
    const QString controlWhere = QStringLiteral(" WHERE NENDO = ") + num(nextYear) + QStringLiteral("   AND KCO   = ") + num(kco);
    if (found<data::TKigyo1_>(c, QStringLiteral("MKIGYOU1"), controlWhere)) {
        result.outcome = RolloverOutcome::AlreadyExists;
        return result;
    }
    // Attaching a missing file would create it: year Y must be there already.
    if (!QFileInfo::exists(fromPath)) {
        result.outcome = RolloverOutcome::NoCompanyData;
        return result;
    }

    const bool creating = !QFileInfo::exists(toPath);
    bool madeFolder = false;
    if (creating && !makePendingDatabase(dm.templatePath(), toPath, madeFolder))
        return result;
    const QString targetPath = creating ? pendingPath(toPath) : toPath;

    bool committed = false;
    {
        // Year Y and year Y + 1 join the control database's connection: one commit for all three.
        data::AttachedDatabase y0(c, fromPath, QStringLiteral("Y0"));
        data::AttachedDatabase y1(c, targetPath, QStringLiteral("Y1"));
        Query q(c);
        std::optional<data::Transaction> tx;
        if (!y0.attached() || !y1.attached() || !tx.emplace(c).started()) {
            data::ShowDbError(data::DbErrorText(c));
        } else {
            const QString y = num(year);
            const QString k = num(kco);
            const QString next = num(nextYear);
            // The two spellings of the condition of year Y.
            const QString w1 = QStringLiteral(" WHERE NENDO = ") + y + QStringLiteral("   AND KCO   = ") + k;
            const QString w2 = QStringLiteral(" WHERE NENDO = ") + y + QStringLiteral("     AND KCO = ") + k;
            if (!found<data::TKigyo1_>(c, kControl + QStringLiteral("MKIGYOU1"), w1)
                || !found<data::TKigyo2_>(c, kFrom + QStringLiteral("MKIGYOU2"), w2)) {
                result.outcome = RolloverOutcome::NoCompanyData;
            } else {
                dm.state.refreshToday();
                const std::function<bool()> steps[StepCount] = {
                    [&] { return registerNextYear(c, q, w1, next, dm.state.todayYmd()); },
                    [&] { return copyTable<data::TKigyo2_>(c, q, w2, next); },
                    [&] { return copyTable<data::TGraph_>(c, q, w2, next); },
                    [&] { return copyTable<data::TMHYOUKA_>(c, q, w1, next); },
                    [&] { return copyTable<data::TMark_>(c, q, w2, next); },
                    [&] { return replaceCostOfLiving(c, q); },
                    [&] { return copyTable<data::TChart_>(c, q, w1, next); },
                    [&] { return copyTable<data::TSPDRAW_>(c, q, w1, next); },
                    [&] { return copyTable<data::TMCHNGIN_>(c, q, w2, next); },
                    [&] { return copyTable<data::TSCALE_>(c, q, w1, next); },
                    [&] { return copyTable<data::T2JI_>(c, q, w1, next); },
                    [&] { return copyTable<data::T3JI_>(c, q, w2, next); },
                    [&] { return carryEmployees(c, q, year, kco, result.employees); },
                    [&] { return copyTable<data::TYHYOUKA_>(c, q, w1, next); },
                    [&] { return copyTable<data::TBAND_>(c, q, w1, next); },
                    [&] { return copyTable<data::TMATID_>(c, q, w1, next); },
                    [&] { return copyTable<data::TMATCELL_>(c, q, w1, next); },
                    [&] { return copyTable<data::TSALARY_>(c, q, w1, next); },
                    [&] { return copyTable<data::TCHNGIN2_>(c, q, w1, next); },
                };
                bool good = true;
                for (int i = 0; good && i < StepCount; ++i) {
                    good = steps[i]();
                    if (good && progress)
                        progress(i + 1);
                }
                // A failed step has shown its error; the transaction then rolls back on leaving.
                if (good) {
                    committed = tx->commit();
                    if (!committed)
                        data::ShowDbError(data::DbErrorText(c));
                }
            }
        }
    }
    c.close();

    if (creating) {
        if (committed && !QFile::rename(pendingPath(toPath), toPath)) {
            // Committed but not in place: the next update or opening of the year finishes the rename.
            warn(QStringLiteral("データベースの作成が出来ません。"));
            committed = false;
        } else if (!committed) {
            removeDatabaseFile(pendingPath(toPath));
            if (madeFolder)
                QDir().rmdir(QFileInfo(toPath).absolutePath());
        }
    }
    if (committed)
        result.outcome = RolloverOutcome::Done;
    else if (result.outcome != RolloverOutcome::NoCompanyData)
        result.outcome = RolloverOutcome::Failed;
    if (!committed)
        result.employees = 0;
    return result;
}

} // namespace salary

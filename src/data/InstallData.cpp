#include "data/InstallData.h"

#include "data/DbAccess.h"
#include "data/SampleCompanies.h"
#include "data/SamplePhoto.h"
#include "data/SampleSettings.h"
#include "data/Schema.h"
#include "platform/ProgramFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <map>

namespace data {

namespace {

// FNV-1a of the file name: the photo's look, the same on every machine.
quint32 photoSeed(const QString& name)
{
    quint32 h = 2166136261u;
    for (QChar ch : name) {
        h ^= ch.unicode();
        h *= 16777619u;
    }
    return h;
}

template <class R>
bool insertRows(Connection& c, std::vector<R> rows, QString* error, const TableDef<R>& t = R::table())
{
    Query q(c);
    for (R& r : rows) {
        if (!Insert(c, q, false, r, t)) {
            *error = r.message;
            return false;
        }
    }
    return true;
}

// Opens the new database file at path and fills it in one transaction.
bool fillDatabase(const QString& path, const std::function<bool(Connection&, QString*)>& fill, QString* error)
{
    Connection c;
    c.setDatabase(path);
    if (!c.open()) {
        *error = DbErrorText(c);
        return false;
    }
    Transaction tx(c);
    if (!tx.started()) {
        *error = DbErrorText(c);
        return false;
    }
    if (!fill(c, error))
        return false;
    if (!tx.commit()) {
        *error = DbErrorText(c);
        return false;
    }
    return true;
}

// The control database: installation settings, default marks and pens, model wages, and the
// registration of the sample companies whose fiscal-year databases are installed with it.
bool fillControl(Connection& c, const std::vector<TKigyo1_>& companies, QString* error)
{
    std::vector<TMODEL_> models;
    std::vector<TMDCHNGIN_> points;
    for (const sample::ModelWageSet& m : sample::modelWageSets()) {
        models.push_back(m.header);
        points.insert(points.end(), m.points.begin(), m.points.end());
    }
    return insertRows(c, std::vector{sample::installationSettings()}, error)
        && insertRows(c, sample::defaultMarks(), error, TMark_::defaultsTable())
        && insertRows(c, sample::defaultPens(), error, TGraph_::defaultsTable())
        && insertRows(c, models, error) && insertRows(c, points, error) && insertRows(c, companies, error);
}

bool fillYear(Connection& c, const sample::SampleYear& year, QString* error)
{
    for (const sample::CompanyYear& k : year.companies) {
        const bool good = insertRows(c, std::vector{k.settings}, error) && insertRows(c, k.marks, error)
            && insertRows(c, k.pens, error) && insertRows(c, k.workForms, error)
            && insertRows(c, k.evaluations, error) && insertRows(c, k.roleEvaluations, error)
            && insertRows(c, k.wageTables, error) && insertRows(c, k.wageTableSteps, error)
            && insertRows(c, k.stepScales, error) && insertRows(c, k.employees, error, TSyain_::msyain1())
            && insertRows(c, k.employees, error, TSyain_::msyain2());
        if (!good)
            return false;
    }
    return insertRows(c, year.costOfLiving, error);
}

// Files made under temporary names and moved into place together at the end, so that a failure
// leaves no half-written database or photo behind.
class PendingFiles {
public:
    ~PendingFiles()
    {
        for (const auto& f : files_)
            QFile::remove(f.first);
    }
    // A temporary name beside target, freed of any leftover from an interrupted run.
    QString temporaryFor(const QString& target)
    {
        const QString tmp = target + QStringLiteral(".new");
        QFile::remove(tmp);
        files_.emplace_back(tmp, target);
        return tmp;
    }
    // Moves every file into place in the order they were added; rename never replaces a file.
    bool commit(QString* error)
    {
        while (!files_.empty()) {
            const auto [tmp, target] = files_.front();
            if (!QFile::rename(tmp, target)) {
                *error = QStringLiteral("ファイルを作成できません。 ") + target;
                return false;
            }
            files_.erase(files_.begin());
        }
        return true;
    }

private:
    std::vector<std::pair<QString, QString>> files_;
};

// Installs the control database with the sample companies, their fiscal-year databases and their
// photos. A fiscal-year database that already exists is left alone and its sample companies are not
// registered; an existing photo is kept.
bool installSamples(const platform::ProgramFolders& folders, const QString& control, QString* error)
{
    PendingFiles pending;
    const std::vector<sample::SampleYear> years = sample::sampleYears();
    std::vector<TKigyo1_> registered;
    std::map<QString, bool> photos;   // file name -> female
    for (const sample::SampleYear& y : years) {
        const QString dir = folders.dataDir + QString::number(y.year) + QLatin1Char('/');
        const QString path = dir + QStringLiteral("DATA.MDB");
        if (QFileInfo::exists(path))
            continue;
        if (!QDir().mkpath(dir)) {
            *error = QStringLiteral("フォルダを作成できません。 ") + dir;
            return false;
        }
        const QString tmp = pending.temporaryFor(path);
        if (!createDatabaseFile(tmp, DatabaseKind::FiscalYear, error)
            || !fillDatabase(tmp, [&](Connection& c, QString* e) { return fillYear(c, y, e); }, error))
            return false;
        for (const sample::CompanyYear& k : y.companies) {
            registered.push_back(k.registry);
            for (const TSyain_& e : k.employees)
                if (!e.SPATH.isEmpty())
                    photos[e.SPATH] = e.SEIBETSU == 1;
        }
    }

    for (const auto& [name, female] : photos) {
        const QString path = folders.pictureDir + name;
        if (QFileInfo::exists(path))
            continue;
        const QString tmp = pending.temporaryFor(path);
        if (!sample::samplePortrait(photoSeed(name), female).save(tmp, "JPG", 90)) {
            *error = QStringLiteral("写真を作成できません。 ") + path;
            return false;
        }
    }

    // The control database goes last: once it exists the installation counts as done.
    const QString tmp = pending.temporaryFor(control);
    if (!createDatabaseFile(tmp, DatabaseKind::Control, error)
        || !fillDatabase(tmp, [&](Connection& c, QString* e) { return fillControl(c, registered, e); }, error))
        return false;
    return pending.commit(error);
}

} // namespace

bool prepareProgramFolder(const QString& programDir, QString* error)
{
    QString err;
    const auto folders = platform::ProgramFolders::forHome(programDir);
    auto fail = [&] {
        if (error)
            *error = err;
        return false;
    };
    if (!folders.ensureFolders(&err))
        return fail();
    const QString control = folders.dataDir + QStringLiteral("SEIGYO.MDB");
    if (!QFileInfo::exists(control) && !installSamples(folders, control, &err))
        return fail();
    const QString templ = folders.dataDir + QStringLiteral("DATA.MDB");
    if (!QFileInfo::exists(templ) && !createDatabaseFile(templ, DatabaseKind::FiscalYear, &err))
        return fail();
    return true;
}

} // namespace data

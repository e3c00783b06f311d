#pragma once
// A synthetic company of N employees for the benchmarks: a fresh program folder in a temporary
// directory with its control database, template and one fiscal-year database holding company 1 of
// 2020 with N employees (plausible ages, grades, pay), an evaluation table and a wage table.

#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <vector>

struct sqlite3;

namespace data {
class TFDM;
}

namespace bench {

class SyntheticCompany {
public:
    explicit SyntheticCompany(int employees, unsigned seed = 12345);
    QString programDir() const { return dir_.path() + QStringLiteral("/"); }
    QString yearDatabase() const { return programDir() + QStringLiteral("DATA/2020/DATA.MDB"); }
    QString controlDatabase() const { return programDir() + QStringLiteral("DATA/SEIGYO.MDB"); }
    int employees() const { return n_; }

private:
    QTemporaryDir dir_;
    int n_;
};

// The company of n employees, made once in a run and kept to its end; setUp, when given, runs on its
// year database once, right after the company is made.
SyntheticCompany& sharedCompany(int employees, const std::function<void(sqlite3*)>& setUp = {});

// Opens company 1 of 2020 in dm as a user who chose it in the company dialog: both databases open,
// ages counted at 2020-04-01.
void openCompany(data::TFDM& dm, const SyntheticCompany& co);

// The floor of a read: the rows of sql taken out as the program holds them (numbers as numbers,
// texts as QString), through the bare sqlite3 API. The number of rows read.
int readAllFloor(sqlite3* db, const QByteArray& sql);

// Ratio table printed after a benchmark run: for each pair (work, floor) measured in the same run,
// time(work) / time(floor).
void printRatios(const std::vector<std::pair<std::string, double>>& results);

} // namespace bench

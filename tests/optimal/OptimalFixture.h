#pragma once
// Helpers of the optimal wage tests: the small company of the plot tests (five employees, today
// 2020-06-15, ages to today), or the installation's sample company; options for a run; and plain
// reads of the database that do not go through the code under test.

#include "analysis/PlotFixture.h"
#include "analysis/ExactLeastSquares.h"
#include "data/InstallData.h"
#include "optimal/OptimalWage.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <vector>

// Failures show texts, not their bytes.
inline void PrintTo(const QString& text, std::ostream* os) { *os << text.toStdString(); }

namespace optimalfixture {

inline std::string s(const QString& q) { return q.toStdString(); }

// Every employee of the small company (every mark, grade, work form, sex), the target and the
// attributes given.
inline optimal::OptimalOptions options(int target, std::vector<int> attributes)
{
    optimal::OptimalOptions o;
    o.common = plotfixture::everyone();
    o.target = target;
    for (int a : attributes)
        o.attributes[size_t(a)] = true;
    return o;
}

// All values of the rows of a statement as text, row by row.
inline std::vector<QStringList> rows(data::Connection& c, const QString& sql)
{
    std::vector<QStringList> out;
    data::Query q(c);
    q.setSql(sql);
    if (!q.open())
        return out;
    for (; !q.eof(); q.next()) {
        QStringList r;
        for (int i = 0; i < q.columnCount(); ++i)
            r << q.textValue(i);
        out.push_back(r);
    }
    q.close();
    return out;
}

inline qint64 scalar(data::Connection& c, const QString& sql)
{
    data::Query q(c);
    q.setSql(sql);
    if (!q.open() || q.eof())
        return -1;
    const qint64 v = q.intValue(0);
    q.close();
    return v;
}

// Both employee tables in full, for "nothing changed" checks.
inline std::vector<QStringList> employeeTables(data::TFDM& dm)
{
    std::vector<QStringList> all = rows(dm.ACN2, QStringLiteral("SELECT * FROM MSYAIN1 ORDER BY KCO, NENDO, SCO"));
    const std::vector<QStringList> second = rows(dm.ACN2, QStringLiteral("SELECT * FROM MSYAIN2 ORDER BY KCO, NENDO, SCO"));
    all.insert(all.end(), second.begin(), second.end());
    return all;
}

// The installation's program folder, with sample company 1 of 2020 opened as the company dialog
// opens it (ages to today, 2020-06-15).
inline void openSampleCompany(TestHome& home)
{
    ASSERT_TRUE(home.openInstalledSample());
}

// Whole years from a yyyymmdd date to 2020-06-15, counted here without the program's routines.
inline std::int64_t yearsTo20200615(std::int64_t date)
{
    if (date == 0)
        return 0;
    const std::int64_t y = date / 10000, md = date % 10000;
    return 2020 - y - (615 < md ? 1 : 0);
}

// Nearest whole number, halves to even, of an exact prediction.
inline std::int64_t roundEven(long double v)
{
    const long double down = std::floor(v);
    const long double diff = v - down;
    std::int64_t r = std::int64_t(down);
    if (diff > 0.5L || (diff == 0.5L && (r % 2) != 0))
        ++r;
    return r;
}

} // namespace optimalfixture

#pragma once
// Helpers of the raise curve tests: a program folder with the fiscal year 2020 open for company 1
// (no employees needed for the designs), and designs written compactly.

#include "curves/RaiseDesign.h"
#include "data/DataModule.h"
#include "support/TestHome.h"

#include <QDir>
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace curvefixture {

// Company 1 of 2020 as the open company: its keys are all the designs and the wage table need.
inline void openCompany(TestHome& home)
{
    ASSERT_TRUE(home.openYear(2020));
    data::AppState& st = home.dm().state;
    st.CompanyOpen = 1;
    st.CurrentKco = 1;
    st.CurrentNendo = 2020;
    st.CurrentCompanyName = QStringLiteral("テスト工業");
    st.CurrentCompany.KCO = QStringLiteral("1");
    st.CurrentCompany.NENDO = QStringLiteral("2020");
}

// Design j (1..5) of grid with the points given (x, amount), in order from point 1.
inline void setDesign(curves::DesignGrid& grid, int j, std::initializer_list<std::pair<qint64, qint64>> points)
{
    curves::Design& d = grid[size_t(j - 1)];
    size_t k = 0;
    for (const auto& [x, amount] : points) {
        d.x[k] = x;
        d.amount[k] = amount;
        ++k;
    }
}

// The worked example: design 1 from (20, 200,000) to (25, 212,345).
inline curves::DesignGrid workedExample()
{
    curves::DesignGrid g;
    setDesign(g, 1, {{20, 200000}, {25, 212345}});
    return g;
}

} // namespace curvefixture

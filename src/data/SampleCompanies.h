#pragma once
// The sample companies of a new installation: サンプル製造株式会社 (KCO 1) and サンプル商事株式会社
// (KCO 2), registered in the fiscal years 2019 and 2020 and set up completely, so that every menu of
// the program has data to work on from the first start.
//
// The employees are invented by a fixed-seed generator that follows each person's career year by
// year (grade, pay step, base pay, allowances, evaluation, bonus), so that the 2020 data is the 2019
// data one year on: the same people one year older (a few have left, a few have joined), the 2019
// pay after the raise as the 2020 pay before the raise, the evaluation and raise history moved back
// by one year. The same build always produces the same rows.

#include "data/Records.h"

#include <vector>

namespace data::sample {

// Everything one sample company holds in one fiscal year.
struct CompanyYear {
    TKigyo1_ registry;                    // MKIGYOU1, control database
    TKigyo2_ settings;                    // MKIGYOU2
    std::vector<TMark_> marks;            // MMARK, the default marks
    std::vector<TGraph_> pens;            // MGRAPH, the default pens
    std::vector<TSALARY_> workForms;      // SALARYNAME
    std::vector<TMHYOUKA_> evaluations;   // MHYOUKA, for no wage table and for the wage table
    std::vector<TYHYOUKA_> roleEvaluations;
    std::vector<TMCHNGIN_> wageTables;    // MCHINGIN
    std::vector<TCHNGIN2_> wageTableSteps;   // DCHINGIN2
    std::vector<TSCALE_> stepScales;      // DSCALE
    std::vector<TSyain_> employees;       // MSYAIN1 + MSYAIN2, in SCO order
};

// One fiscal year of sample data: the companies and the cost-of-living table they share.
struct SampleYear {
    int year = 0;
    std::vector<CompanyYear> companies;
    std::vector<TSEIKEI_> costOfLiving;   // MSEIKEI
};

// The fiscal years 2019 and 2020, in this order.
std::vector<SampleYear> sampleYears();

// The file name under Picture/ of an employee's sample photo.
QString samplePhotoName(int kco, int sco);

} // namespace data::sample

#pragma once
// Installation content of the control database: the installation settings row with the era table,
// the default plot marks and chart pens that every new company copies, and the sample model wage
// sets. Plain rows, written by InstallData through the table access layer.

#include "data/Records.h"

#include <vector>

namespace data::sample {

// The nine default marks stand for departments (mark 1 = 営業部 ...); the sample companies file their
// employees under them.
inline constexpr int kDepartmentCount = 9;

// The MSEIGYO row (CO = 0) with the eras 昭和, 平成 and 令和.
TSeigyo_ installationSettings();

// MMMARK rows: NENDO 9999, KCO 0, MKCO 1..9.
std::vector<TMark_> defaultMarks();
// MMGRAPH rows: NENDO 9999, KCO 0, GSCO 1..4 (axis lines, ticks and numbers, grid, mean lines).
std::vector<TGraph_> defaultPens();

// One model wage set: its MDEL row and its MDCHINGIN points (amounts in thousand yen).
struct ModelWageSet {
    TMODEL_ header;
    std::vector<TMDCHNGIN_> points;
};
// MDCO 1 (university graduates, career track) and MDCO 2 (high-school graduates, general staff).
std::vector<ModelWageSet> modelWageSets();

} // namespace data::sample

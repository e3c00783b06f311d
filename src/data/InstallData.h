#pragma once
// The installation data: what a new program folder holds before the user does anything. The control
// database with its settings row, default marks and pens and sample model data; the empty template
// of a fiscal-year database; two sample companies in fiscal years 2019 and 2020, set up completely
// with their employees and photos. Everything is generated deterministically; existing files are
// never overwritten.

#include <QString>

namespace data {

// Creates what is missing of the program folder at programDir (with trailing "/"). True when the
// folder is complete afterwards; error text otherwise.
bool prepareProgramFolder(const QString& programDir, QString* error);

} // namespace data

#pragma once
// A temporary program folder for one test: an empty control database, the empty template, its own
// data module and a scripted dialogs service. Nothing is shared between tests.

#include "data/DataModule.h"
#include "platform/ScriptedDialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class TestHome {
public:
    // With withControl, DATA/SEIGYO.MDB and DATA/DATA.MDB are created (empty) and ACN1 is opened.
    explicit TestHome(bool withControl = true);
    ~TestHome();

    data::TFDM& dm() { return *fdm; }
    QString path() const { return tmp.path() + QStringLiteral("/"); }
    // Creates DATA/<year>/DATA.MDB from the template and opens it on ACN2.
    bool openYear(int year);
    // For a home made without control database: prepares the program folder as the installation
    // does (sample companies included) and opens sample company 1 of 2020 as the company dialog
    // opens it, with its marks loaded and ages counted to today (2020-06-15).
    ::testing::AssertionResult openInstalledSample();
    // Fails the current test when a question or dialog came that nobody scripted.
    void expectNoUnexpected();

    QTemporaryDir tmp;
    platform::ScriptedDialogs dialogs;
    std::unique_ptr<data::TFDM> fdm;
};

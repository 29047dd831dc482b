#pragma once

// What the benchmark programs share: dialogs that never wait, and a console
// reporter that keeps each benchmark's median for the closing ratio line.

#include "picture/dialogs.h"

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Answers every file dialog with one name and every question with Yes.
class FixedDialogs : public Dialogs
{
public:
    QString name;
    QString askOpenFileName(const QString &, const QString &, const QString &) override { return name; }
    QString askSaveFileName(const QString &, const QString &, const QString &) override { return name; }
    Answer message(const QString &, Buttons buttons, const QString &) override
    {
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

// Passes everything to the console and keeps the medians.
class MedianReporter : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> medians;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.aggregate_name == "median")
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

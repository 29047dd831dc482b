#pragma once

// What the benchmark programs share: dialogs that never wait, and a console
// reporter that keeps each benchmark's median for the closing ratio line.

#include "picture/dialogs.h"

#include <benchmark/benchmark.h>

#include <QtGlobal>

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

// Passes everything to the console and keeps the medians, by name, or by
// "name/argument" for a benchmark run with arguments.
class MedianReporter : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> medians;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.aggregate_name != "median")
                continue;
            std::string name = run.run_name.function_name;
            if (!run.run_name.args.empty())
                name += "/" + run.run_name.args;
            medians[name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

// Five repetitions in microseconds, reported as their aggregates.
inline void medianOfFive(benchmark::internal::Benchmark *bench)
{
    bench->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

// Qt without a screen, unless the caller chose a platform.
inline void preferOffscreen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Runs the benchmarks the command line selects; returns their medians.
inline std::map<std::string, double> runBenchmarks(int &argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.medians;
}

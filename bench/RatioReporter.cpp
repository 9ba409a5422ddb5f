#include "RatioReporter.h"

#include <QApplication>

#include <cstdio>

RatioReporter::RatioReporter(std::vector<Comparison> comparisons)
    : m_comparisons(std::move(comparisons))
{
}

void RatioReporter::ReportRuns(const std::vector<Run> &runs)
{
    for (const Run &run : runs)
        if (run.run_type == Run::RT_Iteration && run.iterations > 0)
            m_secondsPerIteration[run.benchmark_name()] =
                run.real_accumulated_time / double(run.iterations);
    ConsoleReporter::ReportRuns(runs);
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\n");
    for (const Comparison &c : m_comparisons) {
        const auto subject = m_secondsPerIteration.find(c.subject);
        const auto reference = m_secondsPerIteration.find(c.reference);
        if (subject == m_secondsPerIteration.end() || reference == m_secondsPerIteration.end())
            continue; // filtered out of this run
        const double ratio = subject->second / reference->second;
        const bool ok = ratio <= c.budget;
        m_withinBudget = m_withinBudget && ok;
        if (c.budget == NoBudget)
            std::printf("ratio %-34s / %-34s = %8.4f  (for information)\n", c.subject.c_str(),
                        c.reference.c_str(), ratio);
        else
            // Enough digits for a budget of a fraction of a percent (0.005 is not 0.01).
            std::printf("ratio %-34s / %-34s = %8.4f  (budget %g) %s\n", c.subject.c_str(),
                        c.reference.c_str(), ratio, c.budget, ok ? "ok" : "OVER BUDGET");
    }
}

int runWithRatios(int argc, char **argv, std::vector<RatioReporter::Comparison> comparisons)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter(std::move(comparisons));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.allWithinBudget() ? 0 : 1;
}

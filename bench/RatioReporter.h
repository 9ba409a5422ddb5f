#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Prints the usual console table, then for each (subject, reference, budget) the ratio of
// their mean times per iteration and whether it is within budget.
class RatioReporter : public benchmark::ConsoleReporter
{
  public:
    struct Comparison {
        std::string subject;
        std::string reference;
        double budget;
    };

    /// A comparison with this budget is reported for information and never fails.
    static constexpr double NoBudget = 1e300;

    explicit RatioReporter(std::vector<Comparison> comparisons);

    void ReportRuns(const std::vector<Run> &runs) override;
    void Finalize() override;
    // False when some ratio was over its budget or could not be measured.
    bool allWithinBudget() const { return m_withinBudget; }

  private:
    std::vector<Comparison> m_comparisons;
    std::map<std::string, double> m_secondsPerIteration;
    bool m_withinBudget = true;
};

// Starts the application (offscreen unless a platform was chosen), runs the benchmarks named
// on the command line (all by default) and reports the comparisons; the exit code is 0 when
// every ratio is within its budget.
int runWithRatios(int argc, char **argv, std::vector<RatioReporter::Comparison> comparisons);

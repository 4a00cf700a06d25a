// The benchmarks' main: runs them all, then prints, for every case measured
// both through our ODBC result set ("Odbc/<case>") and with SQLite's own C
// interface on the same file ("Sqlite/<case>"), the ratio of the two times.
#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <map>

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            times_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios() const
    {
        const std::string odbc = "Odbc/";
        for (const auto& [name, time] : times_) {
            if (name.rfind(odbc, 0) != 0)
                continue;
            const std::string which = name.substr(odbc.size());
            const auto base = times_.find("Sqlite/" + which);
            if (base != times_.end() && base->second > 0)
                std::printf("ratio %s: ODBC result set / SQLite C baseline = %.2f\n", which.c_str(),
                            time / base->second);
        }
    }

private:
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char** argv)
{
    // The embedded catalogue, whatever data sources this machine defines.
    setenv("ODBCINI", "/dev/null", 1);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}

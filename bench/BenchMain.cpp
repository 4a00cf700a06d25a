// The benchmarks' main: runs them all, then prints, for every case measured
// both by our code and by its baseline in the same run, the ratio of the two
// times: the window's search ("Search/<case>") and the result set's open
// ("ResultSet/<case>") against SQLite's own C interface ("Sqlite/<case>"), our
// grid's painting ("GridPaint/<case>") against QTableView's ("TableViewPaint/<case>").
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <map>

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
        {
            times_[run.benchmark_name()] = run.GetAdjustedRealTime();
            if (const auto peak = run.counters.find("peak_kib"); peak != run.counters.end())
                peaks_[run.benchmark_name()] = peak->second;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatios() const
    {
        struct Pair {
            std::string subject, baseline, label;
        };
        const Pair pairs[] = {{"Search/", "Sqlite/", "window search / SQLite C baseline"},
                              {"ResultSet/", "Sqlite/", "result set open / SQLite C baseline"},
                              {"GridPaint/", "TableViewPaint/", "data grid / QTableView"},
                              {"MariaDbSearch/", "MariaDbConnector/", "window search on MariaDB / MariaDB C connector"},
                              {"QueryProgram/", "SqliteShell/", "vorlak-query / sqlite3 shell"},
                              {"InventoryCheck/", "OneSearch/", "inventory check / one search"},
                              {"StartUp/", "BareStartUp/", "main window / bare window, shown and painted"}};
        for (const Pair& pair : pairs)
            for (const auto& [name, time] : times_) {
                if (name.rfind(pair.subject, 0) != 0)
                    continue;
                const std::string which = name.substr(pair.subject.size());
                const auto base = times_.find(pair.baseline + which);
                if (base != times_.end() && base->second > 0)
                    std::printf("ratio %s: %s = %.2f\n", which.c_str(), pair.label.c_str(), time / base->second);
                const auto peak = peaks_.find(name), basePeak = peaks_.find(pair.baseline + which);
                if (peak != peaks_.end() && basePeak != peaks_.end() && basePeak->second > 0)
                    std::printf("ratio %s: %s, peak memory = %.2f\n", which.c_str(), pair.label.c_str(),
                                peak->second / basePeak->second);
            }
    }

private:
    std::map<std::string, double> times_;
    std::map<std::string, double> peaks_;  // peak memory of a process, KiB
};

} // namespace

int main(int argc, char** argv)
{
    // The embedded catalogue, whatever data sources this machine defines.
    setenv("ODBCINI", "/dev/null", 1);
    // Painting runs off screen, whatever display this machine has.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}

// The benchmarks' main: runs them all, then prints, for every case measured
// both by our code and by its baseline in the same run, the ratio of the two
// times: the window's search ("Search/<case>") and the result set's open
// ("ResultSet/<case>") against SQLite's own C interface ("Sqlite/<case>"), our
// grid's painting ("GridPaint/<case>") against QTableView's ("TableViewPaint/<case>"),
// and so on; and a few ratios of counters, such as the memory rows hold
// against their text bytes and a process's peak memory against its baseline's.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <map>

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            // With repetitions, a case's median stands for it.
            const bool aggregate = run.run_type == Run::RT_Aggregate;
            if (aggregate && run.aggregate_name != "median")
                continue;
            Measured& measured = measured_[aggregate ? run.run_name.str() : run.benchmark_name()];
            measured.time = run.GetAdjustedRealTime();
            for (const auto& [counter, value] : run.counters)
                measured.counters[counter] = value;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatios() const
    {
        // A subject, its baseline, and what is compared: the times, or a
        // counter of the subject against one of the baseline.
        struct Pair {
            std::string subject, baseline, label, counter = {}, baseCounter = {};
        };
        const Pair pairs[] = {
            {"Search/", "Sqlite/", "window search / SQLite C baseline"},
            {"ResultSet/", "Sqlite/", "result set open / SQLite C baseline"},
            {"ResultSet/", "Sqlite/", "memory the rows hold / their text bytes", "bytes_per_row", "text_bytes_per_row"},
            {"GridPaint/", "TableViewPaint/", "data grid / QTableView"},
            {"GridAt1m/", "GridAtCatalogue/", "grid over 1 000 000 rows / over the catalogue's 2 869"},
            {"MariaDbSearch/", "MariaDbConnector/", "window search on MariaDB / MariaDB C connector"},
            {"QueryProgram/", "SqliteShell/", "vorlak-query / sqlite3 shell"},
            {"QueryProgram/", "SqliteShell/", "vorlak-query / sqlite3 shell, peak memory", "peak_kib", "peak_kib"},
            {"InventoryCheck/", "OneSearch/", "inventory check / one search"},
            {"InventoryPage/", "InventoryCheck/", "inventory page: open, check, show / vorlak-query --check"},
            {"StartUp/", "BareStartUp/", "main window / bare window, shown and painted"}};
        for (const Pair& pair : pairs)
            for (const auto& [name, subject] : measured_) {
                if (name.rfind(pair.subject, 0) != 0)
                    continue;
                const std::string which = name.substr(pair.subject.size());
                const auto base = measured_.find(pair.baseline + which);
                if (base == measured_.end())
                    continue;
                const double ours = pair.counter.empty() ? subject.time : subject.counter(pair.counter);
                const double theirs = pair.counter.empty() ? base->second.time : base->second.counter(pair.baseCounter);
                if (theirs > 0)
                    std::printf("ratio %s: %s = %.2f\n", which.c_str(), pair.label.c_str(), ours / theirs);
            }
    }

private:
    struct Measured {
        double time = 0;
        std::map<std::string, double> counters;
        double counter(const std::string& name) const
        {
            const auto found = counters.find(name);
            return found == counters.end() ? 0 : found->second;
        }
    };
    std::map<std::string, Measured> measured_;
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

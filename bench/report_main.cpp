// The benchmarks' main: runs them as usual, then prints one table that puts
// each case's figures side by side. A benchmark named "CASE/ours" is our
// operation; "CASE/reference" the literal algorithm on the same input;
// "CASE/gmp" GMP doing the same arithmetic, as a yardstick.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct CaseFigures {
  double ours = 0;
  double reference = 0;
  double gmp = 0;
};

class TableReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
      const std::string name = run.benchmark_name();
      const auto slash = name.rfind('/');
      if (slash == std::string::npos) continue;
      const std::string who = name.substr(slash + 1);
      const std::string key = name.substr(0, slash);
      // Nanoseconds of processor time per iteration (steadier than wall time on a shared machine), whatever unit the run reports in.
      const double ns = run.GetAdjustedCPUTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
      if (order_.count(key) == 0) {
        order_[key] = order_.size();
        keys_.push_back(key);
      }
      if (who == "ours") cases_[key].ours = ns;
      if (who == "reference") cases_[key].reference = ns;
      if (who == "gmp") cases_[key].gmp = ns;
    }
  }

  void PrintTable() const {
    std::printf("\n%-44s %12s %12s %10s %12s %9s\n", "case", "ours", "reference", "ref/ours",
                "GMP", "ours/GMP");
    for (const std::string& key : keys_) {
      const CaseFigures& c = cases_.at(key);
      std::printf("%-44s %12s %12s %10s %12s %9s\n", key.c_str(), Time(c.ours).c_str(),
                  Time(c.reference).c_str(), Ratio(c.reference, c.ours).c_str(),
                  Time(c.gmp).c_str(), Ratio(c.ours, c.gmp).c_str());
    }
  }

 private:
  static std::string Time(double ns) {
    if (ns <= 0) return "-";
    char text[32];
    if (ns < 1e3) {
      std::snprintf(text, sizeof text, "%.1f ns", ns);
    } else if (ns < 1e6) {
      std::snprintf(text, sizeof text, "%.2f us", ns / 1e3);
    } else if (ns < 1e9) {
      std::snprintf(text, sizeof text, "%.2f ms", ns / 1e6);
    } else {
      std::snprintf(text, sizeof text, "%.2f s", ns / 1e9);
    }
    return text;
  }

  static std::string Ratio(double numerator, double denominator) {
    if (numerator <= 0 || denominator <= 0) return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.2fx", numerator / denominator);
    return text;
  }

  std::map<std::string, std::size_t> order_;
  std::vector<std::string> keys_;
  std::map<std::string, CaseFigures> cases_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  TableReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintTable();
  benchmark::Shutdown();
  return 0;
}

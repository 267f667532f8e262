// One table after the usual benchmark output that puts each case's figures
// side by side. A benchmark named "CASE/ours" is our code; "CASE/reference"
// the plain or literal way on the same input; "CASE/gmp" GMP doing the same
// arithmetic, as a yardstick.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class TableReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
      // The name as registered, without a suffix such as "/iterations:2".
      const std::string& name = run.run_name.function_name;
      const auto slash = name.rfind('/');
      if (slash == std::string::npos) continue;
      const std::string who = name.substr(slash + 1);
      const std::string key = name.substr(0, slash);
      // Nanoseconds of processor time per iteration (steadier than wall time on a shared machine),
      // whatever unit the run reports in.
      const double ns =
          run.GetAdjustedCPUTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
      if (cases_.count(key) == 0) keys_.push_back(key);
      CaseFigures& figures = cases_[key];
      if (who == "ours") figures.ours = ns;
      if (who == "reference") figures.reference = ns;
      if (who == "gmp") figures.gmp = ns;
    }
  }

  void PrintTable() const {
    std::printf("\n%-44s %12s %12s %10s %12s %9s\n", "case", "ours", "reference", "ref/ours", "GMP",
                "ours/GMP");
    for (const std::string& key : keys_) {
      const CaseFigures& c = cases_.at(key);
      std::printf("%-44s %12s %12s %10s %12s %9s\n", key.c_str(), Time(c.ours).c_str(),
                  Time(c.reference).c_str(), Ratio(c.reference, c.ours).c_str(),
                  Time(c.gmp).c_str(), Ratio(c.ours, c.gmp).c_str());
    }
  }

 private:
  struct CaseFigures {
    double ours = 0;
    double reference = 0;
    double gmp = 0;
  };

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

  std::vector<std::string> keys_;
  std::map<std::string, CaseFigures> cases_;
};

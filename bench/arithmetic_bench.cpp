// One press of Calculate, from the input texts to the six result texts,
// beside six bare "%f" writes of the same numbers.
#include "calc/calculation.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <iostream>

namespace {
CalculationInputs PressInputs() {
    CalculationInputs in;
    in.focalLengthValue = "200.0";
    in.apertureValue = "2.828427";
    in.unitValue = "3";
    in.cofcValue = "0.0310";
    in.cropFactor = 1.5279;
    in.distanceText = "1000";
    in.diopterText = "0.5";
    return in;
}

void BM_CalculatePress(benchmark::State& state) {
    const CalculationInputs in = PressInputs();
    const NumberSettings settings;
    for (auto _ : state) {
        CalculationResult r = Calculate(in, settings);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_CalculatePress);

void BM_SixBarePrintfWrites(benchmark::State& state) {
    double values[6] = {69722.485341, 994.1, 1014.260253, 20.16, 0.020289, 48.78};
    char buffer[6][64];
    for (auto _ : state) {
        benchmark::DoNotOptimize(values);
        for (int i = 0; i < 6; ++i)
            std::snprintf(buffer[i], sizeof buffer[i], "%f", values[i]);
        benchmark::DoNotOptimize(buffer);
    }
}
BENCHMARK(BM_SixBarePrintfWrites);

// Prints the ratio of the press to the six bare writes once both have run.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions, the median of them; otherwise the single run.
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (!median && (run.run_type != Run::RT_Iteration || run.repetitions > 1))
                continue;
            const double ns = run.GetAdjustedCPUTime();
            const std::string name = run.run_name.function_name;
            if (name == "BM_CalculatePress")
                m_press = ns;
            else if (name == "BM_SixBarePrintfWrites")
                m_bare = ns;
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        if (m_press > 0 && m_bare > 0) {
            const double ratio = m_press / m_bare;
            std::printf("arithmetic: press %.0f ns, six bare %%f writes %.0f ns, ratio %.2f "
                        "(for information: a person waits for the painted results)\n",
                        m_press, m_bare, ratio);
        }
    }

  private:
    double m_press = 0, m_bare = 0;
};
} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

// The engine benchmark's main: our benchmarks and the peer's run in a random
// interleaved order, repeated, so that a busy moment of the machine falls on
// both alike; after the usual table each of ours is set against its peer by
// the ratio of their medians. Flags given on the command line win over these.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

const char* const kDefaultFlags[] = {"--benchmark_enable_random_interleaving=true", "--benchmark_repetitions=6",
                                     "--benchmark_report_aggregates_only=true"};
const std::string kPeerPrefix = "Peer";

class PeerRatioReporter : public benchmark::ConsoleReporter {
public:
    // Coloured only on a terminal, as Google Benchmark's own main does, so that
    // a table written to a file holds no escape codes.
    PeerRatioReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                medians_[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
    }

    void Finalize() override {
        for (const auto& [name, median] : medians_) {
            const auto peer = medians_.find(kPeerPrefix + name);
            if (name.rfind(kPeerPrefix, 0) == 0 || peer == medians_.end() || !(peer->second > 0)) continue;
            std::printf("%s / %s (median wall time): %.3f\n", name.c_str(), peer->first.c_str(), median / peer->second);
        }
    }

private:
    std::map<std::string, double> medians_;
};

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    for (const char* flag : kDefaultFlags) args.insert(args.begin() + 1, const_cast<char*>(flag));
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    PeerRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

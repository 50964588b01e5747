#include "measure.h"

#include <chrono>

#include "process.h"

namespace kavinor::bench {

Measurement measure(const std::vector<Job>& jobs, int repetitions) {
    Measurement result;
    std::vector<ProcessCost> costs(jobs.size());
    for (int repetition = 0; repetition < repetitions; ++repetition) {
        for (const Job& job : jobs) std::filesystem::remove(job.output);
        const auto start = std::chrono::steady_clock::now();
        for (std::size_t i = 0; i < jobs.size(); ++i) {
            costs[i] = runProgram(jobs[i].argv, jobs[i].stdoutFile);
        }
        const auto end = std::chrono::steady_clock::now();
        result.seconds.push_back(std::chrono::duration<double>(end - start).count());

        double cpu = 0;
        for (std::size_t i = 0; i < jobs.size(); ++i) {
            cpu += costs[i].cpuSeconds;
            // Compares this run's peak / input with the largest ratio so far without dividing.
            const std::uint64_t peak = costs[i].peakBytes;
            if (peak * result.inputBytes > result.peakBytes * jobs[i].inputBytes) {
                result.peakBytes = peak;
                result.inputBytes = jobs[i].inputBytes;
            }
        }
        result.cpuSeconds.push_back(cpu);
    }
    return result;
}

}  // namespace kavinor::bench

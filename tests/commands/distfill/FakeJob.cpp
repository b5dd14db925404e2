#include "tests/commands/distfill/FakeJob.h"

namespace {

class CFakeWindow : public VProgressWindow {
public:
    CFakeWindow(CFakeJob& job, int abortAfter) : m_job(job), m_abortAfter(abortAfter) {}
    void Update(std::uint64_t) override { ++m_job.windowUpdates; }
    bool IsAborted() const override { return m_abortAfter > 0 && m_job.windowUpdates >= m_abortAfter; }

private:
    CFakeJob& m_job;
    int m_abortAfter;
};

} // namespace

CFakeJob::CFakeJob(int abortAfter)
    : VGenerateWrapper(
          [this](std::uint64_t) -> std::unique_ptr<VProgressWindow> {
              ++windowsShown;
              return std::make_unique<CFakeWindow>(*this, m_abortAfter);
          },
          [this] { return m_now += 5000; }),
      m_abortAfter(abortAfter)
{
}

void CFakeJob::Record(char kind, const CCellBlock& block, const double* values)
{
    writes.push_back({kind, block, std::vector<double>(values, values + block.Cells())});
}

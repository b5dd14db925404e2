#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "commands/distfill/BlockPlan.h"
#include "commands/distfill/ProgressTracker.h"
#include "settings/SettingsKey.h"

// The fill job as the driver sees it: fourteen operations on the place the
// values go (in this order: settings key; new worksheet; address;
// selection), and the progress bookkeeping of one output at a time. The
// write operations take a block of cells (0-based within the target) and
// its values in the block's row-major order.
class VGenerateWrapper {
public:
    virtual ~VGenerateWrapper() = default;
    VGenerateWrapper(const VGenerateWrapper&) = delete;
    VGenerateWrapper& operator=(const VGenerateWrapper&) = delete;

    // The "Distributions" key of the settings; closed when it cannot be opened.
    virtual CSettingsKey OpenSettingsKey() = 0;
    virtual void PrepareNewWorksheet() = 0;
    virtual void WriteNewWorksheetValues(const CCellBlock& block, const double* values) = 0;
    virtual void EndNewWorksheet() = 0;
    virtual bool IsValidAddress(const std::wstring& address) = 0;
    virtual void PrepareAddress(const std::wstring& address) = 0;
    virtual void GetAddressSize(std::uint32_t& columns, std::uint32_t& rows) = 0;
    virtual void WriteAddressValues(const CCellBlock& block, const double* values) = 0;
    virtual void EndAddress() = 0;
    virtual bool HasUsableSelection() = 0;
    virtual void PrepareSelection() = 0;
    virtual void GetSelectionSize(std::uint32_t& columns, std::uint32_t& rows) = 0;
    virtual void WriteSelectionValues(const CCellBlock& block, const double* values) = 0;
    virtual void EndSelection() = 0;

    void StartProgress(std::uint64_t total) { m_progress.Start(total); }
    void UpdateProgress(std::uint64_t done) { m_progress.Update(done); }
    void EndProgress() { m_progress.End(); }
    // True once the progress window was shown and Abort pressed.
    bool IsAborted() const { return m_progress.IsAborted(); }
    CProgressTracker& Progress() { return m_progress; }

protected:
    // The progress window on its own thread, timed by the tick counter.
    VGenerateWrapper();
    // Another window and clock, for tests.
    VGenerateWrapper(CProgressTracker::WindowFactory factory, CProgressTracker::Clock clock);

private:
    CProgressTracker m_progress;
};

// Ends the current output's progress however the output ends, so that the
// window's thread never outlives an error.
class CProgressScope {
public:
    CProgressScope(VGenerateWrapper& job, std::uint64_t total) : m_job(job) { m_job.StartProgress(total); }
    ~CProgressScope() { m_job.EndProgress(); }
    CProgressScope(const CProgressScope&) = delete;
    CProgressScope& operator=(const CProgressScope&) = delete;

private:
    VGenerateWrapper& m_job;
};

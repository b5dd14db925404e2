#pragma once
#include <memory>
#include <string>
#include <vector>

#include "commands/distfill/GenerateWrapper.h"

// A fill job that records what the outputs do, with a progress window that
// appears at the first chance and presses Abort after a chosen number of
// updates, and a clock that runs 5 s per look.
struct CWrite {
    char kind; // 'S'election, 'A'ddress, 'W'orksheet
    CCellBlock block;
    std::vector<double> values;
};

class CFakeJob : public VGenerateWrapper {
public:
    // abortAfter: updates of the window before Abort reads true; 0: never.
    explicit CFakeJob(int abortAfter = 0);

    CSettingsKey OpenSettingsKey() override { return CSettingsKey(); }
    void PrepareNewWorksheet() override { calls += "PW "; }
    void WriteNewWorksheetValues(const CCellBlock& block, const double* values) override { Record('W', block, values); }
    void EndNewWorksheet() override { calls += "EW "; }
    bool IsValidAddress(const std::wstring&) override { return true; }
    void PrepareAddress(const std::wstring& text) override { calls += "PA "; address = text; }
    void GetAddressSize(std::uint32_t& c, std::uint32_t& r) override { c = columns; r = rows; }
    void WriteAddressValues(const CCellBlock& block, const double* values) override { Record('A', block, values); }
    void EndAddress() override { calls += "EA "; }
    bool HasUsableSelection() override { return true; }
    void PrepareSelection() override { calls += "PS "; }
    void GetSelectionSize(std::uint32_t& c, std::uint32_t& r) override { c = columns; r = rows; }
    void WriteSelectionValues(const CCellBlock& block, const double* values) override { Record('S', block, values); }
    void EndSelection() override { calls += "ES "; }

    std::uint32_t columns = 0;
    std::uint32_t rows = 0;
    std::wstring address;
    std::string calls;
    std::vector<CWrite> writes;
    int windowsShown = 0;
    int windowUpdates = 0;

private:
    void Record(char kind, const CCellBlock& block, const double* values);

    int m_abortAfter;
    std::uint64_t m_now = 0;
};

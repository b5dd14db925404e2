#pragma once
#include "commands/distfill/GenerateWrapper.h"
#include "win/excel/ExcelObjects.h"

// The fill job against Excel: the target range of the current output, and
// screen updating switched off from the first write until the job ends.
class CDistFillWrapper : public VGenerateWrapper {
public:
    explicit CDistFillWrapper(CExcelApplication application);
    // Switches screen updating back on if a write switched it off.
    ~CDistFillWrapper() override;

    CSettingsKey OpenSettingsKey() override;
    void PrepareNewWorksheet() override;
    void WriteNewWorksheetValues(const CCellBlock& block, const double* values) override;
    void EndNewWorksheet() override;
    bool IsValidAddress(const std::wstring& address) override;
    void PrepareAddress(const std::wstring& address) override;
    void GetAddressSize(std::uint32_t& columns, std::uint32_t& rows) override;
    void WriteAddressValues(const CCellBlock& block, const double* values) override;
    void EndAddress() override;
    bool HasUsableSelection() override;
    void PrepareSelection() override;
    void GetSelectionSize(std::uint32_t& columns, std::uint32_t& rows) override;
    void WriteSelectionValues(const CCellBlock& block, const double* values) override;
    void EndSelection() override;

private:
    // One cell through Range.Item, a larger block through one Range.Value.
    void Write(const CCellBlock& block, const double* values);
    void TargetSize(std::uint32_t& columns, std::uint32_t& rows) const;
    void ReleaseTarget() { m_target = CExcelRange(); }

    CExcelApplication m_application;
    CExcelRange m_target;
    bool m_screenUpdatingOff = false;
};

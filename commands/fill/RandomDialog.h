#pragma once
#include <string>

#include "commands/fill/FillValues.h"
#include "win/excel/ExcelObjects.h"
#include "win/ui/ModalDialog.h"

// "Random Fill": real numbers between 0 and 1 or whole numbers between a
// minimum and a maximum (optionally unique in each column), and the output
// range. Opens with the choices remembered in the workbook's names and
// saves them on OK; refuses bad input with a message and stays open.
class CRandomDialog : public CModalDialog {
public:
    explicit CRandomDialog(CExcelApplication application);

    // Valid after OK.
    const std::wstring& OutputText() const { return m_output; }
    const CFillChoice& Choice() const { return m_choice; }

private:
    bool OnInit() override;
    void OnCommand(WORD id, WORD code) override;
    void OnOk() override;

    // The remembered output range, unless the selection says otherwise.
    std::wstring InitialOutput() const;
    void EnableRangeControls() const;
    // The checks of the whole-number choice; false after a refusal.
    bool AcceptBounds();
    bool AcceptBound(int id, const wchar_t* refusal, std::int32_t& value);
    // Rows.Count of the output range; false when Excel cannot give it.
    bool OutputRows(long& rows) const;
    bool IsValidRange(const std::wstring& text) const;
    void Refuse(int id, const wchar_t* message) const;
    void SaveChoices() const;

    CExcelApplication m_application;
    std::wstring m_output;
    CFillChoice m_choice;
};

#include "commands/fill/RandomDialog.h"

#include "commands/fill/ExcelNames.h"
#include "commands/fill/IntegerText.h"
#include "resources/ResourceIds.h"
#include "win/com/ComError.h"

namespace {

const wchar_t kTypeName[] = L"StochalType";
const wchar_t kMinName[] = L"StochalRangeMin";
const wchar_t kMaxName[] = L"StochalRangeMax";
const wchar_t kUniqueName[] = L"StochalRangeUnique";
const wchar_t kOutputName[] = L"StochalOutputRange";

const wchar_t kTypeBetween01[] = L"01";
const wchar_t kTypeRange[] = L"RANGE";
const wchar_t kYes[] = L"YES";
const wchar_t kNo[] = L"NO";

} // namespace

CRandomDialog::CRandomDialog(CExcelApplication application)
    : CModalDialog(IDD_RANDOM_FILL, L"fill-simple.htm"), m_application(std::move(application))
{
}

bool CRandomDialog::OnInit()
{
    const bool between01 = ReadNameValue(m_application, kTypeName, L"") == kTypeBetween01;
    CheckRadio(IDC_FILL_BETWEEN01, IDC_FILL_BETWEEN, between01 ? IDC_FILL_BETWEEN01 : IDC_FILL_BETWEEN);
    SetItemText(IDC_FILL_MIN, ReadNameValue(m_application, kMinName, L"0"));
    SetItemText(IDC_FILL_MAX, ReadNameValue(m_application, kMaxName, L"100"));
    SetChecked(IDC_FILL_UNIQUE, ReadNameValue(m_application, kUniqueName, L"") == kYes);
    SetItemText(IDC_FILL_OUTPUT, InitialOutput());
    EnableRangeControls();
    return true;
}

std::wstring CRandomDialog::InitialOutput() const
{
    const std::wstring remembered = ReadNameValue(m_application, kOutputName, L"");
    try {
        // A chart or a drawing is no range: the remembered text stays. A
        // single cell replaces only an empty one.
        const CExcelRange selection = CExcelRange::From(m_application.Selection());
        const long cells = selection.CellCount();
        if (cells >= 2 || (cells == 1 && remembered.empty()))
            return selection.Address();
    } catch (const CComError&) {
    }
    return remembered;
}

void CRandomDialog::OnCommand(WORD id, WORD code)
{
    if ((id == IDC_FILL_BETWEEN01 || id == IDC_FILL_BETWEEN) && code == BN_CLICKED)
        EnableRangeControls();
    else
        CModalDialog::OnCommand(id, code);
}

void CRandomDialog::EnableRangeControls() const
{
    const bool wholeNumbers = !IsChecked(IDC_FILL_BETWEEN01);
    for (const int id : {IDC_FILL_MIN, IDC_FILL_MAX, IDC_FILL_UNIQUE})
        EnableItem(id, wholeNumbers);
}

void CRandomDialog::OnOk()
{
    m_output = ItemText(IDC_FILL_OUTPUT);
    if (!IsValidRange(m_output)) {
        Refuse(IDC_FILL_OUTPUT, L"This is not a valid range.");
        return;
    }
    m_choice = CFillChoice();
    m_choice.between01 = IsChecked(IDC_FILL_BETWEEN01);
    if (!m_choice.between01 && !AcceptBounds())
        return;
    SaveChoices();
    End(IDOK);
}

bool CRandomDialog::AcceptBounds()
{
    if (!AcceptBound(IDC_FILL_MIN, L"This is not a valid minimum.", m_choice.min)
        || !AcceptBound(IDC_FILL_MAX, L"This is not a valid maximum.", m_choice.max))
        return false;
    if (m_choice.max <= m_choice.min) {
        Refuse(IDC_FILL_MAX, L"The maximum should be greater than the minimum.");
        return false;
    }
    m_choice.unique = IsChecked(IDC_FILL_UNIQUE);
    if (!m_choice.unique)
        return true;
    long rows = 0;
    if (!OutputRows(rows)) {
        Refuse(IDC_FILL_OUTPUT, L"This is not a valid range.");
        return false;
    }
    if (!UniqueRowsFit(rows, m_choice.min, m_choice.max)) {
        Refuse(IDC_FILL_MAX, L"The difference between the minimum and maximum is not large enough to generate "
                             L"unique values in each column.");
        return false;
    }
    return true;
}

bool CRandomDialog::AcceptBound(int id, const wchar_t* refusal, std::int32_t& value)
{
    // Non-empty, IsInteger, and within 32 bits: a number too large for
    // them is refused like any other bad entry.
    if (!ParseInt32(ItemText(id), value)) {
        Refuse(id, refusal);
        return false;
    }
    return true;
}

bool CRandomDialog::OutputRows(long& rows) const
{
    try {
        rows = m_application.Range(m_output).RowCount();
        return true;
    } catch (const CComError&) {
        return false;
    }
}

bool CRandomDialog::IsValidRange(const std::wstring& text) const
{
    try {
        m_application.Range(text);
        return true;
    } catch (const CComError&) {
        return false;
    }
}

void CRandomDialog::Refuse(int id, const wchar_t* message) const
{
    ShowMessage(message, L"Error", MB_OK | MB_ICONEXCLAMATION);
    FocusItem(id);
}

void CRandomDialog::SaveChoices() const
{
    if (!m_choice.between01) {
        WriteNameValue(m_application, kTypeName, kTypeRange);
        WriteNameValue(m_application, kMinName, ItemText(IDC_FILL_MIN));
        WriteNameValue(m_application, kMaxName, ItemText(IDC_FILL_MAX));
        WriteNameValue(m_application, kUniqueName, IsChecked(IDC_FILL_UNIQUE) ? kYes : kNo);
    } else {
        WriteNameValue(m_application, kTypeName, kTypeBetween01);
    }
    WriteNameValue(m_application, kOutputName, ItemText(IDC_FILL_OUTPUT));
}

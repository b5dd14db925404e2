// The test Excel's objects driven as the add-in drives them: late-bound by
// name, with the errors a caller sees.
#include <gtest/gtest.h>

#include <vector>

#include "tests/xlhost/CallBook.h"
#include "tests/xlhost/ExcelObjects.h"
#include "tests/xlhost/HostModel.h"
#include "win/com/OfficeInterfaces.h"

namespace {
using xlhost::HostModel;

struct Answer {
    HRESULT hr = S_OK;
    VARIANT value{};
    SCODE scode = S_OK;
    std::wstring description;
    ~Answer() { VariantClear(&value); }
};

VARIANT Text(const wchar_t* text)
{
    VARIANT value{};
    value.vt = VT_BSTR;
    value.bstrVal = SysAllocString(text);
    return value;
}

VARIANT Long(long number)
{
    VARIANT value{};
    value.vt = VT_I4;
    value.lVal = number;
    return value;
}

// Calls the member with the arguments in the caller's order; a put when
// value is given.
void Call(IDispatch* object, const wchar_t* name, std::vector<VARIANT> arguments, Answer& answer,
          const VARIANT* value = nullptr)
{
    DISPID id = 0;
    LPOLESTR names = const_cast<LPOLESTR>(name);
    ASSERT_EQ(S_OK, object->GetIDsOfNames(IID_NULL, &names, 1, 0, &id)) << name;
    std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
    DISPID named = DISPID_PROPERTYPUT;
    if (value != nullptr) {
        reversed.insert(reversed.begin(), *value);
    }
    DISPPARAMS params{reversed.data(), value != nullptr ? &named : nullptr, static_cast<UINT>(reversed.size()),
                      value != nullptr ? 1u : 0u};
    EXCEPINFO exception{};
    VariantInit(&answer.value);
    answer.hr = object->Invoke(id, IID_NULL, 0x0409,
                               value != nullptr ? DISPATCH_PROPERTYPUT : DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                               &params, value != nullptr ? nullptr : &answer.value, &exception, nullptr);
    answer.scode = exception.scode;
    answer.description = exception.bstrDescription != nullptr ? exception.bstrDescription : L"";
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrSource);
    for (VARIANT& argument : arguments) {
        VariantClear(&argument);
    }
}

class ObjectModel : public testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        m_baseline = xlhost::HostObject::Live();
        HostModel::Instance().NewWorkbook();
        m_application = new xlhost::ExcelApplication();
    }
    void TearDown() override
    {
        m_application->Release();
        EXPECT_EQ(m_baseline, xlhost::HostObject::Live()); // every object handed out came back
        CoUninitialize();
    }
    // Application.Range(text), which must succeed.
    IDispatch* Range(const wchar_t* text)
    {
        Answer answer;
        Call(m_application, L"Range", {Text(text)}, answer);
        EXPECT_EQ(S_OK, answer.hr);
        IDispatch* range = answer.value.pdispVal;
        range->AddRef();
        return range;
    }

    long m_baseline = 0;
    IDispatch* m_application = nullptr;
};

TEST_F(ObjectModel, ValueOfSeveralCellsIsAOneBasedArrayOfTheirTypes)
{
    auto sheet = HostModel::Instance().book->Active();
    sheet->Put(1, 1, xlhost::CellValue::Number(2.5));
    sheet->Put(1, 2, xlhost::CellValue::Text("x"));
    sheet->Put(2, 1, xlhost::CellValue::Bool(true));
    sheet->Put(2, 2, xlhost::CellValue::Error(2042));
    sheet->At(3, 1).format = "$#,##0.00";
    sheet->Put(3, 1, xlhost::CellValue::Number(1.25));
    IDispatch* range = Range(L"A1:B3");
    Answer value;
    Call(range, L"Value", {}, value);
    ASSERT_EQ(VT_ARRAY | VT_VARIANT, value.value.vt);
    LONG low = 0, high = 0;
    SafeArrayGetLBound(value.value.parray, 1, &low);
    SafeArrayGetUBound(value.value.parray, 1, &high);
    EXPECT_EQ(1, low);
    EXPECT_EQ(3, high);
    const std::pair<std::vector<LONG>, VARTYPE> cells[] = {
        {{1, 1}, VT_R8}, {{1, 2}, VT_BSTR}, {{2, 1}, VT_BOOL}, {{2, 2}, VT_ERROR}, {{3, 1}, VT_CY}, {{3, 2}, VT_EMPTY}};
    for (const auto& cell : cells) {
        VARIANT element{};
        ASSERT_EQ(S_OK, SafeArrayGetElement(value.value.parray, const_cast<LONG*>(cell.first.data()), &element));
        EXPECT_EQ(cell.second, element.vt) << cell.first[0] << "," << cell.first[1];
        if (element.vt == VT_ERROR) {
            EXPECT_EQ(static_cast<SCODE>(0x800A07FA), element.scode); // #N/A
        }
        VariantClear(&element);
    }
    range->Release();
}

TEST_F(ObjectModel, ValuePutLaysAnArrayOverTheRangeAsExcelDoes)
{
    SAFEARRAYBOUND bound{2, 0};
    SAFEARRAY* row = SafeArrayCreate(VT_VARIANT, 1, &bound);
    for (LONG i = 0; i < 2; ++i) {
        VARIANT element = Long(10 + i);
        SafeArrayPutElement(row, &i, &element);
    }
    VARIANT value{};
    value.vt = VT_ARRAY | VT_VARIANT;
    value.parray = row;
    IDispatch* range = Range(L"B2:D3");
    Answer put;
    Call(range, L"Value", {}, put, &value);
    EXPECT_EQ(S_OK, put.hr);
    SafeArrayDestroy(row);
    const auto sheet = HostModel::Instance().book->Active();
    // One row repeats down; the third column lies beyond it: #N/A.
    EXPECT_EQ(10.0, sheet->Find(3, 2)->value.number);
    EXPECT_EQ(11.0, sheet->Find(3, 3)->value.number);
    EXPECT_EQ(2042, sheet->Find(2, 4)->value.error);
    range->Release();
}

TEST_F(ObjectModel, ItemPutStoresTypedTextAndTextShowsTheFormat)
{
    IDispatch* range = Range(L"C3:D4");
    VARIANT text = Text(L"42");
    Answer put;
    Call(range, L"Item", {Long(2), Long(2)}, put, &text);
    VariantClear(&text);
    ASSERT_EQ(S_OK, put.hr);
    HostModel::Instance().book->Active()->At(4, 4).format = "0.00";
    Answer cell, shown;
    Call(range, L"Item", {Long(2), Long(2)}, cell);
    Call(cell.value.pdispVal, L"Text", {}, shown);
    EXPECT_STREQ(L"42.00", shown.value.bstrVal);
    range->Release();
}

TEST_F(ObjectModel, FailuresCarryExcelsCodeAndDescriptionBothWays)
{
    Answer answer;
    Call(m_application, L"Range", {Text(L"Sheet9!A1")}, answer);
    EXPECT_EQ(DISP_E_EXCEPTION, answer.hr);
    EXPECT_EQ(xlhost::kExcelError, answer.scode);
    EXPECT_EQ(L"Unable to get the Range property of the Application class", answer.description);
    IErrorInfo* info = nullptr;
    ASSERT_EQ(S_OK, GetErrorInfo(0, &info));
    BSTR description = nullptr;
    info->GetDescription(&description);
    EXPECT_STREQ(answer.description.c_str(), description);
    SysFreeString(description);
    info->Release();
}

TEST_F(ObjectModel, AnArmedFailureHitsTheNthCallOnly)
{
    IDispatch* range = Range(L"A1:C2");
    xlhost::CallBook::Instance().Take();
    xlhost::CallBook::Instance().ArmFailure("Range.Count", 2);
    Answer first, second, third;
    Call(range, L"Count", {}, first);
    Call(range, L"Count", {}, second);
    Call(range, L"Count", {}, third);
    EXPECT_EQ(S_OK, first.hr);
    EXPECT_EQ(6, first.value.lVal);
    EXPECT_EQ(xlhost::kExcelError, second.scode);
    EXPECT_EQ(L"Unable to get the Count property of the Range class", second.description);
    EXPECT_EQ(S_OK, third.hr);
    EXPECT_EQ(3, xlhost::CallBook::Instance().Take()["Range.Count"]);
    range->Release();
}

TEST_F(ObjectModel, AChartSelectionIsNoRange)
{
    HostModel::Instance().chartSelected = true;
    Answer selection;
    Call(m_application, L"Selection", {}, selection);
    ASSERT_EQ(VT_DISPATCH, selection.value.vt);
    void* asRange = nullptr;
    EXPECT_EQ(E_NOINTERFACE, selection.value.pdispVal->QueryInterface(IID_ExcelRange, &asRange));
    HostModel::Instance().chartSelected = false;
    Answer range;
    Call(m_application, L"Selection", {}, range);
    ASSERT_EQ(S_OK, range.value.pdispVal->QueryInterface(IID_ExcelRange, &asRange));
    static_cast<IUnknown*>(asRange)->Release();
}

TEST_F(ObjectModel, NamesThroughExcel4Macros)
{
    Answer set, got, missing, malformed;
    Call(m_application, L"ExecuteExcel4Macro", {Text(L"SET.NAME(\"StochalType\",\"a\"\"b\")")}, set);
    EXPECT_EQ(VT_BOOL, set.value.vt);
    Call(m_application, L"ExecuteExcel4Macro", {Text(L"stochaltype")}, got);
    ASSERT_EQ(VT_BSTR, got.value.vt);
    EXPECT_STREQ(L"a\"b", got.value.bstrVal);
    Call(m_application, L"ExecuteExcel4Macro", {Text(L"StochalRangeMin")}, missing);
    EXPECT_EQ(VT_ERROR, missing.value.vt);
    EXPECT_EQ(static_cast<SCODE>(0x800A07E5), missing.value.scode);
    Call(m_application, L"ExecuteExcel4Macro", {Text(L"SET.NAME(\"x\",\"a\"b\")")}, malformed);
    EXPECT_EQ(xlhost::kExcelError, malformed.scode);
}
} // namespace

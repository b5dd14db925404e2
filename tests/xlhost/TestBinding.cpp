#include "tests/xlhost/TestBinding.h"

#include "tests/xlhost/TestExcel.h"

namespace {
std::string TestModuleFileName(void*)
{
    return "C:\\Stochal\\Stochal.dll";
}
} // namespace

XlfBinding TestExcelBinding()
{
    XlfBinding binding;
    binding.excel4 = &TestExcel4;
    binding.excel4v = &TestExcel4v;
    binding.excel12v = &TestExcel12v;
    binding.xlCallVer = &TestXlCallVer;
    binding.moduleFileName = &TestModuleFileName;
    return binding;
}

void UseTestExcel()
{
    SetXlfBinder(&TestExcelBinding);
}

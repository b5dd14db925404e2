// QSAMPLE over whole columns (A:B) against the same 1,000 rows of data
// named exactly (A1:B1000), through the in-process test Excel on its
// XLOPER12 path. The rows below the data must cost only the counts that
// find the last row in use: the goal is a ratio within 2.
#include <benchmark/benchmark.h>

#include <string>

#include "tests/xlhost/TestBinding.h"
#include "tests/xlhost/TestExcel.h"
#include "worksheet/EntryPoints.h"

namespace {
constexpr std::uint32_t kDataRows = 1000;

void SampleFrom(benchmark::State& state, const TestArea& data)
{
    UseTestExcel();
    TestExcel& excel = TestExcel::Instance();
    excel.Reset();
    for (std::uint32_t row = 0; row < kDataRows; ++row) {
        TestCell name;
        name.type = xltype::Str;
        name.text = "row" + std::to_string(row);
        excel.SetCell(row, 0, name);
        TestCell weight;
        weight.type = xltype::Num;
        weight.num = row % 7;
        excel.SetCell(row, 1, weight);
    }
    excel.SetCaller(TestArea{0, 9, 3, 4}); // D1:E10: ten rows drawn
    XLOPER12 reference = excel.Reference12(data);
    XLOPER12 missing{};
    missing.xltype = xltype::Missing;
    const auto value = [](XLOPER12& oper) { return reinterpret_cast<XlfValue*>(&oper); };
    for (auto _ : state) {
        benchmark::DoNotOptimize(xllQSAMPLE(value(reference), value(missing), value(missing)));
    }
}

void QSampleWholeColumns(benchmark::State& state)
{
    SampleFrom(state, TestArea{0, kGridRows - 1, 0, 1});
}
BENCHMARK(QSampleWholeColumns);

void QSampleExactRange(benchmark::State& state)
{
    SampleFrom(state, TestArea{0, kDataRows - 1, 0, 1});
}
BENCHMARK(QSampleExactRange);
} // namespace

// The cost the worksheet frame adds to the engine: a QNORMAL call and a
// QRAND over a 65535 x 1 range, each through the in-process test Excel on
// its XLOPER12 path, against the engine's own draws.
#include <benchmark/benchmark.h>

#include "engine/InternalGenerator.h"
#include "tests/xlhost/TestBinding.h"
#include "tests/xlhost/TestExcel.h"
#include "worksheet/EntryPoints.h"

namespace {
constexpr int kColumnCells = 65535;

void UseTestExcelWithCaller(XlWord lastRow)
{
    UseTestExcel();
    TestExcel::Instance().Reset();
    TestExcel::Instance().SetCaller(XLREF{0, lastRow, 0, 0});
}

void RawNormal(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(g_generator.NextNormal(0.0, 1.0));
    }
}
BENCHMARK(RawNormal);

void FrameNormal(benchmark::State& state)
{
    UseTestExcelWithCaller(0);
    const TestExcel::XllCall calling; // as Excel calls a worksheet function
    for (auto _ : state) {
        benchmark::DoNotOptimize(xllQNORMAL(0.0, 1.0));
    }
}
BENCHMARK(FrameNormal);

void RawUniformColumn(benchmark::State& state)
{
    for (auto _ : state) {
        double sum = 0.0;
        for (int i = 0; i < kColumnCells; ++i) {
            sum += g_generator.Next();
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(RawUniformColumn);

void FrameQRandColumn(benchmark::State& state)
{
    UseTestExcelWithCaller(kColumnCells - 1);
    const TestExcel::XllCall calling;
    XLOPER12 missing{};
    missing.xltype = xltype::Missing;
    for (auto _ : state) {
        benchmark::DoNotOptimize(xllQRAND(reinterpret_cast<XlfValue*>(&missing)));
    }
}
BENCHMARK(FrameQRandColumn);
} // namespace

// Every worksheet function with every awkward argument Excel may hand it,
// alone and in every combination: the answer is an error value or a number
// (a logical for QBERNOULLI, any cells for QSAMPLE), never a crash.
#include <cmath>
#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "tests/worksheet/WorksheetFixture.h"

namespace {
class AwkwardArgumentsTest : public WorksheetTest {
protected:
    void SetUp() override
    {
        WorksheetTest::SetUp();
        for (int i = 0; i < 4; ++i)
            m_cells[i] = i % 2 ? Num(-1.0) : Text("x");
        XLOPER array = Kind(xltype::Multi);
        array.val.array = {m_cells, 2, 2};
        XLOPER error = Kind(xltype::Err);
        error.val.err = xlerr::NA;
        m_values = {Missing(), Kind(xltype::Nil), Num(std::nan("")), Num(HUGE_VAL), Num(-1e308), Num(0.0),
                    Num(-1.0),  Num(4294967297.0), Text(""), Text("abc"), Bool(true), error, array};
    }

    // Calls with every combination of `arity` values of `pick`.
    template <class T>
    static void EachCombination(const std::vector<T>& pick, int arity, const std::function<void(const T*)>& call)
    {
        std::vector<T> arguments(static_cast<std::size_t>(arity));
        std::vector<std::size_t> at(arguments.size(), 0);
        for (;;) {
            for (std::size_t a = 0; a < at.size(); ++a)
                arguments[a] = pick[at[a]];
            call(arguments.data());
            std::size_t a = 0;
            while (a < at.size() && ++at[a] == pick.size())
                at[a++] = 0;
            if (a == at.size())
                return;
        }
    }

    static void ExpectNumberOrError(const XLOPER* result, const char* function)
    {
        ASSERT_NE(result, nullptr) << function;
        EXPECT_TRUE(result->xltype == xltype::Num || result->xltype == xltype::Err)
            << function << " gave type " << result->xltype;
    }

    XLOPER* Value(std::size_t i) { return &m_copies.emplace_back(m_values[i]); }

    std::vector<XLOPER> m_values;
    std::deque<XLOPER> m_copies;
    XLOPER m_cells[4]{};
};

const std::vector<double> kDoubles = {std::nan(""), HUGE_VAL, -HUGE_VAL, 1e308, -1e308, 0.0, -1.0, 0.5, 4294967297.0};
const std::vector<std::int32_t> kWholes = {std::numeric_limits<std::int32_t>::min(), -1, 0, 1, 7,
                                           std::numeric_limits<std::int32_t>::max()};
} // namespace

TEST_F(AwkwardArgumentsTest, FunctionsOfNumbersGiveANumberOrAnError)
{
    using D = std::function<void(const double*)>;
    EachCombination<double>(kDoubles, 1, D([](const double* a) {
        ExpectNumberOrError(Xl4(xllQPOISSON(a[0])), "QPOISSON");
        ExpectNumberOrError(Xl4(xllQGEOMETRIC(a[0])), "QGEOMETRIC");
        ExpectNumberOrError(Xl4(xllQEXPONENTIAL(a[0])), "QEXPONENTIAL");
        const XLOPER* bernoulli = Xl4(xllQBERNOULLI(a[0]));
        ASSERT_NE(bernoulli, nullptr);
        EXPECT_TRUE(bernoulli->xltype == xltype::Bool || bernoulli->xltype == xltype::Err);
    }));
    EachCombination<double>(kDoubles, 2, D([](const double* a) {
        ExpectNumberOrError(Xl4(xllQNORMAL(a[0], a[1])), "QNORMAL");
        ExpectNumberOrError(Xl4(xllQLOGNORMAL(a[0], a[1])), "QLOGNORMAL");
        ExpectNumberOrError(Xl4(xllQUNIFORM(a[0], a[1])), "QUNIFORM");
        ExpectNumberOrError(Xl4(xllQBETA(a[0], a[1])), "QBETA");
        ExpectNumberOrError(Xl4(xllQPARETO(a[0], a[1])), "QPARETO");
        ExpectNumberOrError(Xl4(xllQGAMMA(a[0], a[1])), "QGAMMA");
        ExpectNumberOrError(Xl4(xllQWEIBULL(a[0], a[1])), "QWEIBULL");
    }));
    EachCombination<double>(kDoubles, 3, D([](const double* a) { ExpectNumberOrError(Xl4(xllQBURR(a[0], a[1], a[2])), "QBURR"); }));
    for (std::int32_t n : kWholes) {
        for (double p : kDoubles) {
            ExpectNumberOrError(Xl4(xllQBINOMIAL(n, p)), "QBINOMIAL");
            ExpectNumberOrError(Xl4(xllQNEGBIN(n, p)), "QNEGATIVEBINOMIAL");
        }
    }
    EachCombination<std::int32_t>(kWholes, 3, std::function<void(const std::int32_t*)>([](const std::int32_t* a) {
        ExpectNumberOrError(Xl4(xllQHYPERGEOMETRIC(a[0], a[1], a[2])), "QHYPERGEOMETRIC");
    }));
    EXPECT_EQ(Excel().Outstanding(), 0u);
}

TEST_F(AwkwardArgumentsTest, FunctionsOfCellsGiveNumbersOrAnError)
{
    std::vector<std::size_t> indices(m_values.size());
    for (std::size_t i = 0; i < indices.size(); ++i)
        indices[i] = i;
    using I = std::function<void(const std::size_t*)>;
    EachCombination<std::size_t>(indices, 1, I([&](const std::size_t* a) {
        ExpectNumberOrError(Xl4(xllQRAND(In(Value(a[0])))), "QRAND");
        for (std::int32_t bound : kWholes)
            ExpectNumberOrError(Xl4(xllQRANDBETWEEN(bound, 7, In(Value(a[0])))), "QRANDBETWEEN");
        for (double bound : kDoubles)
            ExpectNumberOrError(Xl4(xllQTRIANGULAR(bound, 10.0, In(Value(a[0])))), "QTRIANGULAR");
    }));
    EachCombination<std::size_t>(indices, 3, I([&](const std::size_t* a) {
        EXPECT_NE(Xl4(xllQSAMPLE(In(Value(a[0])), In(Value(a[1])), In(Value(a[2])))), nullptr) << a[0] << " " << a[1] << " " << a[2];
    }));
    EXPECT_EQ(Diagnostics(), "");
    EXPECT_EQ(Excel().Outstanding(), 0u);
}

#pragma once
#include <iostream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "tests/xlhost/TestBinding.h"
#include "tests/xlhost/TestExcel.h"
#include "xlw/XlfExcel.h"

// Every bridge test talks to the in-process test Excel, starts from an
// empty pool and sheet, and can read what the bridge wrote to stderr. The
// test plays Excel calling into the XLL, the only time Excel answers.
class BridgeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseTestExcel();
        TestExcel::Instance().Reset();
        XlfExcel::Instance().ResetTempMemory();
        m_saved = std::cerr.rdbuf(m_diagnostics.rdbuf());
    }
    void TearDown() override { std::cerr.rdbuf(m_saved); }

    std::string Diagnostics() const { return m_diagnostics.str(); }
    TestExcel& Excel() { return TestExcel::Instance(); }

private:
    TestExcel::XllCall m_calling;
    std::ostringstream m_diagnostics;
    std::streambuf* m_saved = nullptr;
};

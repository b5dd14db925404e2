#pragma once
#include <iostream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "tests/xlhost/TestBinding.h"
#include "tests/xlhost/TestExcel.h"
#include "xlw/XlfExcel.h"

// Every bridge test talks to the in-process test Excel (playing Excel 2007
// or later, so the bridge takes the XLOPER12 path), starts from an empty
// pool and sheet, and can read what the bridge wrote to stderr. The test
// plays Excel calling into the XLL, the only time Excel answers.
class BridgeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseTestExcel();
        TestExcel::Instance().Reset();
        XlfExcel::Instance().Rebind();
        XlfExcel::Instance().ResetTempMemory();
        m_saved = std::cerr.rdbuf(m_diagnostics.rdbuf());
    }
    void TearDown() override { std::cerr.rdbuf(m_saved); }

    // Plays an Excel that offers only Excel4 (the bridge takes the XLOPER
    // path), or Excel 2007 and later again.
    void UseExcel4Only(bool only = true)
    {
        TestExcel::Instance().PlayExcel4Only(only);
        XlfExcel::Instance().Rebind();
    }

    std::string Diagnostics() const { return m_diagnostics.str(); }
    TestExcel& Excel() { return TestExcel::Instance(); }

private:
    TestExcel::XllCall m_calling;
    std::ostringstream m_diagnostics;
    std::streambuf* m_saved = nullptr;
};

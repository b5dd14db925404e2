#pragma once
#include "xlw/XlfBinding.h"

// Binds the bridge to the in-process test Excel; the module's file name is
// TestExcel's DLL name.
XlfBinding TestExcelBinding();

// Installs TestExcelBinding as the bridge's binder (before first use).
void UseTestExcel();

#pragma once
#include <string>

// One diagnostics line on the standard error stream, after the location
// prefix of the bridge source that wrote it (".\xlw\XlfOper(513): ").
void XlfDiagnostic(const char* location, const std::string& text);

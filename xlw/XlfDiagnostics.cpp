#include "xlw/XlfDiagnostics.h"

#include <iostream>

void XlfDiagnostic(const char* location, const std::string& text)
{
    std::cerr << location << text << std::endl;
}

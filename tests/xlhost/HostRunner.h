#pragma once
#include <string>
#include <vector>

// Runs xlhost.exe with the product DLL and the given arguments, and keeps
// what it wrote.
struct HostRun {
    int exitCode = -1;
    std::vector<std::string> lines; // standard output, one entry a line
    std::string errors;             // standard error
};

HostRun RunHost(const std::vector<std::string>& arguments);

// The cells of one output line.
std::vector<std::string> SplitTabs(const std::string& line);

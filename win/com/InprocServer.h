#pragma once
#include <string>

// The file registered as the in-process server of a class: the default
// value of HKEY_CLASSES_ROOT\CLSID\{class id}\InprocServer32, up to its
// first zero; empty when it is missing or not a string.
std::string RegisteredInprocServer(const char* classId);

#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "commands/distfill/ProgressTracker.h"
#include "uniform/UnitStream.h"
#include "qdists/Distribution.h"

// The file output's loop: count values of the distribution, a value a line
// in "%1.20g", handed to write in pieces of about 64 KiB (and once more
// after Abort, with the lines drawn so far). The progress is told after
// every value. Returns false as soon as write fails; nothing is drawn or
// written after that.
using CTextSink = std::function<bool(const std::string& text)>;
bool DrawValueLines(const qdists::VDistribution& distribution, CUnitStream& stream, std::uint64_t count,
                    CProgressTracker& progress, const CTextSink& write);

#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace cli {

// One subcommand of the tool. run writes its whole output to out only when
// it succeeds and returns the exit code; usage errors throw UsageError.
struct Command {
    const char* name;
    const char* summary;
    const char* usage;
    int (*run)(const std::vector<std::string>& words, std::ostream& out);
};

const std::vector<Command>& AllCommands();

int RunRand(const std::vector<std::string>& words, std::ostream& out);
int RunRandBetween(const std::vector<std::string>& words, std::ostream& out);
int RunSample(const std::vector<std::string>& words, std::ostream& out);
int RunShuffle(const std::vector<std::string>& words, std::ostream& out);

} // namespace cli

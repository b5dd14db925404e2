// stochal: the add-in's engine on the command line, for scripts and for
// checking a workbook's numbers outside Excel.
#include <iostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/Commands.h"

namespace {

void PrintOverview(std::ostream& out)
{
    out << "usage: stochal COMMAND [ARGS...]   (stochal COMMAND --help for details)\n\ncommands:\n";
    for (const cli::Command& command : cli::AllCommands()) {
        out << "  " << command.name << std::string(14 - std::string(command.name).size(), ' ') << command.summary
            << '\n';
    }
}

const cli::Command* Find(const std::string& name)
{
    for (const cli::Command& command : cli::AllCommands()) {
        if (name == command.name) {
            return &command;
        }
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        std::cerr << "stochal: no command given (see stochal --help)\n";
        return 2;
    }
    if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        PrintOverview(std::cout);
        return 0;
    }
    const cli::Command* command = Find(words[0]);
    if (!command) {
        std::cerr << "stochal: unknown command " << words[0] << " (see stochal --help)\n";
        return 2;
    }
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    for (const std::string& word : rest) {
        if (word == "--help") {
            std::cout << command->usage;
            return 0;
        }
    }
    try {
        return command->run(rest, std::cout);
    } catch (const cli::UsageError& error) {
        std::cerr << "stochal " << command->name << ": " << error.what() << '\n';
    } catch (const std::exception& error) {
        std::cerr << "stochal " << command->name << ": " << error.what() << '\n';
    }
    return 2;
}

#include "cli/Commands.h"

namespace cli {

const std::vector<Command>& AllCommands()
{
    static const std::vector<Command> commands = {
        {"rand", "uniform doubles in [0, 1) from the main stream",
         "stochal rand [-n N] [--seed S]\n"
         "  N doubles (default 1), one per line, with 17 significant digits.\n"
         "  --seed S builds the engine from S as the automation Seed does (so the\n"
         "  output equals QRAND(S) entered over N cells); otherwise the clock seeds it.\n",
         RunRand},
        {"randbetween", "uniform integers in [MIN, MAX] from the main stream",
         "stochal randbetween MIN MAX [-n N] [--seed S]\n"
         "  N integers (default 1) from MIN to MAX, both included; MIN must be below MAX.\n",
         RunRandBetween},
        {"sample", "rows of a CSV/TSV file sampled on the distribution stream",
         "stochal sample FILE [-n N] [--weights COL] [--unique] [--seed S]\n"
         "  N rows (default 1) of FILE (\"-\" for stdin), printed as read. COL is the\n"
         "  1-based column holding each row's weight; --unique draws without repetition.\n",
         RunSample},
        {"shuffle", "the rows of a CSV/TSV file in random order (main stream)",
         "stochal shuffle FILE [--seed S]\n"
         "  Every row of FILE (\"-\" for stdin), printed as read, in shuffled order.\n",
         RunShuffle},
    };
    return commands;
}

} // namespace cli

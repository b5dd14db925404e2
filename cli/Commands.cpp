#include "cli/Commands.h"

#include "cli/DistributionCommands.h"

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
        {"draw", "variates of a distribution from the distribution stream",
         "stochal draw DIST ARGS... [-n N] [--seed S]\n"
         "  N variates (default 1) of DIST (see stochal list) with ARGS in the order of its\n"
         "  worksheet function, as that function draws them: bernoulli TRUE/FALSE, the\n"
         "  discrete ones whole numbers, the others with 17 significant digits. Parameters\n"
         "  that fail validation are refused with the message, like any bad argument.\n",
         RunDraw},
        {"pdf", "density, or mass, of a distribution at each X",
         "stochal pdf DIST ARGS... X...\n"
         "  The density (the mass for a discrete DIST) at each X. Every argument of DIST is\n"
         "  needed here, the triangular's peak included.\n",
         RunPdf},
        {"cdf", "cumulative distribution function at each X",
         "stochal cdf DIST ARGS... X...\n"
         "  The cumulative function at each X (for a discrete DIST the sum of the masses\n"
         "  up to X). Every argument of DIST is needed here, the triangular's peak included.\n",
         RunCdf},
        {"quantile", "quantile of a distribution at each probability P",
         "stochal quantile DIST ARGS... P...\n"
         "  The quantile at each P in [0, 1] (for a discrete DIST the smallest k whose\n"
         "  cumulative function reaches P). Every argument of DIST is needed here.\n",
         RunQuantile},
        {"list", "the distributions, their arguments and parameters",
         "stochal list\n"
         "  Each DIST name with its arguments in worksheet order, then its parameters:\n"
         "  symbol, description, bounds, initial value.\n",
         RunList},
    };
    return commands;
}

} // namespace cli

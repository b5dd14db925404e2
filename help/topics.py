"""What the help says about each worksheet function beyond its registration
texts: the valid arguments, the result, the errors and an example. The names,
argument lists and topic numbers themselves come from
worksheet/FunctionTable.cpp and qdists/Distributions.def, so the help cannot
drift from what Excel shows."""

# name: (one-line summary, {argument: meaning and valid values}, result, example formula, example note)
FUNCTIONS = {
    "QRAND": (
        "A uniform random number from 0 up to, but not including, 1.",
        {"seed": "Optional. A whole number of at least 1. With a seed the function "
                 "returns the same numbers at every recalculation and on every machine; "
                 "without it each recalculation draws new numbers."},
        "A number in [0, 1). Entered as an array formula over several cells, it fills "
        "every cell with successive draws, row by row.",
        "=QRAND(1)", "always returns 0.973821102175862, the first number of seed 1."),
    "QRANDBETWEEN": (
        "A uniform random whole number between two bounds, both included.",
        {"MIN": "The lowest value; a whole number.",
         "MAX": "The highest value; a whole number greater than MIN.",
         "seed": "Optional. A whole number of at least 1, as for QRAND."},
        "A whole number from MIN to MAX. Over several cells, successive draws row by row.",
        "=QRANDBETWEEN(1, 6)", "rolls a die."),
    "QBERNOULLI": (
        "A random TRUE or FALSE.",
        {"p": "The probability of TRUE, from 0 to 1."},
        "TRUE with probability p, otherwise FALSE.",
        "=QBERNOULLI(0.25)", "is TRUE about one time in four."),
    "QPOISSON": (
        "A random count from a Poisson distribution.",
        {"lambda": "The mean: greater than 0 and at most 1000."},
        "A whole number of 0 or more.",
        "=QPOISSON(3.5)", "gives counts around 3.5 on average."),
    "QBINOMIAL": (
        "The number of successes in n independent trials.",
        {"n": "The number of trials: a whole number from 1 to 170.",
         "p": "The probability of success in each trial, from 0 to 1."},
        "A whole number from 0 to n.",
        "=QBINOMIAL(10, 0.5)", "counts heads in ten tosses of a fair coin."),
    "QNEGATIVEBINOMIAL": (
        "The number of failures before the n-th success.",
        {"n": "The number of successes: a whole number of at least 1.",
         "p": "The probability of success in each trial, from 0 to 1; the expected "
              "number of failures, n(1 - p)/p, may be at most 90."},
        "A whole number of 0 or more.",
        "=QNEGATIVEBINOMIAL(3, 0.5)", "averages 3 failures."),
    "QGEOMETRIC": (
        "The number of trials up to and including the first success.",
        {"p": "The probability of success in each trial: greater than 0, at most 1."},
        "A whole number of 1 or more.",
        "=QGEOMETRIC(0.2)", "averages 5 trials."),
    "QHYPERGEOMETRIC": (
        "The number of 'good' elements in a sample drawn without replacement.",
        {"n": "The number of 'bad' elements, a whole number of at least 1.",
         "m": "The number of 'good' elements, a whole number of at least 1.",
         "s": "The sample size, at least 1, at most n and at most m; n + m may be at most 170."},
        "A whole number from 0 to s.",
        "=QHYPERGEOMETRIC(40, 10, 5)", "counts good parts among five picked from fifty."),
    "QNORMAL": (
        "A random number from a normal (Gaussian) distribution.",
        {"mean": "The mean; any number.",
         "stddev": "The standard deviation; greater than 0."},
        "A number.",
        "=QNORMAL(100, 15)", "gives numbers around 100, two thirds of them within 85 to 115."),
    "QLOGNORMAL": (
        "A random number whose logarithm is normally distributed.",
        {"mu": "The mean of the logarithm; any number.",
         "sigma": "The standard deviation of the logarithm; greater than 0."},
        "A number greater than 0.",
        "=QLOGNORMAL(0, 0.5)", "has median 1."),
    "QUNIFORM": (
        "A random number spread evenly between two bounds.",
        {"min": "The lower bound.", "max": "The upper bound; greater than min."},
        "A number from min to max.",
        "=QUNIFORM(-1, 1)", "is equally likely anywhere between -1 and 1."),
    "QTRIANGULAR": (
        "A random number from a triangular distribution.",
        {"min": "The lower bound.", "max": "The upper bound; greater than min.",
         "peak": "Optional. The most likely value, between min and max; halfway when omitted."},
        "A number from min to max.",
        "=QTRIANGULAR(0, 10, 2)", "is most often near 2."),
    "QBETA": (
        "A random number from a beta distribution on [0, 1].",
        {"A": "The first shape parameter: greater than 0 and less than 150.",
         "B": "The second shape parameter: greater than 0 and less than 150; A + B below 150."},
        "A number from 0 to 1.",
        "=QBETA(2, 5)", "gives proportions around 0.29 on average."),
    "QPARETO": (
        "A random number from a Pareto distribution (heavy right tail).",
        {"alpha": "The shape parameter; greater than 0.", "theta": "The scale parameter; greater than 0."},
        "A number of 0 or more.",
        "=QPARETO(3, 100)", "draws with shape 3 and scale 100."),
    "QBURR": (
        "A random number from a Burr distribution.",
        {"alpha": "The first shape parameter; greater than 0.",
         "theta": "The scale parameter; greater than 0.",
         "gamma": "The second shape parameter; greater than 0."},
        "A number of 0 or more.",
        "=QBURR(2, 10, 3)", "draws with alpha 2, scale 10 and gamma 3."),
    "QGAMMA": (
        "A random number from a gamma distribution.",
        {"alpha": "The shape parameter: greater than 0, at most 2000.",
         "theta": "The scale parameter; greater than 0."},
        "A number of 0 or more.",
        "=QGAMMA(2, 3)", "has mean 6."),
    "QWEIBULL": (
        "A random number from a Weibull distribution.",
        {"tau": "The shape parameter; greater than 0.", "theta": "The scale parameter; greater than 0."},
        "A number of 0 or more.",
        "=QWEIBULL(1.5, 10)", "models lifetimes with scale 10."),
    "QEXPONENTIAL": (
        "A random number from an exponential distribution.",
        {"mean": "The mean; greater than 0."},
        "A number of 0 or more.",
        "=QEXPONENTIAL(5)", "gives waiting times of 5 on average."),
    "QSAMPLE": (
        "Rows drawn at random from a range, optionally weighted and without repetition.",
        {"data": "The range or array to draw rows from.",
         "weight": "Optional. The number of the column of data (1 for its first) that holds "
                   "each row's weight; rows of weight 0 are never drawn.",
         "unique": "Optional. TRUE to draw each row at most once; FALSE (the default) allows repeats."},
        "Enter it as an array formula over as many rows as you want samples and as many "
        "columns as data has: each row of the result is one drawn row. Cells beyond the "
        "drawn rows or beyond the data's columns show empty text.",
        "{=QSAMPLE(A1:B20, 2, TRUE)}", "over A25:B29 draws five different rows of A1:B20, weighted by column B."),
}

COMMANDS = [
    # (file, menu caption, dialog title, [(picture, what it shows)], description); the
    # pictures are taken by help/take-shots.sh with the scripts in help/shots/.
    ("fill-simple.htm", "Fill Simple...", "Random Fill", [("fill-simple.png", "The Random Fill dialog")],
     "Writes a uniform random number into every cell of a range: real numbers between 0 and 1, "
     "or whole numbers between a minimum and a maximum, optionally unique in each column. "
     "Choose the kind of numbers and the output range (the selection is proposed) and click OK. "
     "The choices are kept in the workbook for the next time. Press Esc to stop a long fill."),
    ("fill-distribution.htm", "Fill from Distribution...", "Fill from Distribution",
     [("fill-distribution-1.png", "Page 1 of the wizard: choose the distribution"),
      ("fill-distribution-2.png", "Page 2 of the wizard: its parameters and graph"),
      ("fill-distribution-3.png", "Page 3 of the wizard: where the numbers go")],
     "A three-page wizard: pick one of sixteen distributions from the picture grid, enter its "
     "parameters (checked as you type, with a graph of the density or mass function), then "
     "choose where the numbers go: the selection, an address, a new worksheet, the clipboard "
     "or a text file. A long fill shows its progress and can be aborted. The wizard remembers "
     "the last parameters of every distribution."),
    ("sample.htm", "Sample...", "Random Sample", [("sample.png", "The Random Sample dialog")],
     "Select a block of rows, then choose how many rows to draw, whether each row may be drawn "
     "only once, and optionally a column holding each row's weight. The drawn rows go to the "
     "clipboard, ready to paste."),
    ("sort.htm", "Sort...", "Random Sort", [("sort.png", "The Random Sort dialog")],
     "Shuffles the selection: whole rows or single cells, in place or to the clipboard."),
    ("about.htm", "About...", "About Stochal", [("about.png", "The About Stochal box")],
     "Shows the version of Stochal."),
]


def pictures():
    """Every dialog picture the help shows, in topic order."""
    return [image for _, _, _, shots, _ in COMMANDS for image, _ in shots]

#pragma once

// The argument checks shared by the three solvers. Each check returns true
// when the argument passes; otherwise it sets status and bound and returns
// false. Every comparison is written so that a NaN fails it.
namespace qdists {

// The mode must be 1 to 4; status -1 with bound 1 or 4.
bool checkSolverMode(int which, int& status, double& bound);

// Starts a solver call: status 0 and bound 0, then the two mode checks.
bool beginSolve(int which, int& status, double& bound);

// Of the four modes only 1 (P from X) and 2 (X from P) are provided;
// modes 3 and 4 give status -1 with bound 2, the highest mode provided.
bool checkImplementedMode(int which, int& status, double& bound);

// A probability must lie in (0, 1]; status -argument with bound 0 or 1.
bool checkProbability(double value, int argument, int& status, double& bound);

// Two complementary values (P and Q, or X and Y) must sum to 1 within three
// units of machine precision; status code with bound 0 (sum below 0) or 1.
bool checkUnitSum(double first, double second, int code, int& status, double& bound);

// A value must lie in [low, high]; status -argument with the violated end.
bool checkClosedRange(double value, double low, double high, int argument, int& status, double& bound);

// A value must be above 0; status -argument with bound 0.
bool checkPositive(double value, int argument, int& status, double& bound);

} // namespace qdists

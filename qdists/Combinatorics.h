#pragma once

namespace qdists {

// The largest n whose factorial is a finite double: 170.
int MaxFactorialArgument();

// n! from an exact table; -1 for n < 0, +infinity above 170.
double Factorial(int n);

// n! / ((n - k)! k!), for 0 <= k <= n <= 170.
double BinomialCoefficient(int n, int k);

// x^m for a whole m by repeated squaring; x^0 = 1.
double IntegerPower(double x, int m);

} // namespace qdists

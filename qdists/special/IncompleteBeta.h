#pragma once

// The regularised incomplete beta ratio I_x(a, b) of DiDonato and Morris,
// ACM TOMS 708 (1992).
namespace qdists {

// w = I_x(a, b) and w1 = 1 - I_x(a, b), y = 1 - x (BRATIO). error: 0
// success; 1 a or b negative; 2 both 0; 3 x outside [0, 1]; 4 y outside
// [0, 1]; 5 x + y differs from 1; 6 x = a = 0; 7 y = b = 0.
void bratio(double a, double b, double x, double y, double& w, double& w1, int& error);

// P = I_x(a, b) and Q = 1 - P, with P = 0, Q = 1 for x <= 0 and P = 1,
// Q = 0 for y <= 0.
void cumbet(double x, double y, double a, double b, double& p, double& q);

} // namespace qdists

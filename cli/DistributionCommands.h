#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace cli {

// stochal draw DIST ARGS... [-n N] [--seed S]
int RunDraw(const std::vector<std::string>& words, std::ostream& out);
// stochal pdf|cdf|quantile DIST ARGS... X...
int RunPdf(const std::vector<std::string>& words, std::ostream& out);
int RunCdf(const std::vector<std::string>& words, std::ostream& out);
int RunQuantile(const std::vector<std::string>& words, std::ostream& out);
// stochal list
int RunList(const std::vector<std::string>& words, std::ostream& out);

} // namespace cli

#pragma once
#include <boost/numeric/interval.hpp>

namespace qdists {

// A closed interval of doubles. The default checking policy of Boost's
// interval throws std::runtime_error("boost::interval: empty interval
// created") when the ends come reversed or NaN, so a range computed from
// bad parameters cannot pass silently.
using Interval = boost::numeric::interval<double>;

} // namespace qdists

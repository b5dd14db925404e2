#pragma once
#include <map>
#include <string>

// Calls per member ("Range.Value", puts as "Range.Value="), and the
// failures and delays the script arms on them.
namespace xlhost {

class CallBook {
public:
    static CallBook& Instance();

    // Counts the call; sleeps when the member is slow. True when this
    // call is the one armed to fail.
    bool Enter(const std::string& key);
    void ArmFailure(const std::string& key, int nth) { m_failures[key] = nth; }
    void SetSlow(const std::string& key, int milliseconds) { m_slow[key] = milliseconds; }
    // The counts since the last take, sorted by member; counting restarts.
    std::map<std::string, int> Take();

private:
    std::map<std::string, int> m_counts;
    std::map<std::string, int> m_failures;
    std::map<std::string, int> m_slow;
};

} // namespace xlhost

#pragma once
#include <windows.h>

#include <map>
#include <set>
#include <string>
#include <utility>

// Calls per member ("Range.Value", puts as "Range.Value="), the failures
// and delays the script arms on them, the locales the calls carried and
// the GetIDsOfNames lookups per member ("Range.Value").
namespace xlhost {

class CallBook {
public:
    static CallBook& Instance();

    // Counts the call; sleeps when the member is slow. True when this
    // call is the one armed to fail.
    bool Enter(const std::string& key);
    void NoteLocale(const std::string& key, LCID lcid) { m_locales.emplace(key, lcid); }
    void NoteLookup(const std::string& key) { ++m_lookups[key]; }
    void ArmFailure(const std::string& key, int nth) { m_failures[key] = nth; }
    void SetSlow(const std::string& key, int milliseconds) { m_slow[key] = milliseconds; }
    // The counts since the last take, sorted by member; counting restarts.
    std::map<std::string, int> Take();
    // Likewise for the locales and the lookups.
    std::set<std::pair<std::string, LCID>> TakeLocales();
    std::map<std::string, int> TakeLookups();

private:
    std::map<std::string, int> m_counts;
    std::map<std::string, int> m_failures;
    std::map<std::string, int> m_slow;
    std::set<std::pair<std::string, LCID>> m_locales;
    std::map<std::string, int> m_lookups;
};

} // namespace xlhost

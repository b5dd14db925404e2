#include "tests/xlhost/CallBook.h"

#include <windows.h>

namespace xlhost {

CallBook& CallBook::Instance()
{
    static CallBook book;
    return book;
}

bool CallBook::Enter(const std::string& key)
{
    ++m_counts[key];
    const auto slow = m_slow.find(key);
    if (slow != m_slow.end()) {
        Sleep(static_cast<DWORD>(slow->second));
    }
    const auto failure = m_failures.find(key);
    if (failure == m_failures.end() || --failure->second > 0) {
        return false;
    }
    m_failures.erase(failure);
    return true;
}

std::map<std::string, int> CallBook::Take()
{
    std::map<std::string, int> counts;
    counts.swap(m_counts);
    return counts;
}

std::set<std::pair<std::string, LCID>> CallBook::TakeLocales()
{
    std::set<std::pair<std::string, LCID>> locales;
    locales.swap(m_locales);
    return locales;
}

std::map<std::string, int> CallBook::TakeLookups()
{
    std::map<std::string, int> lookups;
    lookups.swap(m_lookups);
    return lookups;
}

} // namespace xlhost

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

} // namespace xlhost

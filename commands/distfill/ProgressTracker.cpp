#include "commands/distfill/ProgressTracker.h"

#include <utility>

#include "commands/distfill/ProgressSchedule.h"

CProgressTracker::CProgressTracker(WindowFactory factory, Clock clock, EscapeProbe escape)
    : m_factory(std::move(factory)), m_clock(std::move(clock)), m_escape(std::move(escape))
{
}

void CProgressTracker::Start(std::uint64_t total)
{
    End();
    m_startClock = m_clock();
    m_total = total;
    m_tried = false;
    m_escaped = false;
}

void CProgressTracker::Update(std::uint64_t done)
{
    if (done % kProgressStep != 0)
        return;
    if (m_escape && m_escape())
        m_escaped = true;
    if (!m_window && !m_tried && ProgressWindowDue(done, m_total, m_clock() - m_startClock)) {
        m_tried = true;
        m_window = m_factory(m_total);
    }
    if (m_window)
        m_window->Update(done);
}

void CProgressTracker::End()
{
    m_window.reset();
}

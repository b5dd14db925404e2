#include "commands/distfill/GenerateWrapper.h"

#include <utility>

#include "commands/distfill/GenerateProgressDialog.h"
#include "win/ui/EscapeKey.h"

namespace {

std::unique_ptr<VProgressWindow> ShowProgressDialog(std::uint64_t total)
{
    auto dialog = std::make_unique<CGenerateProgressDialog>();
    dialog->SetTotal(total);
    if (!dialog->Start())
        return nullptr;
    return dialog;
}

std::uint64_t TickClock()
{
    return GetTickCount64();
}

} // namespace

VGenerateWrapper::VGenerateWrapper() : m_progress(&ShowProgressDialog, &TickClock, &EscapePressed) {}

VGenerateWrapper::VGenerateWrapper(CProgressTracker::WindowFactory factory, CProgressTracker::Clock clock)
    : m_progress(std::move(factory), std::move(clock))
{
}

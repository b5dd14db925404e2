#include "addin/HelpCommand.h"

#include "win/ui/HtmlHelp.h"

void ShowHelpIndex()
{
    ShowHelpTopic(GetDesktopWindow(), L"index.htm");
}

#pragma once

// The Help command: the help's index topic.
void ShowHelpIndex();

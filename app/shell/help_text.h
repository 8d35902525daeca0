// The help: an HTML manual in the "Help" folder, opened in the user's
// browser at its introduction, and short context texts for the controls,
// kept in the help-text profile "Resdeck.ini" of the same folder (section
// "Help", the context id as key), which the help writers edit.
#pragma once

#include <string>

// The manual's file: the help folder and its name from the string table.
std::string HelpManualPath(const std::string& helpFolder);
// The address the browser opens: the manual at its introduction.
std::string HelpManualUrl(const std::string& manualPath);
// The pop-up text for a control; the "no topic" message when there is none.
std::string ContextHelpText(const std::string& helpFolder, unsigned contextId);

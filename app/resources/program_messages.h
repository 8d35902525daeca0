// The program's messages that the string table does not number. Numbered
// texts live in string_table.cpp; these are shown as they stand.
#pragma once

inline constexpr char kMsgScreenColours[] = "Screen colors must be High Color (16 bit) or True Color.";
inline constexpr char kMsgUseTrueColour[] = "Use True Color for best performance.";
inline constexpr char kMsgCantFind[] = "Can't find %s.";
inline constexpr char kMsgScreenResolution[] = "Screen resolution must be at less %dx%d.";
inline constexpr char kMsgCantOpenProject[] = "Can't open the project %s.";
inline constexpr char kMsgNoHelpTopic[] = "No help topic is associated with this item.";

// Numbered texts the shell reads.
inline constexpr unsigned kStringLocaleName = 61778;
inline constexpr unsigned kStringHelpFile = 61799;
inline constexpr unsigned kStringQuitQuestion = 61786;
inline constexpr unsigned kStringApplicationTitle = 57344;
// Skin colours of the context-help pop-up, from the style.
inline constexpr unsigned kColourHelpText = 61787;
inline constexpr unsigned kColourHelpBackground = 61788;

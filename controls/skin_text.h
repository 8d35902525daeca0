// The texts of skin resources and of the string table: number lists
// ("wndrect", "wndpos", colour strings) and a control's information string.
// Window-system free, so the rules are tested on their own.
//
// A number field is valid when it is not empty after trimming blanks and
// holds no letter; its value is the decimal number it starts with (so "1.5"
// is 1 and "+7" is 7). Values beyond the int range saturate.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/core/device_context.h"

// The comma-separated fields of `text` as numbers, when there are exactly
// `count` of them and all are valid.
std::optional<std::vector<int>> ParseNumberFields(const std::string& text, std::size_t count);

// "[label:]r, g, b" as a colour 0x00BBGGRR, each number taken as a byte.
std::optional<COLORREF> ParseColorString(const std::string& text);

// Splits an information string. Without a newline the whole string is the
// status text and the tip and help texts are left alone. With one, the
// status is what comes before the first newline and the tip what follows;
// a '|' anywhere then splits help (before the first '|') from tip (after).
void LoadInfoStrings(const std::string& info, std::string& tip, std::string& status, std::string& help);

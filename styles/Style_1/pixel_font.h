// A 5 × 7 pixel font for the labels on the style's buttons: upper-case
// letters, digits and a little punctuation, enough for captions that read
// at a glance without depending on a font library at build time.
#pragma once

// The seven rows of the glyph, five bits each (bit 4 is the left column),
// or null when the font has no such character.
const unsigned char* GlyphRows(char c);
inline constexpr int kGlyphWidth = 5, kGlyphHeight = 7, kGlyphAdvance = 6;

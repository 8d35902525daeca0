// One FreeType library and one face per weight, opened on first use and kept
// for the generator's run. Glyphs are hinted lightly (vertical only) so
// stems stay crisp at caption sizes without distorting the letter shapes.
// Coverage is lifted by a mild gamma because the blend is done in sRGB,
// where plain coverage makes light text on the dark panels look thin.
#include "styles/Style_1/type_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdio>
#include <cstdint>
#include <vector>

namespace {

class Face {
 public:
  explicit Face(const char* path) {
    if (FT_Init_FreeType(&m_library) != 0) {
      m_library = nullptr;
      return;
    }
    if (FT_New_Face(m_library, path, 0, &m_face) != 0) {
      m_face = nullptr;
      std::fprintf(stderr, "generate_style: %s: cannot open the font\n", path);
    }
  }
  ~Face() {
    if (m_face) FT_Done_Face(m_face);
    if (m_library) FT_Done_FreeType(m_library);
  }
  Face(const Face&) = delete;
  Face& operator=(const Face&) = delete;

  FT_Face Sized(double size) {
    if (!m_face) return nullptr;
    FT_F26Dot6 charSize = static_cast<FT_F26Dot6>(std::lround(size * 64));
    if (charSize != m_charSize) {
      if (FT_Set_Char_Size(m_face, 0, charSize, 72, 72) != 0) return nullptr;
      m_charSize = charSize;
    }
    return m_face;
  }

 private:
  FT_Library m_library = nullptr;
  FT_Face m_face = nullptr;
  FT_F26Dot6 m_charSize = 0;
};

Face& FaceFor(Weight weight) {
  static Face regular(KELVORA_STYLE_FONT_REGULAR);
  static Face bold(KELVORA_STYLE_FONT_BOLD);
  return weight == Weight::kBold ? bold : regular;
}

// Code points of a UTF-8 string; a malformed byte stands for itself.
std::vector<std::uint32_t> CodePoints(const std::string& text) {
  std::vector<std::uint32_t> points;
  for (std::size_t i = 0; i < text.size();) {
    unsigned char lead = static_cast<unsigned char>(text[i]);
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (extra && i + extra >= text.size()) extra = 0;
    std::uint32_t point = extra ? lead & (0x3F >> extra) : lead;
    bool valid = true;
    for (int k = 1; k <= extra; ++k) {
      unsigned char next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) valid = false;
      point = (point << 6) | (next & 0x3F);
    }
    if (!valid) extra = 0, point = lead;
    points.push_back(point);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return points;
}

constexpr FT_Int32 kLoadFlags = FT_LOAD_TARGET_LIGHT;

// Walks the glyphs with their pen positions (26.6 pixels from the start).
template <typename Visit>
bool WalkGlyphs(FT_Face face, const std::string& text, bool render, Visit visit) {
  FT_Pos pen = 0;
  FT_UInt previous = 0;
  for (std::uint32_t point : CodePoints(text)) {
    FT_UInt index = FT_Get_Char_Index(face, point);
    if (previous && index && FT_HAS_KERNING(face)) {
      FT_Vector kern;
      if (FT_Get_Kerning(face, previous, index, FT_KERNING_DEFAULT, &kern) == 0) pen += kern.x;
    }
    if (FT_Load_Glyph(face, index, kLoadFlags | (render ? FT_LOAD_RENDER : 0)) != 0) continue;
    visit(face->glyph, pen);
    pen += face->glyph->advance.x;
    previous = index;
  }
  visit(nullptr, pen);
  return true;
}

}  // namespace

TextMetrics MeasureText(const std::string& text, double size, Weight weight) {
  TextMetrics metrics;
  FT_Face face = FaceFor(weight).Sized(size);
  if (!face) return metrics;
  WalkGlyphs(face, text, false, [&](FT_GlyphSlot glyph, FT_Pos pen) {
    if (!glyph) metrics.width = static_cast<int>((pen + 63) / 64);
  });
  if (FT_Load_Char(face, 'H', kLoadFlags) == 0)
    metrics.capHeight = static_cast<int>((face->glyph->metrics.horiBearingY + 32) / 64);
  if (FT_Load_Char(face, 'g', kLoadFlags) == 0)
    metrics.descent =
        static_cast<int>((face->glyph->metrics.height - face->glyph->metrics.horiBearingY + 32) / 64);
  return metrics;
}

double FittingSize(const std::string& text, double size, int width, Weight weight) {
  while (size > 6 && MeasureText(text, size, weight).width > width) size -= 0.5;
  return size;
}

bool type_face_detail::Render(const std::string& text, double size, Weight weight, int x, int baseline,
                              PlotFunction plot, void* context) {
  FT_Face face = FaceFor(weight).Sized(size);
  if (!face) return false;
  return WalkGlyphs(face, text, true, [&](FT_GlyphSlot glyph, FT_Pos pen) {
    if (!glyph) return;
    const FT_Bitmap& bitmap = glyph->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.num_grays < 2) return;
    int left = x + static_cast<int>(pen / 64) + glyph->bitmap_left, top = baseline - glyph->bitmap_top;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
      const unsigned char* line = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
      for (unsigned column = 0; column < bitmap.width; ++column) {
        if (!line[column]) continue;
        double coverage = std::pow(line[column] / double(bitmap.num_grays - 1), 0.8);
        plot(context, left + static_cast<int>(column), top + static_cast<int>(row), coverage);
      }
    }
  });
}

// kvtool project: making, inspecting and rendering gallery project files
// without the program's window. "make" builds a look the way the program
// does: a document, a photo fitted into a client area, items from item
// databases placed by their anchors with PutItem, adjustments applied
// through the layer's setters, and the projection written as "Add to
// gallery" writes it.
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <type_traits>

#include "app/bases/base_database.h"
#include "app/bases/item_record.h"
#include "app/document/project_file.h"
#include "imagelib/dib_alpha.h"
#include "tools/kvtool/command.h"
#include "tools/kvtool/image_io.h"

namespace {

// What the document asks of a window, answered for a window of `client`
// size with a white background, so skin sampling finds the photo's colours.
class CToolHost : public CDocumentHost {
 public:
  explicit CToolHost(CSize client) : m_client(client) { m_background.Create(client, 0xFFFFFFul); }
  CSize GetClientSize() override { return m_client; }
  CDib* GetBackgroundRaster() override { return m_background.IsEmpty() ? nullptr : &m_background; }

 private:
  CSize m_client;
  CDib m_background;
};

struct ItemRequest {
  int kind = 0;
  std::string database;
  int index = 0;
  std::optional<std::array<int, 8>> adjust;  // B, C, H, O, F, S, colour, N
};

struct MakeRequest {
  std::string output;
  std::string photo;
  CSize client{1024, 768};
  bool body = false;
  int projection = 0;
  std::optional<CDoubleRect> face;
  double faceCosine = 1.0;
  double faceSine = 0.0;
  std::optional<CRect> eyes, lips, underarm;
  std::vector<ItemRequest> items;
};

bool ParseDouble(const std::string& text, double* value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size() && !text.empty() && std::isfinite(*value);
}

// Comma-separated numbers, exactly `count` of them.
template <class T>
bool ParseList(const std::string& text, std::size_t count, T* values) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t comma = text.find(',', start);
    if ((comma == std::string::npos) != (i + 1 == count)) return false;
    const std::string part = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    if constexpr (std::is_same_v<T, double>) {
      if (!ParseDouble(part, &values[i])) return false;
    } else if (!ParseInt(part, &values[i])) {
      return false;
    }
    start = comma + 1;
  }
  return true;
}

bool ParseRect(const std::string& text, CRect* rect) {
  int v[4];
  if (!ParseList(text, 4, v)) return false;
  *rect = CRect(v[0], v[1], v[2], v[3]);
  return true;
}

// B,C,H,O,F,S,RRGGBB,N with the ranges the sliders have.
bool ParseAdjust(const std::string& text, std::array<int, 8>* adjust, std::string* reason) {
  std::vector<std::string> parts;
  for (std::size_t start = 0;;) {
    const std::size_t comma = text.find(',', start);
    parts.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  *reason = "--adjust needs B,C,H,O,F,S,RRGGBB,N (0..100 each, F 0 or 1, N -1..11)";
  if (parts.size() != 8) return false;
  unsigned long colour = 0;
  if (!ParseHexColor(parts[6], &colour)) return false;
  (*adjust)[6] = static_cast<int>(colour);
  for (int i : {0, 1, 2, 3, 4, 5, 7}) {
    if (!ParseInt(parts[i], &(*adjust)[i])) return false;
    const int low = i == 7 ? kNoFilter : 0;
    const int high = i == 7 ? kCustomFilterNumber : i == 4 ? 1 : 100;
    if ((*adjust)[i] < low || (*adjust)[i] > high) return false;
  }
  return true;
}

bool ParseMake(const CommandArgs& args, MakeRequest* request, std::string* reason) {
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (!word.starts_with("--")) {
      files.push_back(word);
      continue;
    }
    if (word == "--body") {
      request->body = true;
      continue;
    }
    if (word == "--item") {
      ItemRequest item;
      if (i + 3 >= args.size()) return *reason = "--item needs KIND BASE.hbd INDEX", false;
      if (!ParseInt(args[i + 1], &item.kind) || item.kind < 0 || item.kind >= kItemKindCount)
        return *reason = "--item KIND must be 0 to 8", false;
      item.database = args[i + 2];
      if (!ParseInt(args[i + 3], &item.index) || item.index < 0) return *reason = "--item INDEX must be a whole number", false;
      i += 3;
      if (i + 1 < args.size() && args[i + 1] == "--adjust") {
        if (i + 2 >= args.size()) return *reason = "--adjust needs a value", false;
        std::array<int, 8> adjust{};
        if (!ParseAdjust(args[i + 2], &adjust, reason)) return false;
        item.adjust = adjust;
        i += 2;
      }
      request->items.push_back(item);
      continue;
    }
    if (i + 1 == args.size()) return *reason = word + " needs a value", false;
    const std::string& value = args[++i];
    if (word == "--client") {
      if (!ParseIntPair(value, ',', &request->client.cx, &request->client.cy) || request->client.cx < 2 ||
          request->client.cy < 2 || request->client.cx > 16384 || request->client.cy > 16384)
        return *reason = "--client needs W,H from 2 to 16384", false;
    } else if (word == "--projection") {
      if (!ParseInt(value, &request->projection) || request->projection < 0 || request->projection > 3)
        return *reason = "--projection must be 0 to 3", false;
    } else if (word == "--face") {
      double v[4];
      if (!ParseList(value, 4, v)) return *reason = "--face needs L,T,R,B", false;
      request->face = CDoubleRect{v[0], v[1], v[2], v[3]};
    } else if (word == "--face-rotation") {
      double v[2];
      if (!ParseList(value, 2, v) || std::fabs(std::hypot(v[0], v[1]) - 1.0) > 1e-6)
        return *reason = "--face-rotation needs COS,SIN of one angle", false;
      request->faceCosine = v[0];
      request->faceSine = v[1];
    } else if (word == "--eyes" || word == "--lips" || word == "--underarm") {
      CRect line;
      if (!ParseRect(value, &line)) return *reason = word + " needs X1,Y1,X2,Y2", false;
      (word == "--eyes" ? request->eyes : word == "--lips" ? request->lips : request->underarm) = line;
    } else {
      return *reason = "unknown option " + word, false;
    }
  }
  if (files.size() != 2) return *reason = "needs OUT.kvp and PHOTO", false;
  if (request->body && request->projection != 0) return *reason = "the body set has only projection 0", false;
  request->output = files[0];
  request->photo = files[1];
  return true;
}

std::string Rect(const CDoubleRect& r) {
  char text[160];
  std::snprintf(text, sizeof text, "%g,%g,%g,%g", r.left, r.top, r.right, r.bottom);
  return text;
}

std::string Rect(const CRect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

std::string Colour(unsigned long colour) {
  char text[8];
  std::snprintf(text, sizeof text, "%02lX%02lX%02lX", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
  return text;
}

// One layer on one line: what `make` prints and `info` lists.
std::string DescribeLayer(const CLayer& layer) {
  const CDibAlpha* image = layer.GetImage();
  char rotation[64];
  std::snprintf(rotation, sizeof rotation, "%g,%g", layer.GetCosine(), layer.GetSine());
  return "image " + std::to_string(image->Width()) + "x" + std::to_string(image->Height()) + " frame " +
         Rect(layer.GetBaseRect()) + " rotation " + rotation + " box " + Rect(layer.GetBoundingRect()) +
         " brightness " + std::to_string(layer.GetBrightness()) + " contrast " + std::to_string(layer.GetContrast()) +
         " hue " + std::to_string(layer.GetHue()) + " opacity " + std::to_string(layer.GetImageOpacity()) +
         " filter " + (layer.IsFilterOn() ? "on" : "off") + " strength " + std::to_string(layer.GetFilterStrength()) +
         " colour " + Colour(layer.GetFilterColour()) + " number " + std::to_string(layer.GetFilterNumber());
}

// The item's image and anchors from its database, placed in the current
// projection.
CLayer* PlaceItem(CKelvoraDoc& document, const ItemRequest& item, std::string* subject, std::string* reason) {
  *subject = item.database;
  CBaseDatabase base;
  if (!base.Open(item.database, true) || !base.Load()) return *reason = "not a readable item database", nullptr;
  if (item.index >= static_cast<int>(base.Records().size()))
    return *reason = "has no item " + std::to_string(item.index), nullptr;
  const BaseItemRecord& record = base.Records()[item.index];
  std::unique_ptr<CDibAlpha> image(base.LoadItemImage(record.imageOffset));
  if (!image) return *reason = "the image of item " + std::to_string(item.index) + " cannot be read", nullptr;
  const CRect anchors = GetItemPlacement(record);
  CLayer* layer = document.PutItem(std::move(image), anchors.left, anchors.top, anchors.right, anchors.bottom,
                                   item.kind);
  if (!layer) return *reason = "item " + std::to_string(item.index) + " cannot be placed (its anchors share an x)", nullptr;
  if (item.adjust) {
    const std::array<int, 8>& a = *item.adjust;
    layer->StoreAdjustments(a[0], a[1], a[2], a[3], a[4] != 0, a[5], static_cast<unsigned long>(a[6]), a[7]);
    layer->ApplyAdjustments();  // the setters, in the sliders' order
  }
  return layer;
}

int RunMake(const CommandArgs& args) {
  MakeRequest request;
  std::string reason;
  if (!ParseMake(args, &request, &reason)) return Fail("project make", reason);
  auto photo = std::make_unique<CDib>();
  if (!LoadImageOrReport(request.photo, *photo)) return kExitFailure;

  CToolHost host(request.client);
  CKelvoraDoc document(nullptr, &host);
  document.SwitchProjectionSet(request.body ? kBodySet : kFaceSet);
  document.SelectProjection(request.projection, false, true);
  if (!document.SetPhoto(std::move(photo), -1, false)) return Fail(request.photo, "not a 24-bit picture");
  CProjection& projection = *document.GetProjection(-1);
  const CDoubleRect face = request.face.value_or(projection.GetPhoto()->GetBaseRect());
  projection.FaceFrame().SetRect(face.left, face.top, face.right, face.bottom);
  projection.FaceFrame().SetRotation(request.faceSine, request.faceCosine);
  auto setLine = [](CLineTracker& line, const std::optional<CRect>& points) {
    if (points) line.SetPoints(points->left, points->top, points->right, points->bottom);
  };
  setLine(projection.EyesLine(), request.eyes);
  setLine(projection.LipsLine(), request.lips);
  setLine(projection.UnderarmLine(), request.underarm);

  for (const ItemRequest& item : request.items) {
    std::string subject;
    CLayer* layer = PlaceItem(document, item, &subject, &reason);
    if (!layer) return Fail(subject, reason);
    std::printf("slot %d: %s\n", item.kind, DescribeLayer(*layer).c_str());
  }
  if (!WriteProjectFile(document, -1, request.output, &reason)) return Fail(request.output, reason);
  return 0;
}

int RunInfo(const CommandArgs& args) {
  if (args.size() != 1) return UsageError(FindCommand("project"));
  CProjection projection;
  ProjectFileHeader header;
  std::string reason;
  if (!LoadProjectFile(args[0], projection, &header, &reason)) return Fail(args[0], reason);
  std::unique_ptr<CDib> thumbnail = ReadProjectThumbnail(args[0], &reason);
  auto line = [](const CLineTracker& l) {
    return Rect(CRect(l.GetPoint0().x, l.GetPoint0().y, l.GetPoint1().x, l.GetPoint1().y));
  };
  std::printf("mode %d (%s set)\n", header.mode, header.IsBodySet() ? "body" : "face");
  std::printf("projection %d (document projection %d)\n", header.index, header.DocumentProjection());
  std::printf("version %d\n", kProjectRecordVersion);
  std::printf("thumbnail %s\n", thumbnail ? "64x64" : ("none: " + reason).c_str());
  std::printf("face frame %s rotation %g,%g\n", Rect(projection.FaceFrame().GetBaseRect()).c_str(),
              projection.FaceFrame().GetCosine(), projection.FaceFrame().GetSine());
  std::printf("eyes line %s\n", line(projection.EyesLine()).c_str());
  std::printf("lips line %s\n", line(projection.LipsLine()).c_str());
  std::printf("underarm line %s\n", line(projection.UnderarmLine()).c_str());
  std::printf("print area %s\n", Rect(projection.PrintArea().GetBaseRect()).c_str());
  std::printf("layer mask 0x%X\n", header.layerMask);
  std::printf("photo: %s\n", DescribeLayer(*projection.GetPhoto()).c_str());
  std::printf("make-up%s: %s\n", header.layerMask & kProjectMaskMakeup ? "" : " (not stored, fresh)",
              DescribeLayer(*projection.GetMakeup()).c_str());
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const CLayer* layer = projection.GetSlot(slot);
    if (!layer) continue;
    std::printf("slot %d: stretch frame %s %s\n", slot, Rect(projection.StretchFrame(slot)->GetBaseRect()).c_str(),
                DescribeLayer(*layer).c_str());
  }
  return 0;
}

int RunRender(const CommandArgs& args) {
  std::vector<std::string> files;
  std::optional<CRect> area;
  std::optional<std::string> under;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (!args[i].starts_with("--")) {
      files.push_back(args[i]);
    } else if (i + 1 < args.size() && args[i] == "--area") {
      CRect rect;
      if (!ParseRect(args[++i], &rect)) return Fail("project render", "--area needs L,T,R,B");
      area = rect;
    } else if (i + 1 < args.size() && args[i] == "--under") {
      under = args[++i];
    } else {
      return UsageError(FindCommand("project"));
    }
  }
  if (files.size() != 2) return UsageError(FindCommand("project"));
  CDib base;
  if (under && !LoadImageOrReport(*under, base)) return kExitFailure;
  std::string reason;
  std::unique_ptr<CDib> picture =
      RenderProjectFile(files[0], area ? &*area : nullptr, under ? &base : nullptr, &reason);
  if (!picture) return Fail(files[0], reason);
  return SaveImageOrReport(*picture, files[1]) ? 0 : kExitFailure;
}

int RunThumb(const CommandArgs& args) {
  if (args.size() != 2) return UsageError(FindCommand("project"));
  std::string reason;
  std::unique_ptr<CDib> thumbnail = ReadProjectThumbnail(args[0], &reason);
  if (!thumbnail) return Fail(args[0], reason);
  return SaveImageOrReport(*thumbnail, args[1]) ? 0 : kExitFailure;
}

}  // namespace

int RunProject(const CommandArgs& args) {
  if (!args.empty()) {
    const CommandArgs rest(args.begin() + 1, args.end());
    if (args[0] == "make") return RunMake(rest);
    if (args[0] == "info") return RunInfo(rest);
    if (args[0] == "render") return RunRender(rest);
    if (args[0] == "thumb") return RunThumb(rest);
  }
  return UsageError(FindCommand("project"));
}

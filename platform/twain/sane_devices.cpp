#include "platform/twain/sane_devices.h"

#include <sane/sane.h>
#include <sane/saneopts.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/core/dib_header.h"

namespace {

constexpr int kResolutionSteps[] = {75, 100, 150, 200, 300, 600};

// SANE is initialised while any list or device lives.
int g_saneUsers = 0;

bool SaneAcquire() {
  if (g_saneUsers == 0) {
    SANE_Int version = 0;
    if (sane_init(&version, nullptr) != SANE_STATUS_GOOD) return false;
  }
  ++g_saneUsers;
  return true;
}

void SaneRelease() {
  if (g_saneUsers > 0 && --g_saneUsers == 0) sane_exit();
}

int FindOption(SANE_Handle handle, const char* name) {
  SANE_Int count = 0;
  if (sane_control_option(handle, 0, SANE_ACTION_GET_VALUE, &count, nullptr) != SANE_STATUS_GOOD) return -1;
  for (SANE_Int i = 1; i < count; ++i) {
    const SANE_Option_Descriptor* option = sane_get_option_descriptor(handle, i);
    if (option && option->name && std::strcmp(option->name, name) == 0) return i;
  }
  return -1;
}

class CSaneDevice : public CTwainDevice {
 public:
  CSaneDevice(std::string name, std::string vendor, std::string model, std::string type)
      : m_name(std::move(name)), m_vendor(std::move(vendor)), m_model(std::move(model)), m_type(std::move(type)) {
    SaneAcquire();
  }
  ~CSaneDevice() override {
    Close();
    SaneRelease();
  }

  std::string Name() const override { return m_vendor.empty() ? m_name : m_vendor + " " + m_model + " (" + m_name + ")"; }
  std::string Vendor() const override { return m_vendor; }
  std::string ActionText() const override {
    return m_type.find("camera") != std::string::npos ? "Take photo" : "Scan";
  }

  bool Open() override {
    if (m_handle) return true;
    return sane_open(m_name.c_str(), &m_handle) == SANE_STATUS_GOOD;
  }
  void Close() override {
    if (m_handle) sane_close(m_handle);
    m_handle = nullptr;
  }

  std::vector<TwainSourceSetting> Settings() override {
    m_modes.clear();
    m_resolutions.clear();
    std::vector<TwainSourceSetting> settings;
    if (!m_handle) return settings;
    if (int mode = FindOption(m_handle, SANE_NAME_SCAN_MODE); mode > 0) {
      const SANE_Option_Descriptor* option = sane_get_option_descriptor(m_handle, mode);
      if (option->type == SANE_TYPE_STRING && option->constraint_type == SANE_CONSTRAINT_STRING_LIST) {
        TwainSourceSetting setting{"Mode", {}, 0};
        for (const SANE_String_Const* entry = option->constraint.string_list; *entry; ++entry) {
          if (std::strcmp(*entry, SANE_VALUE_SCAN_MODE_LINEART) == 0) continue;  // no photo in black and white
          m_modes.push_back(*entry);
          setting.choices.push_back(*entry);
          if (std::strcmp(*entry, SANE_VALUE_SCAN_MODE_COLOR) == 0) setting.chosen = static_cast<int>(m_modes.size()) - 1;
        }
        if (!m_modes.empty()) settings.push_back(setting);
      }
    }
    if (int resolution = FindOption(m_handle, SANE_NAME_SCAN_RESOLUTION); resolution > 0) {
      const SANE_Option_Descriptor* option = sane_get_option_descriptor(m_handle, resolution);
      auto value = [&](SANE_Word word) { return option->type == SANE_TYPE_FIXED ? SANE_UNFIX(word) : double(word); };
      if (option->constraint_type == SANE_CONSTRAINT_WORD_LIST) {
        for (SANE_Int i = 1; i <= option->constraint.word_list[0]; ++i)
          m_resolutions.push_back(static_cast<int>(value(option->constraint.word_list[i])));
      } else if (option->constraint_type == SANE_CONSTRAINT_RANGE) {
        for (int step : kResolutionSteps)
          if (step >= value(option->constraint.range->min) && step <= value(option->constraint.range->max))
            m_resolutions.push_back(step);
      }
      if (!m_resolutions.empty()) {
        TwainSourceSetting setting{"Resolution, dpi", {}, 0};
        for (int dpi : m_resolutions) setting.choices.push_back(std::to_string(dpi));
        // A photo for the screen wants little: the step nearest 150 dpi.
        auto nearest = std::min_element(m_resolutions.begin(), m_resolutions.end(),
                                        [](int a, int b) { return std::abs(a - 150) < std::abs(b - 150); });
        setting.chosen = static_cast<int>(nearest - m_resolutions.begin());
        settings.push_back(setting);
      }
    }
    return settings;
  }

  HGLOBAL Capture(const std::vector<int>& chosen) override {
    if (!m_handle) return nullptr;
    std::size_t next = 0;
    if (!m_modes.empty() && next < chosen.size()) SetString(SANE_NAME_SCAN_MODE, m_modes[Clamp(chosen[next++], m_modes.size())]);
    if (!m_resolutions.empty() && next < chosen.size())
      SetNumber(SANE_NAME_SCAN_RESOLUTION, m_resolutions[Clamp(chosen[next++], m_resolutions.size())]);
    return Scan();
  }

 private:
  static std::size_t Clamp(int index, std::size_t size) {
    return index < 0 ? 0 : std::min(static_cast<std::size_t>(index), size - 1);
  }

  void SetString(const char* name, const std::string& text) {
    int index = FindOption(m_handle, name);
    if (index <= 0) return;
    const SANE_Option_Descriptor* option = sane_get_option_descriptor(m_handle, index);
    std::vector<char> value(std::max<std::size_t>(option->size, text.size() + 1), '\0');
    std::memcpy(value.data(), text.data(), std::min(text.size(), value.size() - 1));
    sane_control_option(m_handle, index, SANE_ACTION_SET_VALUE, value.data(), nullptr);
  }

  void SetNumber(const char* name, int number) {
    int index = FindOption(m_handle, name);
    if (index <= 0) return;
    const SANE_Option_Descriptor* option = sane_get_option_descriptor(m_handle, index);
    SANE_Word value = option->type == SANE_TYPE_FIXED ? SANE_FIX(number) : number;
    sane_control_option(m_handle, index, SANE_ACTION_SET_VALUE, &value, nullptr);
  }

  // One frame (or the three of a three-pass scanner) read whole.
  HGLOBAL Scan() {
    std::vector<unsigned char> planes[3];
    SaneRaster raster;
    bool separate = false;
    for (int pass = 0; pass < 3; ++pass) {
      if (sane_start(m_handle) != SANE_STATUS_GOOD) return Cancel();
      SANE_Parameters parameters;
      if (sane_get_parameters(m_handle, &parameters) != SANE_STATUS_GOOD) return Cancel();
      std::vector<unsigned char> data;
      if (!ReadFrame(parameters, &data)) return Cancel();
      raster.width = parameters.pixels_per_line;
      raster.bytesPerLine = parameters.bytes_per_line;
      raster.depth = parameters.depth;
      raster.lines = parameters.lines > 0 ? parameters.lines
                                          : static_cast<int>(data.size() / std::max(1, parameters.bytes_per_line));
      const bool last = parameters.last_frame;
      switch (parameters.format) {
        case SANE_FRAME_RGB:
        case SANE_FRAME_GRAY:
          raster.colour = parameters.format == SANE_FRAME_RGB;
          sane_cancel(m_handle);
          return SaneRasterToDib(raster, data.data(), data.size());
        case SANE_FRAME_RED: planes[0] = std::move(data); separate = true; break;
        case SANE_FRAME_GREEN: planes[1] = std::move(data); separate = true; break;
        case SANE_FRAME_BLUE: planes[2] = std::move(data); separate = true; break;
        default: return Cancel();
      }
      if (last) break;
    }
    sane_cancel(m_handle);
    if (!separate || planes[0].size() != planes[1].size() || planes[1].size() != planes[2].size()) return nullptr;
    // Interleave the three planes into one colour frame.
    std::vector<unsigned char> interleaved;
    const int bytesPerSample = raster.depth == 16 ? 2 : 1;
    if (raster.depth != 8 && raster.depth != 16) return nullptr;
    const std::size_t lines = static_cast<std::size_t>(raster.lines);
    const std::size_t width = static_cast<std::size_t>(raster.width);
    if (planes[0].size() < lines * static_cast<std::size_t>(raster.bytesPerLine)) return nullptr;
    interleaved.resize(lines * width * 3 * bytesPerSample);
    for (std::size_t y = 0; y < lines; ++y)
      for (std::size_t x = 0; x < width; ++x)
        for (int c = 0; c < 3; ++c)
          std::memcpy(&interleaved[((y * width + x) * 3 + c) * bytesPerSample],
                      &planes[c][y * raster.bytesPerLine + x * bytesPerSample], bytesPerSample);
    raster.bytesPerLine = static_cast<int>(width * 3 * bytesPerSample);
    raster.colour = true;
    return SaneRasterToDib(raster, interleaved.data(), interleaved.size());
  }

  bool ReadFrame(const SANE_Parameters& parameters, std::vector<unsigned char>* data) {
    if (parameters.bytes_per_line <= 0 || parameters.pixels_per_line <= 0) return false;
    const std::size_t expected =
        parameters.lines > 0 ? static_cast<std::size_t>(parameters.lines) * parameters.bytes_per_line : 0;
    if (expected > kMaxMemoryBlockBytes) return false;
    data->reserve(expected);
    std::vector<unsigned char> chunk(64 * 1024);
    for (;;) {
      SANE_Int length = 0;
      SANE_Status status = sane_read(m_handle, chunk.data(), static_cast<SANE_Int>(chunk.size()), &length);
      if (status == SANE_STATUS_EOF) return true;
      if (status != SANE_STATUS_GOOD) return false;
      if (data->size() + static_cast<std::size_t>(length) > kMaxMemoryBlockBytes) return false;
      data->insert(data->end(), chunk.data(), chunk.data() + length);
    }
  }

  HGLOBAL Cancel() {
    sane_cancel(m_handle);
    return nullptr;
  }

  std::string m_name, m_vendor, m_model, m_type;
  SANE_Handle m_handle = nullptr;
  std::vector<std::string> m_modes;
  std::vector<int> m_resolutions;
};

class CSaneDeviceList : public CTwainDeviceList {
 public:
  CSaneDeviceList() : m_ready(SaneAcquire()) {}
  ~CSaneDeviceList() override {
    if (m_ready) SaneRelease();
  }
  std::vector<std::unique_ptr<CTwainDevice>> Devices() override {
    std::vector<std::unique_ptr<CTwainDevice>> devices;
    const SANE_Device** list = nullptr;
    if (!m_ready || sane_get_devices(&list, SANE_FALSE) != SANE_STATUS_GOOD || !list) return devices;
    for (const SANE_Device** device = list; *device; ++device) {
      const SANE_Device& d = **device;
      devices.push_back(std::make_unique<CSaneDevice>(d.name ? d.name : "", d.vendor ? d.vendor : "",
                                                      d.model ? d.model : "", d.type ? d.type : ""));
    }
    return devices;
  }

 private:
  bool m_ready;
};

}  // namespace

std::unique_ptr<CTwainDeviceList> MakeSaneDeviceList() { return std::make_unique<CSaneDeviceList>(); }

HGLOBAL SaneRasterToDib(const SaneRaster& raster, const unsigned char* data, std::size_t size) {
  if (raster.width <= 0 || raster.lines <= 0 || raster.bytesPerLine <= 0) return nullptr;
  if (raster.depth != 1 && raster.depth != 8 && raster.depth != 16) return nullptr;
  const std::size_t width = static_cast<std::size_t>(raster.width);
  const std::size_t lines = static_cast<std::size_t>(raster.lines);
  const std::size_t samples = raster.colour ? 3 : 1;
  if (raster.colour && raster.depth == 1) return nullptr;
  const std::size_t lineBits = width * samples * static_cast<std::size_t>(raster.depth);
  if ((lineBits + 7) / 8 > static_cast<std::size_t>(raster.bytesPerLine)) return nullptr;
  if (size / static_cast<std::size_t>(raster.bytesPerLine) < lines) return nullptr;
  const std::size_t rowLength = (width * 3 + 3) & ~std::size_t{3};
  if (width > 65535 || lines > 65535 || rowLength * lines > kMaxMemoryBlockBytes - sizeof(BITMAPINFOHEADER))
    return nullptr;
  HGLOBAL block = MemoryBlockAlloc(sizeof(BITMAPINFOHEADER) + rowLength * lines);
  if (!block) return nullptr;
  MemoryBlockLockGuard lock(block);
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = static_cast<std::int32_t>(width);
  header.biHeight = static_cast<std::int32_t>(lines);
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biSizeImage = static_cast<std::uint32_t>(rowLength * lines);
  std::memcpy(lock.address(), &header, sizeof header);
  auto sample = [&](const unsigned char* line, std::size_t index) -> unsigned char {
    switch (raster.depth) {
      case 1: return (line[index / 8] >> (7 - index % 8)) & 1 ? 0 : 255;  // 1 is black
      case 16: {
        std::uint16_t value;
        std::memcpy(&value, line + index * 2, 2);  // host order
        return static_cast<unsigned char>(value >> 8);
      }
      default: return line[index];
    }
  };
  for (std::size_t y = 0; y < lines; ++y) {
    const unsigned char* line = data + y * static_cast<std::size_t>(raster.bytesPerLine);
    unsigned char* row = lock.address() + sizeof header + (lines - 1 - y) * rowLength;
    for (std::size_t x = 0; x < width; ++x) {
      const unsigned char red = sample(line, x * samples);
      const unsigned char green = raster.colour ? sample(line, x * 3 + 1) : red;
      const unsigned char blue = raster.colour ? sample(line, x * 3 + 2) : red;
      row[3 * x] = blue;
      row[3 * x + 1] = green;
      row[3 * x + 2] = red;
    }
  }
  return block;
}

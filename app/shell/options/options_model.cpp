#include "app/shell/options/options_model.h"

#include <algorithm>
#include <filesystem>

namespace {

std::string StoredForm(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

bool SamePathNoCase(const std::string& a, const std::string& b) {
  auto fold = [](char c) {
    if (c == '/') return '\\';
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return fold(x) == fold(y); });
}

// The entry whose stored name is `name`, else the first; -1 for an empty list.
int IndexOf(const std::vector<ProfileEntry>& entries, const std::string& name) {
  auto found = std::find_if(entries.begin(), entries.end(),
                            [&](const ProfileEntry& entry) { return SameProfileName(entry.itemData, name); });
  if (entries.empty()) return -1;
  return found == entries.end() ? 0 : static_cast<int>(found - entries.begin());
}

bool HasStyleExtension(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  return SamePathNoCase(extension, kStyleFileExtension);
}

}  // namespace

std::vector<StyleEntry> FindStyles(const std::string& stylesFolder, const StyleLoader& load) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  std::filesystem::recursive_directory_iterator walk(stylesFolder, std::filesystem::directory_options::skip_permission_denied, error);
  for (; !error && walk != std::filesystem::recursive_directory_iterator(); walk.increment(error)) {
    if (walk->is_regular_file(error) && HasStyleExtension(walk->path())) files.push_back(walk->path());
  }
  std::sort(files.begin(), files.end());

  std::vector<StyleEntry> styles;
  for (const std::filesystem::path& file : files) {
    std::unique_ptr<CResourceModule> style = load ? load(file.string()) : nullptr;
    if (!style) continue;
    std::optional<std::string> name = style->LoadString(kStyleNameString);
    if (!name || name->empty()) continue;
    styles.push_back({*name, StoredForm(file.lexically_relative(stylesFolder).string())});
  }
  return styles;
}

COptionsModel::COptionsModel(const CSettings& settings, std::vector<StyleEntry> styles)
    : m_values(settings), m_styles(std::move(styles)), m_storedMakeupProfile(settings.makeupProfile) {
  for (std::size_t i = 0; i < m_styles.size(); ++i)
    if (SamePathNoCase(m_styles[i].relativePath, settings.styleProfile)) m_selectedStyle = static_cast<int>(i);
  SetInterval(settings.slideshowInterval);

  const std::string& colors = settings.GetColorsFolder();
  m_authors = FindMakeupAuthors(colors);
  const std::string author = MakeupProfileAuthor(settings.makeupProfile);
  auto match = std::find_if(m_authors.begin(), m_authors.end(), [&](const std::string& a) { return SameProfileName(a, author); });
  SelectAuthor(m_authors.empty() ? -1 : match == m_authors.end() ? 0 : static_cast<int>(match - m_authors.begin()));

  m_filterProfiles = FindFilterProfiles(colors);
  SelectFilterProfile(IndexOf(m_filterProfiles, settings.filterProfile));
}

void COptionsModel::SelectAuthor(int index) {
  if (index < 0 || index >= static_cast<int>(m_authors.size())) return;
  m_selectedAuthor = index;
  m_makeupProfiles = FindMakeupProfiles(m_values.GetColorsFolder(), m_authors[index]);
  m_selectedMakeupProfile = -1;
  SelectMakeupProfile(IndexOf(m_makeupProfiles, m_storedMakeupProfile));
}

// An author without palettes selects none and leaves "MakeupProfile" as it
// was, rather than saving a profile that is not there.
void COptionsModel::SelectMakeupProfile(int index) {
  if (index < 0 || index >= static_cast<int>(m_makeupProfiles.size())) return;
  m_selectedMakeupProfile = index;
  m_values.makeupProfile = m_makeupProfiles[index].itemData;
}

void COptionsModel::SelectFilterProfile(int index) {
  if (index < 0 || index >= static_cast<int>(m_filterProfiles.size())) return;
  m_selectedFilterProfile = index;
  m_values.filterProfile = m_filterProfiles[index].itemData;
}

void COptionsModel::SelectStyle(int index) {
  if (index < 0 || index >= static_cast<int>(m_styles.size())) return;
  m_selectedStyle = index;
  m_values.styleProfile = m_styles[index].relativePath;
}

void COptionsModel::SetInterval(int milliseconds) {
  m_values.slideshowInterval = std::clamp(milliseconds, kSlideshowIntervalMin, kSlideshowIntervalMax);
}

void COptionsModel::ApplyTo(CSettings& settings) const {
  settings.askProjection = m_values.askProjection;
  settings.morphing = m_values.morphing;
  settings.printPreviewFullScreen = m_values.printPreviewFullScreen;
  settings.jumpToBase = m_values.jumpToBase;
  settings.galleryDblClkRestore = m_values.galleryDblClkRestore;
  settings.lTrackersVisible = m_values.lTrackersVisible;
  settings.selectByOrient = m_values.selectByOrient;
  settings.showQuestions = m_values.showQuestions;
  settings.showWarnings = m_values.showWarnings;
  settings.standardGallery = m_values.standardGallery;
  settings.strongNewClient = m_values.strongNewClient;
  settings.autoSave = m_values.autoSave;
  settings.autoFitFace = m_values.autoFitFace;
  settings.styleProfile = m_values.styleProfile;
  settings.makeupProfile = m_values.makeupProfile;
  settings.filterProfile = m_values.filterProfile;
  settings.slideshowInterval = m_values.slideshowInterval;
}

int IntervalSpinStep(long long heldMilliseconds) { return heldMilliseconds >= 3000 ? 500 : 100; }

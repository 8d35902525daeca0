#include "app/shell/gallery/gallery_bar.h"

#include <algorithm>
#include <filesystem>

#include "app/document/project_file.h"
#include "platform/core/file_system.h"
#include "platform/core/message_box.h"

namespace {

void TellFailure(const std::string& what, const std::string& path, const std::string& reason) {
  std::string text = what + " " + path;
  if (!reason.empty()) text += ": " + reason;
  ShowMessageBox(text + ".", {}, MessageIcon::Stop);
}

bool Confirmed(bool ask, const char* question) {
  return !ask || ShowMessageBox(question, {}, MessageIcon::Question, MessageButtons::YesNo) == IDYES;
}

bool HasKvpExtension(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::ranges::transform(extension, extension.begin(), [](unsigned char c) { return std::tolower(c); });
  return extension == ".kvp";
}

}  // namespace

std::vector<std::string> CGalleryBar::SelectedPaths() const {
  std::vector<int> selected = m_list.SelectedItems();
  std::ranges::sort(selected);
  std::vector<std::string> paths;
  for (int index : selected)
    if (index >= 0 && index < Count()) paths.push_back(m_entries[index]);
  return paths;
}

bool CGalleryBar::AddFile(const std::string& path) {
  if (!FileExists(path)) return false;
  // The header too, so that a file Restore would refuse outright is not
  // offered; the rest of the record is checked when it is read.
  ProjectFileHeader header;
  if (!ReadProjectFileHeader(path, &header)) return false;
  std::unique_ptr<CDib> thumbnail = ReadProjectThumbnail(path);
  if (!thumbnail) return false;
  m_list.AddItem(std::move(thumbnail), {});
  m_entries.push_back(path);
  return true;
}

void CGalleryBar::FillFromFolder(const std::string& folder) {
  std::error_code error;
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    if (entry.is_regular_file(error) && HasKvpExtension(entry.path())) files.push_back(entry.path().string());
  // The folder's own order is arbitrary; by name, numbered files come in
  // the order they were added.
  std::ranges::sort(files);
  for (const std::string& file : files) AddFile(file);
}

std::string CGalleryBar::AddProjection(CKelvoraDoc& document, const std::string& folder, int projection) {
  const unsigned before = m_counter;
  std::string path = NextGalleryFileName(folder, m_counter, m_naming);
  std::string reason = "no free file name is left";
  if (!path.empty() && WriteProjectFile(document, projection, path, &reason)) {
    if (AddFile(path)) return path;
    reason = "the written file does not read back";
    RemoveFile(path);
  }
  // The number goes back, so the next add tries it again.
  m_counter = before;
  TellFailure("Can't write the gallery file", path.empty() ? folder : path, reason);
  return {};
}

bool CGalleryBar::Restore(CKelvoraDoc& document, int currentSlot) {
  const std::vector<std::string> selected = SelectedPaths();
  if (selected.size() != 1) return false;
  std::string reason;
  if (RestoreProjectFile(document, selected.front(), currentSlot, &reason)) return true;
  TellFailure("Can't read the gallery file", selected.front(), reason);
  return false;
}

std::vector<std::unique_ptr<CDib>> CGalleryBar::RenderSelected() {
  std::vector<std::unique_ptr<CDib>> pictures;
  for (const std::string& path : SelectedPaths()) {
    std::string reason;
    std::unique_ptr<CDib> picture = RenderProjectFile(path, nullptr, nullptr, &reason);
    if (picture)
      pictures.push_back(std::move(picture));
    else
      TellFailure("Can't show the gallery file", path, reason);
  }
  return pictures;
}

bool CGalleryBar::DeleteSelected(bool ask) {
  std::vector<int> selected = m_list.SelectedItems();
  if (selected.empty() || !Confirmed(ask, kGalleryDeleteQuestion)) return false;
  std::ranges::sort(selected, std::greater<>());
  for (int index : selected) {
    if (index < 0 || index >= Count()) continue;
    if (FileExists(m_entries[index])) RemoveFile(m_entries[index]);
    m_entries.erase(m_entries.begin() + index);
  }
  m_list.DeleteSelected();
  return true;
}

bool CGalleryBar::DeleteAll(bool ask) {
  if (m_entries.empty() || !Confirmed(ask, kGalleryPurgeQuestion)) return false;
  m_list.ResetContent();
  for (const std::string& path : m_entries)
    if (FileExists(path)) RemoveFile(path);
  m_entries.clear();
  m_counter = 0;
  return true;
}

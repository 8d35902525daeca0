// The settings record: every option, folder, database name and profile name
// the program reads, with its default, filled from the user's profile at
// start-up and written back (only the keys the user changes through the
// program) on request. One instance lives in the application object.
//
// Folders are kept with "/" separators and a trailing "/", so file names are
// appended directly. Profiles written on the original platform store them
// with backslashes; those are read as separators. Relative names stored in
// the profile ("StyleProfile", "MakeupProfile") keep their stored form and are
// turned into paths only when joined to their folder.
#pragma once

#include <array>
#include <string>

#include "platform/core/ini_profile.h"

inline constexpr int kBaseFileCount = 9;
inline constexpr int kSlideshowIntervalMin = 1500;
inline constexpr int kSlideshowIntervalMax = 30000;
inline constexpr int kCategoryChoiceLevels = 5;

// A list's category choice as saved: per level 0 for "all", else the place
// (from 1) of the chosen label in that level's list.
using CategorySelections = std::array<int, kCategoryChoiceLevels>;

// The file an installation puts in its data folder: the writable folders
// then default below the user's data folder whatever the prefix allows.
inline constexpr const char* kInstallationMarker = "INSTALLED";

// Where the defaults of the folders come from.
struct SettingsLocations {
  std::string applicationFolder;  // default of "Application": the installation's data folder
  std::string userDataFolder;     // where writable folders go when the defaults are read-only
};

class CSettings {
 public:
  // "Options"
  bool autoSave = true;
  bool selectByOrient = false;
  bool galleryDblClkRestore = true;
  bool jumpToBase = false;
  bool morphing = true;
  bool printPreviewFullScreen = false;
  bool lTrackersVisible = true;
  bool showWarnings = true;
  bool showQuestions = true;
  bool standardGallery = true;
  bool strongNewClient = false;
  bool askProjection = true;
  bool autoFitFace = true;  // fit the face frame and key points to each new face photo
  bool useCtrlForTracker = false;  // read only: an installer or the user sets it
  std::string searchString;
  int slideshowInterval = 2000;
  std::string styleProfile = "Style_1\\style.kvstyle";
  // "ColorProfiles"
  std::string filterProfile = "Kelvora.kvf";
  std::string makeupProfile = "Kelvora Inc\\Winter.kvm";
  // "Path": read only
  std::string application;
  std::string bases;
  std::string basesVar;
  std::string help;
  std::string data;
  std::string samples;
  std::string styles;
  std::string temp;
  std::string colors;
  std::string ftp;
  // "Bases": read only. Slot 0 is the hairstyle database.
  // "Base_0" to "Base_8": the database of each item kind; 3 is the custom
  // base, the only one below "BasesVar".
  std::array<std::string, kBaseFileCount> baseFiles = {"Hair1.hbd",    "Glass1.hbd", "Mous1.hbd",
                                                       "Cust1.hbd",    "Eyebrow1.hbd", "Nose1.hbd",
                                                       "Breast1.hbd",  "Accessr1.hbd", "Hdress1.hbd"};
  // "Categories_0" to "Categories_8": "CurSel1" to "CurSel5" of each kind's
  // list. Only the kinds whose choice the program changed are saved, so a
  // choice written into the profile meanwhile is kept.
  std::array<CategorySelections, kBaseFileCount> categorySelections{};
  std::array<bool, kBaseFileCount> categorySelectionsChanged{};

  // Reads every key, each with the record's current value as its default;
  // the folders default below "Application". The writable folders ("Data",
  // "Temp", "BasesVar") that are not set in the profile move below
  // `where.userDataFolder` when their default place cannot be written.
  void LoadSettings(const CIniProfile& profile, const SettingsLocations& where);
  // Writes the saved keys, in table order, leaving everything else as it is.
  void SaveSettings(CIniProfile& profile) const;

  // Creates the writable folders that are missing; false when one cannot be made.
  bool CreateWritableFolders() const;

  // The database file of a slot; empty when the slot has no file.
  std::string GetBasePath(int slot) const;
  const std::string& GetApplicationFolder() const { return application; }
  const std::string& GetBasesFolder() const { return bases; }
  const std::string& GetBasesVarFolder() const { return basesVar; }
  const std::string& GetHelpFolder() const { return help; }
  const std::string& GetDataFolder() const { return data; }
  const std::string& GetSamplesFolder() const { return samples; }
  const std::string& GetStylesFolder() const { return styles; }
  const std::string& GetTempFolder() const { return temp; }
  const std::string& GetColorsFolder() const { return colors; }
  std::string GetStylePath() const;
  std::string GetFilterProfilePath() const;
  std::string GetMakeupProfilePath() const;
};

// A folder value as the record keeps it: "/" separators, a trailing "/".
// Empty stays empty.
std::string NormaliseFolder(std::string folder);
// `folder` followed by a relative name stored with either separator.
std::string JoinStoredPath(const std::string& folder, const std::string& relative);
// Whether files can be made in `folder`, or in the nearest existing folder
// above it when it does not exist yet.
bool IsWritableFolder(const std::string& folder);

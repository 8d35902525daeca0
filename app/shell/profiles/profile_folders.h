// What the colours folder holds, for the options dialog's lists: the
// make-up authors (one sub-folder of "Make up" each), an author's palettes
// and the filter profiles. Entries are in name order without regard to
// case, as a salon's folder listing shows them.
#pragma once

#include <string>
#include <vector>

struct ProfileEntry {
  std::string displayName;  // the file's "Description", or its name without the extension
  std::string itemData;     // what the setting stores: "Author\File.kvm" or "File.kvf"
};

// Every sub-folder of `colorsFolder` + "Make up/".
std::vector<std::string> FindMakeupAuthors(const std::string& colorsFolder);
// Every "*.kvm" of the author's folder.
std::vector<ProfileEntry> FindMakeupProfiles(const std::string& colorsFolder, const std::string& author);
// Every "*.kvf" of `colorsFolder` + "Filters/".
std::vector<ProfileEntry> FindFilterProfiles(const std::string& colorsFolder);

// The author part of a "MakeupProfile" value: the text before its first
// separator; empty when there is none.
std::string MakeupProfileAuthor(const std::string& makeupProfile);
// Equal without regard to case, "/" and "\" alike: how stored profile names compare.
bool SameProfileName(const std::string& a, const std::string& b);

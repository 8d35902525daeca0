#include "imagelib/dib.h"
CDib::TypeFile CDib::FileTypeFromFileName(const char*) { return typeAuto; }
bool CDib::IsFormatAvailable(const char*) { return false; }
bool CDib::LoadFromFile(std::string, TypeFile) { return false; }
bool CDib::SaveToFile(std::string, TypeFile) { return false; }
bool CDib::LoadFromResource(const char*, const char*, HINSTANCE) { return false; }
bool CDib::LoadFromZORMemory(unsigned char* data, unsigned int) { return data != nullptr; }
bool CDib::LoadFromJPGMemory(unsigned char*, unsigned int) { return false; }
bool CDib::SaveToBMPFile(const std::string&) { return false; }
bool CDib::SaveToBMPFile(CFile&) { return false; }
bool CDib::SaveToJPGFile(std::string, bool, bool, int, bool) { return false; }

#include "app/bases/base_database.h"
CDibAlpha* CBaseDatabase::LoadItemImage(std::uint32_t) { return nullptr; }
bool CBaseDatabase::AddItem(CDibAlpha*, CDib*, const BaseItemRecord&, bool, bool, int, bool) { return false; }

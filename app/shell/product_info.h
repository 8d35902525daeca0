// The product's own texts, shared by the About box and the information sheet.
#pragma once

inline constexpr char kProductName[] = "Kelvora";
inline constexpr char kProductVersion[] = KELVORA_VERSION;
inline constexpr char kProductCopyright[] = "Copyright (C) 2026 the Kelvora developers";
inline constexpr char kProductLicence[] = "All rights reserved. Uses Qt (LGPL 3), libjpeg-turbo (IJG/BSD), libzip (BSD) and dlib (Boost Software Licence).";
inline constexpr char kProductAuthor[] = "The Kelvora developers";
// The link files of the program folder the About box opens.
inline constexpr char kWebLinkFile[] = "Web.url";
inline constexpr char kMailLinkFile[] = "Mail.url";

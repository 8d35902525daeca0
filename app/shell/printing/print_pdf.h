// The page as a PDF file: Qt's PDF writer draws it into memory, and the
// file is replaced atomically, so a failed export leaves no broken file.
#pragma once

#include <QImage>
#include <QPageLayout>

#include <string>
#include <vector>

#include "app/shell/printing/sign_properties.h"
#include "platform/core/geometry.h"

inline constexpr int kPdfResolution = 300;

// The paper of a page layout in device pixels at `resolution`: its
// printable area.
CSize PaperPixels(const QPageLayout& layout, int resolution);

bool WritePrintPdf(const std::string& path, const std::vector<QImage>& pictures, const QPageLayout& layout,
                   const SignProperties& sign, std::string* reason = nullptr);

// Bytes to a file through the atomic writer; false with a reason.
bool WriteBytesAtomically(const std::string& path, const QByteArray& bytes, std::string* reason = nullptr);

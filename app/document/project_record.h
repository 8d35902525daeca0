// A project file's projection record as read, held apart from any projection
// until it has been parsed completely: what lets a bad file leave the
// document untouched. Shared by the reader and the code that puts a record
// into a projection or the document.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "app/document/project_file.h"

struct ProjectRecord {
  CDoubleRect faceFrame;
  double faceCosine = 1.0;
  double faceSine = 0.0;
  // Each line as (x1, y1) = (left, top) and (x2, y2) = (right, bottom).
  CRect eyesLine;
  CRect lipsLine;
  CRect underarmLine;
  CDoubleRect printArea;
  std::unique_ptr<CLayer> photo;
  std::unique_ptr<CLayer> makeup;
  std::array<std::unique_ptr<CLayer>, kSlotCount> slots;
  // Only the stretch frames of filled slots are stored.
  std::array<CDoubleRect, kSlotCount> stretchFrames{};
};

// Reads the header and the record. False with a reason on any fault; the
// outputs are then unspecified and nothing else has changed.
bool ParseProjectFile(const std::string& path, ProjectFileHeader* header, ProjectRecord* record,
                      std::string* reason);

// Moves the record into `projection`, replacing its frames, lines, layers
// and frame histories. Cannot fail.
void ApplyProjectRecord(ProjectRecord&& record, CProjection& projection, const CFrameCursors* cursors);

// What "--try-on KIND,ITEM" does before a documentation screenshot: the
// item kind's button is pressed and the collection's ITEM-th picture is
// clicked, as a user would, so the shot shows a try-on with its frame.
#pragma once

#include <QString>

// Parses "KIND,ITEM" (an item kind 0 to 8, an index from 0); false and
// nothing staged when it does not parse. The steps run from the event loop
// once the main window is up.
bool StageTryOn(const QString& kindAndItem);

// "--command ID": the main window's command ID (a tool button, say "1012"
// to show the face frame) once the start-up commands have run.
bool StageCommand(const QString& id);

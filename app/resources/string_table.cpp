#include "app/resources/string_table.h"

namespace {

// Command texts carry status text and tooltip separated by a newline.
constexpr StringTableEntry kStrings[] = {
    {32771, "Get from camera..."},
    {32773, "Load sample photo"},
    {32783, "Show or hide layers tracker"},
    {57344, "Kelvora"},
    {57601, "Load from file..."},
    {57607, "Print"},
    {61447, "Resize"},
    {61448, "Move"},
    {61449, "Rotate"},
    {61450, "Change Points"},
    {61538, "Comb Tool"},
    {61539, "Scissors Tool"},
    {61540, "Brush Tool"},
    {61541, "Spray Tool"},
    {61547, "Fill"},
    {61548, "Blur"},
    {61549, "Clear"},
    {61550, "Paste"},
    {61745, "Incompatible file format.\nFile should contain a True Color image."},
    {61755, "Deform"},
    {61766, "Photo not loaded for this projection."},
    {61767, "Drag this circle to right eye"},
    {61768, "Drag this circle to left eye"},
    {61769, "Drag this line to hair line"},
    {61770, "Drag this line to left ear"},
    {61771, "Drag this line to chin"},
    {61772, "Drag this line to right ear"},
    {61773, "Drag this circle to right lips corner"},
    {61774, "Drag this circle to left lips corner"},
    {61775, "Drag this circle to right underarm"},
    {61776, "Drag this circle to left underarm"},
    {61778, "english"},
    {61781, "Can't load image: %s."},
    {61782, "JPEG Files (*.jpg,*.jpeg,*.jpe)|*.jpg;*.jpeg;*.jpe|Windows Bitmap Files (*.bmp)|*.bmp||"},
    {61786, "Are you sure you want to quit program?"},
    {61795, "Modelling"},
    {61799, "Kelvora.html"},
    {63521, "Are you really want to delete this layer?"},
    {63572, "Would you like make new selection?"},
    {63573, "Restore previous selection?"},
};

}  // namespace

std::span<const StringTableEntry> ProgramStringTable() { return kStrings; }

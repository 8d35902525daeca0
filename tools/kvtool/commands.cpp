#include "tools/kvtool/command.h"

#include <cstdio>
#include <cstring>

int RunInfo(const CommandArgs& args);
int RunConvert(const CommandArgs& args);
int RunZoom(const CommandArgs& args);
int RunThumbnail(const CommandArgs& args);
int RunRotate(const CommandArgs& args);
int RunFlip(const CommandArgs& args);
int RunCrop(const CommandArgs& args);
int RunEffect(const CommandArgs& args);
int RunDissolve(const CommandArgs& args);
int RunLut(const CommandArgs& args);
int RunCompose(const CommandArgs& args);
int RunAlpha(const CommandArgs& args);
int RunBase(const CommandArgs& args);
int RunProject(const CommandArgs& args);
int RunStroke(const CommandArgs& args);
int RunMask(const CommandArgs& args);
int RunWand(const CommandArgs& args);
int RunArea(const CommandArgs& args);
int RunCopyPaste(const CommandArgs& args);
int RunWarp(const CommandArgs& args);
int RunFace(const CommandArgs& args);
int RunPrint(const CommandArgs& args);

const std::vector<KvCommand>& AllCommands() {
  static const std::vector<KvCommand> commands = {
      {"info", "FILE", "print the file's type, width and height", RunInfo},
      {"convert", "IN OUT [--quality N] [--grayscale] [--no-baseline]",
       "convert to BMP or JPEG (by OUT's name); JPEG quality 0..100, default 75", RunConvert},
      {"zoom", "IN OUT WxH", "resize: box-average reduction, linear enlargement", RunZoom},
      {"thumbnail", "IN OUT SIDE [--background RRGGBB]",
       "a SIDE x SIDE thumbnail centred on the background (hex red, green, blue; default FFFFFF)", RunThumbnail},
      {"rotate", "IN OUT DEGREES [--background RRGGBB]",
       "turn clockwise about the centre, same size; uncovered pixels in the background (default 000000)", RunRotate},
      {"flip", "IN OUT h|v", "mirror left-right (h) or top-bottom (v)", RunFlip},
      {"crop", "IN OUT LEFT,TOP,RIGHT,BOTTOM", "copy a rectangle; parts outside the image are black", RunCrop},
      {"effect", "IN OUT NAME [ARGS]",
       "brightness A | contrast X | filter RRGGBB LEVEL [--key RRGGBB] | grayscale TYPE | invert | "
       "posterize A | emboss | heightmap A",
       RunEffect},
      {"dissolve", "A B OUT X", "cross-dissolve: (1 - X) x A + X x B, X from 0 to 1, same-size images", RunDissolve},
      {"lut", "IN OUT [--brightness B] [--contrast X] [--hue H] [--filter RRGGBB LEVEL]",
       "map through a colour table built in that order (grey-indexed with a filter)", RunLut},
      {"compose", "BACKGROUND LAYER OUT [--alpha ALPHA.pcx] [--at X,Y] [--size W,H] [--angle DEGREES] [--opacity N]",
       "draw the layer scaled and turned about its centre, its bounding box's top-left at X,Y; without an alpha "
       "file black is transparent",
       RunCompose},
      {"alpha", "[--from-bmp] IN OUT",
       "an alpha PCX plane as a grey picture, or (--from-bmp) a grey picture's blue channel as an alpha PCX plane",
       RunAlpha},
      {"base",
       "create FILE.hbd NAME [--version V] | add FILE.hbd IMAGE --alpha ALPHA.pcx --name NAME --projection N "
       "[--shape N] [--placement L,T,R,B] [--categories A/B/C/D/E] [--layer N] [--compress [--quality Q]] | "
       "list FILE.hbd | extract FILE.hbd INDEX OUT [--alpha OUT.pcx] | delete FILE.hbd INDEX | check FILE.hbd",
       "build and inspect item databases", RunBase},
      {"project",
       "make OUT.kvp PHOTO [--client W,H] [--body] [--projection N] [--face L,T,R,B] [--face-rotation COS,SIN] "
       "[--eyes X1,Y1,X2,Y2] [--lips X1,Y1,X2,Y2] [--underarm X1,Y1,X2,Y2] "
       "[--item KIND BASE.hbd INDEX [--adjust B,C,H,O,F,S,RRGGBB,N]]... | info FILE.kvp | "
       "render FILE.kvp OUT [--area L,T,R,B] [--under BASE] | thumb FILE.kvp OUT",
       "make, inspect and render gallery project files; the face frame defaults to the photo's frame", RunProject},
      {"stroke",
       "comb|snippers|brush|spray LAYER.bmp ALPHA.pcx OUT.bmp OUT.pcx --points \"x,y x,y ...\" [--pressure P] "
       "[--thickness T|none] [--scale SX] [--colour RRGGBB] [--comb-drawing] [--rand \"n n n ...\"]",
       "one hair-tool stroke in image pixels (start at the first point, a step per following point); prints "
       "\"params S spread strength\" (strength 0 for the snippers) and \"pending L,T,R,B\" or \"pending empty\"; "
       "--rand replays the spray's numbers (row then column per sample, from the start again when they run out); "
       "defaults pressure 50, no thickness, scale 1.0, colour 000000",
       RunStroke},
      {"mask", "--polygon \"x,y x,y ...\" --width W --height H --radius R OUT.bmp",
       "a lasso's selection mask, feathered for radius R, as a grey picture (0 = selected); prints \"origin X Y\" "
       "and \"size MW MH\"",
       RunMask},
      {"wand", "LAYER.bmp ALPHA.pcx X Y --pressure P OUT.bmp [--thickness T]",
       "the magic wand's mask at image pixel (X, Y), feathered by thickness T; prints \"origin X Y\" and "
       "\"size MW MH\", or \"nothing\" when the pixel is outside",
       RunWand},
      {"area", "blur|clear|fill LAYER.bmp ALPHA.pcx OUT.bmp OUT.pcx --polygon \"x,y ...\" --pressure P --thickness T "
       "[--colour RRGGBB]",
       "an area command through a lasso polygon (image pixels)", RunArea},
      {"copypaste", "LAYER.bmp ALPHA.pcx OUT.bmp OUT.pcx --polygon \"x,y ...\" --thickness T --shift DX,DY "
       "[--opacity N]",
       "copy through a lasso polygon, move the outline by (DX, DY), paste", RunCopyPaste},
      {"warp", "SRC OUT --area \"x,y x,y x,y ...\" --initial \"x,y x,y ...\" --final \"x,y x,y ...\"",
       "the liposuction simulation in photo pixels; with too few vertices OUT is a copy of SRC", RunWarp},
      {"face", "PHOTO [--client W,H]",
       "automatic face fitting on the photo fitted into the client area (default 1024,768): prints \"face "
       "L,T,R,B cos,sin\", \"eyes X1,Y1,X2,Y2\", \"lips X1,Y1,X2,Y2\" and \"shape NAME\" in document "
       "coordinates, or \"no face\"",
       RunFace},
      {"print", "OUT.pdf PROJECT.kvp... [--sign TEXT] [--font NAME] [--size N] [--paper A4|Letter] [--landscape]",
       "the printed page of the projects' pictures as a PDF file (A4 portrait, 10 mm margins, 300 dpi by default)",
       RunPrint},
  };
  return commands;
}

const KvCommand& FindCommand(const char* name) {
  for (const KvCommand& command : AllCommands())
    if (std::strcmp(command.name, name) == 0) return command;
  return AllCommands().front();
}

int Fail(const std::string& subject, const std::string& reason) {
  std::fprintf(stderr, "kvtool: %s: %s\n", subject.c_str(), reason.c_str());
  return kExitFailure;
}

int UsageError(const KvCommand& command) {
  std::fprintf(stderr, "usage: kvtool %s %s\n", command.name, command.usage);
  return kExitUsage;
}

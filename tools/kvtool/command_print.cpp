// kvtool print: the page the program prints for gallery entries, written
// as a PDF file without a window. Each project is rendered as the gallery
// shows it; the sign's text and font are given on the command line instead
// of being read from the settings.
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>

#include <charconv>
#include <cstdlib>
#include <memory>

#include "app/document/project_file.h"
#include "app/shell/printing/dib_image.h"
#include "app/shell/printing/print_pdf.h"
#include "tools/kvtool/command.h"

namespace {

// Fonts need a GUI application; a tool run has no display, so it brings
// up the off-screen platform when the caller did not choose one.
std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
  if (QGuiApplication::instance()) return nullptr;
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "kvtool";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

bool ParseInt(const std::string& text, int* value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

}  // namespace

int RunPrint(const CommandArgs& args) {
  const KvCommand& command = FindCommand("print");
  std::string output;
  std::vector<std::string> projects;
  SignProperties sign;
  QPageSize::PageSizeId paper = QPageSize::A4;
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    const bool hasValue = i + 1 < args.size();
    if (word == "--sign" && hasValue) {
      sign.sign = args[++i];
    } else if (word == "--font" && hasValue) {
      sign.fontName = args[++i];
    } else if (word == "--size" && hasValue) {
      if (!ParseInt(args[++i], &sign.size) || sign.size <= 0 || sign.size > 1638) return UsageError(command);
    } else if (word == "--paper" && hasValue) {
      const std::string& name = args[++i];
      if (name == "A4") paper = QPageSize::A4;
      else if (name == "Letter") paper = QPageSize::Letter;
      else return UsageError(command);
    } else if (word == "--landscape") {
      orientation = QPageLayout::Landscape;
    } else if (word.starts_with("--")) {
      return UsageError(command);
    } else if (output.empty()) {
      output = word;
    } else {
      projects.push_back(word);
    }
  }
  if (output.empty() || projects.empty()) return UsageError(command);

  std::unique_ptr<QGuiApplication> application = EnsureGuiApplication();
  std::vector<QImage> pictures;
  for (const std::string& project : projects) {
    std::string reason;
    std::unique_ptr<CDib> picture = RenderProjectFile(project, nullptr, nullptr, &reason);
    if (!picture) return Fail(project, reason);
    pictures.push_back(DibToImage(*picture));
  }
  const QPageLayout layout(QPageSize(paper), orientation, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
  std::string reason;
  if (!WritePrintPdf(output, pictures, layout, sign, &reason)) return Fail(output, reason);
  return 0;
}

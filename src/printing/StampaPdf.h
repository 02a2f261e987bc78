#pragma once
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace sirvela {

class TmmPrinter;

// A print as a PDF takes it: the drawing on a TmmPrinter, false when cancelled.
using TDisegnoStampa = std::function<bool(TmmPrinter&)>;
// Draws a print into a PDF file (A4 portrait, millimetres from the page's top-left corner,
// every job one after the other); false when cancelled, TErroreStampa when the file cannot
// be written. The Qt backend gives the real one (StampaSuPdf); tests record instead.
using TStampaPdf = std::function<bool(const std::filesystem::path& percorso,
                                      const std::string& titolo, const TDisegnoStampa& disegno)>;

// The refusal of a PDF path whose folder does not exist, checked before anything is drawn;
// nothing when the path can be used.
std::optional<std::string> ErrorePercorsoPdf(const std::filesystem::path& percorso);

}  // namespace sirvela

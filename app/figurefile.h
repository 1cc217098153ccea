// Figures of a module window for the host's commands: the view's paint recorded now and written as
// PNG (at a scale), SVG or PDF, alone or inside its dialog, under a temporary name and then renamed.
#pragma once

#include <filesystem>
#include <string>

#include "afxwin.h"
#include "cxcfigure.h"

namespace cxc::app {

struct FigureOptions {
    figure::Format format = figure::Format::Png;
    int scale = 1;          // PNG only, 1 to 8
    int dpi = 0;            // 0: 96 per scale step
    bool viewOnly = false;  // the view alone instead of the whole dialog
};

// Why the options cannot make a figure; empty when they can.
std::string refusalOf(const FigureOptions& options);
const char* extensionOf(figure::Format format);  // "png", "svg", "pdf"

// Records the view's paint and writes the figure to `file`; `size` gets the written picture's size in
// pixels (PNG) or page units (SVG, PDF). Empty, or the reason nothing was written.
std::string saveFigure(CWnd* dialog, CWnd* view, const FigureOptions& options, const std::filesystem::path& file,
                       CSize* size = nullptr);

}  // namespace cxc::app

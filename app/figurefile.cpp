#include "figurefile.h"

#include "filewrite.h"

namespace cxc::app {

std::string refusalOf(const FigureOptions& o)
{
    if (o.scale < 1 || o.scale > 8) return "--scale must be 1 to 8";
    if (o.scale != 1 && o.format != figure::Format::Png) return "--scale is for PNG only: SVG and PDF are drawn as lines and text";
    if (o.dpi < 0 || o.dpi > 100000) return "--dpi must be 1 to 100000";
    return {};
}

const char* extensionOf(figure::Format format)
{
    switch (format) {
    case figure::Format::Svg: return "svg";
    case figure::Format::Pdf: return "pdf";
    case figure::Format::Png: break;
    }
    return "png";
}

std::string saveFigure(CWnd* dialog, CWnd* view, const FigureOptions& o, const std::filesystem::path& file, CSize* size)
{
    if (std::string refusal = refusalOf(o); !refusal.empty()) return refusal;
    const figure::Picture picture = figure::recordPaint(view);
    if (picture.isNull()) return file.string() + ": the window could not be drawn";
    const figure::Options options{o.format, o.scale, o.dpi};
    return replaceFile(file, [&](const std::filesystem::path& temp) {
        const std::string why = o.viewOnly || !dialog ? figure::write(picture, options, temp.c_str(), size)
                                                      : figure::writeDialog(dialog, view, picture, options, temp.c_str(), size);
        return why.empty() ? std::string() : file.string() + ": " + why;
    });
}

}  // namespace cxc::app

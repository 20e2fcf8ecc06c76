#include "common/picture_svg.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace quorvel {
namespace {

// A coordinate with at most two decimals and no trailing zeros ("12", "0.5", "-3.25"). A
// value that is not finite is written as 0, so that the document stays well formed.
std::string Number(double value) {
    if (!std::isfinite(value)) {
        return "0";
    }
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
    std::string_view written(text, static_cast<std::size_t>(result.ptr - text));
    while (written.ends_with('0')) {
        written.remove_suffix(1);
    }
    if (written.ends_with('.')) {
        written.remove_suffix(1);
    }
    if (written == "-0") {
        return "0";
    }
    return std::string(written);
}

std::string Hex(PictureColour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

// Text content or an attribute value: markup characters escaped, control characters left out.
std::string Escaped(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20) {
                    escaped += c;
                }
        }
    }
    return escaped;
}

class SvgWriter {
public:
    SvgWriter(const PicturePalette& palette, std::size_t shapes) : m_palette(palette) {
        // About what a shape takes, so that a picture of many cells is not copied as it grows.
        m_out.reserve(shapes * 128);
    }

    void operator()(const PictureRect& rect) {
        Open("rect", rect.fill);
        Attribute("x", Number(rect.x));
        Attribute("y", Number(rect.y));
        Attribute("width", Number(rect.width));
        Attribute("height", Number(rect.height));
        Attribute("fill", Colour(rect.fill));
        if (rect.outline) {
            Attribute("stroke", Colour(*rect.outline));
        }
        Attribute("shape-rendering", "crispEdges");
        m_out += "/>\n";
    }

    void operator()(const PictureLine& line) {
        if (line.points.size() < 2) {
            return;
        }
        if (line.points.size() == 2) {
            Open("line", line.stroke);
            Attribute("x1", Number(line.points[0].x));
            Attribute("y1", Number(line.points[0].y));
            Attribute("x2", Number(line.points[1].x));
            Attribute("y2", Number(line.points[1].y));
        } else {
            Open("polyline", line.stroke);
            Attribute("points", Points(line.points));
            Attribute("fill", "none");
        }
        Stroke(line.stroke, line.width, line.dashed);
        m_out += "/>\n";
    }

    void operator()(const PictureArea& area) {
        if (area.points.size() < 3) {
            return;
        }
        Open("polygon", area.fill);
        Attribute("points", Points(area.points));
        Attribute("fill", Colour(area.fill));
        m_out += "/>\n";
    }

    void operator()(const PictureCircle& circle) {
        Open("circle", circle.fill ? *circle.fill : circle.outline.value_or(ColourRole::Axis));
        Attribute("cx", Number(circle.centre.x));
        Attribute("cy", Number(circle.centre.y));
        Attribute("r", Number(circle.radius));
        Attribute("fill", circle.fill ? Colour(*circle.fill) : "none");
        if (circle.outline) {
            Stroke(*circle.outline, circle.width, false);
        }
        m_out += "/>\n";
    }

    void operator()(const PictureText& text) {
        Open("text", text.colour);
        Attribute("x", Number(text.at.x));
        Attribute("y", Number(text.at.y));
        Attribute("font-family", "sans-serif");
        Attribute("font-size", Number(text.size));
        if (text.anchor != TextAnchor::Start) {
            Attribute("text-anchor", text.anchor == TextAnchor::Middle ? "middle" : "end");
        }
        if (text.bold) {
            Attribute("font-weight", "bold");
        }
        Attribute("fill", Colour(text.colour));
        m_out += ">" + Escaped(text.text) + "</text>\n";
    }

    std::string Take() { return std::move(m_out); }

private:
    void Open(std::string_view element, ColourRole role) {
        m_out += "<";
        m_out += element;
        Attribute("class", std::string(ColourRoleName(role)));
    }
    void Attribute(std::string_view name, const std::string& value) {
        m_out += " ";
        m_out += name;
        m_out += "=\"" + value + "\"";
    }
    void Stroke(ColourRole role, double width, bool dashed) {
        Attribute("stroke", Colour(role));
        Attribute("stroke-width", Number(width));
        if (dashed) {
            Attribute("stroke-dasharray", Number(4 * width) + " " + Number(3 * width));
        }
    }
    std::string Colour(ColourRole role) const { return Hex(m_palette[role]); }
    static std::string Points(const std::vector<PicturePoint>& points) {
        std::string text;
        for (const PicturePoint& point : points) {
            if (!text.empty()) {
                text += ' ';
            }
            text += Number(point.x) + "," + Number(point.y);
        }
        return text;
    }

    const PicturePalette& m_palette;
    std::string m_out;
};

}  // namespace

std::string PictureSvg(const Picture& picture, const PicturePalette& palette) {
    const std::string width = Number(picture.width);
    const std::string height = Number(picture.height);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + width + "\" height=\"" + height +
           "\" viewBox=\"0 0 " + width + " " + height + "\" role=\"img\">\n";
    svg += "<title>" + Escaped(picture.title) + "</title>\n";
    svg += "<desc>" + Escaped(picture.description) + "</desc>\n";
    SvgWriter writer(palette, picture.shapes.size());
    for (const PictureShape& shape : picture.shapes) {
        std::visit(writer, shape);
    }
    std::string body = writer.Take();
    svg.reserve(svg.size() + body.size() + 8);
    svg += body;
    svg += "</svg>\n";
    return svg;
}

}  // namespace quorvel

// The profile of the line-of-sight picture: the side view along the path.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "common/picture_axis.h"
#include "pages/wg84/line_of_sight_layout.h"

namespace quorvel {
namespace {

// Enough points for a smooth earth and radio path at any width; odd, so that one lies at the
// middle of the path, where the earth bulges most.
constexpr int kProfilePoints = 97;
constexpr double kTextSize = 11;
constexpr double kTitleSize = 13;

double Feet(double nmi) {
    return nmi * FEET_PER_NMI;
}

// The path's distances, or a nautical mile either side of a path of no length (a target
// straight above the reference).
void DistanceRange(const LineOfSightFigures& figures, double& from, double& to) {
    if (figures.pathLength > 0) {
        from = 0;
        to = figures.pathLength;
    } else {
        from = -1;
        to = 1;
    }
}

std::vector<PicturePoint> Polyline(const ProfileScale& scale,
                                   const std::vector<ProfileSample>& samples,
                                   double ProfileSample::*height) {
    std::vector<PicturePoint> points;
    points.reserve(samples.size());
    for (const ProfileSample& sample : samples) {
        points.push_back({scale.X(sample.distance), scale.Y(Feet(sample.*height))});
    }
    return points;
}

// The height grid and both axes' numbers.
void DrawAxes(Picture& picture, const ProfileScale& scale) {
    const PictureBox& plot = scale.plot;
    // A number about every 60 units up and 90 across, whatever room the plot has.
    const int heightTicks = std::max(3, static_cast<int>(plot.Height() / 60));
    const AxisTicks heights = NiceAxisTicks(scale.lowFeet, scale.highFeet, heightTicks);
    for (const double feet : heights.values) {
        const double y = scale.Y(feet);
        picture.Add(PictureLine{{{plot.left, y}, {plot.right, y}}, ColourRole::Grid, 1, false});
        picture.Add(PictureText{{plot.left - 6, y + 4},
                                AxisTickText(feet, heights.step),
                                ColourRole::Text,
                                kTextSize,
                                TextAnchor::End});
    }
    const int distanceTicks = std::max(2, static_cast<int>(plot.Width() / 90));
    const AxisTicks distances = NiceAxisTicks(scale.fromNmi, scale.toNmi, distanceTicks);
    for (const double nmi : distances.values) {
        const double x = scale.X(nmi);
        picture.Add(
            PictureLine{{{x, plot.bottom}, {x, plot.bottom + 4}}, ColourRole::Axis, 1, false});
        picture.Add(PictureText{{x, plot.bottom + 16},
                                AxisTickText(nmi, distances.step),
                                ColourRole::Text,
                                kTextSize,
                                TextAnchor::Middle});
    }
}

// The frame's left and bottom edges, over the earth.
void DrawFrame(Picture& picture, const PictureBox& plot) {
    picture.Add(
        PictureLine{{{plot.left, plot.top}, {plot.left, plot.bottom}, {plot.right, plot.bottom}},
                    ColourRole::Axis,
                    1,
                    false});
}

void DrawEarth(Picture& picture, const ProfileScale& scale,
               const std::vector<ProfileSample>& samples) {
    PictureArea earth{Polyline(scale, samples, &ProfileSample::earth), ColourRole::Earth};
    for (PicturePoint& point : earth.points) {
        point.y = std::clamp(point.y, scale.plot.top, scale.plot.bottom);
    }
    earth.points.push_back({scale.plot.right, scale.plot.bottom});
    earth.points.push_back({scale.plot.left, scale.plot.bottom});
    picture.Add(std::move(earth));
}

// Both paths, and over each the stretch that runs below the earth.
void DrawPaths(Picture& picture, const ProfileScale& scale, const LineOfSightFigures& figures,
               const std::vector<ProfileSample>& samples) {
    const double refY = scale.Y(Feet(figures.refAltitude));
    const double tgtY = scale.Y(Feet(figures.tgtAltitude));
    const double refX = scale.X(0);
    const double tgtX = scale.X(figures.pathLength);
    if (figures.pathLength > 0) {
        picture.Add(PictureLine{Polyline(scale, samples, &ProfileSample::radio),
                                ColourRole::RadioPath, 1.5, true});
    }
    picture.Add(PictureLine{{{refX, refY}, {tgtX, tgtY}}, ColourRole::SightLine, 1.5, false});
    const PathClearance& sight = figures.sight;
    if (sight.blockedTo > sight.blockedFrom) {
        picture.Add(PictureLine{
            {{scale.X(sight.blockedFrom),
              scale.Y(Feet(SightLineHeight(figures, sight.blockedFrom)))},
             {scale.X(sight.blockedTo), scale.Y(Feet(SightLineHeight(figures, sight.blockedTo)))}},
            ColourRole::Blocked,
            3.5,
            false});
    }
    const PathClearance& radio = figures.radio;
    if (radio.blockedTo > radio.blockedFrom) {
        const auto blocked = ProfileSamples(figures, radio.blockedFrom, radio.blockedTo, 33);
        picture.Add(PictureLine{Polyline(scale, blocked, &ProfileSample::radio),
                                ColourRole::Blocked, 3.5, true});
    }
}

// A position: a mast from the earth's surface up to its altitude, its mark and its name.
void DrawPosition(Picture& picture, const ProfileScale& scale, double distance, double altitude,
                  ColourRole role, const char* name, TextAnchor anchor, bool below) {
    const double x = scale.X(distance);
    const double y = scale.Y(Feet(altitude));
    const double ground = std::clamp(scale.Y(0), scale.plot.top, scale.plot.bottom);
    picture.Add(PictureLine{{{x, ground}, {x, y}}, role, 1, false});
    picture.Add(PictureCircle{{x, y}, 4.5, ColourRole::Background, role, 1.5});
    // The reference's name under it and the target's over it, away from the paths that leave
    // the reference upward and reach the target from below; flipped where the plot ends.
    const double side = anchor == TextAnchor::Start ? 7 : -7;
    const double over = y - 8;
    const double under = y + 17;
    double baseline = below ? under : over;
    if (baseline > scale.plot.bottom - 2) {
        baseline = over;
    } else if (baseline < scale.plot.top + 12) {
        baseline = under;
    }
    picture.Add(PictureText{{x + side, baseline}, name, role, kTextSize, anchor, true});
}

struct LegendEntry {
    ColourRole role;
    const char* text;
    bool dashed;
    double width;
};

// Two rows of two entries under the axis title: the earth and the straight line, then the
// radio path and the mark of a blocked stretch.
void DrawLegend(Picture& picture, const PictureBox& panel) {
    constexpr LegendEntry kEntries[] = {
        {ColourRole::Earth, "Earth", false, 0},
        {ColourRole::SightLine, "Straight line", false, 1.5},
        {ColourRole::RadioPath, "Radio path (4/3 earth)", true, 1.5},
        {ColourRole::Blocked, "Below the earth", false, 3.5},
    };
    const double firstColumn = panel.left + 8;
    const double secondColumn =
        firstColumn + 25 + EstimatedTextWidth(kEntries[2].text, kTextSize) + 10;
    for (int i = 0; i < 4; ++i) {
        const LegendEntry& entry = kEntries[i];
        const double x = i % 2 == 0 ? firstColumn : secondColumn;
        const double y = panel.bottom - (i < 2 ? 24 : 8);
        if (entry.width == 0) {
            picture.Add(PictureRect{x, y - 9, 20, 10, entry.role});
        } else {
            picture.Add(
                PictureLine{{{x, y - 4}, {x + 20, y - 4}}, entry.role, entry.width, entry.dashed});
        }
        picture.Add(PictureText{{x + 25, y}, entry.text, ColourRole::Text, kTextSize});
    }
}

std::string ExaggerationText(double times) {
    const int decimals = times >= 10 ? 0 : (times >= 1 ? 1 : 3);
    return "Vertical scale \xC3\x97" + FormatNumber(10, decimals, times);
}

}  // namespace

double ProfileScale::Exaggeration() const {
    const double upPerFoot = plot.Height() / (highFeet - lowFeet);
    const double acrossPerFoot = plot.Width() / ((toNmi - fromNmi) * FEET_PER_NMI);
    return upPerFoot / acrossPerFoot;
}

ProfileScale ProfileScaleFor(const LineOfSightFigures& figures, const PictureBox& panel) {
    ProfileScale scale;
    // Room for the title rows above, the heights' numbers on the left, and below the
    // distances' numbers, the axis title and the legend's two rows.
    scale.plot = {panel.left + 62, panel.top + 44, panel.right - 14, panel.bottom - 74};
    DistanceRange(figures, scale.fromNmi, scale.toNmi);
    double low = std::min({0.0, figures.refAltitude, figures.tgtAltitude});
    double high = std::max({figures.refAltitude, figures.tgtAltitude});
    for (const ProfileSample& sample :
         ProfileSamples(figures, scale.fromNmi, scale.toNmi, kProfilePoints)) {
        low = std::min({low, sample.earth, sample.sight});
        high = std::max({high, sample.earth, sample.sight, sample.radio});
    }
    double span = Feet(high - low);
    if (!(span >= 1)) {
        span = 100;  // all at one height: a plot 100 ft high around it
    }
    scale.lowFeet = Feet(low) - 0.22 * span;  // ground under the lowest point
    scale.highFeet = Feet(low) + span * 1.12;
    return scale;
}

void DrawProfile(Picture& picture, const LineOfSightFigures& figures, const PictureBox& panel) {
    const ProfileScale scale = ProfileScaleFor(figures, panel);
    const auto samples = ProfileSamples(figures, scale.fromNmi, scale.toNmi, kProfilePoints);
    picture.Add(PictureText{{panel.left + 8, panel.top + 18},
                            "Profile, reference to target",
                            ColourRole::Text,
                            kTitleSize,
                            TextAnchor::Start,
                            true});
    picture.Add(PictureText{{panel.right - 14, panel.top + 18},
                            ExaggerationText(scale.Exaggeration()),
                            ColourRole::Text,
                            kTextSize,
                            TextAnchor::End});
    picture.Add(
        PictureText{{panel.left + 8, panel.top + 36}, "Height (ft)", ColourRole::Text, kTextSize});
    DrawAxes(picture, scale);
    DrawEarth(picture, scale, samples);
    DrawFrame(picture, scale.plot);
    DrawPaths(picture, scale, figures, samples);
    DrawPosition(picture, scale, 0, figures.refAltitude, ColourRole::Reference, "Reference",
                 TextAnchor::Start, true);
    DrawPosition(picture, scale, figures.pathLength, figures.tgtAltitude, ColourRole::Target,
                 "Target", TextAnchor::End, false);
    picture.Add(PictureText{{(scale.plot.left + scale.plot.right) / 2, scale.plot.bottom + 32},
                            "Distance from the reference (nmi)",
                            ColourRole::Text,
                            kTextSize,
                            TextAnchor::Middle});
    DrawLegend(picture, panel);
}

}  // namespace quorvel

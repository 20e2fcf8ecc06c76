#pragma once
// How the line-of-sight picture (line_of_sight_picture.h) divides its room, and the scale of
// its profile: shared by the drawing, the hover text and their tests.

#include "common/picture.h"
#include "pages/wg84/line_of_sight.h"

namespace quorvel {

// A rectangle of the picture, by its edges.
struct PictureBox {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    double Width() const { return right - left; }
    double Height() const { return bottom - top; }
    bool Contains(PicturePoint point) const {
        return point.x >= left && point.x <= right && point.y >= top && point.y <= bottom;
    }
};

// The profile on the left, the polar plot on the right, for a picture of width x height
// (each raised to the least size first).
struct LineOfSightLayout {
    double width = 0;
    double height = 0;
    PictureBox profile;
    PictureBox polar;
};
LineOfSightLayout LayOutLineOfSight(double width, double height);

// The profile's plot: distances (nmi, from the reference) across, heights (ft) up.
struct ProfileScale {
    PictureBox plot;
    double fromNmi = 0;
    double toNmi = 1;
    double lowFeet = 0;
    double highFeet = 1;

    double X(double nmi) const {
        return plot.left + (nmi - fromNmi) / (toNmi - fromNmi) * plot.Width();
    }
    double Y(double feet) const {
        return plot.bottom - (feet - lowFeet) / (highFeet - lowFeet) * plot.Height();
    }
    double DistanceAt(double x) const {
        return fromNmi + (x - plot.left) / plot.Width() * (toNmi - fromNmi);
    }
    // How many times the heights are stretched beside the distances (a foot up against a
    // foot across).
    double Exaggeration() const;
};
// The plot inside the profile's part of the picture, with the distances of the path (a
// nautical mile either side of a path of no length) and the heights of the earth, both
// positions and both paths, with room above and ground below.
ProfileScale ProfileScaleFor(const LineOfSightFigures& figures, const PictureBox& panel);

// The profile into its part of the picture.
void DrawProfile(Picture& picture, const LineOfSightFigures& figures, const PictureBox& panel);

struct LookAngles;
// The polar plot of the look angles into its part of the picture.
void DrawLookAngles(Picture& picture, const LookAngles& look, const PictureBox& panel);

}  // namespace quorvel

// Angles as degrees-minutes-seconds texts ("-DDD MM SS.sss") and back.
#include <algorithm>
#include <cmath>
#include <string>

#include "common/number_text.h"
#include "common/safe_math.h"

namespace quorvel {

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kRadiansPerDegree = 0.017453292519943301658;
// Angles beyond 10000 radians are not reduced but taken as 0.
constexpr double kLargestReducible = 10000.0 * kDegreesPerRadian;

constexpr double kLargestSeconds = 59.99999999;

// The text of SplitDms's parts. The whole degrees carry the sign, but an angle between -1 and
// 0 degrees has 0 whole degrees; its "-" is written all the same whenever the text shows a
// non-zero angle, so that a position just south of the equator or west of the meridian does
// not read (and, after editing, come back) as its mirror image.
template <typename Format>
std::string AngleText(double degrees, int& d, int& m, double& s, Format format) {
    const double radians = degrees * kRadiansPerDegree;
    SplitDms(radians, d, m, s);
    if (s >= 60.0) {
        s = 59.999;
    }
    std::string degreeText = PadOrCut(3, '0', format(std::abs(d), 3, 0));
    const std::string minuteText = PadOrCut(2, '0', format(m, 2, 0));
    std::string secondText = PadOrCut(6, '0', format(s, 6, 3));
    if (secondText == "60.000") {
        secondText = "59.999";
    }
    const bool shown = d != 0 || m != 0 || secondText != "00.000";
    if (d < 0 || (radians < 0 && shown)) {
        degreeText.insert(0, 1, '-');
    }
    return degreeText + " " + minuteText + " " + secondText;
}

// The first character that is not C white space is a minus sign.
bool WrittenNegative(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\n\v\f\r");
    return first != std::string_view::npos && text[first] == '-';
}

}  // namespace

double ReduceToOneTurn(double degrees) {
    if (!(std::fabs(degrees) <= kLargestReducible)) {
        return 0.0;
    }
    double turn = std::fmod(degrees, 360.0);
    if (turn < 0.0) {
        turn += 360.0;
    }
    return turn >= 360.0 ? 0.0 : turn;
}

void SplitDms(double radians, int& degrees, int& minutes, double& seconds) {
    const double turn = ReduceToOneTurn(std::fabs(radians * kDegreesPerRadian));
    double s = turn * 3600.0;
    degrees = FloorToInt(s / 3600.0);
    s -= degrees * 3600.0;
    minutes = FloorToInt(s / 60.0);
    seconds = s - minutes * 60.0;
    if (radians < 0.0) {
        degrees = -degrees;
    }
}

std::string DmsText(double degrees, int& d, int& m, double& s) {
    return AngleText(degrees, d, m, s, [](double value, int precision, int decimals) {
        return FormatNumber(precision, decimals, value);
    });
}

std::string DmsText(double degrees) {
    int d = 0;
    int m = 0;
    double s = 0.0;
    return DmsText(degrees, d, m, s);
}

std::string LatLongText(double degrees) {
    int d = 0;
    int m = 0;
    double s = 0.0;
    return AngleText(degrees, d, m, s, [](double value, int precision, int decimals) {
        return FixedText(value, precision, decimals);
    });
}

// A degrees text of "-0" gives a negative angle, as the text of such an angle reads.
bool ParseDms(std::string_view text, bool latitude, double& degrees) {
    const int limit = latitude ? 70 : 179;

    const std::string rest = StripLeading(' ', text);
    if (rest.empty()) {
        return false;
    }
    const std::string degreeText = TextBefore(rest, " ");
    std::int32_t wholeDegrees = 0;
    if (degreeText.empty() || !ParseInt(degreeText, wholeDegrees)) {
        return false;
    }
    wholeDegrees = std::clamp(wholeDegrees, -limit, limit);

    const std::string afterDegrees = StripLeading(' ', TextAfter(rest, " "));
    if (afterDegrees.empty()) {
        return false;
    }
    const std::string minuteText = TextBefore(afterDegrees, " ");
    std::int32_t minutes = 0;
    if (minuteText.empty() || !ParseInt(minuteText, minutes)) {
        return false;
    }
    minutes = std::clamp(minutes, 0, 59);

    const std::string secondText = StripLeading(' ', TextAfter(afterDegrees, " "));
    double seconds = 0.0;
    // A NaN would pass the clamp and poison the angle; it is no number of seconds.
    if (secondText.empty() || !ParseReal(secondText, seconds) || std::isnan(seconds)) {
        return false;
    }
    seconds = std::clamp(seconds, 0.0, kLargestSeconds);

    double angle = std::abs(wholeDegrees) + minutes / 60.0 + seconds / 3600.0;
    if (wholeDegrees < 0 || WrittenNegative(degreeText)) {
        angle = -angle;
    }
    degrees = angle;
    return true;
}

}  // namespace quorvel

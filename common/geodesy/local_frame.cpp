#include "common/geodesy/local_frame.h"

#include <cmath>

#include "common/geodesy/ecef_conversions.h"
#include "common/safe_math.h"

namespace quorvel {
namespace {

// The same quarter turn as the guarded arc tangent returns on the y axis.
constexpr double kQuarterTurn = 1.5707963267948972;

EnuVector AsEnu(const std::array<double, 3>& v) {
    return {v[0], v[1], v[2]};
}

}  // namespace

Matrix3 EcefToEnuMatrix(const LlmPosition& position) {
    const double sinLat = SafeSin(position.latitude);
    const double cosLat = SafeCos(position.latitude);
    const double sinLong = SafeSin(position.longitude);
    const double cosLong = SafeCos(position.longitude);
    return {
        -sinLong,          cosLong,           0,       // east
        -sinLat * cosLong, -sinLat * sinLong, cosLat,  // north
        cosLat * cosLong,  cosLat * sinLong,  sinLat,  // up
    };
}

Matrix3 EnuToEcefMatrix(double latitude, double longitude) {
    const double sinLat = SafeSin(latitude);
    const double cosLat = SafeCos(latitude);
    const double sinLong = SafeSin(longitude);
    const double cosLong = SafeCos(longitude);
    return {
        -sinLong,
        -sinLat * cosLong,
        cosLat * cosLong,  // x
        cosLong,
        -sinLat * sinLong,
        cosLat * sinLong,  // y
        0,
        cosLat,
        sinLat,  // z
    };
}

Matrix3 EnuToEcefMatrix(const LlmPosition& position) {
    return EnuToEcefMatrix(position.latitude, position.longitude);
}

std::array<double, 3> MatrixTimesVector(const Matrix3& matrix, double v0, double v1, double v2) {
    std::array<double, 3> out{};
    for (std::size_t row = 0; row < 3; ++row) {
        const double* m = &matrix[row * 3];
        out[row] = m[0] * v0 + m[1] * v1 + m[2] * v2;
    }
    return out;
}

EnuVector LlmToEnu(const LlmPosition& point, LlmPosition& reference) {
    const Matrix3 rotation = EcefToEnuMatrix(reference);
    LlmPosition pointCopy = point;
    const EcefVector p = LlmToEcef(pointCopy);
    const EcefVector r = LlmToEcef(reference);
    return AsEnu(MatrixTimesVector(rotation, p.x - r.x, p.y - r.y, p.z - r.z));
}

EnuVector EcefToEnu(const EcefVector& point, LlmPosition& reference) {
    const Matrix3 rotation = EcefToEnuMatrix(reference);
    const EcefVector r = LlmToEcef(reference);
    return AsEnu(MatrixTimesVector(rotation, point.x - r.x, point.y - r.y, point.z - r.z));
}

RaeVector EcefToRae(const EcefVector& point, LlmPosition& reference) {
    return EnuToRae(EcefToEnu(point, reference));
}

RaeVector EnuToRae(const EnuVector& offset) {
    const double groundSq = offset.east * offset.east + offset.north * offset.north;
    RaeVector rae;
    rae.range = std::sqrt(groundSq + offset.up * offset.up);
    rae.azimuth = kQuarterTurn - SafeAtan2(offset.north, offset.east);
    rae.elevation = SafeAtan2(offset.up, std::sqrt(groundSq));
    return rae;
}

EnuVector RaeToEnu(const RaeVector& rae) {
    const double cosEl = SafeCos(rae.elevation);
    EnuVector offset;
    offset.east = rae.range * cosEl * SafeSin(rae.azimuth);
    offset.north = rae.range * cosEl * SafeCos(rae.azimuth);
    offset.up = rae.range * SafeSin(rae.elevation);
    return offset;
}

bool RaeToLlm(const RaeVector& rae, LlmPosition& origin, LlmPosition& position) {
    const EcefVector o = LlmToEcef(origin);
    const Matrix3 rotation = EnuToEcefMatrix(origin);
    const EnuVector offset = RaeToEnu(rae);
    const std::array<double, 3> d =
        MatrixTimesVector(rotation, offset.east, offset.north, offset.up);
    const EcefVector point{d[0] + o.x, d[1] + o.y, d[2] + o.z};
    return EcefToLlm(point, position);
}

EcefVector EnuToEcef(const EnuVector& offset, LlmPosition& reference) {
    const EcefVector r = LlmToEcef(reference);
    const Matrix3 rotation = EnuToEcefMatrix(reference.latitude, reference.longitude);
    const std::array<double, 3> d =
        MatrixTimesVector(rotation, offset.east, offset.north, offset.up);
    return {d[0] + r.x, d[1] + r.y, d[2] + r.z};
}

}  // namespace quorvel

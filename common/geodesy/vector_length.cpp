#include "common/geodesy/vector_length.h"

#include <cmath>

namespace quorvel {

double VectorLength(double x, double y, double z) {
    return std::sqrt(x * x + y * y + z * z);
}

}  // namespace quorvel

#include "vocabulary.h"

void erase(DrawingSurface& s, double left, double right, double first, double last, double step)
{
    if (!(step > 0))
        return;
    const double direction = last >= first ? 1 : -1;
    const long long rows = static_cast<long long>(std::floor(std::fabs(last - first) / step)) + 1;
    for (long long k = 0; k < rows; ++k) {
        const double y = first + direction * double(k) * step;
        s.Line(float(left), float(y), float(right), float(y), colours::grey);
    }
}

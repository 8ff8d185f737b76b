#include "elements/lines/matryca_stref.h"

#include <algorithm>

#include "core/centrala.h"
#include "core/globalne.h"

int MatrycaStref::liczbaStref() {
    if (biezacaCentrala == nullptr) return 0;
    return std::clamp(biezacaCentrala->liczbaStref, 0, maksStref);
}

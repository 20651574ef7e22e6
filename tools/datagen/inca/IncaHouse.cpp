// Inca houses: walls higher than a person sees over, trapezoidal doors and
// windows, stone gables and steep thatched roofs.
#include "IncaParts.h"

namespace {

const HouseStyle INCA_HOUSE = {
    INCA_WALL, INCA_INSIDE, INCA_THATCH_ROOF, INCA_TIMBER, INCA_SOIL,
    {0, 4.8f, 3.6f, 0, 12.4f},  // doors: a person's view from above must clear the lintel
    {0, 2.2f, 1.7f, 6.5f, 10},
    14.5f, 8, 1.2f,
};

}  // namespace

Mesh incaHouseMesh(const char* name, const House& house) {
    Mesh mesh{name, {}, {}};
    addHouse(mesh, house, INCA_HOUSE);
    return mesh;
}

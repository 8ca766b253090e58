#pragma once
// Grid coordinates of the European Lambert conformal conic projection (ETRS89 / LCC
// Europe: standard parallels 35° and 65° N, origin 52° N 10° E at easting 4 000 km and
// northing 2 800 km, GRS 80 ellipsoid) as latitude and longitude. The German test
// reference years of 2015 and 2045 name their grid cell in these coordinates.

namespace talp {

struct GeographicPosition {
    long double latitude;   // degrees, north positive
    long double longitude;  // degrees, east positive
};

GeographicPosition geographicOfEuropeanLambert(long double easting, long double northing);

}  // namespace talp

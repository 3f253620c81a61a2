"""Apparent geocentric longitudes of the Sun and the Moon, and the moments of new moons and solar terms.

Sun: ERFA's epv00 (Earth's heliocentric and barycentric position and velocity, a few km), with annual
aberration (erfa.ab) and the IAU 2006/2000A bias-precession-nutation matrix (erfa.pnm06a), then
rotated onto the true ecliptic of date. Moon: the full ELP 2000-82B series of libnova (geocentric,
mean ecliptic and equinox of J2000), taken one light-time earlier and brought onto the same true
ecliptic of date. Both longitudes are therefore apparent longitudes of date; nutation cancels in
the new-moon condition but matters for the solar terms.

Times are Julian days. The ephemerides run on Terrestrial Time (TT); civil time is Universal Time
UT = TT - Delta T (UTC and UT1 differ by less than a second). Delta T comes from the polynomials of
Espenak and Meeus up to 2005 and from yearly observed values after that, extended at a constant rate
past the last observation.

Needs the Debian packages python3-erfa and libnova-0.16-0 (run with /usr/bin/python3).
"""

import ctypes
import math

import erfa
import numpy

AU_KM = 149597870.700
C_KM_S = 299792.458
C_AU_DAY = 173.1446326846693
J2000 = 2451545.0
# Obliquity of the ecliptic at J2000 (IAU 2006), in radians: the tilt between the ELP frame and the
# mean equator of J2000.
OBLIQUITY_J2000 = math.radians(84381.406 / 3600.0)


class _RectPosition(ctypes.Structure):
    _fields_ = [("x", ctypes.c_double), ("y", ctypes.c_double), ("z", ctypes.c_double)]


_libnova = ctypes.CDLL("libnova-0.16.so.0")
_libnova.ln_get_lunar_geo_posn.argtypes = [ctypes.c_double, ctypes.POINTER(_RectPosition), ctypes.c_double]
_libnova.ln_get_lunar_geo_posn.restype = None

# Delta T observed at the start of the year (seconds), after the range of the polynomials.
_OBSERVED_DELTA_T = [(2005, 64.69), (2010, 66.07), (2015, 67.64), (2020, 69.36), (2025, 69.20)]
# Rate assumed after the last observation, seconds per year.
_DELTA_T_RATE_AFTER = 0.3


def delta_t_seconds(year):
    """TT - UT in seconds for a decimal year in 1900..2100."""
    if year < 1920:
        t = year - 1900
        return -2.79 + 1.494119 * t - 0.0598939 * t**2 + 0.0061966 * t**3 - 0.000197 * t**4
    if year < 1941:
        t = year - 1920
        return 21.20 + 0.84493 * t - 0.076100 * t**2 + 0.0020936 * t**3
    if year < 1961:
        t = year - 1950
        return 29.07 + 0.407 * t - t**2 / 233 + t**3 / 2547
    if year < 1986:
        t = year - 1975
        return 45.45 + 1.067 * t - t**2 / 260 - t**3 / 718
    if year < _OBSERVED_DELTA_T[0][0]:
        t = year - 2000
        return 63.86 + 0.3345 * t - 0.060374 * t**2 + 0.0017275 * t**3 + 0.000651814 * t**4 + 0.00002373599 * t**5
    for (y0, v0), (y1, v1) in zip(_OBSERVED_DELTA_T, _OBSERVED_DELTA_T[1:]):
        if year < y1:
            return v0 + (v1 - v0) * (year - y0) / (y1 - y0)
    last_year, last_value = _OBSERVED_DELTA_T[-1]
    return last_value + _DELTA_T_RATE_AFTER * (year - last_year)


def decimal_year(jd):
    return 2000.0 + (jd - J2000) / 365.25


def tt_from_ut(jd_ut):
    return jd_ut + delta_t_seconds(decimal_year(jd_ut)) / 86400.0


def ut_from_tt(jd_tt):
    return jd_tt - delta_t_seconds(decimal_year(jd_tt)) / 86400.0


def _true_ecliptic_longitude(vector_gcrs, jd_tt):
    """Longitude on the true ecliptic and equinox of date, degrees 0..360, of a GCRS direction."""
    d1, d2 = 2400000.5, jd_tt - 2400000.5
    rotation = erfa.pnm06a(d1, d2)
    x, y, z = rotation @ vector_gcrs
    _, deps = erfa.nut06a(d1, d2)
    eps = erfa.obl06(d1, d2) + deps
    ecl_y = y * math.cos(eps) + z * math.sin(eps)
    return math.degrees(math.atan2(ecl_y, x)) % 360.0


def sun_longitude(jd_tt):
    """Apparent geocentric longitude of the Sun, degrees."""
    heliocentric, barycentric = erfa.epv00(2400000.5, jd_tt - 2400000.5)
    to_sun = -heliocentric[0]
    distance = math.sqrt(to_sun @ to_sun)
    # The Sun moves about the barycentre by ~15 m/s; over the 8 minutes of light time that is a few
    # milliarcseconds, so only the observer's aberration is applied.
    velocity = barycentric[1] / C_AU_DAY
    bm1 = math.sqrt(1.0 - velocity @ velocity)
    apparent = erfa.ab(to_sun / distance, velocity, distance, bm1)
    return _true_ecliptic_longitude(apparent, jd_tt)


def _moon_j2000_ecliptic(jd_tt):
    position = _RectPosition()
    _libnova.ln_get_lunar_geo_posn(jd_tt, ctypes.byref(position), 0.0)
    return position.x, position.y, position.z


def moon_longitude(jd_tt):
    """Apparent geocentric longitude of the Moon, degrees."""
    x, y, z = _moon_j2000_ecliptic(jd_tt)
    light_days = math.sqrt(x * x + y * y + z * z) / C_KM_S / 86400.0
    x, y, z = _moon_j2000_ecliptic(jd_tt - light_days)
    # J2000 ecliptic -> J2000 equator (taken as GCRS; the frame bias is 0.02").
    c, s = math.cos(OBLIQUITY_J2000), math.sin(OBLIQUITY_J2000)
    equatorial = numpy.array([x, y * c - z * s, y * s + z * c])
    return _true_ecliptic_longitude(equatorial, jd_tt)


def _wrap(angle):
    """Angle in degrees reduced to -180..180."""
    return (angle + 180.0) % 360.0 - 180.0


def _solve(function, rate, jd_tt):
    """Root of function (degrees, increasing at about `rate` degrees per day) near jd_tt."""
    for _ in range(20):
        step = _wrap(function(jd_tt)) / rate
        jd_tt -= step
        if abs(step) < 1e-8:
            return jd_tt
    raise RuntimeError(f"no convergence near JD {jd_tt}")


SYNODIC_MONTH = 29.530588861
# Mean new moon of 6 January 2000 (Meeus), used only as the starting guess.
_MEAN_NEW_MOON_2000 = 2451550.09766


def new_moon_ut(lunation):
    """Universal Time (JD) of the new moon of the given lunation number (0 = January 2000)."""
    guess = _MEAN_NEW_MOON_2000 + SYNODIC_MONTH * lunation
    tt = _solve(lambda t: moon_longitude(t) - sun_longitude(t), 12.19, guess)
    return ut_from_tt(tt)


def solar_term_ut(longitude, jd_ut_guess):
    """Universal Time (JD) at which the Sun's apparent longitude reaches `longitude` degrees."""
    tt = _solve(lambda t: sun_longitude(t) - longitude, 0.9856, tt_from_ut(jd_ut_guess))
    return ut_from_tt(tt)

#!/usr/bin/env python3
"""Writes the bundled position track: a walk through the Old Town of Prague, one fix a
second at walking pace, as NMEA GGA, GSA and RMC sentences with altitudes above mean sea
level.

    tools/make_track.py > resources/tracks/stare-mesto-walk.nmea
"""
import math
import random

# Corners of the walk (latitude, longitude, ground height in metres AMSL); it ends where
# it starts, so the replay loops without a jump.
WAYPOINTS = [
    (50.08750, 14.42130, 191.0),  # Old Town Square
    (50.08762, 14.42240, 192.0),  # Tyn church
    (50.08725, 14.42460, 194.0),  # Celetna
    (50.08705, 14.42770, 197.0),  # Powder Tower
    (50.08610, 14.42660, 196.0),  # Na Mustku side
    (50.08560, 14.42390, 193.0),  # Havelska market
    (50.08620, 14.42170, 191.0),  # Little Square
    (50.08640, 14.41860, 189.0),  # Karlova
    (50.08620, 14.41420, 187.0),  # Old Town bridge tower
    (50.08700, 14.41470, 188.0),  # Krizovnicka
    (50.08790, 14.41700, 189.0),  # Clementinum, Mariánské square
    (50.08820, 14.41930, 190.0),  # Kaprova
    (50.08750, 14.42130, 191.0),  # back on the square
]
SPEED = 1.35  # metres a second
R = 6371008.8


def distance(a, b):
    la1, lo1, la2, lo2 = map(math.radians, (a[0], a[1], b[0], b[1]))
    h = math.sin((la2 - la1) / 2) ** 2 + math.cos(la1) * math.cos(la2) * math.sin((lo2 - lo1) / 2) ** 2
    return 2 * R * math.asin(math.sqrt(h))


def bearing(a, b):
    la1, lo1, la2, lo2 = map(math.radians, (a[0], a[1], b[0], b[1]))
    y = math.sin(lo2 - lo1) * math.cos(la2)
    x = math.cos(la1) * math.sin(la2) - math.sin(la1) * math.cos(la2) * math.cos(lo2 - lo1)
    return (math.degrees(math.atan2(y, x)) + 360) % 360


def checksum(body):
    c = 0
    for ch in body.encode("ascii"):
        c ^= ch
    return "%02X" % c


def sentence(body):
    return "$%s*%s" % (body, checksum(body))


def nmea_angle(value, degree_digits):
    hemisphere = value >= 0
    value = abs(value)
    degrees = int(value)
    minutes = (value - degrees) * 60
    return ("%0*d%07.4f" % (degree_digits, degrees, minutes)), hemisphere


def main():
    rng = random.Random(20260514)
    t0 = 9 * 3600  # 09:00:00 UTC
    second = 0
    lines = []
    for a, b in zip(WAYPOINTS, WAYPOINTS[1:]):
        leg = distance(a, b)
        steps = max(1, int(round(leg / SPEED)))
        course = bearing(a, b)
        for i in range(steps):
            f = i / steps
            lat = a[0] + (b[0] - a[0]) * f + rng.gauss(0, 0.000012)
            lon = a[1] + (b[1] - a[1]) * f + rng.gauss(0, 0.000018)
            alt = a[2] + (b[2] - a[2]) * f + 1.6 + rng.gauss(0, 0.4)  # receiver held at chest height
            t = t0 + second
            hh, mm, ss = t // 3600, (t // 60) % 60, t % 60
            stamp = "%02d%02d%02d.00" % (hh, mm, ss)
            la, north = nmea_angle(lat, 2)
            lo, east = nmea_angle(lon, 3)
            ns, ew = ("N" if north else "S"), ("E" if east else "W")
            sats = 8 + rng.randint(0, 3)
            hdop = 0.8 + rng.random() * 0.6
            lines.append(sentence("GPGGA,%s,%s,%s,%s,%s,1,%02d,%.1f,%.1f,M,45.3,M,," % (
                stamp, la, ns, lo, ew, sats, hdop, alt)))
            lines.append(sentence("GPGSA,A,3,02,05,07,09,13,16,20,26,29,,,,%.1f,%.1f,%.1f" % (
                hdop + 0.6, hdop, 1.2 + rng.random() * 0.5)))
            knots = SPEED * 3600 / 1852 * (0.9 + rng.random() * 0.2)
            lines.append(sentence("GPRMC,%s,A,%s,%s,%s,%s,%.2f,%.1f,140526,4.3,E,A" % (
                stamp, la, ns, lo, ew, knots, course)))
            second += 1
    print("\r\n".join(lines), end="\r\n")


if __name__ == "__main__":
    main()

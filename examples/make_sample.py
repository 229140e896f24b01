#!/usr/bin/env python3
"""Writes sample.plt beside this script: a made-up two-day trip east of Moscow.

The trip walks, cycles and drives, stands still now and then (with the few metres
of jitter a real receiver shows), and the receiver is switched off twice during
the day and overnight; the first fix after each such gap has break code 1.
Deterministic: run it again and the file comes out byte for byte the same.
"""
import datetime as dt
import math
import random
from pathlib import Path

METRES_PER_DEG_LAT = 111_320.0
FEET_PER_METRE = 1 / 0.3048
MONTHS = ("Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec")
EPOCH = dt.datetime(1899, 12, 30)

# mode: (mean km/h, speed wobble, heading wobble in degrees per fix)
MODES = {"walk": (5.0, 0.15, 12.0), "cycle": (17.0, 0.12, 5.0), "drive": (70.0, 0.20, 2.0)}

# (what, minutes, seconds between fixes, heading in degrees); "off" is a gap with no fixes.
DAY1 = [
    ("walk", 30, 10, 70), ("stop", 10, 15, 0), ("cycle", 80, 10, 45), ("stop", 20, 30, 0),
    ("cycle", 50, 10, 100), ("off", 180, 0, 0), ("walk", 45, 15, 160), ("stop", 15, 30, 0),
    ("drive", 60, 5, 95), ("stop", 10, 20, 0), ("drive", 40, 5, 160), ("walk", 25, 15, 300),
]
DAY2 = [
    ("drive", 45, 5, 300), ("stop", 20, 30, 0), ("walk", 60, 15, 190), ("stop", 30, 30, 0),
    ("walk", 40, 15, 20), ("off", 40, 0, 0), ("cycle", 60, 10, 250), ("stop", 10, 20, 0),
    ("drive", 70, 10, 290),
]


def ground_metres(lat, lon):
    """Rolling hills of 120-260 m, the kind of land around the route."""
    y = (lat - 55.9) * METRES_PER_DEG_LAT / 1000
    x = (lon - 38.0) * METRES_PER_DEG_LAT * math.cos(math.radians(lat)) / 1000
    return 185 + 35 * math.sin(x / 3.1) * math.cos(y / 4.3) + 20 * math.sin((x + y) / 1.7) + 12 * math.cos(x / 0.9)


class Recorder:
    def __init__(self, rng, start, lat, lon):
        self.rng, self.time, self.lat, self.lon = rng, start, lat, lon
        self.points = []
        self.break_next = True  # the first fix starts a piece too

    def fix(self, lat, lon):
        altitude = ground_metres(lat, lon) + self.rng.gauss(0, 2.5)
        self.points.append((lat, lon, 1 if self.break_next else 0, altitude * FEET_PER_METRE, self.time))
        self.break_next = False

    def jitter(self, metres):
        return (self.rng.gauss(0, metres) / METRES_PER_DEG_LAT,
                self.rng.gauss(0, metres) / (METRES_PER_DEG_LAT * math.cos(math.radians(self.lat))))

    def next_time(self, step):
        # A receiver now and then misses a fix.
        self.time += dt.timedelta(seconds=step * (2 if self.rng.random() < 0.04 else 1))

    def stand(self, minutes, step):
        end = self.time + dt.timedelta(minutes=minutes)
        while self.time < end:
            dlat, dlon = self.jitter(3.0)
            self.fix(self.lat + dlat, self.lon + dlon)
            self.next_time(step)

    def move(self, mode, minutes, step, heading):
        mean_kmh, speed_wobble, turn = MODES[mode]
        end = self.time + dt.timedelta(minutes=minutes)
        kmh, wander = mean_kmh, 0.0
        while self.time < end:
            dlat, dlon = self.jitter(1.5)
            self.fix(self.lat + dlat, self.lon + dlon)
            before = self.time
            self.next_time(step)
            kmh += 0.2 * (mean_kmh - kmh) + self.rng.gauss(0, mean_kmh * speed_wobble * 0.3)
            kmh = max(kmh, mean_kmh * 0.3)
            wander = 0.9 * wander + self.rng.gauss(0, turn)
            metres = kmh / 3.6 * (self.time - before).total_seconds()
            angle = math.radians(heading + wander)
            self.lat += metres * math.cos(angle) / METRES_PER_DEG_LAT
            self.lon += metres * math.sin(angle) / (METRES_PER_DEG_LAT * math.cos(math.radians(self.lat)))

    def gap(self, minutes):
        self.time += dt.timedelta(minutes=minutes)
        self.break_next = True

    def day(self, legs):
        for what, minutes, step, heading in legs:
            if what == "off":
                self.gap(minutes)
            elif what == "stop":
                self.stand(minutes, step)
            else:
                self.move(what, minutes, step, heading)


def point_line(lat, lon, break_code, feet, time):
    days = (time - EPOCH).total_seconds() / 86400
    date_text = f"{time.day:02d}-{MONTHS[time.month - 1]}-{time.year % 100:02d}"
    return f"{lat:.6f},{lon:.6f},{break_code},{feet:.1f},{days:.7f},{date_text},{time:%H:%M:%S}"


def main():
    recorder = Recorder(random.Random(20200714), dt.datetime(2020, 7, 14, 10, 25, 0), 55.912345, 37.981234)
    recorder.day(DAY1)
    recorder.gap(10 * 60 + 7)  # the night: receiver off
    recorder.day(DAY2)
    header = [
        "OziExplorer Track Point File Version 2.1", "WGS 84", "Altitude is in Feet", "Reserved 3",
        "0,2,255,Sample trip,0,0,2,8421376", str(len(recorder.points)),
    ]
    lines = header + [point_line(*point) for point in recorder.points]
    out = Path(__file__).with_name("sample.plt")
    out.write_bytes("".join(line + "\r\n" for line in lines).encode("ascii"))
    print(f"{out}: {len(recorder.points)} points")


if __name__ == "__main__":
    main()

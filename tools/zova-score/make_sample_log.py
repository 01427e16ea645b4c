#!/usr/bin/env python3
"""Writes a seeded sample ADIF log of a ZOVA WW RTTY contest weekend.

Real callsigns come from MASTER.SCP (Debian's hamradio-files). The log holds
what real logs hold: runs on the RTTY segments of 80-10 m following the time
of day, stations worked again on other bands, and the faults the plug-in has
to sort out: duplicates (one with a different exchange), a QSO on 160 m, a
QSO in PSK31 and a QSO whose received exchange was never logged. A few
records carry FREQ only, no BAND, as some loggers write them.

    tools/zova-score/make_sample_log.py [--seed N] [--scp FILE] [-o examples/sample.adi]
"""
import argparse
import datetime
import random
import re

OWN_CALL = "DL5ZOV"
OWN_EXCHANGE = "0042"
START = datetime.datetime(2026, 3, 7, 12, 0, 0)  # Saturday 12:00 UTC, 24 hours
HOURS = 24

# RTTY segments (kHz) of the contest bands.
SEGMENTS = {"80m": (3570, 3600), "40m": (7035, 7060), "20m": (14080, 14110),
            "15m": (21080, 21110), "10m": (28080, 28120)}


def band_for_hour(rng, utc_hour):
    """Daylight favours the high bands, night the low ones (seen from Europe)."""
    if 7 <= utc_hour < 16:
        weights = {"10m": 3, "15m": 5, "20m": 5, "40m": 1, "80m": 0}
    elif 16 <= utc_hour < 20 or 5 <= utc_hour < 7:
        weights = {"10m": 0, "15m": 1, "20m": 5, "40m": 4, "80m": 2}
    else:
        weights = {"10m": 0, "15m": 0, "20m": 1, "40m": 5, "80m": 5}
    bands = [b for b, w in weights.items() if w]
    return rng.choices(bands, [weights[b] for b in bands])[0]


def field(name, value):
    return "<%s:%d>%s" % (name, len(value.encode("ascii")), value)


def record(q):
    parts = [field("CALL", q["call"]), field("QSO_DATE", q["time"].strftime("%Y%m%d")),
             field("TIME_ON", q["time"].strftime("%H%M%S"))]
    if q.get("band"):
        parts.append(field("BAND", q["band"]))
    parts.append(field("FREQ", "%.6f" % (q["khz"] / 1000.0)))
    parts.append(field("MODE", q["mode"]))
    if q.get("submode"):
        parts.append(field("SUBMODE", q["submode"]))
    parts += [field("RST_SENT", "599"), field("RST_RCVD", "599"),
              field("STX_STRING", OWN_EXCHANGE)]
    if q.get("srx") is not None:
        parts.append(field("SRX_STRING", q["srx"]))
    parts.append(field("STATION_CALLSIGN", OWN_CALL))
    return " ".join(parts) + " <EOR>"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seed", type=int, default=2026)
    parser.add_argument("--scp", default="/usr/share/hamradio-files/MASTER.SCP")
    parser.add_argument("--count", type=int, default=320, help="QSOs before the faults are added")
    parser.add_argument("-o", "--output", default="examples/sample.adi")
    args = parser.parse_args()
    rng = random.Random(args.seed)

    with open(args.scp, encoding="ascii", errors="replace") as scp:
        calls = sorted({line.strip() for line in scp
                        if re.fullmatch(r"[A-Z0-9]{3,8}", line.strip()) and line.strip() != OWN_CALL})
    stations = rng.sample(calls, 230)
    # Every station sends its own four-digit number all weekend.
    number = {call: "%04d" % rng.randint(1, 60) for call in stations}

    qsos, worked = [], set()
    t = START
    end = START + datetime.timedelta(hours=HOURS)
    while len(qsos) < args.count and t < end:
        t += datetime.timedelta(seconds=rng.randint(60, 420))
        band = band_for_hour(rng, t.hour)
        call = rng.choice(stations)
        if (call, band) in worked:
            continue  # the operator's dupe check caught it
        worked.add((call, band))
        lo, hi = SEGMENTS[band]
        qsos.append({"call": call, "time": t, "band": band, "mode": "RTTY",
                     "khz": rng.randint(lo * 1000, hi * 1000) / 1000.0, "srx": number[call]})

    # Faults, placed among the QSOs.
    def later(q, minutes):
        return q["time"] + datetime.timedelta(minutes=minutes, seconds=rng.randint(0, 59))

    extra = []
    for q in rng.sample(qsos[: len(qsos) - 20], 4):  # duplicates: worked again, same band
        extra.append(dict(q, time=later(q, rng.randint(20, 200))))
    q = rng.choice(qsos)  # a duplicate whose exchange was copied wrong
    extra.append(dict(q, time=later(q, 90), srx="%04d" % ((int(q["srx"]) + 17) % 60 + 1)))
    q = rng.choice(qsos)  # wrong band: 160 m is no contest band
    extra.append(dict(q, time=later(q, 5), band="160m", khz=1838.150))
    q = rng.choice(qsos)  # wrong mode: a PSK31 QSO in the RTTY log
    extra.append(dict(q, time=later(q, 7), mode="PSK", submode="PSK31",
                      khz=q["khz"] - 10.0, call=rng.choice(stations)))
    q = rng.choice(qsos)  # the received exchange never logged
    extra.append(dict(q, time=later(q, 3), call=rng.choice(stations), srx=None))

    qsos = sorted(qsos + extra, key=lambda q: q["time"])
    for q in rng.sample(qsos, 6):  # FREQ only, no BAND
        if q["band"] != "160m" and q["mode"] == "RTTY":
            q["band"] = None

    with open(args.output, "w", encoding="ascii", newline="\n") as out:
        out.write("ZOVA WW RTTY CONTEST sample log, written by make_sample_log.py "
                  "(seed %d)\n" % args.seed)
        out.write(field("ADIF_VER", "3.1.4") + " " + field("PROGRAMID", "make_sample_log.py")
                  + " <EOH>\n\n")
        for q in qsos:
            out.write(record(q) + "\n")


if __name__ == "__main__":
    main()

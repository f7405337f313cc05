#!/usr/bin/env python3
"""Reads the catalogue of a logs folder with Python's standard library: every
*.verira file in the folder and its subfolders is opened with zipfile, its
metadata.json parsed with json and the four texts of its catalogue row built,
as the viewer's catalogue does. Prints the number of rows and the time taken.

    read_catalogue.py FOLDER
"""
import datetime
import json
import os
import sys
import time
import zipfile


def bcd(byte):
    return (byte >> 4) * 10 + (byte & 0x0F)


def created_at(date, clock, path):
    try:
        logged = datetime.datetime(2000 + bcd((date >> 8) & 0xFF), bcd((date >> 16) & 0xFF), bcd((date >> 24) & 0xFF),
                                   bcd((clock >> 24) & 0xFF), bcd((clock >> 16) & 0xFF), bcd((clock >> 8) & 0xFF))
        if logged.year >= 2022:
            return logged.strftime("%Y/%m/%d %H:%M:%S")
    except ValueError:
        pass
    return datetime.datetime.fromtimestamp(os.path.getmtime(path)).strftime("%Y/%m/%d %H:%M:%S")


def row(base, path):
    with zipfile.ZipFile(path) as archive:
        names = set(archive.namelist())
        if "metadata.json" not in names or "data.json" not in names:
            return None
        text = archive.read("metadata.json")
    if not text:
        return None
    metadata = json.loads(text)
    folder = os.path.dirname(path).replace(base, "")
    if folder:
        folder += "/"
    session = "%s%s (%s-%d): %d" % (folder, metadata.get("deviceName", "No Name"), metadata["userRegNum"]["country"],
                                    metadata["userRegNum"]["num"], metadata["head"]["sessionNumber"])
    if metadata["head"]["dotsCount"] == 0xFFFFFFFF:
        session += " (not complete race)"
    return (session, metadata["userName"], metadata["settSetName"],
            created_at(metadata["date"], metadata["time"], path))


def main():
    base = sys.argv[1].rstrip("/")
    start = time.perf_counter()
    rows = []
    for folder, _, files in os.walk(base):
        for name in files:
            if name.endswith(".verira"):
                path = os.path.join(folder, name)
                try:
                    entry = row(base, path)
                except Exception:
                    entry = ("File corrupted", "", name, "")
                if entry:
                    rows.append(entry)
    print("%d rows in %.3f s" % (len(rows), time.perf_counter() - start))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Time Python's zipfile plus json.load to parse a log file's two entries."""
import json
import resource
import sys
import time
import zipfile

start = time.perf_counter()
with zipfile.ZipFile(sys.argv[1]) as archive:
    metadata = json.loads(archive.read("metadata.json"))
    with archive.open("data.json") as entry:
        data = json.load(entry)
elapsed = time.perf_counter() - start
peak = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss / 1024.0
print(f"python zipfile + json.load: {elapsed:.3f} s, {len(data)} samples, peak {peak:.0f} MiB")

#!/usr/bin/env python3
"""Writes log files made to stop or exhaust the readers of metadata.json into
a folder, for logread_bench:

    hostile_logs.py OUT_DIR
"""
import json
import os
import sys
import zipfile

METADATA = {
    "blVersion": 259, "date": 152184320, "deviceName": "Limiter1", "energyRefJ": 75600, "escName": "ESC 120",
    "escVersion": 773, "fwVersion": 522,
    "head": {"dotsCount": 100, "header": 2779115533, "previousSessionAddress": 73728, "sessionNumber": 7},
    "hwVersion": 4131, "latitude": 55.75, "loggerFreqHz": 50, "longitude": 37.625, "modelName": "Mono 1",
    "motorName": "Motor 4082", "motorPoles": 4,
    "parametersDesc": {"logDotSize": 9, "parameters": [["U", 1, 5]], "parametersCount": 1, "version": 2},
    "settSetName": "Ruriza settings set 21Wh (1)", "settingsSet": 1, "time": 338712832, "userName": "Ivan",
    "userRegNum": {"country": "RUS", "num": 27},
}
DATA = '[{"common": {"sessionNumber": 7, "time_ms": 0}, "data": [12.5]}]'


def text(metadata):
    return json.dumps(metadata, indent=4, sort_keys=True)


def with_parameters(parameters_text):
    metadata = json.loads(json.dumps(METADATA))
    metadata["parametersDesc"]["parameters"] = "@"
    return text(metadata).replace('"@"', parameters_text)


def write(path, entries):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, chunks in entries:
            with archive.open(name, "w", force_zip64=True) as entry:
                for chunk in chunks:
                    entry.write(chunk.encode())


def changed(**changes):
    metadata = json.loads(json.dumps(METADATA))
    for key, value in changes.items():
        target = metadata
        *path, last = key.split("__")
        for part in path:
            target = target[part]
        target[last] = value
    return text(metadata)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    parameters = [["P%d" % i, 1, 5] for i in range(2000)]
    # Within the size a log's metadata may have, still more parameters than
    # a log can hold.
    many = [["P%d" % i, 1, 5] for i in range(500)]
    files = {
        "nested-100000": [with_parameters("[" * 100000 + "]" * 100000)],
        "blanks-1GiB": [text(METADATA)] + [" " * (1 << 20)] * 1024,
        "open-brackets-5M": ["[" * 5000000],
        "parameters-2000": [changed(parametersDesc__parameters=parameters, parametersDesc__parametersCount=2000)],
        "parameters-500": [changed(parametersDesc__parameters=many)],
        "parametersCount-1e300": [changed(parametersDesc__parametersCount=1e300)],
        "time-1e300": [changed(time=1e300)],
        "num-1e300": [changed(userRegNum__num=1e300)],
        "empty-metadata": [""],
    }
    for name, chunks in files.items():
        write(os.path.join(out, name + ".verira"), [("metadata.json", chunks), ("data.json", [DATA])])
    write(os.path.join(out, "no-data.verira"), [("metadata.json", [text(METADATA)])])


if __name__ == "__main__":
    main()

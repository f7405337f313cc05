#!/usr/bin/env python3
"""Writes the content of a log file again with python's json and zipfile
modules, the way a straightforward script would: json.dump with indent=4 and
zipfile's deflate. Prints the time, the peak memory and whether the text is the
same as the log file's.

    reference.py LOG_FILE OUT_ZIP [OUR_SAVE_SECONDS]
"""
import io
import json
import resource
import sys
import time
import zipfile


def peak_mib():
    return resource.getrusage(resource.RUSAGE_SELF).ru_maxrss / 1024.0


def main():
    source, target = sys.argv[1], sys.argv[2]
    ours = float(sys.argv[3]) if len(sys.argv) > 3 else None

    with zipfile.ZipFile(source) as z:
        metadata_text = z.read('metadata.json').decode('utf-8')
        data_text = z.read('data.json').decode('utf-8')
    metadata = json.loads(metadata_text)
    data = json.loads(data_text)
    loaded_peak = peak_mib()

    # 1: json.dump streamed into the deflated entry.
    start = time.perf_counter()
    with zipfile.ZipFile(target, 'w', zipfile.ZIP_DEFLATED) as z:
        z.writestr('metadata.json', json.dumps(metadata, indent=4, ensure_ascii=False))
        with z.open('data.json', 'w', force_zip64=True) as raw:
            text = io.TextIOWrapper(raw, encoding='utf-8')
            json.dump(data, text, indent=4, ensure_ascii=False)
            text.flush()
            text.detach()
    streamed = time.perf_counter() - start
    print('%-22s %9.3f s   peak %8.1f MiB (python process, content loaded: %.1f MiB)'
          % ('json.dump + zipfile', streamed, peak_mib(), loaded_peak))
    sys.stdout.flush()

    # 2: the whole text first, then one deflated entry.
    start = time.perf_counter()
    dumped = json.dumps(data, indent=4, ensure_ascii=False)
    with zipfile.ZipFile(target, 'w', zipfile.ZIP_DEFLATED) as z:
        z.writestr('metadata.json', json.dumps(metadata, indent=4, ensure_ascii=False))
        z.writestr('data.json', dumped)
    whole = time.perf_counter() - start
    print('%-22s %9.3f s   peak %8.1f MiB' % ('json.dumps + writestr', whole, peak_mib()))

    same_metadata = json.dumps(metadata, indent=4, ensure_ascii=False) == metadata_text
    if dumped == data_text and same_metadata:
        print('python writes the same text: yes')
    else:
        # Python and the JSON library may break a tie in the last digit of a
        # float differently (...812 against ...813); both read back as the
        # same number.
        differing = sum(1 for a, b in zip(dumped.split('\n'), data_text.split('\n')) if a != b)
        print('python writes the same text: metadata %s, data.json %d lines differ, same values: %s'
              % ('yes' if same_metadata else 'no', differing, 'yes' if json.loads(dumped) == data else 'no'))
    if ours is not None:
        best = min(streamed, whole)
        print('saveLogFile %.3f s against python\'s best %.3f s: %.1f x faster' % (ours, best, best / ours))


if __name__ == '__main__':
    main()

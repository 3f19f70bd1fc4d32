#!/usr/bin/env python3
"""Whole processes, for ./bench.sh: velkaron-cli in batch against a small MyThes program over
the headwords both dictionaries share; the cost of the first lemma fallback (reading the
Hunspell dictionary); the share of frequent words found as typed and with the fallback; the
hand-over of a word from a second velkaron to the window already open, from the spawn of
the second process to its end (the open window answers once the results are set).
Prints one JSON object. Measurements only: nothing passes or fails here.

usage: batch.py RUNS VELKARON VELKARON_CLI MYTHES_BATCH THES.idx THES.dat SHARED_WORDS FREQUENT_JSON
The window runs with the environment given (./bench.sh: offscreen, a runtime folder of its
own, so that no window of the user's is reached)."""

import json
import os
import statistics
import subprocess
import sys
import time


def timed(command, data):
    start = time.perf_counter()
    subprocess.run(command, input=data, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    return (time.perf_counter() - start) * 1000


def answers(command, data):
    out = subprocess.run(command, input=data, stdout=subprocess.PIPE, check=True).stdout.decode("utf-8")
    return out.split("\n\n")


def found(answer):
    """An answer whose result message is not "Aucun synonyme …" (after the line
    "MOT → LEMME" of a fallback, if any)."""
    lines = answer.split("\n")
    message = lines[1] if " → " in lines[0] and len(lines) > 1 else lines[0]
    return not message.startswith("Aucun synonyme pour ")


def main():
    runs = int(sys.argv[1])
    velkaron, cli, mythes, idx, dat, shared, frequent = sys.argv[2:9]
    with open(shared, "rb") as f:
        words = f.read()
    cli_batch = [cli, "--exact", "-"]
    peer_batch = [mythes, idx, dat]
    timed(cli_batch, words)  # one unmeasured run of each: libraries and files cached
    timed(peer_batch, words)
    ours, peer = [], []
    for _ in range(runs):  # alternately, so that a busy moment weighs on both
        ours.append(timed(cli_batch, words))
        peer.append(timed(peer_batch, words))

    found_as_typed, first_fallback = [], []
    for _ in range(runs):
        found_as_typed.append(timed([cli, "chat"], b""))
        first_fallback.append(timed([cli, "mangerions"], b""))

    window = subprocess.Popen([velkaron], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(2)  # its start-up is long over
    with open(f"/proc/{window.pid}/maps") as f:
        hunspell_mapped = "hunspell" in f.read()
    hand_over = []
    try:
        for i in range(runs):
            hand_over.append(timed([velkaron, ("chat", "maison")[i % 2]], b""))
    finally:
        window.terminate()
        window.wait()

    with open(frequent, encoding="utf-8") as f:
        first = json.load(f)[:6000]
    text = ("\n".join(first) + "\n").encode("utf-8")
    exact = answers([cli, "--exact", "-"], text)
    fallback = answers([cli, "-"], text)

    json.dump({
        "runs": runs,
        "batch_words": words.count(b"\n"),
        "cli_batch_ms": statistics.median(ours),
        "mythes_batch_ms": statistics.median(peer),
        "cli_found_ms": statistics.median(found_as_typed),
        "cli_first_fallback_ms": statistics.median(first_fallback),
        "hand_over_ms": statistics.median(hand_over),
        "window_maps_hunspell": hunspell_mapped,
        "frequent_words": len(first),
        "frequent_found_as_typed": sum(map(found, exact)),
        "frequent_found_with_fallback": sum(map(found, fallback)),
    }, sys.stdout)


if __name__ == "__main__":
    main()

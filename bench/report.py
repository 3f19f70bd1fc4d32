#!/usr/bin/env python3
"""Prints the one table of ./bench.sh from Google Benchmark's JSON (medians of the
repetitions) and startup_harness's JSON. Targets are shown beside the figures for the
reader; nothing passes or fails here."""

import json
import os
import sys


def load_benchmarks(path):
    with open(path) as f:
        data = json.load(f)
    medians = {}
    for b in data["benchmarks"]:
        if b.get("aggregate_name") != "median":
            continue
        name = b["run_name"].split("/min_time")[0].split("/iterations")[0]
        medians[name] = b
    return data.get("context", {}), medians


def in_unit(b, unit):
    scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
    return b["real_time"] * scale[b["time_unit"]] / scale[unit]


def main():
    context, bm = load_benchmarks(sys.argv[1])
    with open(sys.argv[2]) as f:
        st = json.load(f)

    rows = []

    def row(item, measure, figure, target="", within=None):
        mark = "" if within is None else ("oui" if within else "NON")
        rows.append((item, measure, figure, target, mark))

    load = in_unit(bm["BM_Load"], "ms")
    widen = in_unit(bm["BM_WidenReference"], "ms")
    row("1", "Chargement, 26 lettres (dans le processus)", f"{load:.2f} ms", "< 5 ms", load < 5)
    row("1", "Référence : élargissement seul, tampon alloué d'avance", f"{widen:.2f} ms")
    row("1", "Rapport chargement / référence", f"{load / widen:.1f}×", "≤ 4×", load / widen <= 4)
    fresh = st["fresh_load_ms"]["median"]
    row("1", "Chargement dans un processus neuf "
        f"({st['fresh_load_page_faults']} défauts de page)", f"{fresh:.2f} ms", "< 5 ms", fresh < 5)

    for arg, label, count in (("a_space", "« a  »", 54), ("ch", "« ch »", 599), ("co", "« co »", 1804),
                              ("xy", "« xy »", 3), ("zz", "« zz »", 0)):
        b = bm[f"BM_CorePrefix/{arg}"]
        us = in_unit(b, "us")
        items = int(round(b.get("items", 0)))
        if arg == "co":
            row("2", f"Liste des préfixes, cœur, {label} ({items} mots)", f"{us:.1f} µs", "< 100 µs", us < 100)
        else:
            row("2", f"Liste des préfixes, cœur, {label} ({items} mots)", f"{us:.2f} µs")
    w = in_unit(bm["BM_WindowPrefix"], "ms")
    row("2", "Liste des préfixes, fenêtre, « co » (Lst et Lbl3)", f"{w:.2f} ms", "< 5 ms", w < 5)
    wp = in_unit(bm["BM_WindowPrefixPainted"], "ms")
    row("2", "  idem, mise en page et dessin de la liste compris", f"{wp:.2f} ms")

    for arg, label in (("chat", "« chat »"), ("sans_gene", "« sans-gêne »"), ("reglement", "« règlement »"),
                       ("missing", "mot absent")):
        us = in_unit(bm[f"BM_Search/{arg}"], "us")
        if arg == "sans_gene":
            row("3", f"Recherche, cœur, {label}", f"{us:.2f} µs", "< 20 µs", us < 20)
        else:
            row("3", f"Recherche, cœur, {label}", f"{us:.2f} µs")

    words = int(bm["BM_PeerMyThes"].get("words", 2000))
    peer = in_unit(bm["BM_PeerMyThes"], "us") / words
    ours = in_unit(bm["BM_PeerVelkaron"], "us") / words
    row("4", f"MyThes (mythes-fr), par recherche, {words} mots", f"{peer:.2f} µs")
    row("4", f"Velkaron, par recherche, mêmes {words} mots", f"{ours:.2f} µs")
    row("4", "Rapport Velkaron / MyThes", f"{ours / peer:.2f}", "≤ 1", ours <= peer)

    with open(sys.argv[3]) as f:
        batch = json.load(f)
    ours_ms, peer_ms = batch["cli_batch_ms"], batch["mythes_batch_ms"]
    row("4", f"velkaron-cli --exact - sur {batch['batch_words']} mots communs, processus entier",
        f"{ours_ms:.1f} ms")
    row("4", "Programme MyThes (bench/mythes_batch), mêmes mots, processus entier", f"{peer_ms:.1f} ms")
    row("4", "Rapport velkaron-cli / MyThes en lot", f"{ours_ms / peer_ms:.2f}", "≤ 1", ours_ms <= peer_ms)

    startup = st["startup_ms"]["median"]
    floor = st["floor_ms"]["median"]
    timers = 200.0
    above = startup - floor - timers
    row("5", f"Démarrage jusqu'à la fenêtre listée, médiane de {st['runs']}", f"{startup:.1f} ms")
    row("5", "  dont avant main() (chargement des bibliothèques)", f"{st['startup_before_main_ms']:.1f} ms")
    row("5", "Plancher : fenêtre Qt vide", f"{floor:.1f} ms")
    row("5", "  dont avant main()", f"{st['floor_before_main_ms']:.1f} ms")
    row("5", "Minuteries TimSyno + TimDeb", f"{timers:.0f} ms")
    row("5", "Démarrage − plancher − minuteries", f"{above:.1f} ms", "≤ 150 ms", above <= 150)
    row("5", "  idem en ne comptant que 100 ms de minuteries", f"{above + 100:.1f} ms", "≤ 150 ms",
        above + 100 <= 150)

    row("5", "Bibliothèque Hunspell chargée par velkaron démarré sans mot",
        "oui" if batch["window_maps_hunspell"] else "non", "non", not batch["window_maps_hunspell"])
    row("5", "velkaron-cli chat (trouvé, Hunspell non lu)", f"{batch['cli_found_ms']:.1f} ms")
    row("5", "velkaron-cli mangerions (premier repli : lecture de Hunspell)", f"{batch['cli_first_fallback_ms']:.1f} ms")
    row("5", "Mot confié à la fenêtre ouverte (second velkaron, du lancement aux résultats)",
        f"{batch['hand_over_ms']:.1f} ms")

    rss = st["velkaron_rss_kb"] / 1024
    row("6", "Mémoire résidente de velkaron après le démarrage", f"{rss:.1f} Mo", "< 60 Mo", rss < 60)
    store = bm["BM_StoreSize"]
    store_mb = store["store_bytes"] / 2**20
    row("6", f"Dictionnaire en mémoire ({store['bytes_per_line']:.0f} octets par ligne)", f"{store_mb:.2f} Mo",
        "< 4 Mo", store_mb < 4)
    row("6", "Textes des 26 lettres (Windows-1252)", f"{store['text_bytes'] / 2**20:.2f} Mo")

    n = batch["frequent_words"]
    typed, fallback = batch["frequent_found_as_typed"], batch["frequent_found_with_fallback"]
    row("7", f"Mots fréquents trouvés tels quels ({n} premiers d'OpenSubtitles)", f"{100 * typed / n:.1f} %")
    row("7", "  avec le repli sur le lemme", f"{100 * fallback / n:.1f} %")

    widths = [max(len(r[i]) for r in rows + [("#", "Mesure", "Médiane", "Cible", "Atteinte")]) for i in range(5)]
    header = ("#", "Mesure", "Médiane", "Cible", "Atteinte")
    line = "  ".join(h.ljust(widths[i]) for i, h in enumerate(header))
    print(line)
    print("-" * len(line))
    for r in rows:
        print("  ".join((r[i].rjust(widths[i]) if i == 2 else r[i].ljust(widths[i])) for i in range(5)))
    load_avg = context.get("load_avg", [])
    print()
    print(f"{context.get('num_cpus', os.cpu_count())} processeurs à {context.get('mhz_per_cpu', '?')} MHz ; "
          f"charge au début des mesures : {', '.join(f'{x:.2f}' for x in load_avg)} ; "
          f"charge à la fin : {', '.join(open('/proc/loadavg').read().split()[:3])}")


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Measures and tunes the dictionary's synonyms against hand-judged pairs.

    python3 tools/dictionary_quality.py report [--judged FILE] [--texts DIR ...]
        For the judged words: share of shown synonyms (the first 21 of a line) judged
        right, right synonyms shown per word, words with none right, and the ceiling
        (right candidates in the sources); from the ranking alone and with the review.
    python3 tools/dictionary_quality.py fit
        Fits the ranking's weights on the review's verdicts (the judged words left out),
        chooses its threshold by cross-validation (held-out words), writes
        tools/ranking_weights.json and prints the judged set's figures as a check.
    python3 tools/dictionary_quality.py agreement
        Agreement of the review's readers with the judged set, from the verdicts they gave
        on it before reviewing (data/sources/review/calibration/).
    python3 tools/dictionary_quality.py import --batches DIR --verdicts DIR
        Checks readers' verdicts (JSON, "WORD|CANDIDATE" -> 0 or 1) against their batches
        and writes them to data/sources/review/ as TSV.
    python3 tools/dictionary_quality.py batches --first N --cap K --out DIR [--skip-reviewed]
        Writes review batches (400 to 600 pairs) for the headwords among the first N
        words of the frequency list: each headword's K best candidates, in
        alphabetical order so that a reader cannot tell the ranking.
    python3 tools/dictionary_quality.py rereads --min-p P --out DIR [--ties] [--decoys K]
        Writes batches for another reading of the pairs left in doubt: ties between
        readings, and lone rejections of candidates ranked at least P (or of a headword
        with none kept). Import them with --tsv-prefix review2- (then review3-): a pair
        is kept when more than half of its readings judge it right.
"""

import argparse
import collections
import hashlib
import json
import os
import sys

import gen_dictionary as gen
import ranking

JUDGED = os.path.join(ranking.REVIEW_DIR, 'dev-judged.tsv')
SHOWN = 21
FOLDS = 5
# A wrong synonym costs a reader more than a missing one helps: the threshold is the one
# that maximises right - WRONG_COST * wrong among the synonyms shown, on held-out words.
WRONG_COST = 1.5
FEW = 3


def read_judged(path):
    judged = collections.defaultdict(dict)
    for line in open(path, encoding='utf-8'):
        if line.startswith('#') or not line.strip():
            continue
        word, cand, verdict = line.rstrip('\n').split('\t')
        judged[word][cand] = int(verdict)
    return judged


def figures(lines, judged, ceiling):
    """lines: word -> shown synonyms (None when the word is no headword)."""
    shown = right = unjudged = none = missing = 0
    for word, verdicts in judged.items():
        syns = lines.get(word)
        if syns is None:
            missing += 1
            none += 1
            continue
        syns = syns[:SHOWN]
        good = sum(verdicts.get(s) == 1 for s in syns)
        shown += len(syns)
        right += good
        unjudged += sum(s not in verdicts for s in syns)
        none += good == 0
    n = len(judged)
    return {
        'right share': right / shown if shown else 0.0,
        'right per word': right / n,
        'words with none right': none,
        'shown per word': shown / n,
        'unjudged shown': unjudged,
        'not headwords': missing,
        'ceiling': sum(ceiling.values()) / n,
    }


def print_figures(title, f):
    print(f'{title}: {100 * f["right share"]:.1f}% of shown synonyms right, '
          f'{f["right per word"]:.2f} right per word ({f["shown per word"]:.1f} shown), '
          f'{f["words with none right"]} words with none right; ceiling {f["ceiling"]:.2f} '
          f'right candidates per word; {f["unjudged shown"]} shown pairs unjudged, '
          f'{f["not headwords"]} words not headwords')


def ceilings(src, judged):
    return {w: sum(v.get(c) == 1 for c in src.graph.candidates(w)) for w, v in judged.items()}


CONTENT_TAGS = ('nom', 'adj', 'adv')


def coverage(src, headwords, first=6000):
    """Of the first words of the frequency list that hunspell lists as dictionary forms:
    (headwords, all) among those tagged noun, adjective, verb or adverb, matched as the
    window matches a typed word (accents and case aside); then (headwords, all) among
    every dictionary form, and among those a source has as a headword (the only ones the
    data can hold), matched exactly."""
    words = json.load(open(ranking.FREQUENCIES, encoding='utf-8'))[:first]
    words = dict.fromkeys(gen.normalize(w).replace('’', "'") for w in words)
    lemmas = [w for w in words if w in src.hun.stems or w.replace('oe', 'œ') in src.hun.stems]
    content = [w for w in lemmas if any(t in CONTENT_TAGS or t.startswith('v')
                                        for _, tags in src.hun.stems.get(w, src.hun.stems.get(w.replace('oe', 'œ'), []))
                                        for t in tags)]
    folded = {gen.fold_key(h.replace('’', "'")) for h in headwords}
    in_sources = set(src.mythes) | set(src.wolf) | set(src.reverse) | {
        e.headword.replace('’', "'") for e in src.overlay}
    held = [w for w in lemmas if w in in_sources]
    return (sum(gen.fold_key(w) in folded for w in content), len(content),
            sum(w in headwords for w in lemmas), len(lemmas),
            sum(w in headwords for w in held), len(held))


def print_coverage(counts):
    a, b, c, d, e, f = counts
    print(f'  coverage of the first 6,000 words: {a} of {b} dictionary forms of nouns, adjectives, verbs '
          f'and adverbs found ({100 * a / b:.1f}%); {c} of all {d} dictionary forms are headwords '
          f'({100 * c / d:.1f}%); {e} of the {f} that a source has as a headword ({100 * e / f:.2f}%)')


def read_texts(folder):
    """headword -> synonyms of its first line, from letter texts as written."""
    lines = {}
    for L in gen.LETTERS:
        for line in open(os.path.join(folder, L + '.txt'), 'rb').read().decode('cp1252').split('\r\n'):
            head, rest = line.split('§', 1)
            lines.setdefault(head.replace('’', "'"), rest.split('$', 1)[1].split('\\'))
    return lines


def report(args):
    judged = read_judged(args.judged)
    src = gen.Sources()
    ceiling = ceilings(src, judged)
    for folder in args.texts:
        lines = read_texts(folder)
        print_figures(f'texts in {folder}', figures(lines, judged, ceiling))
        print_coverage(coverage(src, lines))
    model = ranking.Model.load()
    for title, verdicts in (('ranking alone', {}), ('with the review', ranking.load_review())):
        letters, _ = gen.build(gen.Sources() if verdicts else src, model, verdicts)
        lines = {}
        for L in gen.LETTERS:
            for e in letters[L]:
                lines.setdefault(e.headword.replace('’', "'"), e.synonyms)
        print_figures(title, figures(lines, judged, ceiling))
        print_coverage(coverage(src, lines))
        if verdicts:
            reviewed = sum(w in verdicts for w in judged)
            print(f'  {reviewed} of the {len(judged)} judged words were reviewed; '
                  f'{len(verdicts)} headwords reviewed in all')


def training_rows(src, judged):
    rows = []
    for word in sorted(judged):
        e = src.entry(word)
        cats = gen.line_categories(e.category) if e else set()
        for c in src.graph.candidates(word):
            if c in judged[word]:
                rows.append((word, c, src.graph.features(word, c, cats), judged[word][c]))
    return rows


def fit(args):
    """Fits the ranking on the review's verdicts, the judged set's words left out; chooses
    the threshold by cross-validation on held-out review words; then prints the judged
    set's figures, which the fit never saw."""
    judged = read_judged(args.judged)
    src = gen.Sources()
    review = {w: v for w, v in ranking.load_review().items() if w not in judged}
    rows = training_rows(src, review)
    words = sorted({word for word, _, _, _ in rows})
    fold_of = {w: i % FOLDS for i, w in enumerate(words)}
    held_out = collections.defaultdict(list)        # word -> [(p, candidate, label)]
    for k in range(FOLDS):
        w = ranking.fit([(x, y) for word, _, x, y in rows if fold_of[word] != k])
        model = ranking.Model(w, 0.5, FEW)
        for word, c, x, y in rows:
            if fold_of[word] == k:
                held_out[word].append((model.probability(x), c, y))
    best = None
    print('threshold  right share  right per word  none right  (held-out review words)')
    for t in [i / 20 for i in range(4, 17)]:
        right, wrong, none = shown_figures(held_out, words, t)
        print(f'{t:9.2f}  {100 * right / max(1, right + wrong):10.1f}%  {right / len(words):14.2f}  {none:10}')
        if best is None or right - WRONG_COST * wrong > best[0]:
            best = (right - WRONG_COST * wrong, t)
    weights = ranking.fit([(x, y) for _, _, x, y in rows])
    out = {'features': ranking.FEATURES, 'weights': [round(v, 6) for v in weights],
           'threshold': best[1], 'few': FEW,
           'fitted on': f'{len(rows)} review pairs of {len(words)} words, those of the judged set left out'}
    with open(ranking.WEIGHTS, 'w', encoding='utf-8') as f:
        json.dump(out, f, ensure_ascii=False, indent=1)
        f.write('\n')
    print(f'threshold {best[1]}; weights: ' + ', '.join(
        f'{n} {v:+.2f}' for n, v in zip(ranking.FEATURES, weights)))
    model = ranking.Model(weights, best[1], FEW)
    check = {word: [(model.probability(x), c, y) for _, c, x, y in training_rows(src, {word: judged[word]})]
             for word in judged}
    right, wrong, none = shown_figures(check, sorted(judged), best[1])
    print(f'judged set (not fitted on): {100 * right / max(1, right + wrong):.1f}% of shown synonyms right, '
          f'{right / len(judged):.2f} right per word, {none} words with none right')


def shown_figures(scored, words, threshold):
    """Right and wrong among the synonyms a line would show, and the words with none right:
    scored is word -> [(probability, candidate, label)]."""
    right = wrong = none = 0
    for word in words:
        ranked = sorted(scored.get(word, []), key=lambda r: -r[0])
        kept = ranking.keep([(p, (c, y)) for p, c, y in ranked], threshold, FEW, gen.MAX_SYNONYMS)[:SHOWN]
        good = sum(y for _, y in kept)
        right += good
        wrong += len(kept) - good
        none += good == 0
    return right, wrong, none


def batches(args):
    src = gen.Sources()
    model = ranking.Model.load()
    done = ranking.load_review() if args.skip_reviewed else {}
    heads = []
    for w in json.load(open(ranking.FREQUENCIES, encoding='utf-8'))[:args.first]:
        w = gen.normalize(w).replace('’', "'")
        e = src.entry(w)
        if e is None or w in heads or w in done or e.source == 'participles':
            continue
        heads.append(w)
    items = []
    for w in heads:
        e = src.entry(w)
        ranked = ranking.rank_candidates(src.graph, model, w, gen.line_categories(e.category))
        cands = sorted(c for _, c in ranked[:args.cap])
        if cands:
            items.append({'mot': w, 'candidats': cands})
    write_batches(items, args.out)


def write_batches(items, folder):
    """Splits {"mot", "candidats"} items into batches of 400 to 600 pairs."""
    os.makedirs(folder, exist_ok=True)
    batch, size, n = [], 0, 0
    for item in items + [None]:
        if item is None or (size + len(item['candidats']) > 600 and size >= 400):
            if batch:
                n += 1
                with open(os.path.join(folder, f'batch{n:03}.json'), 'w', encoding='utf-8') as f:
                    json.dump(batch, f, ensure_ascii=False, indent=0)
            batch, size = [], 0
        if item is not None:
            batch.append(item)
            size += len(item['candidats'])
    print(f'{len(items)} headwords, {sum(len(i["candidats"]) for i in items)} pairs, {n} batches')


def rereads(args):
    """Batches for another reading of the pairs the review left in doubt: a tie between
    readings, a lone rejection of a candidate the ranking rates at least MIN_P, and every
    rejected candidate of a headword with none kept. Readers see them as in the first
    reading, blind and in alphabetical order. With --decoys K, each pair asked comes with
    up to K of the word's settled candidates (one in three kept, the others rejected), so
    that a batch of doubtful pairs does not read as a list of likely synonyms; only the
    pairs asked (listed in counted.json) are imported."""
    src = gen.Sources()
    model = ranking.Model.load()
    readings = ranking.load_readings()
    items, counted = [], []
    for w in sorted(readings):
        e = src.entry(w)
        if e is None:
            continue
        probs = {c: p for p, c in ranking.rank_candidates(src.graph, model, w, gen.line_categories(e.category))}
        none_kept = not any(ranking.majority(v) for v in readings[w].values())
        asked = sorted(c for c, v in readings[w].items()
                       if 2 * sum(v) == len(v)
                       or (not args.ties and v == [0] and (none_kept or probs.get(c, 0.0) >= args.min_p)))
        if not asked:
            continue
        counted += [f'{w}|{c}' for c in asked]
        settled = sorted((c for c in readings[w] if c not in asked), key=lambda c: shuffled(w, c))
        kept = [c for c in settled if ranking.majority(readings[w][c])]
        rejected = [c for c in settled if not ranking.majority(readings[w][c])]
        n = args.decoys * len(asked)
        decoys = kept[:n // 3] + rejected[:n - n // 3]
        items.append({'mot': w, 'candidats': sorted(asked + decoys)})
    write_batches(items, args.out)
    with open(os.path.join(args.out, 'counted.json'), 'w', encoding='utf-8') as f:
        json.dump(counted, f, ensure_ascii=False, indent=0)


def shuffled(word, candidate):
    """A fixed pseudo-random order: the same batches from the same readings."""
    return hashlib.sha1(f'{word}|{candidate}'.encode('utf-8')).hexdigest()


def import_verdicts(args):
    """Checks each reader's verdicts against the batch they judged (every pair once, no
    other) and writes them as review TSV files, one line per word, candidate and verdict."""
    os.makedirs(args.to, exist_ok=True)
    written = 0
    counted = None
    if os.path.exists(os.path.join(args.batches, 'counted.json')):
        counted = set(json.load(open(os.path.join(args.batches, 'counted.json'), encoding='utf-8')))
    for name in sorted(os.listdir(args.batches)):
        if not name.endswith('.json') or not name.startswith(args.batch_prefix) or name == 'counted.json':
            continue
        out = os.path.join(args.verdicts, name.replace(args.batch_prefix, args.verdict_prefix, 1))
        if not os.path.exists(out):
            continue
        pairs = [(item['mot'], c) for item in json.load(open(os.path.join(args.batches, name), encoding='utf-8'))
                 for c in item['candidats']]
        verdicts = json.load(open(out, encoding='utf-8'))
        keys = {f'{w}|{c}' for w, c in pairs}
        if counted is not None:
            pairs = [(w, c) for w, c in pairs if f'{w}|{c}' in counted]
        if set(verdicts) != keys or any(v not in (0, 1) for v in verdicts.values()):
            print(f'{out}: does not cover {name} exactly ({len(keys - set(verdicts))} missing, '
                  f'{len(set(verdicts) - keys)} extra); skipped')
            continue
        target = os.path.join(args.to, args.tsv_prefix + name[len(args.batch_prefix):-5] + '.tsv')
        with open(target, 'w', encoding='utf-8') as f:
            f.write('# word\tcandidate\tverdict (1 = a French writer could use the candidate in place '
                    'of the word in one of its common senses)\n')
            for w, c in sorted(pairs):
                f.write(f'{w}\t{c}\t{verdicts[f"{w}|{c}"]}\n')
        written += 1
    print(f'{written} verdict files written to {args.to}')


def agreement(args):
    """How often each reader's calibration verdicts agree with the judged set."""
    judged = read_judged(args.judged)
    folder = os.path.join(ranking.REVIEW_DIR, 'calibration')
    total = agree = tp = fp = fn = 0
    for name in sorted(os.listdir(folder)):
        pairs = [line.rstrip('\n').split('\t') for line in open(os.path.join(folder, name), encoding='utf-8')
                 if not line.startswith('#')]
        same = sum(judged.get(w, {}).get(c) == int(v) for w, c, v in pairs)
        total += len(pairs)
        agree += same
        tp += sum(int(v) == 1 and judged[w].get(c) == 1 for w, c, v in pairs)
        fp += sum(int(v) == 1 and judged[w].get(c) == 0 for w, c, v in pairs)
        fn += sum(int(v) == 0 and judged[w].get(c) == 1 for w, c, v in pairs)
        print(f'{name}: {same} of {len(pairs)} pairs agree ({100 * same / len(pairs):.1f}%)')
    print(f'all readers: {agree} of {total} ({100 * agree / total:.1f}%); of the pairs they judged right, '
          f'{100 * tp / (tp + fp):.1f}% are right in the judged set; they find '
          f'{100 * tp / (tp + fn):.1f}% of its right pairs')


def main():
    ap = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    sub = ap.add_subparsers(dest='command', required=True)
    for name in ('report', 'fit', 'agreement'):
        p = sub.add_parser(name)
        p.add_argument('--judged', default=JUDGED)
        if name == 'report':
            p.add_argument('--texts', action='append', default=[],
                           help='also measure the letter texts in this folder, as written')
    p = sub.add_parser('batches')
    p.add_argument('--first', type=int, default=2000)
    p.add_argument('--cap', type=int, default=30)
    p.add_argument('--out', required=True)
    p.add_argument('--skip-reviewed', action='store_true')
    p = sub.add_parser('rereads')
    p.add_argument('--min-p', type=float, default=0.3)
    p.add_argument('--ties', action='store_true', help='only the ties between readings')
    p.add_argument('--decoys', type=int, default=0, help='settled candidates shown per pair asked')
    p.add_argument('--out', required=True)
    p = sub.add_parser('import')
    p.add_argument('--batches', required=True)
    p.add_argument('--verdicts', required=True)
    p.add_argument('--to', default=ranking.REVIEW_DIR)
    p.add_argument('--batch-prefix', default='batch')
    p.add_argument('--verdict-prefix', default='out')
    p.add_argument('--tsv-prefix', default='review-')
    args = ap.parse_args()
    {'report': report, 'fit': fit, 'agreement': agreement, 'batches': batches, 'rereads': rereads, 'import': import_verdicts}[args.command](args)
    return 0


if __name__ == '__main__':
    sys.exit(main())

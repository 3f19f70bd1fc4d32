"""Ranks the synonym candidates of a headword by the evidence the sources give.

A headword's candidates are its mythes-fr synonyms, the lemmas that share a WOLF
synset with it, and the mythes-fr headwords that list it.  Each (headword,
candidate) pair gets a few evidence features; a logistic model whose weights were
fitted on hand-judged pairs (tools/dictionary_quality.py fit) turns them into the
probability that a reader would accept the candidate.  Lines keep the candidates
that clear a threshold, best first.
"""

import json
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
WEIGHTS = os.path.join(HERE, 'ranking_weights.json')
FREQUENCIES = os.path.join(ROOT, 'data', 'sources', 'opensubtitles-fr', 'commonWords.json')
REVIEW_DIR = os.path.join(ROOT, 'data', 'sources', 'review')

FEATURES = [
    'bias', 'listed', 'listed_early', 'listed_first_sense', 'lists_back', 'reciprocal',
    'wolf', 'wolf_synsets', 'shared', 'shared_ratio', 'category', 'candidate_common',
    'candidate_rare', 'several_words', 'capital', 'headword_degree', 'candidate_headword',
    'headword_inflected', 'candidate_inflected', 'both_inflected',
]


def frequency_list():
    """The OpenSubtitles list of words, most frequent first."""
    with open(FREQUENCIES, encoding='utf-8') as f:
        return json.load(f)


def load_frequencies():
    """Word -> rank (1 = most frequent) in the OpenSubtitles list, 'œ' written 'oe'."""
    ranks = {}
    for i, w in enumerate(frequency_list(), 1):
        ranks.setdefault(w.replace('œ', 'oe').replace('’', "'"), i)
    return ranks


class Graph:
    """The synonymy graph of the sources.

    listed[h]: h's mythes-fr synonyms in source order; first_sense[h]: those of its first
    sense group; wolf[h]: lemma -> number of WOLF synsets shared with h."""

    def __init__(self, listed, first_sense, wolf, categories_of, is_lemma, frequencies):
        self.listed, self.first_sense, self.wolf = listed, first_sense, wolf
        self.categories_of, self.is_lemma, self.frequencies = categories_of, is_lemma, frequencies
        self.listed_by = {}
        for h, syns in listed.items():
            for s in syns:
                self.listed_by.setdefault(s, []).append(h)
        self.positions = {h: {s: i for i, s in enumerate(syns)} for h, syns in listed.items()}
        self._neighbours = {}

    def neighbours(self, w):
        n = self._neighbours.get(w)
        if n is None:
            n = set(self.listed.get(w, ())) | set(self.wolf.get(w, ())) | set(self.listed_by.get(w, ()))
            n.discard(w)
            self._neighbours[w] = n
        return n

    def candidates(self, h):
        """h's candidates in source order: its own list, then WOLF, then who lists it."""
        out, seen = [], {h}
        for group in (self.listed.get(h, ()), sorted(self.wolf.get(h, {})), self.listed_by.get(h, ())):
            for c in group:
                if c not in seen:
                    seen.add(c)
                    out.append(c)
        return out

    def features(self, h, c, line_categories):
        pos = self.positions.get(h, {}).get(c)
        listed = pos is not None
        back = h in self.positions.get(c, ())
        shared_synsets = self.wolf.get(h, {}).get(c, 0)
        nh, nc = self.neighbours(h), self.neighbours(c)
        shared = len(nh & nc) if len(nh) < len(nc) else len(nc & nh)
        rank = self.frequencies.get(c)
        cats = self.categories_of(c)
        h_inflected = ' ' not in h and not self.is_lemma(h)
        c_inflected = ' ' not in c and not self.is_lemma(c)
        return [
            1.0,
            float(listed),
            1.0 / (1.0 + pos / 8.0) if listed else 0.0,
            float(c in self.first_sense.get(h, ())),
            float(back),
            float(listed and back),
            float(shared_synsets > 0),
            math.log1p(shared_synsets),
            math.log1p(shared),
            shared / math.sqrt((len(nh) + 1.0) * (len(nc) + 1.0)),
            float(bool(cats & line_categories)) if cats else 0.5,
            1.0 - math.log(rank) / math.log(30000.0) if rank else 0.0,
            float(rank is None),
            float(' ' in c),
            float(c != c.lower()),
            math.log1p(len(nh)) / 5.0,
            float(c in self.listed or c in self.wolf),
            float(h_inflected),
            float(c_inflected),
            float(h_inflected and c_inflected),
        ]


class Model:
    def __init__(self, weights, threshold, few):
        self.weights, self.threshold, self.few = weights, threshold, few

    @classmethod
    def load(cls, path=WEIGHTS):
        d = json.load(open(path, encoding='utf-8'))
        if d['features'] != FEATURES:
            raise SystemExit(f'{path}: its features are not the ranking\'s; refit the weights')
        return cls(d['weights'], d['threshold'], d['few'])

    def probability(self, x):
        z = sum(w * v for w, v in zip(self.weights, x))
        return 1.0 / (1.0 + math.exp(-max(-30.0, min(30.0, z))))


def rank_candidates(graph, model, h, line_categories):
    """(probability, candidate) pairs of h, best first; ties in source order."""
    scored = [(model.probability(graph.features(h, c, line_categories)), i, c)
              for i, c in enumerate(graph.candidates(h))]
    scored.sort(key=lambda t: (-round(t[0], 9), t[1]))
    return [(p, c) for p, _, c in scored]


def keep(ranked, threshold, few, limit):
    """The candidates a line keeps: those clearing the threshold, else its best few."""
    strong = [c for p, c in ranked if p >= threshold]
    if len(strong) >= few:
        return strong[:limit]
    return [c for _, c in ranked[:few]]


def fit(rows, l2=1.0, iterations=25):
    """Logistic regression by Newton's method with an L2 penalty (not on the bias).
    rows: (features, label).  Deterministic: same rows, same weights."""
    k = len(rows[0][0])
    w = [0.0] * k
    for _ in range(iterations):
        grad = [0.0] * k
        hess = [[0.0] * k for _ in range(k)]
        for x, y in rows:
            z = sum(a * b for a, b in zip(w, x))
            p = 1.0 / (1.0 + math.exp(-max(-30.0, min(30.0, z))))
            g = p - y
            s = p * (1.0 - p)
            for i in range(k):
                if x[i]:
                    grad[i] += g * x[i]
                    xi = s * x[i]
                    row = hess[i]
                    for j in range(k):
                        if x[j]:
                            row[j] += xi * x[j]
        for i in range(1, k):
            grad[i] += l2 * w[i]
            hess[i][i] += l2
        step = solve(hess, grad)
        w = [a - b for a, b in zip(w, step)]
        if max(abs(s) for s in step) < 1e-9:
            break
    return w


def solve(a, b):
    """Solves a x = b by Gaussian elimination with partial pivoting."""
    n = len(b)
    m = [row[:] + [b[i]] for i, row in enumerate(a)]
    for col in range(n):
        piv = max(range(col, n), key=lambda r: abs(m[r][col]))
        m[col], m[piv] = m[piv], m[col]
        if abs(m[col][col]) < 1e-12:
            continue
        for r in range(n):
            if r != col and m[r][col]:
                f = m[r][col] / m[col][col]
                m[r] = [a - f * b for a, b in zip(m[r], m[col])]
    return [m[i][n] / m[i][i] if abs(m[i][i]) >= 1e-12 else 0.0 for i in range(n)]


def load_readings(path=REVIEW_DIR):
    """Every reading of the editorial review: headword -> {candidate: [verdict, ...]}.
    The first reading is in review-NNN.tsv, later ones (of pairs it rejected) in
    review2-NNN.tsv, review3-NNN.tsv."""
    readings = {}
    if not os.path.isdir(path):
        return readings
    for name in sorted(os.listdir(path)):
        if not name.endswith('.tsv') or name.startswith('dev-'):
            continue
        with open(os.path.join(path, name), encoding='utf-8') as f:
            for line in f:
                if line.startswith('#') or not line.strip():
                    continue
                word, cand, verdict = line.rstrip('\n').split('\t')
                readings.setdefault(word, {}).setdefault(cand, []).append(int(verdict))
    return readings


def majority(verdicts):
    """1 when more than half of a pair's readings judge it right: a tie keeps it out."""
    return int(2 * sum(verdicts) > len(verdicts))


def load_review(path=REVIEW_DIR):
    """Verdicts of the editorial review: headword -> {candidate: 0 or 1}."""
    return {w: {c: majority(v) for c, v in cands.items()}
            for w, cands in load_readings(path).items()}

#!/usr/bin/env python3
"""Builds the 26 dictionary letter texts (data/A.txt ... data/Z.txt).

Sources, read-only:
  * mythes-fr   /usr/share/mythes/thes_fr.dat          primary thesaurus
  * WOLF        data/sources/wolf/wn-data-fra.tab       fills letters the thesaurus leaves short
  * hunspell-fr /usr/share/hunspell/fr.{dic,aff}        word check, parts of speech, conjugation
  * frequencies data/sources/opensubtitles-fr/          which words people use
  * review      data/sources/review/review*.tsv         readers' verdicts on candidates
  * overlay     tools/overlay.txt                       our hand-written entries

Candidates are ranked by tools/ranking.py; a reviewed headword keeps only those its
readers judged right.  Participles and conjugated forms take their verb's synonyms,
conjugated alike.  The output is deterministic: the same sources give the same bytes.
The script prints, per letter, how many lines each source gave and how many were
reviewed, the text's size, and a few figures about the result.  Usage:

    python3 tools/gen_dictionary.py [--out DIR]
"""

import argparse
import collections
import copy
import itertools
import math
import os
import re
import sys

import ranking

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
MYTHES = '/usr/share/mythes/thes_fr.dat'
HUNSPELL_DIC = '/usr/share/hunspell/fr.dic'
HUNSPELL_AFF = '/usr/share/hunspell/fr.aff'
WOLF = os.path.join(ROOT, 'data', 'sources', 'wolf', 'wn-data-fra.tab')
OVERLAY = os.path.join(ROOT, 'tools', 'overlay.txt')

LETTERS = 'ABCDEFGHIJKLMNOPQRSTUVWXYZ'
LINE_COUNTS = dict(zip(LETTERS, [
    3708, 2088, 4230, 3027, 3212, 1756, 1413, 925, 2103, 355, 76, 1095, 2169,
    641, 826, 3796, 153, 2731, 2683, 1795, 178, 990, 34, 18, 19, 75]))
# Category values with the number of lines the finished dictionary should
# roughly carry; the numbers break ties when a source's combination of parts
# of speech has no value of its own.
CATEGORY_WEIGHTS = {
    'n': 19816, 'adj': 8119, 'v': 6572, 'adj n': 3300, 'adv': 1162,
    'adj v': 315, 'loc': 298, 'n v': 157, 'pron': 57, 'interj': 56,
    'adv n': 39, 'adj n v': 36, 'prép': 25, 'interj n': 19, 'adj adv': 17,
    'adj pron': 13, 'conj': 11, 'adv prép': 11, 'expr': 10, 'adv loc': 10,
    'adv conj': 9, 'conj n': 9, 'n préf': 6, 'n prép': 5, 'adj prép': 4,
    'adj interj n': 4, 'art': 4, 'n pron': 3, 'préf': 2, 'adv v': 2,
    'adv pron': 1, 'n adv': 1, 'adj interj': 1, 'loc n': 1, 'prep pron': 1,
}
# Values carried by one particular line only; never derived from a source.
RESERVED_CATEGORIES = {'loc n', 'prep pron', 'n adv'}
ABBREV_ORDER = ['adj', 'adv', 'art', 'conj', 'expr', 'interj', 'loc', 'n',
                'préf', 'prép', 'pron', 'v']

MYTHES_POS = {
    'nom': 'n', 'adjectif': 'adj', 'verbe': 'v', 'adverbe': 'adv',
    'interjection': 'interj', 'pronom': 'pron', 'preposition': 'prép',
    'conjonction': 'conj', 'determinant': 'adj', 'nombre': 'adj',
}
WOLF_POS = {'n': 'n', 'v': 'v', 'a': 'adj', 's': 'adj', 'r': 'adv'}
ARTICLES = {'le', 'la', 'les', 'un', 'une', 'des', 'du'}

# Multi-word headwords that open with one of these are locutions.
LOCUTION_OPENERS = {
    'à', 'au', 'aux', 'en', 'de', 'du', 'des', 'par', 'pour', 'sans', 'sur',
    'sous', 'avec', 'après', 'avant', 'dans', 'tout', 'comme', 'entre',
    'contre', 'hors', 'vis-à-vis', 'd\'', 'y', 'jusqu\'', 'il', 'on', 'ne',
}

LOWER = set('abcdefghijklmnopqrstuvwxyz')
UPPER = set('ABCDEFGHIJKLMNOPQRSTUVWXYZ')
ACCENTED = set('àâçèéêëîïôöùûü')
HEADWORD_CHARS = LOWER | UPPER | ACCENTED | set("æ -'’")
SYNONYM_CHARS = LOWER | UPPER | ACCENTED | set("æ -'ÉÂ")
OVERLAY_EXTRA_CHARS = set('()*')
LONGEST_HEADWORD = 'assimilation chlorophyllienne'
MAX_SYNONYMS = 42          # one line, sans-gêne, has 43: it comes from the overlay

# The folding used by the program's lookups: accented small letters only.
SUB_ACCENTS = str.maketrans('àäâçéèëêïîöôùüûÿ', 'aaaceeeeiioouuuy')
# Dictionary order also ignores case, all accents and the ae ligature.
COLLATE_MAP = str.maketrans({**{c: f for c, f in zip('àäâçéèëêïîöôùüûÿ', 'aaaceeeeiioouuuy')},
                             'æ': 'ae', 'œ': 'oe', '-': None, "'": None, '’': None})


def fold_key(word):
    """Folded, lower-cased key: the form that prefix searches compare."""
    return word.translate(SUB_ACCENTS).lower()


def collate(word):
    return word.lower().translate(COLLATE_MAP)


def letter_of(headword):
    first = collate(headword[:1])[:1].upper()
    return first if first in LETTERS else None


# ---------------------------------------------------------------- hunspell

class Hunspell:
    """Word check against the hunspell-fr word list, suffix rules only.

    Elided forms (l', d', qu' ...) are checked on the part after the
    apostrophe, so prefix rules are not needed."""

    def __init__(self, dic_path, aff_path):
        self.rules = collections.defaultdict(list)   # added suffix -> rules
        self.participle_rules = collections.defaultdict(list)   # flag -> past participle rules
        self.finite_rules = collections.defaultdict(list)   # flag -> conjugation rules
        self.finite_by_add = collections.defaultdict(list)   # added suffix -> conjugation rules
        self.nominal_rules = collections.defaultdict(list)   # flag -> gender and number rules
        self.nominal_by_add = collections.defaultdict(list)   # added suffix -> those rules
        self.features = collections.defaultdict(list)   # stem -> gender and number of each entry
        self._participles = None   # past participle -> its infinitive, built when first asked
        for line in open(aff_path, encoding='utf-8'):
            parts = line.split()
            if len(parts) < 5 or parts[0] != 'SFX':
                continue
            flag, strip, add, cond = parts[1], parts[2], parts[3], parts[4]
            strip = '' if strip == '0' else strip
            add = add.split('/')[0]
            add = '' if add == '0' else add
            self.rules[add].append((flag, strip, re.compile('(?:' + cond + ')$')))
            morph = set(parts[5:])
            if 'po:ppas' in morph and ('is:sg' in morph and 'is:mas' in morph or 'is:inv' in morph):
                self.participle_rules['ppas', flag].append((strip, add, re.compile('(?:' + cond + ')$')))
            if 'po:ppre' in morph:
                self.participle_rules['ppre', flag].append((strip, add, re.compile('(?:' + cond + ')$')))
            if not any(m.startswith('po:') for m in morph) and morph & NUMBERS:
                rule = (strip, add, re.compile('(?:' + cond + ')$'), frozenset(morph & GENDERS_NUMBERS))
                self.nominal_rules[flag].append(rule)
                self.nominal_by_add[add].append((flag, rule))
            forms = finite_forms(morph)
            if forms:
                rule = (strip, add, re.compile('(?:' + cond + ')$'), forms)
                self.finite_rules[flag].append(rule)
                self.finite_by_add[add].append((flag, rule))
        self.stems = collections.defaultdict(list)   # stem -> [(flags, tags)]
        with open(dic_path, encoding='utf-8') as f:
            next(f)
            for line in f:
                parts = line.split()
                if not parts:
                    continue
                word, _, flags = parts[0].partition('/')
                pairs = {flags[i:i + 2] for i in range(0, len(flags), 2)}
                tags = [p[3:] for p in parts[1:] if p.startswith('po:')]
                self.stems[word].append((pairs, tags))
                self.features[word].append(frozenset(parts[1:]) & GENDERS_NUMBERS)
        self.cache = {}

    def _analyses(self, word):
        """Parts-of-speech tag lists of every stem that yields `word`."""
        if word in self.cache:
            return self.cache[word]
        found = []
        for flags, tags in self.stems.get(word, ()):
            if '()' not in flags:
                found.append(tags)
        for cut in range(0, len(word) + 1):
            add = word[len(word) - cut:] if cut else ''
            for flag, strip, cond in self.rules.get(add, ()):
                stem = word[:len(word) - cut] + strip
                if not stem or not cond.search(stem):
                    continue
                for flags, tags in self.stems.get(stem, ()):
                    if flag in flags:
                        found.append(tags)
        self.cache[word] = found
        return found

    def _token_known(self, token, allow_proper):
        token = token.replace('’', "'")
        if "'" in token:
            head, _, tail = token.rpartition("'")
            if head.lower() in ('l', 'd', 'qu', 'j', 'm', 'n', 's', 't', 'c', 'jusqu', 'lorsqu', 'puisqu'):
                token = tail
            if not token:
                return True
        for form in (token, token.lower()):
            for tags in self._analyses(form):
                if allow_proper or not tags or not all(t in ('npr', 'prn', 'patr') for t in tags):
                    return True
        return False

    def known(self, phrase, allow_proper=False):
        """True when hunspell knows the phrase, or each of its words."""
        if self._token_known(phrase, allow_proper):
            return True
        tokens = [t for t in re.split(r'[ ]', phrase) if t]
        if len(tokens) == 1 and '-' not in phrase:
            return False
        for token in tokens:
            if self._token_known(token, allow_proper):
                continue
            if '-' in token and all(self._token_known(p, allow_proper) for p in token.split('-') if p):
                continue
            return False
        return True

    def participle(self, verb, kind):
        """Past ('ppas', masculine singular) or present ('ppre') participle of an infinitive."""
        for flags, tags in self.stems.get(verb, ()):
            if not any(re.match(r'v[0-9]', t) for t in tags):
                continue
            for flag in sorted(flags):
                for strip, add, cond in self.participle_rules.get((kind, flag), ()):
                    if verb.endswith(strip) and cond.search(verb):
                        return verb[:len(verb) - len(strip)] + add
        return None

    def participle_verb(self, word):
        """The infinitive of which `word` is a feminine or plural past participle
        ("gardée", "eus"), when neither it nor its masculine singular is a dictionary
        form of its own ("disposée" has the adjective "disposé"); else None."""
        if self._participles is None:
            self._participles = {}
            for verb, analyses in self.stems.items():
                if any(re.match(r'v[0-9]', t) for _, tags in analyses for t in tags):
                    self._participles.setdefault(self.participle(verb, 'ppas'), verb)
        if word in self.stems:
            return None
        for ending in ('es', 'e', 's'):
            masculine = word[:-len(ending)]
            if word.endswith(ending) and masculine in self._participles and masculine not in self.stems:
                return self._participles[masculine]
        return None

    def _verb_flags(self, verb):
        for flags, tags in self.stems.get(verb, ()):
            if any(re.match(r'v[0-9]', t) for t in tags):
                yield from sorted(flags)

    def finite_analyses(self, word):
        """(infinitive, {(tense, person)}) for each conjugated form of a verb that `word` is."""
        found = []
        for cut in range(0, len(word) + 1):
            add = word[len(word) - cut:] if cut else ''
            stem = word[:len(word) - cut]
            for flag, (strip, _, cond, forms) in self.finite_by_add.get(add, ()):
                verb = stem + strip
                if verb and cond.search(verb) and flag in set(self._verb_flags(verb)):
                    found.append((verb, forms))
        return found

    def nominal_analyses(self, word):
        """(dictionary form, gender and number) for each noun or adjective of which
        `word` is another gender or number ("grande": "grand", fem. sg.)."""
        found = []
        for cut in range(0, len(word) + 1):
            add = word[len(word) - cut:] if cut else ''
            for flag, (strip, _, cond, features) in self.nominal_by_add.get(add, ()):
                stem = word[:len(word) - cut] + strip
                if stem != word and cond.search(stem) and any(
                        flag in flags and ({'nom', 'adj'} & set(tags)) for flags, tags in self.stems.get(stem, ())):
                    found.append((stem, features))
        return found

    def inflect(self, word, features):
        """`word` (a noun or adjective) in the gender and number of `features`, or None
        when its rules have no such form or a noun's own gender is the other one."""
        gender, number = GENDERS & features, NUMBERS & features
        forms = []   # (preference, form): the exact gender first, then the masculine
        for (flags, tags), own in zip(self.stems.get(word, ()), self.features.get(word, ())):
            if not {'nom', 'adj'} & set(tags) or gender and own & GENDERS and not own & gender:
                continue   # not a noun or adjective, or a noun of the other gender
            if 'is:inv' in own or own & number:
                forms.append(((bool(own & gender), True, False), word))
            for flag in sorted(flags):
                for strip, add, cond, rule in self.nominal_rules.get(flag, ()):
                    if (word.endswith(strip) and cond.search(word)
                            and (rule & number or 'is:inv' in rule)
                            and not (gender and rule & GENDERS and not rule & gender)):
                        forms.append(((bool(rule & gender), 'is:mas' in rule, 'is:inv' not in rule),
                                      word[:len(word) - len(strip)] + add))
        return max(forms, key=lambda f: f[0])[1] if forms else None

    def conjugations(self, verb, form):
        """Every (tense, person) form of an infinitive, one per homonym verb ("sortir":
        "sort", and "sortit" of the verb of law)."""
        found = []
        for flag in self._verb_flags(verb):
            for strip, add, cond, forms in self.finite_rules.get(flag, ()):
                done = verb[:len(verb) - len(strip)] + add
                if form in forms and verb.endswith(strip) and cond.search(verb) and done not in found:
                    found.append(done)
        return found

    def categories(self, word):
        cats = set()
        for tags in self._analyses(word):
            for t in tags:
                if t == 'nom':
                    cats.add('n')
                elif t == 'adj':
                    cats.add('adj')
                elif re.match(r'v[0-9_]', t) or t == 'v':
                    cats.add('v')
                elif t in ('adv', 'negadv', 'advint', 'proadv'):
                    cats.add('adv')
                elif t == 'interj':
                    cats.add('interj')
                elif t in ('prep', 'prepv'):
                    cats.add('prép')
                elif t.startswith('cj'):
                    cats.add('conj')
                elif t.startswith('pro') and t != 'properobj' or t in ('propersuj', 'properobj'):
                    cats.add('pron')
                elif t.startswith('det'):
                    cats.add('adj')
                elif t == 'loc':
                    cats.add('loc')
                elif t == 'pfx':
                    cats.add('préf')
        return cats


# ---------------------------------------------------------------- helpers

GENDERS = frozenset({'is:mas', 'is:fem'})
NUMBERS = frozenset({'is:sg', 'is:pl', 'is:inv'})
GENDERS_NUMBERS = GENDERS | NUMBERS
TENSES = ('ipre', 'iimp', 'ifut', 'ipsi', 'cond', 'spre', 'simp', 'impe')
PERSONS = ('3sg', '1sg', '3pl', '1pl', '2sg', '2pl')


def finite_forms(morph):
    """The (tense, person) pairs that a conjugation rule's morphology fields name."""
    fields = {m[3:].rstrip('!') for m in morph if m.startswith('po:')}
    return frozenset((t, p) for t in TENSES if t in fields for p in PERSONS if p in fields)


def category_value(cats):
    """The category value for a set of abbreviations, or None."""
    cats = {c for c in cats if c in ABBREV_ORDER}
    if not cats:
        return None
    best = None
    for size in range(len(cats), 0, -1):
        for combo in itertools.combinations([a for a in ABBREV_ORDER if a in cats], size):
            value = ' '.join(combo)
            if value in CATEGORY_WEIGHTS and value not in RESERVED_CATEGORIES:
                if best is None or CATEGORY_WEIGHTS[value] > CATEGORY_WEIGHTS[best]:
                    best = value
        if best:
            return best
    return None


def normalize(text):
    text = text.replace('\u00a0', ' ').strip()
    text = re.sub(r' +', ' ', text)
    return text.replace('œ', 'oe').replace('Œ', 'Oe')


# Endings of a masculine singular and of its feminine or plural forms.
INFLECTED_ENDINGS = (('er', 'ère'), ('eur', 'euse'), ('teur', 'trice'), ('if', 'ive'), ('eux', 'euse'),
                     ('al', 'aux'), ('el', 'elle'))


def same_word(a, b):
    """True when a and b are the same word, or one is the other's plural or feminine
    ("ammonite", "ammonites"; "alsacien", "alsacienne"; "meurtrier", "meurtrière";
    "directeur", "directrice"): no synonym of it."""
    if len(a) > len(b):
        a, b = b, a
    if b == a or b in (a + 's', a + 'x', a + 'e', a + 'es', a + 'ne', a + 'nes'):
        return True
    for masculine, other in INFLECTED_ENDINGS:
        for x, y in ((a, b), (b, a)):
            if x.endswith(masculine) and y in (x[:-len(masculine)] + other, x[:-len(masculine)] + other + 's'):
                return True
    return False


# Candidates that mythes-fr misspells or truncates ("rég" for "régaler"): dropped.
SOURCE_MISSPELLINGS = {'rég', 'boulverser', 'anethésie', 'bordonnement', 'abetissement', 'dévoirant'}


def clean_synonym(raw, headword, hun, from_wolf):
    s = normalize(raw).replace('’', "'")
    if not s or any(c not in SYNONYM_CHARS for c in s):
        return None
    if s.startswith(("'", '-')) or s.endswith(("'", '-')) or '--' in s:
        return None
    if same_word(s.lower(), headword.lower().replace('’', "'")) or s in SOURCE_MISSPELLINGS:
        return None
    tokens = s.split(' ')
    if from_wolf and not hun.known(s.replace('oe', 'œ')) and not hun.known(s):
        return None          # taxonomic names and other words the speller does not know
    if not from_wolf and len(tokens) > 1 and not any(
            hun.known(t) or hun.known(t.replace('oe', 'œ')) for t in tokens):
        return None          # Latin binomials and the like
    if from_wolf and any(c in UPPER or c in 'ÉÂ' for c in s):
        return None          # WOLF's capitalised lemmas are article titles, not words
    if re.search(r'[A-ZÉÂ][A-ZÉÂ]', s) or re.fullmatch(r'[A-ZÉÂ]', s):
        return None          # acronyms and single letters
    if s[0] in UPPER or s[0] in 'ÉÂ':
        if not (hun.known(s, allow_proper=True) or hun.known(s.replace('oe', 'œ'), allow_proper=True)):
            return None
    return s


def clean_synonyms(raws, headword, hun, from_wolf, limit=MAX_SYNONYMS):
    out, seen = [], set()
    for raw in raws:
        s = clean_synonym(raw, headword, hun, from_wolf)
        if s is None or s in seen:
            continue
        seen.add(s)
        out.append(s)
        if limit is not None and len(out) == limit:
            break
    return out


def headword_ok(h):
    if len(h) < 2 or len(h) > 29 or (len(h) == 29 and h != LONGEST_HEADWORD):
        return False
    if any(c not in HEADWORD_CHARS for c in h) or '’' in h:
        return False
    if h[0] in UPPER or h[0] in " -'":
        return False         # capitalised headwords come from the overlay only
    if h[-1] in " -'" or '  ' in h:
        return False
    return letter_of(h) is not None and h[0] not in 'ëïöùûü'


def is_multiword(h):
    return ' ' in h


def guess_category(h, hun):
    """Category for an entry whose source gives none."""
    if is_multiword(h):
        first = h.split(' ')[0]
        if first in LOCUTION_OPENERS or first.split("'")[0] + "'" in LOCUTION_OPENERS:
            return 'loc'
        cats = hun.categories(first)
        if 'n' in cats:
            return 'n'
        if 'v' in cats:
            return 'v'
        return category_value(cats) or 'loc'
    return category_value(hun.categories(h.replace('oe', 'œ')) | hun.categories(h))


def category_from_synonyms(synonyms, hun):
    """The commonest single category among the synonyms, for words the speller lacks."""
    votes = collections.Counter()
    for s in synonyms[:12]:
        for c in hun.categories(s.replace('oe', 'œ')) & {'n', 'adj', 'v', 'adv'}:
            votes[c] += 1
    if not votes:
        return None
    return sorted(votes.items(), key=lambda kv: (-kv[1], ABBREV_ORDER.index(kv[0])))[0][0]


class Entry:
    __slots__ = ('headword', 'category', 'synonyms', 'source', 'rank', 'order', 'reviewed', 'verb', 'bases',
                 'lemma')

    def __init__(self, headword, category, synonyms, source, rank=0.0, order=0):
        self.headword, self.category, self.synonyms = headword, category, synonyms
        self.source, self.rank, self.order = source, rank, order
        self.reviewed = False
        self.verb, self.bases = None, None      # built forms: their verb, and their synonyms' verbs
        self.lemma = None                       # other forms: the dictionary form that lent synonyms

    def line(self):
        return self.headword + '§' + self.category + '$' + '\\'.join(self.synonyms)


# ---------------------------------------------------------------- sources

def read_mythes(hun):
    lines = open(MYTHES, encoding='utf-8').read().split('\n')
    entries, i, order = {}, 1, 0
    first_sense = {}
    stats = collections.Counter()
    while i < len(lines):
        if not lines[i]:
            i += 1
            continue
        raw_head, count = lines[i].rsplit('|', 1)
        groups = lines[i + 1:i + 1 + int(count)]
        i += 1 + int(count)
        stats['read'] += 1
        h = normalize(raw_head)
        if not headword_ok(h):
            stats['headword rejected'] += 1
            continue
        cats, raws = set(), []
        for g in groups:
            fields = g.split('|')
            for pos in fields[0].strip('()').split():
                pos = pos.lower()
                if pos in MYTHES_POS:
                    cats.add(MYTHES_POS[pos])
            raws.extend(fields[1:])
        if 'adj' in cats and h in ARTICLES:
            cats = {'art'}
        syns = clean_synonyms(raws, h, hun, from_wolf=False, limit=None)
        if syns and h not in first_sense:
            first_sense[h] = set(clean_synonyms(groups[0].split('|')[1:], h, hun, False, None))
        if not syns:
            stats['no synonym left'] += 1
            continue
        if is_multiword(h) and h.split(' ')[0] in LOCUTION_OPENERS and not cats:
            value = 'loc'
        else:
            value = category_value(cats) or guess_category(h, hun)
        if value is None:
            value = category_from_synonyms(syns, hun)
        if value is None:
            stats['no category'] += 1
            continue
        order += 1
        if h in entries:
            continue
        entries[h] = Entry(h, value, syns, 'mythes-fr', 0, order)
    return entries, first_sense, stats


def read_mythes_reverse(mythes, hun):
    """Entries for words that mythes-fr lists only as synonyms.

    Synonymy runs both ways: a word listed under several headwords has those
    headwords as its own synonyms, in the order they were met."""
    listed_by = collections.defaultdict(list)
    for e in sorted(mythes.values(), key=lambda e: e.order):
        for s in e.synonyms:
            if s not in mythes and e.headword not in listed_by[s]:
                listed_by[s].append(e)
    entries, order = {}, 0
    for w, sources in listed_by.items():
        if not headword_ok(w) or not hun.known(w.replace('oe', 'œ')):
            continue
        syns = [e.headword for e in sources][:MAX_SYNONYMS]
        value = guess_category(w, hun)
        if value is None:
            votes = collections.Counter(e.category for e in sources)
            value = votes.most_common(1)[0][0]
        order += 1
        entries[w] = Entry(w, value, syns, 'mythes-fr reverse', 0, order)
    return entries


def read_participles(mythes, wolf, hun):
    """Participles of the sources' verbs (mythes-fr's, then WOLF's), with the participles
    of the verbs' synonyms as their own synonyms (hunspell's conjugation rules)."""
    entries, order = {}, 0
    verbs = sorted(mythes.values(), key=lambda e: e.order) + [
        e for h, e in sorted(wolf.items(), key=lambda kv: kv[1].order) if h not in mythes]
    for kind, e in itertools.product(('ppas', 'ppre'), verbs):
        if 'v' not in e.category.split() or ' ' in e.headword:
            continue
        part = hun.participle(e.headword.replace('oe', 'œ'), kind)
        if not part:
            continue
        part = normalize(part)
        syns, bases, seen = [], [], {part}
        for s in e.synonyms:
            p = hun.participle(s.replace('oe', 'œ'), kind) if ' ' not in s else None
            if p:
                p = normalize(p)
                if p not in seen:
                    seen.add(p)
                    syns.append(p)
                    bases.append(s)
        if not syns or not headword_ok(part):
            continue
        order += 1
        if part not in entries:
            # Built lines fill what the sources leave short, past participles before present ones.
            entry = Entry(part, 'adj v', syns, 'participles', -200 if kind == 'ppas' else -250, order)
            entry.verb, entry.bases = e.headword, bases
            entries[part] = entry
    return entries


def read_wolf(hun):
    """WOLF headwords, and for every lemma the others that share a synset with it
    (lemma -> {other: number of shared synsets})."""
    members = collections.defaultdict(list)
    lemma_synsets = collections.defaultdict(list)
    for line in open(WOLF, encoding='utf-8'):
        if line.startswith('#'):
            continue
        synset, _, lemma = line.rstrip('\n').split('\t')
        members[synset].append(lemma)
        lemma_synsets[lemma].append(synset)
    entries, graph, order = {}, {}, 0
    for lemma, synsets in lemma_synsets.items():
        h = normalize(lemma).replace('’', "'")
        shared = collections.Counter()
        for s in synsets:
            for m in members[s]:
                if m != lemma:
                    c = clean_synonym(m, h, hun, from_wolf=True)
                    if c is not None:
                        shared[c] += 1
        if shared:
            merged = graph.setdefault(h, {})
            for c, n in shared.items():
                merged[c] = merged.get(c, 0) + n
        if not headword_ok(h) or not hun.known(lemma.replace('’', "'")):
            continue
        raws = [m for s in synsets for m in members[s] if m != lemma]
        syns = clean_synonyms(raws, h, hun, from_wolf=True, limit=None)
        if not syns:
            continue
        cats = {WOLF_POS[s.rsplit('-', 1)[1]] for s in synsets}
        if is_multiword(h) and h.split(' ')[0] in LOCUTION_OPENERS:
            value = 'loc'
        else:
            value = category_value(cats)
        if value is None:
            continue
        order += 1
        if h not in entries:
            entries[h] = Entry(h, value, syns, 'WOLF', 0, order)
    return entries, graph


def read_overlay():
    """Overlay lines (headword§category$synonyms), tie orders and required headwords."""
    lines, ties, required = [], [], []
    for raw in open(OVERLAY, encoding='utf-8'):
        raw = raw.rstrip('\n')
        if not raw or raw.startswith('#'):
            continue
        if raw.startswith('@ties '):
            ties.append(raw[6:].split('|'))
        elif raw.startswith('@require '):
            required.append(raw[9:])
        else:
            head, rest = raw.split('§', 1)
            cat, syns = rest.split('$', 1)
            lines.append(Entry(head, cat, syns.split('\\'), 'overlay', 10 ** 6))
    return lines, ties, required


# ---------------------------------------------------------------- selection

class Bucket:
    """A slice of one letter that must hold an exact number of lines."""

    def __init__(self, name, quota, test):
        self.name, self.quota, self.test = name, quota, test


def letter_rules():
    """Per-letter buckets (exact counts) and exclusions (lines that may not exist)."""
    c = collate

    def fk(e):
        return fold_key(e.headword)

    rules = {L: {'buckets': [], 'exclude': []} for L in LETTERS}
    rules['A']['buckets'] = [
        Bucket('"a cote"', 2, lambda e: fk(e).startswith('a cote')),
        Bucket('"a "', 52, lambda e: fk(e).startswith('a ')),
    ]
    rules['A']['exclude'] = [
        lambda e: c(e.headword) < c('à brûle-pourpoint') or c(e.headword) > c('azurer'),
        lambda e: fk(e).startswith('a ') and (not e.headword.startswith('à ')
                                               or c(e.headword) > c('à tort')),
    ]
    rules['C']['buckets'] = [
        Bucket('"chat"', 32, lambda e: fk(e).startswith('chat')),
        Bucket('"cha"', 329 - 32, lambda e: fk(e).startswith('cha')),
        Bucket('"ch"', 599 - 329, lambda e: fk(e).startswith('ch')),
        Bucket('"co"', 1804, lambda e: fk(e).startswith('co')),
    ]
    rules['C']['exclude'] = [
        lambda e: fk(e).startswith('chat') and (c('chat') < c(e.headword) < c('châtaigne')
                                                or c(e.headword) > c('chat-tigre')),
    ]
    rules['E']['buckets'] = [
        Bucket('"ecole"', 1, lambda e: fk(e).startswith('ecole')),
        Bucket('é è ê', 1396 - 1, lambda e: e.headword[0] in 'éèê'),
    ]
    rules['F']['exclude'] = [lambda e: c(e.headword) > c('fuyard')]
    rules['R']['buckets'] = [Bucket('"rer"', 1, lambda e: fk(e).startswith('rer'))]
    rules['T']['buckets'] = [Bucket('"tache"', 12, lambda e: fk(e).startswith('tache'))]
    rules['T']['exclude'] = [
        lambda e: fk(e).startswith('tache') and c(e.headword) <= c('tache de rousseur')
        and e.headword not in ('tache', 'taché', 'tâché', 'tâche', 'tache de rousseur'),
    ]
    rules['X']['buckets'] = [Bucket('"xy"', 3, lambda e: fk(e).startswith('xy'))]
    rules['Z']['buckets'] = [Bucket('"zz"', 0, lambda e: fk(e).startswith('zz'))]
    return rules


def select(letter, pool, rules, report):
    """Pick exactly LINE_COUNTS[letter] entries from pool (best first)."""
    buckets = rules['buckets'] + [Bucket('rest', None, lambda e: True)]
    groups = collections.defaultdict(list)
    for e in pool:
        if e.source != 'overlay' and any(x(e) for x in rules['exclude']):
            continue
        for b in buckets:
            if b.test(e):
                groups[b.name].append(e)
                break
    chosen = []
    fixed = sum(b.quota for b in rules['buckets'])
    for b in buckets:
        quota = b.quota if b.quota is not None else LINE_COUNTS[letter] - fixed
        cands = sorted(groups[b.name], key=lambda e: (-e.rank, e.order, e.headword))
        forced = [e for e in cands if e.source == 'overlay']
        if len(forced) > quota:
            raise SystemExit(f'{letter} {b.name}: {len(forced)} required entries exceed {quota}')
        if len(cands) < quota:
            report.append(f'{letter} {b.name}: only {len(cands)} candidates for {quota}')
        chosen.extend(cands[:quota])
    return chosen


def order_lines(entries, ties):
    tie_rank = {}
    for group in ties:
        for i, h in enumerate(group):
            tie_rank[h] = i

    def key(e):
        first = 0 if e.headword == 'd’abord' else 1
        return (first, collate(e.headword), tie_rank.get(e.headword, 0),
                e.headword.encode('cp1252'), e.order)
    return sorted(entries, key=key)


# ---------------------------------------------------------------- main

class Sources:
    """Everything the generator reads, parsed once."""

    def __init__(self):
        self.hun = hun = Hunspell(HUNSPELL_DIC, HUNSPELL_AFF)
        self.mythes, first_sense, self.mythes_stats = read_mythes(hun)
        self.wolf, wolf_graph = read_wolf(hun)
        self.reverse = read_mythes_reverse(self.mythes, hun)
        self.participles = read_participles(self.mythes, self.wolf, hun)
        self.overlay, self.ties, self.required = read_overlay()
        self.frequencies = ranking.load_frequencies()
        listed = {h: e.synonyms for h, e in self.mythes.items()}
        self.graph = ranking.Graph(listed, first_sense, wolf_graph, self.word_categories, self.is_lemma,
                                   self.frequencies)

    def entry(self, word):
        """The source entry of a headword: mythes-fr's, else WOLF's, the reverse one or a
        built participle's; None when no source has it."""
        for table in (self.mythes, self.wolf, self.reverse, self.participles):
            if word in table:
                return table[word]
        return None

    def is_lemma(self, word):
        """True for a dictionary form of hunspell's list (a stem, not a form its rules build)."""
        return word in self.hun.stems or word.replace('oe', 'œ') in self.hun.stems

    def word_categories(self, word):
        cats = self.hun.categories(word.replace('oe', 'œ')) | self.hun.categories(word)
        return {c for c in cats if c in ('n', 'adj', 'v', 'adv', 'prép', 'conj', 'pron', 'interj')}


def line_categories(category):
    cats = set(category.split())
    if 'loc' in cats or 'expr' in cats:
        cats |= {'adv', 'prép', 'conj'}
    return cats


def rank_entry(src, model, verdicts, e):
    """Gives a source entry its synonyms, best first, and its place among the letter's
    candidates: common headwords with good lines before rare forms with weak ones.

    A reviewed headword keeps only the candidates judged right; one left with none
    keeps its best candidate but falls behind every other entry of its letter. Other
    forms of a word add its synonyms in their own form after theirs (lemma_synonyms)."""
    verdict = verdicts.get(e.headword)
    borrowed, borrowed_quality = [], 0.0
    if e.verb is not None:
        # Built forms: the evidence is that of their verb's synonymy, and so are the
        # verdicts when the verb was reviewed. A reviewed form keeps what its readers
        # kept of its own line first.
        if verdict is not None:
            own = ranking.rank_candidates(src.graph, model, e.headword, line_categories(e.category))
            borrowed = [c for _, c in own if verdict.get(c) == 1]
        verb = dict((c, p) for p, c in ranking.rank_candidates(src.graph, model, e.verb, {'v'}))
        scored = sorted(((verb.get(b, 0.0), i, c) for i, (c, b) in enumerate(zip(e.synonyms, e.bases))),
                        key=lambda t: (-round(t[0], 9), t[1]))
        ranked = [(p, c) for p, _, c in scored]
        verdict = None
        if e.verb in verdicts:
            of_verb = verdicts[e.verb]
            verdict = {c: of_verb.get(b, 0) for c, b in zip(e.synonyms, e.bases)}
        elif e.headword in verdicts:
            verdict = {c: int(p >= model.threshold) for p, c in ranked}
    else:
        ranked = ranking.rank_candidates(src.graph, model, e.headword, line_categories(e.category))
        if e.category == 'v' and src.is_lemma(e.headword):
            ranked = without_participles(src, ranked)
        borrowed, borrowed_quality, e.lemma = lemma_synonyms(src, model, verdicts, e)
    if verdict is not None:
        kept = [c for _, c in ranked if verdict.get(c) == 1][:MAX_SYNONYMS]
        quality = mean([p for p, c in ranked if verdict.get(c) == 1][:3])
        if not kept and not borrowed:
            kept, quality = [c for _, c in ranked[:1]], -10.0 ** 4
    else:
        kept = ranking.keep(ranked, model.threshold, model.few, MAX_SYNONYMS)
        quality = mean([p for p, _ in ranked[:3]])
    if borrowed:
        if e.verb is not None:   # the form's own kept synonyms come first
            kept, borrowed = borrowed, kept
        kept = (kept + [c for c in borrowed if c not in kept])[:MAX_SYNONYMS]
        quality = max(quality, borrowed_quality)
    if not kept:
        kept = e.synonyms[:1]
    e.synonyms = kept
    e.rank += selection_rank(src, e.headword, quality)
    e.reviewed = e.headword in verdicts


def lemma_synonyms(src, model, verdicts, e):
    """For another gender or number of a noun or adjective ("grande", "enfants"), whose
    own line is mostly thin, the synonyms of its dictionary form in that gender and
    number ("grand": "ample", "large", "étendu" give "ample", "large", "étendue"), their
    strength, and that dictionary form. The synonyms are those its readers kept, or those
    clearing the threshold; one with no such form ("homme" for a feminine), or none in the
    masculine for a feminine form ("loi" for "droite"), is left out."""
    h = e.headword.replace('oe', 'œ')
    if ' ' in h or src.is_lemma(e.headword) or src.hun.finite_analyses(h):
        return [], 0.0, None
    for lemma, features in src.hun.nominal_analyses(h):
        lemma = normalize(lemma)
        entry = src.entry(lemma)
        if entry is None or not line_categories(entry.category) & line_categories(e.category) & {'n', 'adj'}:
            continue
        judged = verdicts.get(lemma)
        out, strengths = [], []
        for p, c in ranking.rank_candidates(src.graph, model, lemma, line_categories(entry.category)):
            if (judged.get(c) != 1) if judged is not None else p < model.threshold:
                continue
            form = None if ' ' in c else src.hun.inflect(c.replace('oe', 'œ'), features)
            if 'is:fem' in features and not src.hun.inflect(c.replace('oe', 'œ'), features - GENDERS | {'is:mas'}):
                form = None   # a feminine noun of a masculine's other sense ("droit": "loi")
            form = form and normalize(form)
            if form and form not in out and not same_word(form.lower(), e.headword.lower()):
                out.append(form)
                strengths.append(p)
        if out:
            return out, mean(strengths[:3]), lemma
    return [], 0.0, None


def without_participles(src, ranked):
    """A verb's line drops the participles of verbs it lists ("tenir": "gardée" beside
    "garder"; "obtenir": "eues" beside "avoir"): the same synonym in a form that cannot
    stand for an infinitive."""
    listed = {c for _, c in ranked}
    return [(p, c) for p, c in ranked
            if ' ' in c or normalize(src.hun.participle_verb(c.replace('oe', 'œ')) or '') not in listed]


def mean(values):
    return sum(values) / len(values) if values else 0.0


SEVERAL_WORDS_PENALTY = 0.0


def selection_rank(src, h, quality):
    """Where a headword stands among its letter's candidates: dictionary forms before
    inflected ones, common words before rare ones, strong lines (quality: the mean
    probability of its best synonyms, up to three) before weak ones; headwords of several
    words or with capitals after single common words."""
    lemma = src.is_lemma(h)
    freq = src.frequencies.get(h)
    common = 1.0 - math.log(freq) / math.log(30000.0) if freq else 0.0
    several = ' ' in h or h != h.lower()
    return 50.0 * lemma + 100.0 * common + 150.0 * quality - SEVERAL_WORDS_PENALTY * several


def build_pool(src, model, verdicts):
    """The candidate entries of each letter, ranked, as copies: the sources stay as read."""
    overlay_heads = {e.headword.replace('’', "'") for e in src.overlay}
    pool = collections.defaultdict(list)
    for i, e in enumerate(src.overlay):
        e = copy.copy(e)
        e.order = i
        pool[letter_of(e.headword)].append(e)
    missing = [h for h in src.required if h not in src.mythes and h not in src.wolf]
    if missing:
        raise SystemExit('required headwords found in no source: ' + ', '.join(missing))
    required = set(src.required)
    chosen = []           # (entry, rank offset)
    # WOLF's multi-word lemmas are mostly terms of art; built participles come last.
    for e in src.mythes.values():
        if e.headword not in overlay_heads:
            chosen.append((e, 0))
    for h, e in src.wolf.items():
        if h not in src.mythes and h not in overlay_heads:
            chosen.append((e, -5000 if ' ' in h or h != h.lower() else 0))
    for h, e in src.reverse.items():
        if h not in src.mythes and h not in src.wolf and h not in overlay_heads:
            chosen.append((e, -30))
    taken = set(src.mythes) | set(src.wolf) | set(src.reverse) | overlay_heads
    for h, e in src.participles.items():
        if h not in taken:
            chosen.append((e, e.rank))
    taken |= set(src.participles)
    # Conjugated forms that people type ("pense", "revient") and no source has as a
    # headword: lines built from their verbs' synonyms, ranked by use like any other.
    for order, h in enumerate(frequent_forms(src, CONJUGATED_FROM)):
        if h not in taken and headword_ok(h):
            e = conjugated(src, model, Entry(h, 'v', [], 'conjugated', 0, order), verdicts, built=True)
            if e is not None:
                chosen.append((e, 0))
    for e, offset in chosen:
        if e.source != 'conjugated':
            e = conjugated(src, model, e, verdicts) or copy.copy(e)
        e.rank = offset + (10 ** 5 if e.headword in required else 0)
        rank_entry(src, model, verdicts, e)
        pool[letter_of(e.headword)].append(e)
    return pool


CONJUGATED_FROM = 10000   # conjugated forms get lines of their own among this many frequent words


def frequent_forms(src, first):
    """The first words of the frequency list, written as headwords are, single words only."""
    words = (normalize(w).replace('’', "'") for w in ranking.frequency_list()[:first])
    return [w for w in dict.fromkeys(words) if ' ' not in w and "'" not in w]


def read_as_participle(hun, verb, form, word):
    """True when `word`, the verb's `form` in another tense than the present, is also its
    past participle: "pris" is read as a participle, not as a simple past ("obtins")."""
    return form[0] != 'ipre' and hun.participle(verb, 'ppas') == word


def conjugated(src, model, e, verdicts, built=False):
    """For a conjugated verb form whose line the sources give (mostly homographs' senses:
    "abolit: invalide, mutilé"), a copy whose synonyms are its verb's synonyms in the same
    tense and person; None when no synonym conjugates.
    A built form (no source line) must be nothing but a verb form ("phrases" is a noun
    too, "souris" a noun first) of a verb in use ("have" is no form of a French verb
    anyone types), and no imperative with its pronoun ("allons-y")."""
    h = e.headword
    if ' ' in h or src.is_lemma(h):
        return None
    if e.category != 'v' and (built or src.word_categories(h) != {'v'}
                              or src.frequencies.get(h, 10 ** 6) >= CONJUGATED_FROM):
        return None   # a noun's line ("affaires"), unless a frequent form ("aime") only a verb's
    if built and (src.word_categories(h) != {'v'} or '-' in h):
        return None
    analyses = src.hun.finite_analyses(h.replace('oe', 'œ'))
    if not analyses:
        return None
    verb = min((v for v, _ in analyses), key=lambda v: src.frequencies.get(normalize(v), 10 ** 6))
    if built and normalize(verb) not in src.frequencies:
        return None
    form = min((f for v, forms in analyses if v == verb for f in forms),
               key=lambda f: (TENSES.index(f[0]), PERSONS.index(f[1])))
    if read_as_participle(src.hun, verb, form, h.replace('oe', 'œ')):
        return None
    verb = normalize(verb)
    judged = verdicts.get(verb)
    syns, bases, seen, strong = [], [], {h}, 0
    for p, c in ranking.rank_candidates(src.graph, model, verb, {'v'}):
        if judged is not None and judged.get(c) != 1:
            continue   # a reviewed verb lends only the synonyms its readers kept
        done = None
        if ' ' not in c and "'" not in c:
            # Of homonym verbs' forms, the one in use ("sort", not "sortit").
            done = min(src.hun.conjugations(c.replace('oe', 'œ'), form),
                       key=lambda f: src.frequencies.get(normalize(f), 10 ** 6), default=None)
        if done and normalize(done) not in seen:
            seen.add(normalize(done))
            syns.append(normalize(done))
            bases.append(c)
            strong += p >= model.threshold
    if not syns or built and judged is None and strong < model.few:
        return None   # a line of its own only from a reviewed verb or strong evidence
    entry = copy.copy(e)
    entry.category, entry.synonyms, entry.verb, entry.bases = 'v', syns, verb, bases
    return entry


def check_overlay(src):
    vocabulary = set(src.mythes) | set(src.wolf) | {
        w for e in itertools.chain(src.mythes.values(), src.wolf.values()) for w in e.synonyms}
    for e in src.overlay:
        for syn in e.synonyms:
            bare = re.sub(r' \(.*\)|\*$', '', syn)
            if bare and bare not in vocabulary:
                print(f'overlay: "{syn}" ({e.headword}) is not a headword or synonym of the sources')


def build(src, model, verdicts):
    """The 26 letters' lines, in order; and the selection problems, if any."""
    check_overlay(src)
    pool = build_pool(src, model, verdicts)
    rules = letter_rules()
    problems, letters = [], {}
    for L in LETTERS:
        letters[L] = order_lines(select(L, pool[L], rules[L], problems), src.ties)
    return letters, problems


def main():
    ap = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    ap.add_argument('--out', default=os.path.join(ROOT, 'data'), help='output directory')
    args = ap.parse_args()

    src = Sources()
    letters, problems = build(src, ranking.Model.load(), ranking.load_review())

    print('letter  lines  overlay  mythes-fr  reverse  WOLF  participles  conjugated  reviewed    bytes  padding')
    totals = collections.Counter()
    os.makedirs(args.out, exist_ok=True)
    all_lines = []
    for L in LETTERS:
        ordered = letters[L]
        by_source = collections.Counter(e.source for e in ordered)
        reviewed = sum(e.reviewed for e in ordered)
        totals.update(by_source)
        totals['reviewed'] += reviewed
        data = '\r\n'.join(e.line() for e in ordered).encode('cp1252')
        totals['bytes'] += len(data)
        print(f'{L:>6}  {len(ordered):5}  {by_source["overlay"]:7}  {by_source["mythes-fr"]:9}  '
              f'{by_source["mythes-fr reverse"]:7}  {by_source["WOLF"]:4}  {by_source["participles"]:11}  '
              f'{by_source["conjugated"]:10}  {reviewed:8}  {len(data):7}  {(4 - len(data) % 4) % 4:7}')
        with open(os.path.join(args.out, L + '.txt'), 'wb') as f:
            f.write(data)
        all_lines.extend(ordered)
    print(f' total  {len(all_lines):5}  {totals["overlay"]:7}  {totals["mythes-fr"]:9}  '
          f'{totals["mythes-fr reverse"]:7}  {totals["WOLF"]:4}  {totals["participles"]:11}  '
          f'{totals["conjugated"]:10}  {totals["reviewed"]:8}  {totals["bytes"]:7}')
    print('mythes-fr headwords read: %d; rejected: %s' % (
        src.mythes_stats['read'],
        ', '.join(f'{k} {v}' for k, v in sorted(src.mythes_stats.items()) if k != 'read')))
    print('synonyms per line: %.2f' % (sum(len(e.synonyms) for e in all_lines) / len(all_lines)))
    print('source lines of conjugated forms given their verb\'s synonyms: %d; forms given their '
          'dictionary form\'s synonyms: %d' % (
              sum(e.verb is not None and e.source != 'conjugated' for e in all_lines),
              sum(e.lemma is not None for e in all_lines)))

    heads = [e.headword for e in all_lines]
    print('aim: headwords with capitals: %d (30)' % sum(any(c.isupper() for c in h) for h in heads))
    print('aim: headwords of several words: %d (685)' % sum(' ' in h for h in heads))
    print('aim: lines with capitals in their synonyms: %d (71)' % sum(
        any(s[:1].isupper() or any(ch.isupper() for ch in s) for s in e.synonyms) for e in all_lines))
    print('aim: E lines beginning with é, è or ê: %d (1396)' % sum(h[0] in 'éèê' for h in heads))
    cats = collections.Counter(e.category for e in all_lines)
    print('categories: ' + ', '.join(f'{k} {v}' for k, v in cats.most_common()))
    for p in problems:
        print('SHORT: ' + p)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())

#!/usr/bin/env python3
"""The generator's rules that decide a line's synonyms: how the review's readings
combine, and how a conjugated form's synonyms are conjugated in its tense and person."""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tools'))
import gen_dictionary as gen  # noqa: E402
import ranking  # noqa: E402


class ReadingsTest(unittest.TestCase):
    def test_majority(self):
        for verdicts, kept in [([1], 1), ([0], 0), ([0, 1], 0), ([0, 1, 1], 1), ([0, 1, 0], 0),
                               ([1, 1], 1), ([0, 0], 0)]:
            with self.subTest(verdicts=verdicts):
                self.assertEqual(ranking.majority(verdicts), kept)

    def test_later_readings_add_to_the_first(self):
        files = {
            'review-001.tsv': '# header\nbeau\tjoli\t1\nbeau\tgros\t0\nbeau\tsplendide\t0\n',
            'review2-001.tsv': 'beau\tgros\t0\nbeau\tsplendide\t1\n',
            'review3-001.tsv': 'beau\tsplendide\t1\n',
            'dev-judged.tsv': 'beau\tgros\t1\n',
        }
        with tempfile.TemporaryDirectory() as folder:
            for name, text in files.items():
                with open(os.path.join(folder, name), 'w', encoding='utf-8') as f:
                    f.write(text)
            self.assertEqual(ranking.load_review(folder),
                             {'beau': {'joli': 1, 'gros': 0, 'splendide': 1}})


class SameWordTest(unittest.TestCase):
    def test_a_line_never_lists_its_own_headword_in_another_form(self):
        for a, b, same in [('ammonite', 'ammonites', True), ('alsacien', 'alsacienne', True),
                           ('meurtrier', 'meurtrière', True), ('directrice', 'directeur', True),
                           ('journal', 'journaux', True), ('actif', 'actives', True),
                           ('heureux', 'heureuse', True), ('cruel', 'cruelles', True),
                           ('briquet', 'briquette', False), ('prix', 'prise', False),
                           ('sable', 'sablon', False)]:
            with self.subTest(a=a, b=b):
                self.assertEqual(gen.same_word(a, b), same)


@unittest.skipUnless(os.path.exists(gen.HUNSPELL_AFF) and os.path.exists(gen.HUNSPELL_DIC),
                     'hunspell-fr not installed')
class ConjugationTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.hun = gen.Hunspell(gen.HUNSPELL_DIC, gen.HUNSPELL_AFF)

    def test_conjugations(self):
        for verb, form, expected in [
                ('trahir', ('ipre', '3sg'), ['trahit']), ('placer', ('ipre', '1pl'), ['plaçons']),
                ('manger', ('iimp', '3pl'), ['mangeaient']), ('devoir', ('ipre', '1pl'), ['devons']),
                ('aller', ('spre', '3sg'), ['aille']), ('employer', ('ipre', '3sg'), ['emploie']),
                ('table', ('ipre', '3sg'), [])]:
            with self.subTest(verb=verb, form=form):
                self.assertEqual(self.hun.conjugations(verb, form), expected)

    def test_homonym_verbs_give_each_their_form(self):
        self.assertEqual(set(self.hun.conjugations('sortir', ('ipre', '3sg'))), {'sort', 'sortit'})

    def test_finite_analyses(self):
        for word, verb, form in [('abuse', 'abuser', ('ipre', '3sg')), ('finissaient', 'finir', ('iimp', '3pl')),
                                 ('aille', 'aller', ('spre', '3sg'))]:
            with self.subTest(word=word):
                self.assertIn(form, {f for v, forms in self.hun.finite_analyses(word) if v == verb for f in forms})
        for word in ('abusé', 'abuser', 'maison'):
            with self.subTest(word=word):
                self.assertEqual(self.hun.finite_analyses(word), [])

    def test_read_as_participle(self):
        for verb, form, word, expected in [('prendre', ('ipsi', '1sg'), 'pris', True),
                                           ('mettre', ('ipsi', '2sg'), 'mis', True),
                                           ('dire', ('ipre', '3sg'), 'dit', False),
                                           ('prendre', ('ipre', '1sg'), 'prends', False)]:
            with self.subTest(word=word):
                self.assertEqual(gen.read_as_participle(self.hun, verb, form, word), expected)

    def test_participle_verb(self):
        # Inflected participles point to their verb; a word that is a dictionary form of
        # its own (the noun "vue", the adjective "coordonnée"'s noun) or a verb does not.
        for word, verb in [('gardée', 'garder'), ('eues', 'avoir'), ('eus', 'avoir'), ('mangées', 'manger'),
                           ('obtenue', 'obtenir'), ('vue', None), ('coordonnée', None), ('garder', None),
                           ('gardé', None), ('maisons', None)]:
            with self.subTest(word=word):
                self.assertEqual(self.hun.participle_verb(word), verb)

    def test_nominal_forms(self):
        # Another gender or number of a noun or adjective gives its dictionary form, and a
        # synonym takes that gender and number: by rule, irregular, epicene, invariable, or
        # none when a noun's own gender is the other one.
        for word, lemma in [('grande', 'grand'), ('enfants', 'enfant'), ('vieille', 'vieux'), ('maison', None),
                            ('yeux', None), ('mangeait', None)]:
            with self.subTest(word=word):
                self.assertEqual({s for s, _ in self.hun.nominal_analyses(word)} or {None}, {lemma})
        fem, plural = frozenset({'is:fem', 'is:sg'}), frozenset({'is:pl'})
        for word, features, form in [('content', fem, 'contente'), ('beau', fem, 'belle'), ('gros', fem, 'grosse'),
                                     ('aimable', fem, 'aimable'), ('large', fem, 'large'), ('cheval', plural, 'chevaux'),
                                     ('logis', plural, 'logis'), ('joie', plural, 'joies'), ('homme', fem, None),
                                     ('bonheur', fem, None)]:
            with self.subTest(word=word, features=sorted(features)):
                self.assertEqual(self.hun.inflect(word, features), form)


if __name__ == '__main__':
    unittest.main()

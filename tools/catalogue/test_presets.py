"""The review's rules as tables: which later value is a slip of the catalogue's, and how a later
value relates to it (a notation, a mistake it repairs, or a change recorded as newer).
Run: python3 -m unittest tools/catalogue/test_presets.py (CTest runs it)."""
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import presets  # noqa: E402


class Slip(unittest.TestCase):
    def test_slips(self):
        table = [
            # field, catalogue's value, later value, slip?
            ('apn', 'internet.vodafone.ro', 'internet.vodafone.ro', False),  # the same
            ('apn', 'intrenet.t-mobile', 'internet.t-mobile', True),  # two letters swapped
            ('apn', 'mms.orange.f', 'mms.orange.fr', False),  # the top-level domain
            ('apn', 'internet', 'internat', False),  # a single word is a name of its own
            ('apn', 'mms1.example.com', 'mms2.example.com', False),  # another numbered server
            ('apn', 'mms.02.ie', 'mms.o2.ie', True),  # a digit for a letter
            ('apn', 'mms.telenor.se', 'mms.telia.se', False),  # another operator's name
            ('url', 'http://mms.vodafne.de/servlets/mms', 'http://mms.vodafone.de/servlets/mms',
             True),
            ('url', 'http://mms.vodafone.de:8080/mms', 'http://mms.vodafone.de:80/mms', False),
            ('ip', '10.10.10.10', '10.10.10.11', False),  # another address
        ]
        for field, old, new, expected in table:
            with self.subTest(field=field, old=old, new=new):
                self.assertEqual(presets.slip(field, old, new), expected)


class Classify(unittest.TestCase):
    def test_classes(self):
        table = [
            ('ip', '010.001.002.003', '10.1.2.3', 'notation'),  # leading zeros
            ('apn', 'MMS.Example.COM', 'mms.example.com', 'notation'),  # letter case
            ('url', 'http://mms.example.com', 'http://mms.example.com/', 'notation'),
            ('apn', 'internet ', 'internet', 'mistake'),  # a blank after the value
            ('url', 'http:/mms.example.com/', 'http://mms.example.com/', 'mistake'),
            ('apn', 'mms.exmaple.com', 'mms.example.com', 'mistake'),  # two letters swapped
            ('apn', 'mms.example.com', 'eezone', 'change'),  # another APN: recorded as newer
            ('url', 'http://mmsc.t-mobile.co.uk:8002', 'http://mms/', 'change'),
            ('url', 'http://mms.example.com:8002/', 'http://mms.example.com:8080/', 'change'),
            ('ip', '10.1.2.3', '10.1.2.4', 'change'),
        ]
        for field, old, new, expected in table:
            with self.subTest(field=field, old=old, new=new):
                self.assertEqual(presets.classify(field, old, new), expected)


if __name__ == '__main__':
    unittest.main()

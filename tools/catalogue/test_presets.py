"""The review's rules as tables: which later value is a slip of the catalogue's, and how a later
value relates to it (a notation, a mistake it repairs, or a change recorded as newer); whose
entries count as the operator's own or its successor's, and which entries weigh an APN.
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


def apn(carrier, mcc, mnc, type_, value, **more):
    return dict(carrier=carrier, mcc=mcc, mnc=mnc, type=type_, apn=value, **more)


def lists_of(entries):
    """Lists over hand-built entries: {file: [entry]}."""
    return presets.Lists(entries)


class Ownership(unittest.TestCase):
    def test_own_entries(self):
        # Only whole names count, the operator's other names among them (OWN_NAMES); a number
        # run onto "MMS" is no brand of its own.
        life = apn('life MMS', '255', '06', 'mms', 'mms', mmsc='http://mms.life.com.ua/cmms/post')
        tre = apn('3 Danmark', '238', '06', 'default,supl,mms', 'data.tre.dk')
        tunisie = {'country': 'tn', 'provider': 'Tunisie Télécom / TUNTEL', 'apn': 'mms.tn',
                   'usage': 'mms', 'networks': [('605', '02')], 'mmsc': 'http://mms'}
        tmobile = apn('T-Mobile US', '310', '260', 'default,supl,mms', 'epc.tmobile.com')
        table = [
            # row's country and operator, its source entry, a later entry, own?
            (('Ukraine', 'Life'), life, apn('lifecell MMS', '255', '06', 'mms', 'mms'), True),
            (('Elsewhere', 'Life'), life, apn('lifecell MMS', '255', '06', 'mms', 'mms'), False),
            (('Tunisia', '*'), tunisie,
             apn('Tunisia Telecom MMS', '605', '02', 'mms', 'mms.tn'), True),
            (('Denmark', 'Tre'), tre, apn('3MMS', '238', '06', 'mms', 'data.tre.dk'), True),
            (('Denmark', 'Tre'), tre, apn('Oister MMS', '238', '06', 'mms', 'data.dk'), False),
            (('United States', 'T-Mobile'), tmobile,
             apn('Red Pocket Mobile', '310', '260', 'default,mms', 'wholesale'), False),
        ]
        for (country, operator), source, later, expected in table:
            with self.subTest(operator=operator, later=later.get('carrier')):
                lists = lists_of({'apns-conf-2010-12.xml': [source],
                                  'apns-conf-2024-10.xml': [later]})
                row = {'country': country, 'operator': operator}
                self.assertEqual(presets.Operator(lists, row, source).owns(later), expected)

    def test_successor_entries(self):
        # The successor's entries: on the source entry's very network, typed for MMS, under
        # its name, writing no domain at home on a network none of its entries is on.
        tmobile = apn('T-Mobile UK', '234', '30', 'default,supl,mms', 'general.t-mobile.uk')
        peoples = apn('PEOPLES MMS', '454', '12', 'mms', '170170',
                      mmsc='http://mms.peoples.com.hk/mms')
        smartone = apn('SmarTone MMS', '454', '06', 'mms', 'smartone',
                       mmsc='http://mms.smartone-vodafone.com/server')
        misfiled = {'country': 'hk', 'provider': 'China Mobile', 'apn': 'SmarTone-Vodafone',
                    'usage': 'mms', 'networks': [('454', '12')],
                    'mmsc': 'http://mms.smartone-vodafone.com/server'}
        table = [
            # row's country and operator, its source entry, a later entry, the successor's?
            (('United Kingdom', 'T-Mobile'), tmobile,
             apn('EE MMS', '234', '30', 'mms', 'eezone'), True),
            (('United Kingdom', 'T-Mobile'), tmobile,
             apn('EE Internet', '234', '30', 'default,supl', 'everywhere'), False),
            (('United Kingdom', 'T-Mobile'), tmobile,
             apn('EE MMS', '234', '33', 'mms', 'eezone'), False),
            (('United Kingdom', 'T-Mobile'), tmobile,
             apn('Asda Mobile', '234', '30', 'mms', 'everywhere'), False),
            (('Hong Kong(China)', 'Peoples'), peoples,
             apn('CMHK', '454', '12', 'default,supl,mms', 'cmhk',
                 mmsc='http://mms.hk.chinamobile.com/mms'), True),
            (('Hong Kong(China)', 'Peoples'), peoples, misfiled, False),
        ]
        for (country, operator), source, later, expected in table:
            with self.subTest(operator=operator, later=later.get('carrier') or later['provider']):
                # SmarTone's server is at home on its own network, which writes it most.
                lists = lists_of({'apns-conf-2010-12.xml': [source, smartone],
                                  'apns-conf-2012-12.xml': [dict(smartone)],
                                  'serviceproviders-2023-04.xml': [later] if 'usage' in later
                                  else [],
                                  'apns-conf-2024-10.xml': [] if 'usage' in later else [later]})
                row = {'country': country, 'operator': operator}
                self.assertEqual(presets.Successor(lists, row, source).owns(later), expected)


class LaterApn(unittest.TestCase):
    def test_apn_of_an_entry_that_serves_both_uses(self):
        # Mobtel's source entry, "Telenor RS MMS" of 2010, is typed "default,supl,mms" and gives
        # the MMS server: its APN stays current while the entries of either use write it; a
        # newer value comes from the use the window needs (MMS where the preset carries the MMS
        # server, internet in the mail window).
        source = apn('Telenor RS MMS', '220', '01', 'default,supl,mms', 'mms',
                     mmsc='http://mms.telenor.rs/servlets/mms')
        table = [
            # carries, 2024's internet APN, 2024's MMS APN, expected class and value
            ('mms', 'internet', 'mms', ('current', 'mms')),
            ('', 'internet', 'mms', ('current', 'mms')),
            ('', 'mms', 'mms.telenor.rs', ('current', 'mms')),
            ('mms', 'internet', 'mms.telenor.rs', ('change', 'mms.telenor.rs')),
            ('', 'internet.telenor.rs', 'mms.telenor.rs', ('change', 'internet.telenor.rs')),
        ]
        for carries, internet, mms, expected in table:
            with self.subTest(carries=carries, internet=internet, mms=mms):
                lists = lists_of({'apns-conf-2010-12.xml': [source], 'apns-conf-2024-10.xml': [
                    apn('Telenor RS', '220', '01', 'default,supl', internet),
                    apn('Telenor RS MMS', '220', '01', 'mms', mms)]})
                row = {'country': 'Yugoslavia', 'operator': 'Mobtel', 'carries': carries,
                       'apn': 'mms', 'source': 'apns-conf-2010-12.xml carrier="Telenor RS MMS" '
                                               'mcc="220" mnc="01" -> apn'}
                found = []
                presets.review('mms', [row], lists, found)
                self.assertEqual([(t[0], t[6]) for t in found if t[3] == 'apn'], [expected])


if __name__ == '__main__':
    unittest.main()

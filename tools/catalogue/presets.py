#!/usr/bin/env python3
"""Maintenance helper for the preset data files (src/catalogue/data/*-presets.tsv).

The TSV files are the source of truth; this script is NOT part of the build. It reads the public
carrier data in ../shared/reference/ (beside the repository) to fill and check the values whose
provenance the `source` column names.

    python3 tools/catalogue/presets.py fill  [--reference DIR]   # rewrite values, notes, status
    python3 tools/catalogue/presets.py check [--reference DIR]   # report differences only
    python3 tools/catalogue/presets.py review [--write]          # compare with later lists

`check` and `review` exit with 1 when `fill` or `review --write` would change a file (a value
its source no longer gives, a slip not yet taken, a newer or successor value not recorded): CI
runs both.

The `source` column holds segments separated by "; ":
    <file> key="value" key="value" ... -> field field=attribute ...
    note: free text (for instance a value the catalogue fixes that the source writes otherwise)
<file> is a file name in the reference folder; the keys select the first matching entry in
document order (apns-conf files: attributes of <apn>; the provider database: country, provider,
apn, usage). The fields after "->" are TSV columns (apn, account, password, url, ip, smtp_server);
each takes the entry's attribute of the same meaning (apn=apn, account=user, password=password,
url=mmsc, ip=mmsproxy) unless "=attribute" names another. The pseudo-attribute "mmsproxy-host"
is the provider database's mmsproxy without its trailing ":port".

Notes other than "note: fixed ..." are written by hand (for instance why a renamed operator's
entry was accepted) and kept. `fill` copies every named value exactly as the source writes it, keeps every other value, adds a
note for each port, single-word APN or empty credential that the catalogue fixes and the
named entry writes otherwise, and sets the status: "sourced" when every carried value is either
fixed by the catalogue or named by a source and non-empty, "unsourced" when no value is
named, "partly sourced" otherwise.

`review` weighs every sourced value against its network's entries in all five lists and the
operator's own entries (see review() and Operator) and prints each difference with its class;
`--write` takes the slips and repairs (provenance naming the entries that write the value, a note
naming the old one) and records in the `newer` column what the operator's own entries of the
newest list write instead, and in the `successor` column what the MMS entries of the operator
that took over its network write there (SUCCESSORS). Run `fill` after it.
"""
import argparse
import os
import re
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, '..', '..', 'src', 'catalogue', 'data')
DEFAULT_REF = os.path.join(HERE, '..', '..', '..', 'shared', 'reference')
COLUMNS = ['country', 'operator', 'carries', 'apn', 'account', 'password', 'url', 'ip', 'port',
           'smtp_server', 'smtp_port', 'ssl', 'status', 'source', 'newer', 'successor']
GROUPS = {'mms': ['url', 'ip', 'port'], 'credentials': ['account', 'password'],
          'smtp': ['smtp_server', 'smtp_port', 'ssl']}
DEFAULT_ATTR = {'apn': 'apn', 'account': 'user', 'password': 'password', 'url': 'mmsc',
                'ip': 'mmsproxy'}
ALWAYS_FIXED = {'port', 'smtp_port', 'ssl'}
# Carried values the catalogue fixes as empty text.
FIXED_EMPTY = {
    'wireless': {('Russia', 'Megafon'): {'account', 'password'}},
    'mms': {},
    'mail': {('Russia', 'TELE2'): {'account', 'password'}, ('Russia', 'YOTA'): {'account', 'password'},
             ('Czech Republic', 'Orange'): {'smtp_server', 'smtp_port', 'ssl'}},
}
SEGMENT = re.compile(r'^(\S+)((?:\s+[\w-]+="[^"]*")*)\s+->\s+(.+)$')
SELECTOR = re.compile(r'([\w-]+)="([^"]*)"')


def load_reference(ref):
    files = {}
    for name in sorted(os.listdir(ref)):
        path = os.path.join(ref, name)
        if name.startswith('apns-conf-') and name.endswith('.xml'):
            files[name] = [dict(a.attrib) for a in ET.parse(path).getroot().iter('apn')]
        elif name.startswith('serviceproviders-') and name.endswith('.xml'):
            entries = []
            for c in ET.parse(path).getroot().findall('country'):
                for p in c.findall('provider'):
                    for a in p.iter('apn'):
                        e = {'country': c.get('code'), 'provider': p.findtext('name'),
                             'networks': [(n.get('mcc'), n.get('mnc'))
                                          for n in p.iter('network-id')],
                             'apn': a.get('value'),
                             'usage': ','.join(u.get('type') for u in a.findall('usage'))}
                        for tag, key in (('username', 'user'), ('password', 'password'),
                                         ('mmsc', 'mmsc'), ('mmsproxy', 'mmsproxy')):
                            if a.find(tag) is not None:
                                e[key] = a.findtext(tag) or ''
                        if 'mmsproxy' in e:
                            e['mmsproxy-host'] = re.sub(r':\d+$', '', e['mmsproxy'])
                        entries.append(e)
            files[name] = entries
    return files


def parse_source(text):
    """[(file, {key: value}, [(field, attribute)])], [notes]"""
    segments, notes = [], []
    for part in filter(None, text.split('; ')):
        if part.startswith('note: '):
            notes.append(part)
            continue
        m = SEGMENT.match(part)
        if not m:
            raise ValueError('unreadable source segment: ' + part)
        fields = []
        for f in m.group(3).split():
            field, _, attr = f.partition('=')
            fields.append((field, attr or DEFAULT_ATTR[field]))
        segments.append((m.group(1), dict(SELECTOR.findall(m.group(2))), fields))
    return segments, notes


def find_entry(ref, file, selectors):
    for e in ref[file]:
        if all(e.get(k) == v for k, v in selectors.items()):
            return e
    return None


def carried_fields(carries):
    fields = ['apn']
    for g in filter(None, carries.split('+')):
        fields += GROUPS[g]
    return fields


def read_rows(copy):
    with open(os.path.join(DATA, copy + '-presets.tsv'), encoding='utf-8', newline='') as f:
        lines = f.read().split('\n')
    header = lines[0].split('\t')
    assert header == COLUMNS, lines[0]
    return [dict(zip(COLUMNS, line.split('\t') + [''])) for line in lines[1:] if line]


def write_rows(copy, rows):
    with open(os.path.join(DATA, copy + '-presets.tsv'), 'w', encoding='utf-8', newline='\n') as f:
        f.write('\t'.join(COLUMNS) + '\n')
        for r in rows:
            f.write('\t'.join(r[c] for c in COLUMNS) + '\n')


def process(copy, rows, ref, problems):
    for r in rows:
        key = (r['country'], r['operator'])
        segments, kept = parse_source(r['source'])
        kept = [n for n in kept if not n.startswith('note: fixed ')]
        named, notes = set(), []
        apn_named = any(f == 'apn' for _, _, fields in segments for f, _ in fields)
        for file, sel, fields in segments:
            e = find_entry(ref, file, sel)
            if e is None:
                problems.append(f'{copy} {key}: no entry {file} {sel}')
                continue
            for field, attr in fields:
                value = e.get(attr, '')
                if r[field] != value:
                    problems.append(f'{copy} {key}: {field} {r[field]!r} -> {value!r}')
                r[field] = value
                named.add(field)
            # fixed values written otherwise by this entry
            carried = carried_fields(r['carries'])
            if 'port' in carried and 'ip' in dict(fields):
                pattr = 'port' if dict(fields).get('ip') == 'proxy' else 'mmsport'
                src = e.get(pattr)
                if src is None and 'mmsproxy-host' in e:
                    m = re.search(r':(\d+)$', e['mmsproxy'])
                    src, pattr = (m.group(1), 'mmsproxy port') if m else (None, pattr)
                if src is not None and src != r['port']:
                    notes.append(f'note: fixed port "{r["port"]}", {file} {pattr} "{src}"')
            if not apn_named and r['apn'] and e.get('apn') is not None \
                    and e.get('apn') != r['apn']:
                notes.append(f'note: fixed apn "{r["apn"]}", {file} apn "{e.get("apn")}"')
            for field in sorted(FIXED_EMPTY[copy].get(key, ())):
                attr = DEFAULT_ATTR.get(field)
                if attr and e.get(attr):
                    notes.append(f'note: fixed {field} "", {file} {attr} "{e.get(attr)}"')
        fixed_empty = FIXED_EMPTY[copy].get(key, set())
        missing = []
        for field in carried_fields(r['carries']):
            if field in named:
                if r[field] == '' and field not in fixed_empty:
                    missing.append(field)
            elif field in ALWAYS_FIXED or field in fixed_empty:
                continue
            elif field == 'apn' and r['apn'] and not re.search(r'\.', r['apn']):
                continue  # single-word APN the catalogue fixes
            else:
                if r[field]:
                    problems.append(f'{copy} {key}: {field} {r[field]!r} has no source')
                missing.append(field)
        r['status'] = ('sourced' if not missing else
                       'unsourced' if not named else 'partly sourced')
        base = [s for s in r['source'].split('; ') if s and not s.startswith('note: ')]
        seen = []
        for n in notes:
            if n not in seen:
                seen.append(n)
        r['source'] = '; '.join(base + kept + seen)


# --- review: sourced values against the later public lists ---------------------------------

# Files in the order they were published; a value is compared with the files after its own.
PUBLISHED = ['apns-conf-2010-12.xml', 'apns-conf-2012-12.xml', 'apns-conf-2016-12.xml',
             'serviceproviders-2023-04.xml', 'apns-conf-2024-10.xml']
# The attribute of a provider-database entry that answers an apns-conf attribute.
PROVIDER_ATTR = {'apn': 'apn', 'user': 'user', 'password': 'password', 'mmsc': 'mmsc',
                 'mmsproxy': 'mmsproxy-host', 'proxy': 'mmsproxy-host',
                 'mmsproxy-host': 'mmsproxy-host'}
MMS_FIELDS = {'url', 'ip'}


# Every use an entry with type="*" serves.
ANY_TYPE = {'default', 'internet', 'mms', 'supl'}


def entry_types(e):
    if 'usage' in e:  # provider database
        return set(e['usage'].split(','))
    types = set(filter(None, e.get('type', '').split(',')))
    if not types or '*' in types:
        return ANY_TYPE  # no type or "*": the entry serves every use
    return types


def wants_mms(field, source_entry):
    """Whether MMS entries (else internet entries) weigh a value of the source entry: URL and
    IP, and an APN or account of an entry that serves MMS only."""
    if field in MMS_FIELDS:
        return True
    return 'mms' in entry_types(source_entry) and 'default' not in entry_types(source_entry) \
        and 'internet' not in entry_types(source_entry)


def combined(field, source_entry):
    """An APN or account of an entry that serves both MMS and internet access."""
    return field not in MMS_FIELDS and serves(source_entry, True) and serves(source_entry, False)


def later_use(field, source_entry, row):
    """Whether a newer value of the field comes from MMS entries (else internet entries). An APN
    of an entry that serves both uses is the one the window needs: the MMS one where the preset
    carries the MMS server (the camera sends its pictures through it), the internet one in the
    mail window. Such a value stays current while the entries of either use write it: "Telenor
    RS MMS" of 2010, typed "default,supl,mms", gives Mobtel's MMS APN "mms", which its MMS entry
    still writes; its internet APN "internet" is no newer value of it."""
    if combined(field, source_entry):
        return 'mms' in row['carries'].split('+')
    return wants_mms(field, source_entry)


def alike(e, source_entry):
    """Whether an entry serves internet access too where the source entry does: on a tie, the
    value of an entry that serves both uses follows a catalogue value taken from one."""
    return serves(e, False) or not serves(source_entry, False)


def serves(e, mms):
    types = entry_types(e)
    return 'mms' in types if mms else bool(types & {'default', 'internet'})


def number(text):
    return int(text) if text is not None and text.isdigit() else text


def networks(e):
    """MCC and MNC as numbers: "007" and "07" name one network."""
    if 'networks' in e:
        return {(number(mcc), number(mnc)) for mcc, mnc in e['networks']}
    return {(number(e.get('mcc')), number(e.get('mnc')))}


def entry_value(file, e, attr):
    a = PROVIDER_ATTR.get(attr, attr) if file.startswith('serviceproviders-') else attr
    if a == 'mmsproxy-host' and not file.startswith('serviceproviders-'):
        a = 'mmsproxy'
    return e.get(a)


def describe(file, e):
    if file.startswith('serviceproviders-'):
        keys = [('country', e['country']), ('provider', e['provider']), ('apn', e['apn'])]
    else:
        keys = [(k, e.get(k)) for k in ('carrier', 'mcc', 'mnc', 'type') if e.get(k) is not None]
    return file + ' ' + ' '.join(f'{k}="{v}"' for k, v in keys)


GENERIC_WORDS = {'mms', 'internet', 'wap', 'gprs', 'web', 'data', 'apn', 'prepaid', 'postpaid',
                 'post', 'pre', 'contract', 'card', 'lte', 'isp', 'net', 'mobile', 'tele',
                 'telecom', 'movil', 'mobil', 'cellular', 'wireless', 'default', 'supl'}
# Second-level labels under which a country's domains are registered ("unifon.com.ar").
SECOND_LEVEL = {'com', 'co', 'net', 'org', 'gov', 'gob', 'ac', 'ne', 'or', 'edu'}
TOP_LEVEL = re.compile(r'^([a-z]{2}|com|net|org|info|biz|mobi)$')


def name_parts(text):
    """The words of a carrier or operator name that can tell it apart, and the whole name run
    together ("Tele 2" and "Tele2 EE MMS" meet in "tele2"). A number run onto a generic word
    is two words ("3MMS" is brand "3" and "MMS"), too short to be a brand of its own."""
    words, compact = set(tokens(text)), re.sub('[^a-z0-9]', '', text.lower())
    return {w for w in words if len(w) > 2} - GENERIC_WORDS, compact


def tokens(text):
    """The words of a name in order, lower case; a capital after a small letter, or a small
    letter after two capitals, starts a word ("myGlobe MMS" is "my", "globe", "mms";
    "VOXmobile" is "vox", "mobile")."""
    text = re.sub(r'([A-Z]{2})([a-z])', r'\1 \2', re.sub(r'([a-z])([A-Z])', r'\1 \2', text))
    out = []
    for w in filter(None, re.split(r'[^a-z0-9]+', text.lower())):
        m = re.fullmatch(r'(\d+)([a-z]+)', w)
        out += [m.group(1), m.group(2)] if m and m.group(2) in GENERIC_WORDS else [w]
    return out


def runs(text):
    """Every run of whole consecutive words of a name, run together: a name is named by a
    carrier when one of these equals it ("T-Mobile UK" names "tmobile", "lifecell" not
    "life")."""
    words = tokens(text)
    return {''.join(words[i:j]) for i in range(len(words)) for j in range(i + 1, len(words) + 1)}


def domain(name):
    """The registered domain of a host name or dotted APN ("mms.tele2.ee" -> "tele2.ee"),
    None for an address, a single word or a name outside the public domains."""
    labels = (name or '').strip().lower().split('.')
    if len(labels) < 2 or not TOP_LEVEL.match(labels[-1]) or not labels[-2]:
        return None
    n = 3 if len(labels) >= 3 and labels[-2] in SECOND_LEVEL and len(labels[-1]) == 2 else 2
    return '.'.join(labels[-n:])


def host_of(value):
    m = re.match(r'^[A-Za-z]+:/*([^/:]+)', value)
    return m.group(1) if m else value.split('/')[0].split(':')[0]


def entry_domains(e):
    hosts = [e.get('apn'), host_of(e.get('mmsc') or ''), e.get('mmsproxy-host', e.get('mmsproxy')),
             e.get('proxy')]
    return {d for d in map(domain, hosts) if d}


# Entries filed under an operator they do not belong to, which no rule can tell apart: each
# names the entry (file, provider, APN) and the reason. The review does not weigh them.
MISFILED = {
    # An MMS entry named "Vodacom MMS" under Vibo's provider on 466/89; no other list has its
    # APN "MMS" or its proxy 10.154.0.12 on that network.
    ('serviceproviders-2023-04.xml', 'Vibo Telecom / Aurora', 'MMS'),
}


def misfiled(file, e):
    return (file, e.get('provider'), e.get('apn')) in MISFILED


class Lists:
    """The five lists, read once: every entry with its networks, and which domain each network's
    entries write most (the network's owner) and where each domain is written most (its home)."""

    def __init__(self, ref):
        self.ref = ref
        self.entries = [(f, e) for f in PUBLISHED for e in ref.get(f, []) if not misfiled(f, e)]
        by_net, homes = {}, {}
        self.info, self.by_country = {}, {}
        for f, e in self.entries:
            nets, doms = networks(e), entry_domains(e)
            name = e.get('carrier') or e.get('provider') or ''
            self.info[id(e)] = (nets, doms, name_parts(name), runs(name))
            for mcc in {mcc for mcc, _ in nets}:
                self.by_country.setdefault(mcc, []).append((f, e))
            for n in nets:
                for d in doms:
                    by_net.setdefault(n, {}).setdefault(d, 0)
                    by_net[n][d] += 1
                    homes.setdefault(d, {}).setdefault(n, 0)
                    homes[d][n] += 1
        self.owner = {n: max(c, key=c.get) for n, c in by_net.items()}
        self.home = {d: {n for n, k in c.items() if k == max(c.values())}
                     for d, c in homes.items()}

    def nets(self, e):
        return self.info[id(e)][0]

    def countries(self, e):
        return {mcc for mcc, _ in self.nets(e)}

    def domains(self, e):
        return self.info[id(e)][1]

    def carrier(self, e):
        return self.info[id(e)][2]

    def runs(self, e):
        return self.info[id(e)][3]


# Other names an operator's own entries carry: the same company under another or a later name,
# on its own network. A carrier name counts only where it is one of these, never where it merely
# begins with the operator's name. Another company that took over the network is a successor
# (SUCCESSORS), not a name.
OWN_NAMES = {
    # Tunisie Télécom under its English name: "Tunisia Telecom MMS" on 605/02, APN mms.tn.
    ('Tunisia', '*'): ('Tunisia Telecom',),
    # life:) renamed lifecell (2016); its entries stay on 255/06.
    ('Ukraine', 'Life'): ('lifecell',),
    # VIBOONE is Vibo's own plan, the two words run together in capitals.
    ('Taiwan(China)', 'Vibo'): ('VIBOONE',),
    # DST Communications, DSTCom, is DST.
    ('Brunei', '*'): ('DSTCom',),
    # proXL's company, PT Excelcomindo Pratama, by its own name.
    ('Indonesia', 'ProXL'): ('Excelcomindo',),
    # Oman Mobile, Omantel's mobile arm, merged into Omantel (2010); its entries stay on 422/02.
    ('Oman', 'Oman Mobile'): ('Omantel',),
}


class Operator:
    """Whose entries a preset may follow: the source entry's operator. Its networks are those of
    its country whose entries mostly write its domain (the source entry's own network where no
    network does: a rebrand, a brand that shares another's); its entries are those on its networks
    that carry its name or domain and write no domain at home on another operator's network."""

    def __init__(self, lists, row, e):
        self.lists, self.cache = lists, {}
        # An APN that only looks like a domain under a generic word ("internet.com", Rogers'
        # internet APN) names no operator: its "network" would be any that writes the word.
        apn_domain, url_domain = (d if d and d.split('.')[0] not in GENERIC_WORDS else None
                                  for d in (domain(e.get('apn')),
                                            domain(host_of(e.get('mmsc') or ''))))
        self.domains = {d for d in (apn_domain or url_domain,) if d}
        self.names = {d.split('.')[0].replace('-', '') for d in self.domains}
        for text in (row['operator'], e.get('carrier') or e.get('provider') or '',
                     *OWN_NAMES.get((row['country'], row['operator']), ())):
            words, compact = name_parts(text)
            self.names |= words | ({compact} if len(compact) > 1 else set())
        self.names -= GENERIC_WORDS
        countries = lists.countries(e)
        self.networks = {n for n, d in lists.owner.items() if n[0] in countries and d in self.domains}
        # The source entry's own network too, unless it was filed under another operator's: one
        # whose entries mostly write a domain the source entry does not, while its operator has a
        # network of its own. A virtual operator's entry is on another's network by design.
        if not self.networks or 'mvno_type' in e:
            self.networks |= lists.nets(e)
        else:
            self.networks |= {n for n in lists.nets(e) if lists.owner.get(n) in lists.domains(e)}

    def foreign(self, e):
        return any(d not in self.domains and not self.lists.home.get(d, set()) & self.networks
                   for d in self.lists.domains(e))

    def owns(self, e):
        key = id(e)
        if key not in self.cache:
            self.cache[key] = self.decide(e)
        return self.cache[key]

    def named(self, e):
        return bool(self.names & self.lists.runs(e))

    def decide(self, e):
        # An entry under another brand's name is that brand's, whatever domain it writes.
        branded = bool(self.lists.carrier(e)[0])
        return bool(self.lists.nets(e) & self.networks) and not self.foreign(e) \
            and (self.named(e) or not branded and bool(self.lists.domains(e) & self.domains))


# Operators whose network another company took over: the successor's entries on that network
# are the only current public data for it, yet they are another operator's values, never the
# operator's own newer ones; the review records them in the `successor` column. (country,
# operator) -> the successor's name as the catalogue shows it, and the names its entries carry.
SUCCESSORS = {
    # Vibo Telecom was bought by Taiwan Star (2014), "T Star" in the 2024 list; Vibo's own MMS
    # entry of 2023 still writes the catalogue's values, so T Star's are its successor's.
    ('Taiwan(China)', 'Vibo'): ('T Star', ('T Star',)),
    # T-Mobile UK merged with Orange UK into Everything Everywhere (2010), the EE brand since
    # 2012; its MMS entries on 234/30 are "EE MMS".
    ('United Kingdom', 'T-Mobile'): ('EE', ('EE',)),
    # One, renamed Orange Austria, was bought by Hutchison's Drei (2013); "3 AT" on 232/05.
    ('Austria', 'One'): ('Drei', ('Drei', '3')),
    # China Mobile bought Peoples (2006), now China Mobile Hong Kong; "CMHK" on 454/12.
    ('Hong Kong(China)', 'Peoples'): ('China Mobile Hong Kong', ('CMHK', 'China Mobile')),
    # Oi bought Brasil Telecom (2009) and carries on its network 724/16 as "Oi".
    ('Brazil', 'Brazil Telecom'): ('Oi', ('Oi',)),
}


def mms_typed(e):
    """Whether an entry names MMS among its types (the provider database: its usages)."""
    return 'mms' in (e['usage'] if 'usage' in e else e.get('type', '')).split(',')


class Successor:
    """The operator that took over the network of a preset's source entry. Its entries are those
    on that very network (MCC and MNC) typed for MMS that carry one of its names and write no
    domain at home only on networks none of its entries is on: the provider database's "China
    Mobile" entry on 454/12 carries SmarTone's server, at home on 454/06."""

    def __init__(self, lists, row, e):
        self.name, names = SUCCESSORS[(row['country'], row['operator'])]
        self.lists, self.network = lists, lists.nets(e)
        self.names = {name_parts(n)[1] for n in names}
        countries = lists.countries(e)
        self.networks = {n for mcc in countries for _, x in lists.by_country.get(mcc, [])
                         if self.named(x) for n in lists.nets(x) if n[0] in countries}

    def named(self, e):
        return bool(self.names & self.lists.runs(e))

    def owns(self, e):
        return bool(self.lists.nets(e) & self.network) and mms_typed(e) and self.named(e) \
            and all(self.lists.home.get(d, set()) & self.networks for d in self.lists.domains(e))


def damerau(a, b):
    d = {(i, -1): i + 1 for i in range(-1, len(a))}
    d.update({(-1, j): j + 1 for j in range(-1, len(b))})
    for i in range(len(a)):
        for j in range(len(b)):
            cost = 0 if a[i] == b[j] else 1
            d[i, j] = min(d[i - 1, j] + 1, d[i, j - 1] + 1, d[i - 1, j - 1] + cost)
            if i and j and a[i] == b[j - 1] and a[i - 1] == b[j]:
                d[i, j] = min(d[i, j], d[i - 2, j - 2] + 1)
    return d[len(a) - 1, len(b) - 1]


def well_formed_url(value):
    return re.match(r'^https?://[A-Za-z0-9]', value) is not None


def normal_form(field, value):
    """What a value means, written one way: no leading zeros in a dotted address, names in
    lower case (APNs and host names ignore case), no "/" alone after a URL's host."""
    def address(text):
        parts = text.split('.')
        if len(parts) == 4 and all(p.isdigit() for p in parts):
            return '.'.join(str(int(p)) for p in parts)
        return text
    if field == 'ip':
        return address(value)
    if field == 'apn':
        return value.lower()
    if field == 'url':
        m = re.match(r'^(\w+://)([^/:]+)(.*)$', value)
        if m:
            rest = '' if m.group(3) == '/' else re.sub(r'^(:\d+)/$', r'\1', m.group(3))
            return m.group(1).lower() + address(m.group(2)).lower() + rest
    return value


def classify(field, old, new):
    """How `new` (a later list's value for the same network) relates to `old`:
    'notation' - the same thing written otherwise: leading zeros of an address, the letter case
                 of an APN or a host name (neither distinguishes case), a URL's "/" after the
                 host;
    'mistake'  - `new` repairs `old`: a blank before or after the value, a malformed scheme
                 ("http:/"), or a slip in one label of a
                 name (one letter changed, added, dropped or two swapped) that is neither the
                 top-level domain nor shorter than four letters, digits unchanged;
    'change'   - anything else: another server, APN or account."""
    if normal_form(field, old) == normal_form(field, new):
        return 'notation'
    if old.strip() == new and old != new:
        return 'mistake'  # a blank before or after the value
    if field == 'url' and not well_formed_url(old) and well_formed_url(new):
        for scheme in ('http://', 'https://'):
            if re.sub(r'^[A-Za-z]+:/*', scheme, old) == new:
                return 'mistake'
    if field in ('apn', 'url', 'ip'):
        a, b = (host_of(old), host_of(new)) if field == 'url' else (old, new)
        if old.replace(a, '', 1) != new.replace(b, '', 1):
            return 'change'  # another port or path
        la, lb = a.lower().split('.'), b.lower().split('.')
        differ = [i for i in range(min(len(la), len(lb))) if la[i] != lb[i]]
        if len(la) == len(lb) and len(differ) == 1 and differ[0] != len(la) - 1 \
                and len(la[differ[0]]) >= 4 and re.search('[a-z]', la[differ[0]]) \
                and re.sub('[^0-9]', '', la[differ[0]]) == re.sub('[^0-9]', '', lb[differ[0]]) \
                and damerau(la[differ[0]], lb[differ[0]]) == 1:
            return 'mistake'
    return 'change'


def parts_of(field, value):
    """A normalised value cut where a slip is looked for: the labels of its host, then (URL)
    each path segment; the rest (scheme, port) as one part that must stay equal."""
    if field == 'url':
        m = re.match(r'^(\w+://)([^/:]+)(:\d+)?(/.*)?$', value)
        if not m:
            return None, None
        return m.group(1) + (m.group(3) or ''), (m.group(2).split('.'), (m.group(4) or '').split('/'))
    if field in ('apn', 'ip'):
        return '', (value.split('.'), [])
    return None, None


def slip(field, old, new):
    """True when `old` is a slip of `new`: after notation, one or two characters changed, added,
    dropped or swapped in one label of the host (not the top-level domain of a dotted name) or
    in one path segment, a letter among them ("02" for "o2"; "mms1" and "mms2" are two servers),
    fewer edits than the part is long, everything else equal."""
    a, b = normal_form(field, old), normal_form(field, new)
    (fa, pa), (fb, pb) = parts_of(field, a), parts_of(field, b)
    if pa is None or pb is None or fa != fb or a == b:
        return False
    if field == 'apn' and '.' not in a:
        return False  # a single word is a name of its own ("net", "unet")
    (la, sa), (lb, sb) = pa, pb
    if len(la) != len(lb) or len(sa) != len(sb):
        return False
    differ = [(x, y, i == len(la) - 1 and len(la) > 1)
              for i, (x, y) in enumerate(zip(la, lb)) if x != y]
    differ += [(x, y, False) for x, y in zip(sa, sb) if x != y]
    if len(differ) != 1:
        return False
    x, y, top_level = differ[0]
    if top_level or re.sub('[0-9]', '', x) == re.sub('[0-9]', '', y):
        return False  # another country's domain, another address or numbered server ("mms2")
    return 1 <= damerau(x, y) <= 2 and damerau(x, y) < min(len(x), len(y))


def consensus(lists, op, e, field, attr, files=PUBLISHED, mms=None):
    """{normal form: [(file, entry, value)]} of the entries that serve the source entry's use
    (or `mms`): every entry of its network, and the operator's own entries on its other
    networks."""
    mms = wants_mms(field, e) if mms is None else mms
    out = {}
    nearby = [t for mcc in sorted(lists.countries(e), key=str) for t in lists.by_country.get(mcc, [])]
    for f, x in nearby:
        if f not in files or not serves(x, mms):
            continue
        if not (lists.nets(x) & lists.nets(e) or op.owns(x)):
            continue
        value = entry_value(f, x, attr)
        if value is None or (value == '' and field in MMS_FIELDS | {'apn'}):
            continue
        out.setdefault(normal_form(field, value), []).append((f, x, value))
    return out


def support(entries):
    """How many entries write a value, each counted once however many lists repeat it (the
    same carrier name on the same network)."""
    return len({(f.startswith('serviceproviders-'), (x.get('carrier') or x.get('provider') or '')
                 .lower(), x.get('apn') if 'provider' in x else None, frozenset(networks(x)))
                for f, x, _ in entries})


def writers(op, entries, value):
    """One entry of each list that writes exactly `value`, the operator's own first."""
    chosen = {}
    for f, x, v in sorted(entries, key=lambda t: not op.owns(t[1])):
        if v == value and f not in chosen:
            chosen[f] = x
    return [(f, chosen[f]) for f in PUBLISHED if f in chosen]


def review(copy, rows, lists, out):
    """Every sourced value the lists write otherwise, with its class: 'slip' (one or two edits
    from what most entries of its network and its operator write: the catalogue takes that),
    'mistake' (a later entry of the operator repairs it, see classify), 'change' (the operator's
    own entries of the newest list write another value: recorded as newer), 'notation' (they
    write it otherwise) or 'current' (one of them still writes it); and, for an operator whose
    network another took over (SUCCESSORS), 'successor' (the MMS entries of its successor on
    that network in the newest list that has any write another value)."""
    ref = lists.ref
    for r in rows:
        segments, _ = parse_source(r['source'])
        for file, sel, fields in segments:
            e = find_entry(ref, file, sel)
            if e is None or file not in PUBLISHED:
                continue
            op = Operator(lists, r, e)
            heir = Successor(lists, r, e) if (r['country'], r['operator']) in SUCCESSORS else None
            later = PUBLISHED[PUBLISHED.index(file) + 1:]
            for field, attr in fields:
                old = r[field]
                found = consensus(lists, op, e, field, attr)
                counts = {k: support(v) for k, v in found.items()}
                best = max(counts, key=counts.get, default=None)
                if best is not None and counts[best] > counts.get(normal_form(field, old), 0):
                    # The era's text of the consensus: the earliest entry that writes it.
                    value = writers(op, found[best], found[best][0][2])[0][1]
                    value = entry_value(writers(op, found[best], found[best][0][2])[0][0],
                                        value, attr)
                    if slip(field, old, value):
                        out.append(('slip', copy, r, field, attr, old, value,
                                    writers(op, found[best], value), file, e))
                        continue
                # The newest list with entries of the operator's own decides, from the entries
                # of the use a newer value comes from; an APN of an entry that serves both uses
                # is current while the entries of either use write it.
                mms = later_use(field, e, r)
                uses = [mms, not mms] if combined(field, e) else [mms]
                newest = {use: newest_entries(lists, op, e, field, attr, later, use, op.owns,
                                              key=lambda t: (not op.named(t[1]),
                                                             'mvno_type' in t[1],
                                                             not alike(t[1], e)))
                          for use in uses}
                repairs = [t for lf in later
                           for t in sum(consensus(lists, op, e, field, attr, [lf]).values(), [])
                           if op.owns(t[1]) and classify(field, old, t[2]) == 'mistake']
                if repairs:
                    lf, le, value = repairs[0]
                    out.append(('mistake', copy, r, field, attr, old, value, [(lf, le)], file, e))
                elif any(newest.values()):
                    current = [t for use in uses for t in newest[use]
                               if normal_form(field, t[2]) == normal_form(field, old)]
                    if current:
                        lf, le, value = current[0]
                        out.append(('current', copy, r, field, attr, old, value, [(lf, le)],
                                    file, e))
                    elif newest[mms]:
                        cls, (lf, le, value) = settle(lists, op, field, attr, old, newest[mms], mms)
                        out.append((cls, copy, r, field, attr, old, value, [(lf, le)], file, e))
                # The successor's values on the network, from its MMS entries alone.
                if heir is None or not mms:
                    continue
                found = newest_entries(lists, heir, e, field, attr, later, True, heir.owns,
                                       key=lambda t: 'mvno_type' in t[1])
                if found:
                    cls, (lf, le, value) = settle(lists, heir, field, attr, old, found, True)
                    if cls != 'current':
                        out.append(('successor', copy, r, field, attr, old, value, [(lf, le)],
                                    file, e))


def newest_entries(lists, op, e, field, attr, later, mms, owns, key):
    """[(file, entry, value)] of the newest of the `later` lists that has entries `owns`
    accepts among those that weigh the field (MMS or internet entries), in the order `key`
    gives them."""
    for lf in reversed(later):
        found = sorted((t for ts in consensus(lists, op, e, field, attr, [lf], mms).values()
                        for t in ts if owns(t[1])), key=key)
        if found:
            return found
    return []


def settle(lists, op, field, attr, old, newest, mms):
    """What the newest list's entries write for the catalogue's value `old`: ('current', t)
    where one of them still writes it; otherwise the value most of them write (the first on a
    tie), or, where that is a slip of what its network's entries mostly write, theirs, with its
    class (see classify)."""
    current = [t for t in newest if normal_form(field, t[2]) == normal_form(field, old)]
    if current:
        return 'current', current[0]
    tally = {}
    for t in newest:
        tally.setdefault(normal_form(field, t[2]), []).append(t)
    lf, le, value = max(tally.values(), key=len)[0]
    siblings = consensus(lists, op, le, field, attr, mms=mms)
    best = max(siblings, key=lambda k: support(siblings[k]))
    if slip(field, value, best) and \
            support(siblings[best]) > support(siblings[normal_form(field, value)]):
        if best == normal_form(field, old):
            return 'current', (lf, le, old)
        candidates = [t for t in siblings[best] if t[0] == lf] or siblings[best]
        lf, le, value = candidates[0]
    return classify(field, old, value), (lf, le, value)


def selector(ref, file, entry, attr, value):
    """The keys of a source segment that select `entry` (the first match) with `value`."""
    if file.startswith('serviceproviders-'):
        keys = ['country', 'provider', 'apn', 'usage', attr]
    else:
        keys = ['carrier', 'mcc', 'mnc', 'type', attr]
    sel = {}
    for i, k in enumerate(keys):
        if entry.get(k) is None:
            continue
        sel[k] = entry[k]
        found = find_entry(ref, file, sel)
        if i >= 2 and found is not None and found.get(attr) == value:
            break
    return sel


def target_attr(file, field, attr):
    if file.startswith('serviceproviders-'):
        return PROVIDER_ATTR.get(attr, attr)
    return 'mmsproxy' if attr == 'mmsproxy-host' else attr


def segment_text(file, sel, field, attr):
    text = file + ''.join(f' {k}="{v}"' for k, v in sel.items()) + ' -> ' + field
    return text if attr == DEFAULT_ATTR.get(field) else text + '=' + attr


def apply_review(ref, found):
    """Takes each repaired value with provenance naming the entries that write it and a note
    naming the old value; records each changed value in the row's `newer` column and each
    successor's value in its `successor` column ({column: {id(row): (row, [part])}})."""
    recorded = {'newer': {}, 'successor': {}}
    for cls, copy, r, field, attr, old, value, entries, file, e in found:
        where = []
        for lf, le in entries:
            a = target_attr(lf, field, attr)
            where.append(segment_text(lf, selector(ref, lf, le, a, value), field, a))
        if cls in ('slip', 'mistake'):
            parts = [p for p in r['source'].split('; ') if p]
            for i, part in enumerate(parts):
                head, _, fields = part.partition(' -> ')
                named = [f.partition('=')[0] for f in fields.split()]
                if part.startswith(file + ' ') and field in named:
                    kept = [f for f in fields.split() if f.partition('=')[0] != field]
                    parts[i] = head + ' -> ' + ' '.join(kept) if kept else ''
                    break
            old_attr = target_attr(file, field, attr)
            parts = [p for p in parts if p]
            base = [p for p in parts if not p.startswith('note: ')]
            notes = [p for p in parts if p.startswith('note: ')]
            r['source'] = '; '.join(base + where + notes +
                                    [f'note: corrected {field}, {file} {old_attr} "{old}"'])
            r[field] = value
        elif cls in ('change', 'successor'):
            assert '"' not in value and '; ' not in value, value
            part = f'{field} "{value}" {where[0]}'
            if cls == 'successor':
                part = f'"{SUCCESSORS[(r["country"], r["operator"])][0]}" {part}'
            recorded['newer' if cls == 'change' else 'successor'] \
                .setdefault(id(r), (r, []))[1].append(part)
    return recorded


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('command', choices=['fill', 'check', 'review'])
    ap.add_argument('--reference', default=DEFAULT_REF)
    ap.add_argument('--write', action='store_true',
                    help='review: take the repairs and record the newer and successor values '
                         'in the files')
    args = ap.parse_args()
    ref = load_reference(args.reference)
    if args.command == 'review':
        found, tables, lists = [], {}, Lists(ref)
        for copy in ('wireless', 'mms', 'mail'):
            tables[copy] = read_rows(copy)
            review(copy, tables[copy], lists, found)
        for cls, copy, r, field, attr, old, value, entries, file, e in found:
            if cls == 'current':
                continue  # no difference
            print('\t'.join([cls, copy, r['country'], r['operator'], field, old, value,
                             ' + '.join(describe(lf, le) for lf, le in entries)]))
        before = {copy: [dict(r) for r in rows] for copy, rows in tables.items()}
        recorded = apply_review(ref, found)
        stale = 0
        for copy, rows in tables.items():
            for r in rows:
                for column, parts in recorded.items():
                    r[column] = '; '.join(parts.get(id(r), (r, []))[1])
            changed = sum(1 for a, b in zip(before[copy], rows) if a != b)
            if changed:
                print(f'{copy}: {changed} rows differ from what the review writes', file=sys.stderr)
            stale += changed
            if args.write:
                write_rows(copy, rows)
        return 1 if stale and not args.write else 0
    out_of_step = False
    for copy in ('wireless', 'mms', 'mail'):
        rows = read_rows(copy)
        before = [dict(r) for r in rows]
        problems = []
        process(copy, rows, ref, problems)
        changed = sum(1 for a, b in zip(before, rows) if a != b)
        for p in problems:
            print(p)
        counts = {s: sum(r['status'] == s for r in rows)
                  for s in ('sourced', 'partly sourced', 'unsourced')}
        print(f'{copy}: {len(rows)} presets, {counts}, {changed} rows would change')
        out_of_step = out_of_step or bool(problems) or changed > 0
        if args.command == 'fill':
            write_rows(copy, rows)
    return 1 if out_of_step and args.command == 'check' else 0


if __name__ == '__main__':
    sys.exit(main())

#!/usr/bin/env python3
"""Maintenance helper for the preset data files (src/catalogue/data/*-presets.tsv).

The TSV files are the source of truth; this script is NOT part of the build. It reads the public
carrier data in ../shared/reference/ (beside the repository) to fill and check the values whose
provenance the `source` column names.

    python3 src/catalogue/tools/presets.py fill  [--reference DIR]   # rewrite values, notes, status
    python3 src/catalogue/tools/presets.py check [--reference DIR]   # report differences only
    python3 src/catalogue/tools/presets.py review [--write]          # compare with later lists

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

`review` compares every sourced value with the same network's entries in the lists published
after its source and prints each difference with its class (see classify()); `--write` takes the
repaired values (provenance naming the later entry, a note naming the old value) and records the
newest list's value of every real change in the `newer` column. Run `fill` after it.
"""
import argparse
import os
import re
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, '..', 'data')
DEFAULT_REF = os.path.join(HERE, '..', '..', '..', '..', 'shared', 'reference')
COLUMNS = ['country', 'operator', 'carries', 'apn', 'account', 'password', 'url', 'ip', 'port',
           'smtp_server', 'smtp_port', 'ssl', 'status', 'source', 'newer']
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
    assert header in (COLUMNS, COLUMNS[:-1]), lines[0]
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


def entry_types(e):
    if 'usage' in e:  # provider database
        return set(e['usage'].split(','))
    types = set(filter(None, e.get('type', '').split(',')))
    return types or {'default', 'mms'}  # no type: the entry serves every use


def wants_mms(field, source_entry):
    if field in MMS_FIELDS:
        return True
    return 'mms' in entry_types(source_entry) and 'default' not in entry_types(source_entry) \
        and 'internet' not in entry_types(source_entry)


def networks(e):
    if 'networks' in e:
        return set(e['networks'])
    return {(e.get('mcc'), e.get('mnc'))}


def same_network(ref, file, source_entry, field, attr):
    """(entry, value) of every entry of `file` that serves the source entry's network and use."""
    mms = wants_mms(field, source_entry)
    nets = networks(source_entry)
    provider = file.startswith('serviceproviders-')
    out = []
    for e in ref.get(file, []):
        if not nets & networks(e):
            continue
        types = entry_types(e)
        if mms and 'mms' not in types:
            continue
        if not mms and not types & {'default', 'internet'}:
            continue
        a = PROVIDER_ATTR.get(attr, attr) if provider else attr
        if a == 'mmsproxy-host' and not provider:
            a = 'mmsproxy'
        value = e.get(a)
        if value is None or (value == '' and field in MMS_FIELDS):
            continue
        out.append((e, value))
    return out


def describe(file, e):
    if file.startswith('serviceproviders-'):
        keys = [('country', e['country']), ('provider', e['provider']), ('apn', e['apn'])]
    else:
        keys = [(k, e.get(k)) for k in ('carrier', 'mcc', 'mnc', 'type') if e.get(k) is not None]
    return file + ' ' + ' '.join(f'{k}="{v}"' for k, v in keys)


GENERIC_WORDS = {'mms', 'internet', 'wap', 'gprs', 'web', 'data', 'apn', 'prepaid', 'postpaid',
                 'post', 'pre', 'contract', 'card', 'lte', 'sp', 'isp', 'net', 'mobile'}


def name_words(e):
    name = e.get('carrier') or e.get('provider') or ''
    return {w for w in re.split(r'[^a-z0-9]+', name.lower()) if len(w) > 1} - GENERIC_WORDS


def host_of(value):
    m = re.match(r'^[A-Za-z]+:/*([^/:]+)', value)
    return m.group(1) if m else value.split('/')[0].split(':')[0]


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


def review(copy, rows, ref, out):
    """Every sourced value that a later list writes otherwise, with its class (see classify)."""
    for r in rows:
        segments, _ = parse_source(r['source'])
        for file, sel, fields in segments:
            e = find_entry(ref, file, sel)
            if e is None or file not in PUBLISHED:
                continue
            later = PUBLISHED[PUBLISHED.index(file) + 1:]
            # The operator's names: the source entry's carrier and the catalogue's own.
            words = name_words(e) | name_words({'carrier': r['operator']})
            for field, attr in fields:
                old = r[field]
                by_file, repairs = {}, []
                for lf in reversed(later):
                    found = same_network(ref, lf, e, field, attr)
                    # A repair in any later entry of the network wins, even where an old copy
                    # of the entry lingers beside it.
                    repairs += sorted(((lf, le, v) for le, v in found
                                       if classify(field, old, v) == 'mistake'),
                                      key=lambda x: not name_words(x[1]) & words)
                    # Otherwise the newest list decides: the operator's own entries where it
                    # still names it, the network's where it does not (a rebrand or a merger).
                    own = [(le, v) for le, v in found if name_words(le) & words]
                    # Without them, no virtual operator that merely shares the network.
                    hosts = [(le, v) for le, v in found
                             if 'mvno_type' not in le or 'mvno_type' in e]
                    for le, value in own or hosts:
                        by_file.setdefault(lf, {}).setdefault(value, []).append((lf, le))
                if not by_file:
                    continue
                if repairs:
                    lf, le, value = repairs[0]
                    out.append(('mistake', copy, r, field, attr, old, value, lf, le, file, e))
                    continue
                newest = by_file[max(by_file, key=PUBLISHED.index)]
                if old in newest:
                    continue
                # The value most of those entries write; the first of them on a tie.
                value, entries = max(newest.items(), key=lambda item: len(item[1]))
                lf, le = entries[0]
                out.append((classify(field, old, value), copy, r, field, attr, old, value, lf, le,
                            file, e))


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
    """Takes each repaired value with provenance naming the later entry and a note naming the
    old one; records each changed value in the row's `newer` column."""
    newer = {}
    for cls, copy, r, field, attr, old, value, lf, le, file, e in found:
        a = target_attr(lf, field, attr)
        where = segment_text(lf, selector(ref, lf, le, a, value), field, a)
        if cls == 'mistake':
            parts = [p for p in r['source'].split('; ') if p]
            for i, part in enumerate(parts):
                if part.startswith(file + ' ') and ' -> ' in part:
                    head, _, fields = part.partition(' -> ')
                    kept = [f for f in fields.split() if f.partition('=')[0] != field]
                    parts[i] = head + ' -> ' + ' '.join(kept) if kept else ''
                    break
            old_attr = target_attr(file, field, attr)
            parts = [p for p in parts if p]
            base = [p for p in parts if not p.startswith('note: ')]
            notes = [p for p in parts if p.startswith('note: ')]
            r['source'] = '; '.join(base + [where] + notes +
                                    [f'note: corrected {field}, {file} {old_attr} "{old}"'])
            r[field] = value
        elif cls == 'change':
            assert '"' not in value and '; ' not in value, value
            newer.setdefault(id(r), (r, []))[1].append(f'{field} "{value}" {where}')
    return newer

def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('command', choices=['fill', 'check', 'review'])
    ap.add_argument('--reference', default=DEFAULT_REF)
    ap.add_argument('--write', action='store_true',
                    help='review: take the repairs and record the newer values in the files')
    args = ap.parse_args()
    ref = load_reference(args.reference)
    if args.command == 'review':
        found, tables = [], {}
        for copy in ('wireless', 'mms', 'mail'):
            tables[copy] = read_rows(copy)
            review(copy, tables[copy], ref, found)
        for cls, copy, r, field, attr, old, value, lf, le, file, e in found:
            print('\t'.join([cls, copy, r['country'], r['operator'], field, old, value,
                             describe(lf, le)]))
        if args.write:
            newer = apply_review(ref, found)
            for copy, rows in tables.items():
                for r in rows:
                    r['newer'] = '; '.join(newer.get(id(r), (r, []))[1])
                write_rows(copy, rows)
        return 0
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
        if args.command == 'fill':
            write_rows(copy, rows)


if __name__ == '__main__':
    sys.exit(main())

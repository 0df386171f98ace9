#!/usr/bin/env python3
"""Maintenance helper for the preset data files (src/catalogue/data/*-presets.tsv).

The TSV files are the source of truth; this script is NOT part of the build. It reads the public
carrier data in ../shared/reference/ (beside the repository) to fill and check the values whose
provenance the `source` column names.

    python3 src/catalogue/tools/presets.py fill  [--reference DIR]   # rewrite values, notes, status
    python3 src/catalogue/tools/presets.py check [--reference DIR]   # report differences only

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
           'smtp_server', 'smtp_port', 'ssl', 'status', 'source']
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
    assert lines[0].split('\t') == COLUMNS, lines[0]
    return [dict(zip(COLUMNS, line.split('\t'))) for line in lines[1:] if line]


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


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('command', choices=['fill', 'check'])
    ap.add_argument('--reference', default=DEFAULT_REF)
    args = ap.parse_args()
    ref = load_reference(args.reference)
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

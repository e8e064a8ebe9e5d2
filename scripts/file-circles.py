#!/usr/bin/env python3
# The files of a folder that lean on each other in a circle. A file pair (X.h and X.cpp) leans on
# another when it includes its header or names what that header declares at its top level (a
# function, a global, a type, a timer). Prints every dependency and the circles; exits 1 when
# there is one.
import os
import re
import sys

folder = sys.argv[1]
name = os.path.basename(os.path.normpath(folder))
pairs = sorted({os.path.splitext(f)[0] for f in os.listdir(folder) if f.endswith(('.h', '.cpp'))})


def source(pair, extension):
    path = os.path.join(folder, pair + extension)
    return open(path, encoding='utf-8').read() if os.path.exists(path) else ''


def code(text):  # without comments and the contents of strings
    text = re.sub(r'//.*|/\*.*?\*/', '', text, flags=re.S)
    return re.sub(r'"(?:\\.|[^"\\])*"', '""', text)


declared = {}
for pair in pairs:
    header = code(source(pair, '.h'))
    names = set(re.findall(r'^(?:inline\s+|extern\s+)?[\w:<>*&]+(?:\s+[\w:<>*&]+)*?\s+\**([A-Z]\w*)\s*\(',
                           header, re.M))
    names |= set(re.findall(r'^extern\s+[\w:<>*&\s]+?\b(\w+)\s*[;\[]', header, re.M))
    names |= set(re.findall(r'^(?:class|struct|enum)\s+(\w+)', header, re.M))
    names |= set(re.findall(r'\b(\w+Timer)\s*=', header))
    declared[pair] = names - {'STDMETHODIMP', 'LRESULT'}

leans = {}
for pair in pairs:
    text = source(pair, '.h') + source(pair, '.cpp')
    body = code(text)
    others = set(re.findall(r'#include "' + name + r'/(\w+)\.h"', text)) - {pair}
    for other in pairs:
        if other != pair and any(re.search(r'\b' + re.escape(n) + r'\b', body) for n in declared[other]):
            others.add(other)
    leans[pair] = others
    for other in sorted(others):
        print(f'{pair} -> {other}')

# Strongly connected components of more than one pair are the circles.
index, low, stack, on_stack, circles = {}, {}, [], set(), []


def visit(pair):
    index[pair] = low[pair] = len(index)
    stack.append(pair)
    on_stack.add(pair)
    for other in leans[pair]:
        if other not in index:
            visit(other)
            low[pair] = min(low[pair], low[other])
        elif other in on_stack:
            low[pair] = min(low[pair], index[other])
    if low[pair] == index[pair]:
        component = []
        while True:
            member = stack.pop()
            on_stack.discard(member)
            component.append(member)
            if member == pair:
                break
        if len(component) > 1:
            circles.append(sorted(component))


for pair in pairs:
    if pair not in index:
        visit(pair)
for circle in circles:
    print('circle: ' + ' '.join(circle))
sys.exit(1 if circles else 0)

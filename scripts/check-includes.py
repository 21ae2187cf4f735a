#!/usr/bin/env python3
"""Holds the tree to its layering: fails on an #include that crosses it.

    scripts/check-includes.py            check; one line per offending include, status 1
    scripts/check-includes.py --graph    also print which folder includes which

The layers, lowest first: each folder of src/ is one, and may include its own headers and
those of the folders listed for it, nothing else:

    platform      the service interfaces and their plain types
    forms         the portable forms runtime, on top of platform
    common        shared routines, on top of forms and platform
    seams         what the subsystems may do to windows the shell owns (the widget)
    cleaning, network, dialup, screenguard
                  the subsystems: platform, forms, common and seams only, never each other
    shell         start-up, the widget, the network window, the bundle of every service
                  (shell/context.h): composes the subsystems
    win32         the real services and the forms runtime's Win32 backend: the only code
                  besides app that may include windows.h and the rest of the Windows SDK
    app           WinMain: builds the win32 services and the shell's program

The fakes and unit suites build natively and include no Windows header and nothing of
win32 either.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SRC = ROOT / "src"

SUBSYSTEMS = {"cleaning", "network", "dialup", "screenguard"}
PORTABLE_BASE = {"platform", "forms", "common", "seams"}
ALLOWED = {
    "platform": {"platform"},
    "forms": {"platform", "forms"},
    "common": {"platform", "forms", "common"},
    "seams": {"platform", "forms", "seams"},
    "shell": PORTABLE_BASE | SUBSYSTEMS | {"shell"},
    "win32": {"platform", "forms", "win32"},
    "app": PORTABLE_BASE | SUBSYSTEMS | {"shell", "win32", "app"},
}
for name in SUBSYSTEMS:
    ALLOWED[name] = PORTABLE_BASE | {name}
WIN32_SIDE = {"win32", "app"}
# Headers the build writes into its own tree, not under src/; every layer may include them.
GENERATED = {"sparvane/version.h"}
# Headers of the Windows SDK the program uses or might reach for; portable code includes
# none (and, being standard C++, no other header ending in .h either).
SDK_HEADERS = {
    "windows.h", "windowsx.h", "commctrl.h", "shellapi.h", "shlobj.h", "shlwapi.h", "iphlpapi.h",
    "ras.h", "raserror.h", "wininet.h", "winsock2.h", "ws2tcpip.h", "uxtheme.h", "objbase.h",
    "psapi.h", "winreg.h", "winuser.h", "wingdi.h", "winbase.h", "winnt.h", "shobjidl.h",
    "knownfolders.h", "dwmapi.h", "tlhelp32.h", "sddl.h", "winerror.h", "mmsystem.h",
}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def layer_of(path: pathlib.Path) -> str:
    """The layer a file under src/ belongs to: its top folder."""
    return path.relative_to(SRC).parts[0]


def layer_of_include(target: str) -> str:
    return target.split("/")[0]


def includes(path: pathlib.Path):
    for number, line in enumerate(path.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
        match = INCLUDE.match(line)
        if match:
            yield number, match.group(1), match.group(2)


def sources(folder: pathlib.Path):
    return sorted(p for p in folder.rglob("*") if p.suffix in {".h", ".cpp"} and p.is_file())


def check_src(problems, graph):
    for path in sources(SRC):
        layer = layer_of(path)
        where = path.relative_to(ROOT)
        if layer not in ALLOWED:
            problems.append(f"{where}: folder src/{layer} has no place in the layering (scripts/check-includes.py)")
            continue
        for number, kind, target in includes(path):
            if kind == "<":
                name = target.lower()
                if layer not in WIN32_SIDE and (name in SDK_HEADERS or name.endswith(".h")):
                    problems.append(f"{where}:{number}: <{target}> outside win32 and app")
                continue
            if target in GENERATED:
                continue
            if not (SRC / target).is_file():
                problems.append(f'{where}:{number}: "{target}" is not a header under src/')
                continue
            to = layer_of_include(target)
            if to != layer:
                graph.setdefault(layer, set()).add(to)
            if to not in ALLOWED[layer]:
                problems.append(f'{where}:{number}: {layer} may not include "{target}" ({to})')


def check_tests(problems):
    for folder in (ROOT / "tests" / "fakes", ROOT / "tests" / "unit"):
        for path in sources(folder):
            for number, kind, target in includes(path):
                if kind == "<" and target.lower() in SDK_HEADERS:
                    problems.append(f"{path.relative_to(ROOT)}:{number}: <{target}> in a native test")
                if kind == '"' and layer_of_include(target) == "win32":
                    problems.append(f'{path.relative_to(ROOT)}:{number}: "{target}" (Win32 side) in a native test')


def cycles(graph):
    """Every folder that lies on a cycle of the include graph."""
    on_cycle = set()
    for start in graph:
        stack, seen = [start], set()
        while stack:
            node = stack.pop()
            for nxt in graph.get(node, ()):
                if nxt == start:
                    on_cycle.add(start)
                elif nxt not in seen:
                    seen.add(nxt)
                    stack.append(nxt)
    return sorted(on_cycle)


def main(argv):
    problems, graph = [], {}
    check_src(problems, graph)
    check_tests(problems)
    for layer in cycles(graph):
        problems.append(f"src/{layer}: lies on a cycle of includes between folders")
    if "--graph" in argv:
        for layer in sorted(graph):
            print(f"{layer} -> {', '.join(sorted(graph[layer]))}")
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        print(f"check-includes: {len(problems)} include(s) cross the layering", file=sys.stderr)
        return 1
    print("check-includes: the layering holds")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

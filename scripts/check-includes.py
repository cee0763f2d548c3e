#!/usr/bin/env python3
"""Checks the include rule of docs/architecture.md over the sources.

- Every include of ours names its folder ("platform/location/LocationManager.h").
- No platform folder includes a screen's code (app, coords, templates, report, map,
  about, controls).
- A platform service includes only itself and the services listed for it below.
- platform/ itself holds no source file, only service folders.

Prints one line per broken include and exits 1 if there is any; exits 0 otherwise.
Usage: check-includes.py [TOP]   (TOP defaults to the folder above this script)
       check-includes.py --self-test  (the rule's own check on a made-up tree)
"""
import pathlib
import re
import sys

# Which service may use which; a service may always use itself.
ALLOWED = {
    "foundation": set(),
    "ui": {"foundation"},
    "lifecycle": {"foundation", "ui"},
    "location": {"foundation"},
    "geocoding": {"foundation", "location"},
    "mapview": {"foundation", "location", "geocoding"},
    "messaging": {"foundation"},
    "contacts": {"foundation"},
    "devicesettings": {"foundation", "ui", "location", "messaging", "contacts", "mapview"},
}
SCREENS = {"app", "coords", "templates", "report", "map", "about", "controls"}
# Where code of ours is read from; tests, benchmarks, fuzzers and tools may use anything.
SOURCE_DIRS = SCREENS | {"platform", "tests", "bench", "fuzz", "tools"}
SUFFIXES = {".h", ".cpp", ".ui"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
UI_HEADER = re.compile(r"<header>([^<]+)</header>")


def includes(path):
    text = path.read_text(encoding="utf-8", errors="replace")
    pattern = UI_HEADER if path.suffix == ".ui" else INCLUDE
    for match in pattern.finditer(text):
        line = text.count("\n", 0, match.start()) + 1
        yield line, match.group(1)


def problems(top):
    for path in sorted((top / "platform").iterdir()):
        if path.is_file() and path.suffix in SUFFIXES:
            yield f"{path.relative_to(top)}: a source file directly in platform/; put it in a service folder"
        elif path.is_dir() and path.name not in ALLOWED:
            yield f"{path.relative_to(top)}: a platform folder the include rule does not know"

    files = [p for d in SOURCE_DIRS | {"resources"} if (top / d).is_dir()
             for p in (top / d).rglob("*") if p.suffix in SUFFIXES and p.is_file()]
    for path in sorted(files):
        rel = path.relative_to(top)
        parts = rel.parts
        service = parts[1] if parts[0] == "platform" and len(parts) > 2 else None
        for line, name in includes(path):
            target = name.split("/")
            where = f"{rel}:{line}: \"{name}\""
            if target[0] == "platform":
                if len(target) != 3 or target[1] not in ALLOWED:
                    yield f"{where}: platform headers are named by their service folder"
                elif service and target[1] != service and target[1] not in ALLOWED[service]:
                    yield f"{where}: {service}/ may not use {target[1]}/"
            elif target[0] in SCREENS and service:
                yield f"{where}: the platform never includes a screen's code"


def self_test():
    import tempfile
    cases = {
        "platform/foundation/Log.h": '#include "platform/ui/AlertView.h"\n',
        "platform/location/Feed.cpp": '#include "report/Sending.h"\n',
        "platform/Stray.h": "",
        "report/Screen.cpp": '#include "platform/LocationManager.h"\n',
        "platform/mapview/MapView.cpp": '#include "platform/geocoding/PlaceIndex.h"\n',
        "resources/layouts/Screen.ui": "<header>platform/TextField.h</header>",
    }
    expected = ["foundation/ may not use ui/", "never includes a screen", "directly in platform/",
                "report/Screen.cpp:1", "resources/layouts/Screen.ui:1"]
    with tempfile.TemporaryDirectory() as tmp:
        top = pathlib.Path(tmp)
        for name, text in cases.items():
            (top / name).parent.mkdir(parents=True, exist_ok=True)
            (top / name).write_text(text)
        found = "\n".join(problems(top))
    missed = [e for e in expected if e not in found]
    allowed_flagged = "MapView.cpp" in found
    for e in missed:
        print(f"self-test: not reported: {e}")
    if allowed_flagged:
        print("self-test: an allowed include was reported")
    print(f"self-test: {len(found.splitlines())} problems found in the made-up tree")
    return 1 if missed or allowed_flagged else 0


def main():
    if sys.argv[1:] == ["--self-test"]:
        return self_test()
    top = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent)
    found = list(problems(top.resolve()))
    for p in found:
        print(p)
    print(f"include rule: {len(found)} broken include(s)" if found else "include rule: kept")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())

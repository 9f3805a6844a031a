#!/usr/bin/python3
"""Writes THIRD-PARTY-NOTICES.txt and licenses/ into the deployed Windows folder: every
third-party component compiled into what is shipped there, with its version, licence and
licence texts, taken from where each comes from.

- Qt: its DLLs are those for which the Qt cache lists the source files that went into them
  (<qt-prefix>/sources/<dll>.txt, which take in those of the DLLs they link); Qt's own licence
  texts come from the root of Qt's source tree, and each bundled component is one whose
  qt_attribution.json (read by Qt's own qtattributionsscanner) names a path among the files a
  DLL compiled itself.
- Every other DLL must come from a Debian package that RUNTIME below knows, with its licence texts
  taken from that package's documentation.

usage: third_party_notices.py --deploy DIR --qt-prefix DIR --qt-source DIR --qt-version V
           --qt-source-files NAME... --scanner PROGRAM [--origin DLL=PATH ...]
"""
import argparse
import json
import os
import shutil
import subprocess
import sys
import textwrap

# The MinGW-w64 runtime DLLs a cross-build may import, by the Debian package that ships them.
RUNTIME = {
    "gcc-mingw-w64-x86-64-posix-runtime": {
        "name": "GCC runtime libraries (libgcc, libstdc++)",
        "licence": "GPL-3.0-or-later WITH GCC-exception-3.1",
        "texts": ["/usr/share/doc/gcc-mingw-w64-base/copyright",
                  "/usr/share/common-licenses/GPL-3"],
        "terms": "The GCC Runtime Library Exception (in licenses\\GCC\\copyright) lets a program "
                 "of any licence use these libraries.",
    },
    "mingw-w64-x86-64-dev": {
        "name": "MinGW-w64 runtime (winpthreads, and the start-up code in every .exe and .dll)",
        "licence": "MIT (winpthreads); ZPL-2.1 and public domain (start-up code); further "
                   "notices in licenses\\MinGW-w64\\copyright",
        "texts": ["/usr/share/doc/mingw-w64-common/copyright"],
        "terms": "",
    },
    "libz-mingw-w64": {
        "name": "zlib (data compression, used by Qt)",
        "licence": "Zlib",
        "texts": ["/usr/share/doc/libz-mingw-w64/copyright"],
        "terms": "",
    },
}
RUNTIME_FOLDER = {"gcc-mingw-w64-x86-64-posix-runtime": "GCC", "mingw-w64-x86-64-dev": "MinGW-w64",
                  "libz-mingw-w64": "zlib"}
# Qt's own terms, from the root of its source tree: the LGPL-3.0 builds on the GPL-3.0.
QT_LICENCE_FILES = ["LICENSES/LGPL-3.0-only.txt", "LICENSES/GPL-3.0-only.txt"]
# Compiled in as data generated from a file outside the build: generated file -> attribution id
# (the gradient presets, and Direct3D 12's mipmap shader as bytecode).
GENERATED_FROM = {"src/gui/painting/webgradients.cpp": "webgradients",
                  "src/gui/rhi/cs_mipmap_p.h": "rhi-miniengine-d3d12-mipmap"}


def dpkg(*args):
    return subprocess.run(["dpkg-query", *args], check=True, capture_output=True,
                          text=True).stdout.strip()


def package_of(path):
    owner = subprocess.run(["dpkg", "-S", os.path.realpath(path)], check=True,
                           capture_output=True, text=True).stdout
    return owner.split(":", 1)[0].strip()


def relative(path, root):
    return os.path.relpath(os.path.normpath(path), root)


def attribution_covers(entry, used, source):
    """True when any file in `used` (paths relative to Qt's source root) is the component's."""
    path = relative(entry["Path"], source)
    files = entry.get("Files", "").replace(",", " ").split()
    if files:
        wanted = {os.path.normpath(os.path.join(path, name)) for name in files}
        if any(f in wanted for f in used):
            return True
    elif any(f == path or f.startswith(path + "/") for f in used):
        return True
    return any(GENERATED_FROM.get(f) == entry["Id"] for f in used)


def own_sources(prefix):
    """What each DLL of the Qt cache compiled itself: its listed files less those of the DLLs it
    links, whose files its list takes in too."""
    folder = os.path.join(prefix, "sources")
    lists = {name[:-len(".txt")]: set(open(os.path.join(folder, name)).read().split())
             for name in os.listdir(folder) if name.endswith(".txt")}
    own = {}
    for dll, files in lists.items():
        linked = [other for name, other in lists.items() if name != dll and other < files]
        own[dll] = files.difference(*linked)
    return own


def licence_files(entry):
    files = entry.get("LicenseFiles") or [entry.get("LicenseFile", "")]
    return [f for f in files if f]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--deploy", required=True)
    parser.add_argument("--qt-prefix", required=True)
    parser.add_argument("--qt-source", required=True)
    parser.add_argument("--qt-version", required=True)
    parser.add_argument("--qt-source-files", nargs="+", required=True)
    parser.add_argument("--scanner", required=True)
    parser.add_argument("--origin", action="append", default=[],
                        help="DLL=PATH: where a deployed DLL not built with Qt was taken from")
    args = parser.parse_args()
    source = os.path.realpath(args.qt_source)
    origins = dict(item.split("=", 1) for item in args.origin)

    compiled = own_sources(args.qt_prefix)
    qt_dlls, runtime = [], {}
    for folder, _, names in sorted(os.walk(args.deploy)):
        for name in sorted(names):
            if not name.lower().endswith(".dll"):
                continue
            shown = relative(os.path.join(folder, name), args.deploy).replace("/", "\\")
            if name in compiled:
                qt_dlls.append((shown, compiled[name]))
            elif name in origins:
                runtime.setdefault(package_of(origins[name]), []).append(shown)
            else:
                sys.exit(f"{shown}: neither built with Qt nor taken from a known package")
    unknown = set(runtime) - set(RUNTIME)
    if unknown:
        sys.exit(f"no licence terms known for the packages {sorted(unknown)}")

    scan = subprocess.run([args.scanner, "--output-format", "json", "-s", source], check=True,
                          capture_output=True, text=True).stdout
    attributions = json.loads(scan)

    licences = os.path.join(args.deploy, "licenses")
    shutil.rmtree(licences, ignore_errors=True)

    def keep(text_path, folder, name=None):
        target = os.path.join(licences, folder, name or os.path.basename(text_path))
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copyfile(text_path, target)
        return relative(target, args.deploy).replace("/", "\\")

    qt_version = args.qt_version.split("+")[0]
    qt_series = ".".join(qt_version.split(".")[:2])
    out = []
    say = out.append

    def para(text, indent=""):
        # Short lines, so that the installer's notice page needs no sideways reading.
        out.extend(textwrap.wrap(text, 72, initial_indent=indent, subsequent_indent=indent,
                                 break_long_words=False, break_on_hyphens=False))
    say("Vesmarot - thông báo về các thành phần của bên thứ ba (third-party notices)")
    say("")
    para("Bản Vesmarot cho Windows này có kèm các thành phần dưới đây, mỗi thành phần theo giấy "
         "phép riêng của nó; văn bản các giấy phép nằm trong thư mục licenses bên cạnh tệp này.")
    say("")
    para("This copy of Vesmarot for Windows includes the third-party components below, each "
         "under its own licence; the licence texts are in the licenses folder beside this file.")
    say("")
    say(f"1. Qt {qt_version} (qtbase), LGPL-3.0-only")
    para("In: " + ", ".join(shown for shown, _ in qt_dlls), "   ")
    para("Licence texts: " + ", ".join(keep(os.path.join(source, f), "Qt")
                                       for f in QT_LICENCE_FILES), "   ")
    para("Vesmarot uses Qt under the GNU Lesser General Public License version 3 and links it "
         f"dynamically: you may replace these DLLs with your own build of a compatible Qt "
         f"{qt_series} for 64-bit MinGW-w64.", "   ")
    para(f"Complete corresponding source: Debian's source package qt6-base {args.qt_version}, "
         "published with this release beside the installer and the zip:", "   ")
    for name in args.qt_source_files:
        say(f"     {name}")
    para("The -configure.txt file gives the exact configure line, toolchain and build steps "
         "of these DLLs, so that anyone can rebuild this Qt the same way from that source.",
         "   ")
    para("Qt includes these components, compiled into the DLLs named with each:", "   ")
    used_by = dict(qt_dlls)
    for entry in sorted(attributions, key=lambda e: (e["Name"].lower(), e["Id"])):
        inside = [shown for shown, used in used_by.items()
                  if attribution_covers(entry, used, source)]
        if not inside:
            continue
        version = f" {entry['Version']}" if entry.get("Version") else ""
        say("")
        para(f"- {entry['Name']}{version}: {entry['License']}", "   ")
        para("In: " + ", ".join(inside), "     ")
        for line in entry.get("Copyright", "").splitlines():
            if line.strip():
                say(f"     {line.strip()}")
        texts = [keep(f, os.path.join("Qt", entry["Id"])) for f in licence_files(entry)]
        if texts:
            para("Licence text: " + ", ".join(texts), "     ")

    for number, package in enumerate(sorted(runtime), start=2):
        terms = RUNTIME[package]
        say("")
        para(f"{number}. {terms['name']}, from Debian's {package} "
             f"{dpkg('-W', '-f=${Version}', package)}")
        para(f"Licence: {terms['licence']}", "   ")
        para("In: " + ", ".join(sorted(runtime[package])), "   ")
        texts = [keep(path, RUNTIME_FOLDER[package]) for path in terms["texts"]]
        para("Licence texts: " + ", ".join(texts), "   ")
        if terms["terms"]:
            para(terms["terms"], "   ")

    # Read on Windows, and shown by the installer: CRLF, with a byte-order mark.
    with open(os.path.join(args.deploy, "THIRD-PARTY-NOTICES.txt"), "w", encoding="utf-8-sig",
              newline="\r\n") as notices:
        notices.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()

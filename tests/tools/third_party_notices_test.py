#!/usr/bin/python3
"""Which bundled components the notices name for which DLL: a DLL is credited only with what it
compiled itself, and a component only where its attribution's path or files were compiled."""
import importlib.util
import os
import sys
import tempfile
import unittest

tool = importlib.util.spec_from_file_location("notices", sys.argv.pop(1))
notices = importlib.util.module_from_spec(tool)
tool.loader.exec_module(notices)

SOURCE = "/src"


def entry(path, files="", ident="x"):
    return {"Id": ident, "Path": os.path.join(SOURCE, path), "Files": files}


class AttributionCovers(unittest.TestCase):
    ROWS = [
        # (attribution, files compiled, named?)
        (entry("src/3rdparty/zlib"), {"src/3rdparty/zlib/src/inflate.c"}, True),
        (entry("src/3rdparty/zlib"), {"src/3rdparty/zlibextra/a.c"}, False),
        (entry("src/3rdparty/sha3", "brg_endian.h"), {"src/3rdparty/sha3/brg_endian.h"}, True),
        (entry("src/3rdparty/sha3", "brg_endian.h"), {"src/3rdparty/sha3/KeccakSponge.c"}, False),
        (entry("src/corelib/text", "qlocale_data_p.h, qtimezoneprivate_data_p.h"),
         {"src/corelib/text/qtimezoneprivate_data_p.h"}, True),
        (entry("src/gui/painting/qgrayraster.c"), {"src/gui/painting/qgrayraster.c"}, True),
        (entry("src/gui/painting/qgrayraster.c"), {"src/gui/painting/qgrayraster_p.h"}, False),
        (entry("util/gradientgen", "webgradients.css", "webgradients"),
         {"src/gui/painting/webgradients.cpp"}, True),
        (entry("util/gradientgen", "webgradients.css", "webgradients"), {"src/gui/qx.cpp"}, False),
        (entry("src/gui/rhi", "mipmap.hlsl", "rhi-miniengine-d3d12-mipmap"),
         {"src/gui/rhi/cs_mipmap_p.h"}, True),
        (entry("src/gui/rhi", "mipmap.hlsl", "rhi-miniengine-d3d12-mipmap"),
         {"src/gui/rhi/qrhi.cpp"}, False),
    ]

    def test_rows(self):
        for attribution, used, named in self.ROWS:
            with self.subTest(path=attribution["Path"], used=used):
                self.assertEqual(notices.attribution_covers(attribution, used, SOURCE), named)


class OwnSources(unittest.TestCase):
    def test_a_dll_is_credited_only_with_what_it_compiled(self):
        lists = {"Qt6Core.dll": "core.c zlib.c",
                 "Qt6Gui.dll": "core.c zlib.c gui.c png.c",
                 "qwindows.dll": "core.c zlib.c gui.c png.c windows.c",
                 "qjpeg.dll": "core.c zlib.c gui.c png.c jpeg.c"}
        with tempfile.TemporaryDirectory() as prefix:
            os.mkdir(os.path.join(prefix, "sources"))
            for dll, files in lists.items():
                with open(os.path.join(prefix, "sources", dll + ".txt"), "w") as out:
                    out.write("\n".join(files.split()) + "\n")
            own = notices.own_sources(prefix)
        self.assertEqual(own, {"Qt6Core.dll": {"core.c", "zlib.c"},
                               "Qt6Gui.dll": {"gui.c", "png.c"},
                               "qwindows.dll": {"windows.c"},
                               "qjpeg.dll": {"jpeg.c"}})


if __name__ == "__main__":
    unittest.main()

#!/usr/bin/env python3
"""Builds the standard structures in data/Structures from the material and profile
libraries, through strandel-cli (generate, convert), so every file is written by the
program's own writer.

usage: scripts/make_standard_structures.py build/bin/strandel-cli
Run it again after changing a library file or a structure below; review the diff.
"""
import math
import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, "data")
CLI = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "bin", "strandel-cli")


def read_sections(path):
    values = {}
    with open(path, encoding="cp1252") as handle:
        for line in handle:
            line = line.strip()
            if "=" in line and not line.startswith("["):
                key, value = line.split("=", 1)
                values[key.strip().lower()] = value.strip()
    return values


def beam_line(material, profile, number=1, node1=1, node2=2, locked=(True, True),
              points=(0, 0, 1, 0), group="", colour="$00CCCCCC", label=0.5,
              safety=1, climate=1, duration=1, manufacture=0, braced=False):
    m = read_sections(os.path.join(DATA, "Materials", material + ".txt"))
    p = read_sections(os.path.join(DATA, "Profiles", profile + ".txt"))
    f = [""] * 80  # 1-based
    f[1], f[2], f[3], f[4] = "2", str(number), str(node1), str(node2)
    f[5], f[6], f[7] = str(locked[0]), str(locked[1]), str(braced)
    f[9], f[10], f[11], f[12] = (repr(float(v)) for v in points)
    f[13], f[14], f[15], f[16] = group, material, m["mtrltype"], m.get("mtrldesc", "")
    f[17] = m.get("hardenable", "False")
    f[23], f[24], f[25], f[26], f[28] = m["ftk"], m["fck"], m["fmk"], m["ek"], m["dens"]
    f[50], f[51] = p["shapeno"], profile
    f[58], f[59], f[60], f[61] = p["b"], p["h"], p["tl"], p["tf"]
    f[67], f[68], f[69], f[70], f[71] = str(safety), str(climate), str(duration), str(manufacture), "0"
    f[78], f[79] = colour, str(label)
    return ";".join(f[1:])


class Model:
    def __init__(self):
        self.lines = []
        self.nodes = {}

    def node(self, number, x, y, host=-1, pos=0.0):
        self.nodes[number] = (x, y)
        self.lines.append(f"1;{number};{x!r};{y!r};{pos!r};{host}")

    def beam(self, number, n1, n2, material, profile, locked=(True, True), **extra):
        x1, y1 = self.nodes[n1]
        x2, y2 = self.nodes[n2]
        self.lines.append(beam_line(material, profile, number, n1, n2, locked, (x1, y1, x2, y2), **extra))

    def support(self, number, node, rolled=False, locked=False, direction=1):
        x, y = self.nodes[node]
        self.lines.append(f"3;{number};{node};0;0;0;{x!r};{y!r};{direction};{locked};{rolled}")

    def load(self, number, beam, n1, n2, value, angle=math.pi / 2):
        x1, y1 = self.nodes[n1]
        x2, y2 = self.nodes[n2]
        self.lines.append(f"4;{number};{n1};{n2};{beam};{x1!r};{y1!r};{x2!r};{y2!r};{angle!r};{value!r};0.5")

    def force(self, number, node, value, angle):
        x, y = self.nodes[node]
        self.lines.append(f"5;{number};{node};{x!r};{y!r};{angle!r};{value!r}")

    def write(self, relative, sizes=(0.11, 0.11, 0.30)):
        text = ["[Model-Settings]", f"BeamHeight={sizes[0]}", f"TxtHeight={sizes[1]}",
                f"LoadHeight={sizes[2]}"] + HISTORY + [
                "[Model-Objects]", f"GraphObjCount={len(self.lines)}"]
        text += [f"Object{i:03d}={line}" for i, line in enumerate(self.lines, 1)]
        convert("\r\n".join(text) + "\r\n", relative)


# Standard structures are shipped as made by the program's own team.
HISTORY = ["[History-data]", "LastModDate=2026-12-06", "LastModByUser=Strandel",
           "CreatedDate=2026-12-06", "CreatedByUser=Strandel", "CreationVersion=3.1.4"]


def with_history(raw):
    """Replaces a generated document's history section by the shipped one."""
    lines = raw.split("\r\n")
    start = lines.index("[History-data]")
    end = start + 1
    while end < len(lines) and not lines[end].startswith("["):
        end += 1
    return "\r\n".join(lines[:start] + HISTORY + lines[end:])


def convert(raw, relative):
    target = os.path.join(DATA, "Structures", relative)
    os.makedirs(os.path.dirname(target), exist_ok=True)
    with tempfile.NamedTemporaryFile("w", suffix=".qsd", delete=False, encoding="cp1252", newline="") as raw_file:
        raw_file.write(raw)
    subprocess.run([CLI, "convert", raw_file.name, target], check=True)
    os.unlink(raw_file.name)


def generated(kind, relative, material, profile, extra_args=(), add=None, sizes=None,
              manufacture=0):
    with tempfile.TemporaryDirectory() as scratch:
        settings = os.path.join(scratch, "template.ini")
        with open(settings, "w", encoding="cp1252", newline="") as handle:
            handle.write("[Default-Settings]\r\nLastBeamStr=" + beam_line(material, profile, manufacture=manufacture) + "\r\n")
            if sizes:
                handle.write(f"LastBeamHeight={sizes[0]}\r\nLastTxtHeight={sizes[1]}\r\nLastLoadHeight={sizes[2]}\r\n")
        out = os.path.join(scratch, "out.qsd")
        subprocess.run([CLI, "generate", kind, "-o", out, "--settings", settings, *extra_args], check=True)
        with open(out, encoding="cp1252", newline="") as handle:
            raw = handle.read()
        if add:
            raw = add(raw)
        convert(with_history(raw), relative)


def with_extra_objects(extra_lines):
    """Appends object lines to a generated document's object list."""
    def add(raw):
        lines = raw.split("\r\n")
        count_index = next(i for i, l in enumerate(lines) if l.startswith("GraphObjCount="))
        count = int(lines[count_index].split("=")[1])
        for k, line in enumerate(extra_lines, count + 1):
            lines.insert(len(lines) - 1, f"Object{k:03d}={line}")
        lines[count_index] = f"GraphObjCount={count + len(extra_lines)}"
        return "\r\n".join(lines)
    return add


def simply_supported_beam():
    m = Model()  # 6 m steel floor beam, 12 kN/m, a node at mid-span for its deflection
    m.node(1, 0.0, 0.0)
    m.node(2, 6.0, 0.0)
    m.node(3, 3.0, 0.0, host=1, pos=0.5)
    m.beam(1, 1, 2, "S355", "IPE 240", locked=(False, False), label=0.25)
    m.support(1, 1)
    m.support(2, 2, rolled=True, direction=1)
    m.load(1, 1, 1, 2, -12000.0)
    m.write("Beams/Simply supported beam.qsd", (0.12, 0.15, 0.4))


def propped_cantilever():
    m = Model()  # 5 m, clamped at the left, on a roller at the right
    m.node(1, 0.0, 0.0)
    m.node(2, 5.0, 0.0)
    m.beam(1, 1, 2, "S275", "HEA 200", locked=(True, False))
    m.support(1, 1, locked=True)
    m.support(2, 2, rolled=True, direction=1)
    m.load(1, 1, 1, 2, -8000.0)
    m.write("Beams/Propped cantilever.qsd", (0.12, 0.15, 0.4))


def two_span_beam():
    m = Model()  # a timber joist over two spans of 4 m, continuous over the middle support
    m.node(1, 0.0, 0.0)
    m.node(2, 4.0, 0.0)
    m.node(3, 8.0, 0.0)
    m.beam(1, 1, 2, "C24", "Sawn 45x220", locked=(False, True))
    m.beam(2, 2, 3, "C24", "Sawn 45x220", locked=(True, False))
    m.support(1, 1)
    m.support(2, 2, rolled=True, direction=1)
    m.support(3, 3, rolled=True, direction=1)
    m.load(1, 1, 1, 2, -1500.0)
    m.load(2, 2, 2, 3, -1500.0)
    m.write("Beams/Two-span continuous beam.qsd", (0.1, 0.12, 0.3))


def pitched_portal_frame():
    m = Model()  # 15 m span, 5 m to the eaves, 7 m to the ridge; pinned feet, rigid knees
    m.node(1, -7.5, 0.0)
    m.node(2, -7.5, 5.0)
    m.node(3, 0.0, 7.0)
    m.node(4, 7.5, 5.0)
    m.node(5, 7.5, 0.0)
    m.beam(1, 1, 2, "S355", "IPE 360", locked=(False, True), group="Columns")
    m.beam(2, 2, 3, "S355", "IPE 330", group="Rafters")
    m.beam(3, 3, 4, "S355", "IPE 330", group="Rafters")
    m.beam(4, 4, 5, "S355", "IPE 360", locked=(True, False), group="Columns")
    m.support(1, 1)
    m.support(2, 5)
    m.load(1, 2, 2, 3, -6000.0)
    m.load(2, 3, 3, 4, -6000.0)
    m.load(3, 1, 1, 2, 1800.0, angle=0.0)  # wind on the left column, blowing to the right (+x)
    m.write("Frames/Pitched portal frame.qsd", (0.2, 0.3, 0.6))


def plane_truss(relative, span, depth, panels, pratt):
    """A simply supported truss with a loaded top chord: Warren (alternating
    diagonals, no verticals) or Pratt (verticals, diagonals falling to mid-span)."""
    m = Model()
    dx = span / panels
    bottom = {i: i + 1 for i in range(panels + 1)}
    top = {i: panels + 2 + i for i in range(panels + 1)}
    for i in range(panels + 1):
        m.node(bottom[i], i * dx, 0.0)
    top_range = range(panels + 1) if pratt else range(panels)
    for i in top_range:
        m.node(top[i], (i if pratt else i + 0.5) * dx, depth)
    beam = 0

    def bar(n1, n2, group, material="S355", profile="SHS 80x80x5", colour="$00CCCCCC"):
        nonlocal beam
        beam += 1
        m.beam(beam, n1, n2, material, profile, locked=(False, False), group=group, colour=colour)
        return beam

    for i in range(panels):
        bar(bottom[i], bottom[i + 1], "Bottom chord", profile="SHS 100x100x5", colour="$008E8E8E")
    top_chord = []
    for i in range(len(top_range) - 1):
        top_chord.append((bar(top[i], top[i + 1], "Top chord", profile="SHS 100x100x8",
                              colour="$00A3A3A3"), top[i], top[i + 1]))
    if pratt:
        for i in range(panels + 1):
            bar(bottom[i], top[i], "Verticals", colour="$00B7B7B7")
        for i in range(panels):
            if i < panels / 2:
                bar(top[i], bottom[i + 1], "Diagonals")
            else:
                bar(bottom[i], top[i + 1], "Diagonals")
    else:
        for i in range(panels):
            bar(bottom[i], top[i], "Diagonals")
            bar(top[i], bottom[i + 1], "Diagonals")
    m.support(1, bottom[0])
    m.support(2, bottom[panels], rolled=True, direction=1)
    for k, (b, n1, n2) in enumerate(top_chord, 1):
        m.load(k, b, n1, n2, -5000.0)
    m.write(relative, (0.12, 0.2, 0.4))


def main():
    simply_supported_beam()
    propped_cantilever()
    two_span_beam()
    pitched_portal_frame()
    plane_truss("Trusses/Warren truss.qsd", 12.0, 1.5, 6, pratt=False)
    plane_truss("Trusses/Pratt truss.qsd", 12.0, 1.5, 6, pratt=True)
    generated("frame", "Frames/Three-storey frame.qsd", "S355", "HEA 200",
              ["--width", "8", "--height", "9", "--load", "-10000"], sizes=(0.2, 0.25, 0.5))
    generated("truss-girder", "Trusses/Truss girder.qsd", "S355", "SHS 100x100x8",
              ["--width", "10", "--height", "1.25", "--load", "-4000"], sizes=(0.12, 0.2, 0.4))
    generated("arch", "Arches/Circular arch.qsd", "GL30h", "Glulam 140x495",
              ["--width", "16", "--height", "4", "--load", "-3000"], sizes=(0.2, 0.3, 0.6),
              manufacture=1)
    generated("suspension-bridge", "Bridges/Suspension bridge.qsd", "S355", "CHS 168.3x8",
              ["--width", "24", "--height", "6", "--middle-height", "1.5", "--load", "-2000"],
              sizes=(0.2, 0.35, 0.7))
    # The braced tower carries its own weight and a wind load at the top.
    generated("tower", "Towers/Braced tower.qsd", "S355", "CHS 88.9x5",
              ["--width", "2", "--height", "12", "--height-sections", "6"],
              add=with_extra_objects(["5;1;13;-1;12;0;15000", "5;2;14;1;12;0;0"]),
              sizes=(0.15, 0.3, 0.5))


if __name__ == "__main__":
    main()

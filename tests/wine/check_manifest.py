#!/usr/bin/env python3
"""Reads the application manifest back from built .exe files and checks it:
run as the invoker, Windows 10/11 supported, per-monitor (v2) DPI aware,
Common Controls 6.

    check_manifest.py PROGRAM.exe ...
"""
import re
import sys
import xml.etree.ElementTree as ET

NS = {"v1": "urn:schemas-microsoft-com:asm.v1", "v3": "urn:schemas-microsoft-com:asm.v3",
      "c": "urn:schemas-microsoft-com:compatibility.v1",
      "w05": "http://schemas.microsoft.com/SMI/2005/WindowsSettings",
      "w16": "http://schemas.microsoft.com/SMI/2016/WindowsSettings"}
WINDOWS_10 = "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"


def check(path):
    data = open(path, "rb").read()
    found = re.findall(rb"<assembly .*?</assembly>", data, re.S)
    if len(found) != 1:
        return [f"{path}: {len(found)} manifests"]
    root = ET.fromstring(found[0])
    problems = []
    level = root.find(".//v3:requestedExecutionLevel", NS)
    if level is None or level.get("level") != "asInvoker":
        problems.append("not asInvoker")
    if WINDOWS_10 not in [os.get("Id") for os in root.findall(".//c:supportedOS", NS)]:
        problems.append("Windows 10/11 not in supportedOS")
    awareness = root.find(".//w16:dpiAwareness", NS)
    if awareness is None or awareness.text != "PerMonitorV2":
        problems.append("not per-monitor (v2) DPI aware")
    controls = [a for a in root.findall(".//v1:dependentAssembly/v1:assemblyIdentity", NS)
                if a.get("name") == "Microsoft.Windows.Common-Controls"]
    if not controls or controls[0].get("version") != "6.0.0.0":
        problems.append("no Common Controls 6")
    return [f"{path}: {p}" for p in problems]


problems = [p for exe in sys.argv[1:] for p in check(exe)]
print("\n".join(problems) or f"manifest whole in {len(sys.argv) - 1} programs")
sys.exit(1 if problems else 0)

#!/usr/bin/env python3
"""The winget manifests CPack writes beside the installer.

  winget_manifest.py check WINGET_DIR INSTALLER
      each file is valid YAML with the fields winget requires, all name the
      same package and version, and both scopes' installer is INSTALLER (its
      SHA-256); prints each failure, exits 1 if any
  winget_manifest.py switches WINGET_DIR SCOPE
      prints the command line winget gives the installer for a silent install
      in SCOPE (user or machine)
"""
import hashlib
import pathlib
import sys

import yaml

# Fields each manifest type needs, by the winget manifest schema 1.6.
REQUIRED = {
    "version": ["PackageIdentifier", "PackageVersion", "DefaultLocale", "ManifestType",
                "ManifestVersion"],
    "installer": ["PackageIdentifier", "PackageVersion", "InstallerType", "Installers",
                  "ProductCode", "AppsAndFeaturesEntries", "ManifestType", "ManifestVersion"],
    "defaultLocale": ["PackageIdentifier", "PackageVersion", "PackageLocale", "Publisher",
                      "PackageName", "License", "ShortDescription", "ManifestType",
                      "ManifestVersion"],
}
INSTALLER_REQUIRED = ["Architecture", "Scope", "InstallerUrl", "InstallerSha256"]


def load(folder):
    manifests = {}
    for path in sorted(pathlib.Path(folder).glob("*.yaml")):
        document = yaml.safe_load(path.read_text(encoding="utf-8"))
        manifests[document["ManifestType"]] = document
    return manifests


def check(folder, installer):
    failures = []
    manifests = load(folder)
    if sorted(manifests) != sorted(REQUIRED):
        failures.append(f"manifest types {sorted(manifests)}, not {sorted(REQUIRED)}")
    for kind, document in manifests.items():
        missing = [field for field in REQUIRED.get(kind, []) if not document.get(field)]
        if missing:
            failures.append(f"the {kind} manifest lacks {missing}")
    if len({(d["PackageIdentifier"], str(d["PackageVersion"])) for d in manifests.values()}) != 1:
        failures.append("the manifests name different packages or versions")
    digest = hashlib.sha256(pathlib.Path(installer).read_bytes()).hexdigest().upper()
    installers = manifests.get("installer", {}).get("Installers", [])
    if sorted(entry.get("Scope", "") for entry in installers) != ["machine", "user"]:
        failures.append("the installer manifest has not one installer per scope")
    for entry in installers:
        missing = [field for field in INSTALLER_REQUIRED if not entry.get(field)]
        if missing:
            failures.append(f"the {entry.get('Scope')} installer lacks {missing}")
        if str(entry.get("InstallerSha256")) != digest:
            failures.append(f"the {entry.get('Scope')} installer's SHA-256 is not {installer}'s")
        if not str(entry.get("InstallerUrl", "")).endswith("/" + pathlib.Path(installer).name):
            failures.append(f"the {entry.get('Scope')} installer's URL names another file")
    for failure in failures:
        print("FAILED:", failure, file=sys.stderr)
    return 1 if failures else 0


def switches(folder, scope):
    document = load(folder)["installer"]
    entry = next(e for e in document["Installers"] if e["Scope"] == scope)
    merged = dict(document.get("InstallerSwitches", {}), **entry.get("InstallerSwitches", {}))
    print(merged["Silent"], merged.get("Custom", ""))
    return 0


if __name__ == "__main__":
    if sys.argv[1] == "check":
        sys.exit(check(sys.argv[2], sys.argv[3]))
    sys.exit(switches(sys.argv[2], sys.argv[3]))

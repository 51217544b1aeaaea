#!/usr/bin/env python3
"""The winget manifests CPack writes beside the installer.

  winget_manifest.py check WINGET_DIR INSTALLER MSI PRODUCT_CODE
      each file is valid YAML with the fields winget requires, all name the
      same package and version, both scopes' nullsoft installer is INSTALLER
      and the machine's wix installer is MSI (their SHA-256), with the MSI's
      PRODUCT_CODE; prints each failure, exits 1 if any
  winget_manifest.py switches WINGET_DIR SCOPE [TYPE]
      prints the command line winget gives the installer of TYPE (nullsoft,
      the default, or wix) for a silent install in SCOPE (user or machine)
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
failures = []


def expect(ok, failure):  # a failure is printed at once; the checks go on
    if not ok:
        print("FAILED:", failure, file=sys.stderr)
        failures.append(failure)


def load(folder):
    documents = [yaml.safe_load(path.read_text(encoding="utf-8"))
                 for path in sorted(pathlib.Path(folder).glob("*.yaml"))]
    return {document["ManifestType"]: document for document in documents}


def installer_type(document, entry):
    return entry.get("InstallerType", document.get("InstallerType"))


def check(folder, installer, msi, product_code):
    manifests = load(folder)
    expect(sorted(manifests) == sorted(REQUIRED),
           f"manifest types {sorted(manifests)}, not {sorted(REQUIRED)}")
    for kind, document in manifests.items():
        missing = [field for field in REQUIRED.get(kind, []) if not document.get(field)]
        expect(not missing, f"the {kind} manifest lacks {missing}")
    packages = {(d["PackageIdentifier"], str(d["PackageVersion"])) for d in manifests.values()}
    expect(len(packages) == 1, "the manifests name different packages or versions")
    document = manifests.get("installer", {})
    installers = document.get("Installers", [])
    kinds = sorted((installer_type(document, e), e.get("Scope", "")) for e in installers)
    expect(kinds == [("nullsoft", "machine"), ("nullsoft", "user"), ("wix", "machine")],
           f"the installers are {kinds}, not one nullsoft per scope and a wix one")
    files = {"nullsoft": pathlib.Path(installer), "wix": pathlib.Path(msi)}
    for entry in installers:
        kind = installer_type(document, entry)
        name = f"the {entry.get('Scope')} {kind} installer"
        file = files.get(kind, files["nullsoft"])
        missing = [field for field in INSTALLER_REQUIRED if not entry.get(field)]
        expect(not missing, f"{name} lacks {missing}")
        digest = hashlib.sha256(file.read_bytes()).hexdigest().upper()
        expect(str(entry.get("InstallerSha256")) == digest, f"{name}'s SHA-256 is not {file}'s")
        expect(str(entry.get("InstallerUrl", "")).endswith("/" + file.name),
               f"{name}'s URL names another file")
        if kind == "wix":
            codes = [entry.get("ProductCode")]
            codes += [e.get("ProductCode") for e in entry.get("AppsAndFeaturesEntries", [])]
            expect(len(codes) >= 2 and all(code == product_code for code in codes),
                   f"{name}'s product codes {codes} are not the MSI's {product_code}")
    return 1 if failures else 0


def switches(folder, scope, kind="nullsoft"):
    document = load(folder)["installer"]
    entry = next(e for e in document["Installers"]
                 if e["Scope"] == scope and installer_type(document, e) == kind)
    merged = dict(document.get("InstallerSwitches", {}), **entry.get("InstallerSwitches", {}))
    print(merged["Silent"], merged.get("Custom", ""))


if __name__ == "__main__":
    sys.exit(check(*sys.argv[2:6]) if sys.argv[1] == "check" else switches(*sys.argv[2:5]))

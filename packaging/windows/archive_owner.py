"""Sets the owner recorded in a zip archive to root (user and group 0).

CPack's zip archives carry each file's Unix owner, the builder's numeric
user and group (Info-ZIP's "ux" extra field), in each local header and again
in the central directory. Archives built by two users then differ, though
their contents are the same. The fields are rewritten in place: sizes,
offsets and checksums stay valid.

    python3 archive_owner.py ARCHIVE.zip
"""

import struct
import sys
import zipfile

UX = 0x7875  # Info-ZIP Unix extra field, version 1: sized user id, sized group id


def root_owned(extra: bytes) -> bytes:
    out = bytearray(extra)
    at = 0
    while at + 4 <= len(out):
        tag, size = struct.unpack_from("<HH", out, at)
        body = at + 4
        if tag == UX and size >= 1 and out[body] == 1:
            uid_size = out[body + 1]
            gid_at = body + 2 + uid_size
            gid_size = out[gid_at]
            out[body + 2 : gid_at] = bytes(uid_size)
            out[gid_at + 1 : gid_at + 1 + gid_size] = bytes(gid_size)
        at = body + size
    return bytes(out)


def main(path: str) -> None:
    with zipfile.ZipFile(path) as archive:
        entries = archive.infolist()
    with open(path, "r+b") as data:
        # Central directory entries: the order and sizes that zipfile read.
        for entry in entries:
            # Local header: 30 fixed bytes, the name, then the extra field.
            data.seek(entry.header_offset + 26)
            name_size, extra_size = struct.unpack("<HH", data.read(4))
            data.seek(entry.header_offset + 30 + name_size)
            local = data.read(extra_size)
            data.seek(entry.header_offset + 30 + name_size)
            data.write(root_owned(local))
        data.seek(0)
        whole = data.read()
        end = whole.rfind(b"PK\x05\x06")
        (central_at,) = struct.unpack_from("<I", whole, end + 16)
        at = central_at
        for _ in entries:
            name_size, extra_size, comment_size = struct.unpack_from("<HHH", whole, at + 28)
            extra_at = at + 46 + name_size
            data.seek(extra_at)
            data.write(root_owned(whole[extra_at : extra_at + extra_size]))
            at = extra_at + extra_size + comment_size


if __name__ == "__main__":
    main(sys.argv[1])

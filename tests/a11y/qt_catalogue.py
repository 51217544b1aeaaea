"""Qt's own translations as a program loads them: a text looked up in the
compiled catalogue qtbase_LL.qm, the way QTranslator finds it (the ELF hash
of the text, then the entries of that hash whose context matches)."""
import os
import struct

MAGIC = bytes.fromhex("3cb86418caef9c95cd211cbf60a1bddd")
HASHES, MESSAGES = 0x42, 0x69
END, TRANSLATION, OBSOLETE1, SOURCE, CONTEXT, COMMENT = 1, 3, 5, 6, 7, 8


def elf_hash(text):
    h = 0
    for byte in text:
        h = ((h << 4) + byte) & 0xFFFFFFFF
        g = h & 0xF0000000
        h ^= g >> 24
        h &= ~g & 0xFFFFFFFF
    return h or 1


def records(data, at):
    """The records of `data` from `at` on, as (tag, field), up to an END tag:
    a tag, its field's length in four bytes (0xFFFFFFFF: empty), the field;
    OBSOLETE1 is followed by four bytes and gives no field."""
    while at + 5 <= len(data) and data[at] != END:
        tag, length = data[at], struct.unpack(">I", data[at + 1:at + 5])[0] % 0xFFFFFFFF
        if tag == OBSOLETE1:
            length = 0
        yield tag, data[at + 5:at + 5 + length]
        at += 5 + length


class QtTranslation:
    """Looks texts up in qtbase_LL.qm of `directory`; with no such file,
    every text stays as it is, as Qt leaves it."""

    def __init__(self, directory, language):
        path = os.path.join(directory, f"qtbase_{language}.qm")
        data = open(path, "rb").read() if os.path.exists(path) else MAGIC
        self.blocks = dict(records(data, len(MAGIC) if data.startswith(MAGIC) else len(data)))

    def message(self, at, context, source):
        fields = dict(records(self.blocks[MESSAGES], at))
        if fields.get(SOURCE, source) != source or fields.get(CONTEXT, context) != context \
                or fields.get(COMMENT, b"") != b"" or TRANSLATION not in fields:
            return None
        return fields[TRANSLATION].decode("utf-16-be")

    def __call__(self, context, text):
        """The translation of `text` in `context`, its "&" left out as a
        screen reader hears it; the text itself where there is none."""
        hashes = self.blocks.get(HASHES, b"")
        wanted = elf_hash(text.encode())
        for h, offset in struct.iter_unpack(">II", hashes):
            if h == wanted:
                found = self.message(offset, context.encode(), text.encode())
                if found:
                    return found.replace("&", "")
        return text
